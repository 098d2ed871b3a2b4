// The hall of fame: its tables, Champions.Rhm, and entering a solved game's time.
#include "records/hall_of_fame.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "platform/files.h"
#include "platform/system.h"

HallOfFameTables HallOfFame;
HallOfFameHooks HallOfFameView;
std::string PlayerName;

namespace {

constexpr int Difficulties = 4;
constexpr int Ranks = 10;
constexpr int FileLines = Difficulties * Ranks * 3;
// A longer line is cut; nothing the game writes comes near it.
constexpr size_t MaxLineBytes = 4096;
// Reading gives up after this many bytes, so a huge file cannot keep the game busy for long.
constexpr long long MaxFileBytes = 64LL << 20;

struct Slot {
    std::string name, date, time;
};

Slot GetSlot(int d, int r)
{
    return {HallOfFame.ChampionNames[d][r], HallOfFame.ChampionDates[d][r], HallOfFame.ChampionTimes[d][r]};
}

void PutSlot(int d, int r, Slot slot)
{
    HallOfFame.ChampionNames[d][r] = std::move(slot.name);
    HallOfFame.ChampionDates[d][r] = std::move(slot.date);
    HallOfFame.ChampionTimes[d][r] = std::move(slot.time);
}

void ResetSlot(int d, int r)
{
    PutSlot(d, r, {"", "", "9"});
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// "hh:mm:ss.t", digits where the shape has them.
bool IsWellFormedTime(const std::string& time)
{
    static constexpr char Shape[] = "00:00:00.0";
    if (time.size() != sizeof Shape - 1) {
        return false;
    }
    for (size_t i = 0; i < time.size(); ++i) {
        if (Shape[i] == '0' ? !IsDigit(time[i]) : time[i] != Shape[i]) {
            return false;
        }
    }
    return true;
}

// Filled slots first in ascending time order, equal times keeping their order; empty slots reset.
void SortDifficulty(int d)
{
    std::vector<Slot> filled;
    for (int r = 1; r <= Ranks; ++r) {
        if (!IsEmptyTime(HallOfFame.ChampionTimes[d][r])) {
            filled.push_back(GetSlot(d, r));
        }
    }
    std::stable_sort(filled.begin(), filled.end(),
                     [](const Slot& a, const Slot& b) { return a.time < b.time; });
    for (int r = 1; r <= Ranks; ++r) {
        if (r <= static_cast<int>(filled.size())) {
            PutSlot(d, r, std::move(filled[r - 1]));
        } else {
            ResetSlot(d, r);
        }
    }
}

// --- Text encoding of a line read from the file ---

// Length of the UTF-8 sequence at text[i]: 0 when it is not valid, -1 when it is valid so far but
// the text ends inside it.
int Utf8SequenceLength(const std::string& text, size_t i)
{
    auto lead = static_cast<unsigned char>(text[i]);
    if (lead < 0x80) {
        return 1;
    }
    int length = 0;
    unsigned char low = 0x80, high = 0xBF; // the allowed range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;  // no overlong forms
        high = lead == 0xED ? 0x9F : 0xBF; // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF; // nothing above U+10FFFF
    } else {
        return 0;
    }
    for (int k = 1; k < length; ++k) {
        if (i + k >= text.size()) {
            return -1;
        }
        auto b = static_cast<unsigned char>(text[i + k]);
        if (k == 1 ? (b < low || b > high) : (b < 0x80 || b > 0xBF)) {
            return 0;
        }
    }
    return length;
}

// True when text is UTF-8; a line that was cut (cutOff) may end inside a character, which is dropped.
bool TakeUtf8(std::string& text, bool cutOff)
{
    for (size_t i = 0; i < text.size();) {
        int length = Utf8SequenceLength(text, i);
        if (length == -1 && cutOff) {
            text.resize(i);
            return true;
        }
        if (length <= 0) {
            return false;
        }
        i += static_cast<size_t>(length);
    }
    return true;
}

void AppendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

// Windows-1252 to UTF-8; its five unassigned bytes become U+FFFD.
std::string FromWindows1252(const std::string& text)
{
    static constexpr std::array<char16_t, 32> High = {
        0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};
    std::string out;
    for (char ch : text) {
        auto b = static_cast<unsigned char>(ch);
        AppendUtf8(out, b >= 0x80 && b < 0xA0 ? High[b - 0x80] : char32_t(b));
    }
    return out;
}

// A line as UTF-8 within MaxLineBytes, cut at a character's start.
std::string DecodeLine(std::string raw, bool cutOff)
{
    if (!TakeUtf8(raw, cutOff)) {
        raw = FromWindows1252(raw);
        if (raw.size() > MaxLineBytes) {
            raw.resize(MaxLineBytes);
            TakeUtf8(raw, true);
        }
    }
    return raw;
}

// --- Reading ---

// The file's lines one by one, each at most MaxLineBytes long (the rest of a longer line is skipped),
// up to MaxFileBytes in all. CR LF, LF and a lone CR all end a line.
class LineReader {
  public:
    explicit LineReader(std::FILE* file) : file_(file) {}

    bool next(std::string& line)
    {
        line.clear();
        bool cutOff = false;
        int c = get();
        if (c == EOF) {
            return false;
        }
        while (c != EOF && c != '\n' && c != '\r') {
            if (line.size() < MaxLineBytes) {
                line.push_back(static_cast<char>(c));
            } else {
                cutOff = true;
            }
            c = get();
        }
        if (c == '\r') {
            int after = get();
            if (after != '\n' && after != EOF) {
                --position_;
            }
        }
        line = DecodeLine(std::move(line), cutOff);
        return true;
    }

  private:
    int get()
    {
        if (position_ == filled_) {
            if (total_ >= MaxFileBytes) {
                return EOF;
            }
            filled_ = std::fread(buffer_.data(), 1, buffer_.size(), file_);
            position_ = 0;
            total_ += static_cast<long long>(filled_);
            if (filled_ == 0) {
                return EOF;
            }
        }
        return static_cast<unsigned char>(buffer_[position_++]);
    }

    std::FILE* file_;
    std::array<char, 65536> buffer_{};
    size_t filled_ = 0, position_ = 0;
    long long total_ = 0;
};

// A name as the file reads it back: cut to a line's length and decoded, so a name that is not UTF-8
// is entered as it will load.
std::string NameAsRead(std::string name)
{
    const bool cutOff = name.size() > MaxLineBytes;
    if (cutOff) {
        name.resize(MaxLineBytes);
    }
    return DecodeLine(std::move(name), cutOff);
}

} // namespace

bool IsEmptyTime(const std::string& time)
{
    return !time.empty() && time[0] == '9';
}

std::string CleanName(const std::string& name)
{
    std::string clean = name;
    for (char& c : clean) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
            c = ' ';
        }
    }
    return clean;
}

void ResetDifficulty(int difficulty)
{
    if (difficulty < 0 || difficulty >= Difficulties) {
        return;
    }
    PutSlot(difficulty, 0, {});
    for (int r = 1; r <= Ranks; ++r) {
        ResetSlot(difficulty, r);
    }
}

void ResetHallOfFame()
{
    for (int d = 0; d < Difficulties; ++d) {
        ResetDifficulty(d);
    }
}

void LoadHallOfFame()
{
    ResetHallOfFame();
    // FileExists refuses a folder, a pipe or a device, which hold no hall of fame.
    if (!FileExists(HallOfFameFileName)) {
        return;
    }
    std::FILE* file = std::fopen(HallOfFameFileName, "rb");
    if (file == nullptr) {
        return;
    }
    LineReader reader(file);
    std::string line;
    std::vector<std::string> lines;
    while (static_cast<int>(lines.size()) < FileLines && reader.next(line)) {
        lines.push_back(line);
    }
    std::fclose(file);

    for (int d = 0; d < Difficulties; ++d) {
        for (int r = 1; r <= Ranks; ++r) {
            size_t first = static_cast<size_t>(30 * d + 3 * (r - 1));
            if (first + 2 >= lines.size() || !IsWellFormedTime(lines[first + 2])) {
                continue; // empty, or unreadable and so empty
            }
            PutSlot(d, r, {CleanName(lines[first]), CleanName(lines[first + 1]), lines[first + 2]});
        }
        SortDifficulty(d);
    }
}

std::string SaveHallOfFame()
{
    std::string text;
    for (int d = 0; d < Difficulties; ++d) {
        for (int r = 1; r <= Ranks; ++r) {
            Slot slot = GetSlot(d, r);
            if (IsEmptyTime(slot.time)) {
                slot = {"", "", "9"};
            }
            for (const std::string& value : {slot.name, slot.date, slot.time}) {
                text += CleanName(value);
                text += "\r\n";
            }
        }
    }

    const std::string failure = ReplaceFileWhole(HallOfFameFileName, text);
    return failure.empty() ? "" : "Die Ruhmeshalle konnte nicht gespeichert werden.\n" + failure;
}

std::vector<std::vector<std::string>> ListedRows(int difficulty)
{
    std::vector<std::vector<std::string>> rows;
    for (int rank = 1; rank <= Ranks; ++rank)
        if (!IsEmptyTime(HallOfFame.ChampionTimes[difficulty][rank]))
            rows.push_back({std::to_string(rank) + ".", HallOfFame.ChampionNames[difficulty][rank],
                            HallOfFame.ChampionDates[difficulty][rank],
                            HallOfFame.ChampionTimes[difficulty][rank]});
    return rows;
}

void EnterResult(const std::string& finalTime, int difficulty)
{
    if (difficulty < 0 || difficulty >= Difficulties) {
        return;
    }
    int rank = 0;
    if (IsWellFormedTime(finalTime)) {
        for (int r = 1; r <= Ranks && rank == 0; ++r) {
            if (HallOfFame.ChampionTimes[difficulty][r] > finalTime) {
                rank = r;
            }
        }
    }
    // Cancelled, nothing is entered and the tables stay as they are.
    if (rank != 0 && HallOfFameView.askPlayerName != nullptr && HallOfFameView.askPlayerName()) {
        PlayerName = CleanName(NameAsRead(PlayerName));
        for (int r = Ranks; r > rank; --r) {
            PutSlot(difficulty, r, GetSlot(difficulty, r - 1));
        }
        PutSlot(difficulty, rank, {PlayerName, TodayText(), finalTime});
        if (std::string failure = SaveHallOfFame();
            !failure.empty() && HallOfFameView.showFailure != nullptr) {
            HallOfFameView.showFailure(failure);
        }
    }
    if (HallOfFameView.showHallOfFame != nullptr) {
        HallOfFameView.showHallOfFame(difficulty);
    }
}
