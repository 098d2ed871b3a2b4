// The hall of fame: entering a time, Champions.Rhm's layout, damaged files, names and saving.
#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <unistd.h>
#include <vector>

#include "platform/system.h"
#include "records/hall_of_fame.h"

namespace fs = std::filesystem;

namespace {

struct Slot {
    std::string name, date, time;
    bool operator==(const Slot&) const = default;
};
void PrintTo(const Slot& slot, std::ostream* out)
{
    *out << "{" << slot.name.substr(0, 40) << ", " << slot.date << ", " << slot.time << "}";
}
using Slots = std::vector<Slot>; // the filled slots from rank 1 on
using Hall = std::array<Slots, 4>;

std::string ReadFile(const std::string& name)
{
    std::ifstream in(name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteFile(const std::string& name, const std::string& bytes)
{
    std::ofstream out(name, std::ios::binary | std::ios::trunc);
    out << bytes;
}

// The file's 120 lines for a hall, each empty slot two empty lines and "9".
std::vector<std::string> FileLines(const Hall& hall)
{
    std::vector<std::string> lines;
    for (const Slots& slots : hall) {
        for (size_t r = 0; r < 10; ++r) {
            Slot slot = r < slots.size() ? slots[r] : Slot{"", "", "9"};
            lines.insert(lines.end(), {slot.name, slot.date, slot.time});
        }
    }
    return lines;
}

std::string Join(const std::vector<std::string>& lines, const std::string& end = "\r\n")
{
    std::string text;
    for (const std::string& line : lines) {
        text += line + end;
    }
    return text;
}

// Sets the tables to a hall.
void Put(const Hall& hall)
{
    ResetHallOfFame();
    for (int d = 0; d < 4; ++d) {
        for (size_t r = 0; r < hall[d].size(); ++r) {
            HallOfFame.ChampionNames[d][r + 1] = hall[d][r].name;
            HallOfFame.ChampionDates[d][r + 1] = hall[d][r].date;
            HallOfFame.ChampionTimes[d][r + 1] = hall[d][r].time;
        }
    }
}

// The tables as a hall; fails when a slot after the filled ones is not reset or the times are not in
// ascending order.
Hall Tables()
{
    Hall hall;
    for (int d = 0; d < 4; ++d) {
        bool filled = true;
        for (int r = 1; r <= 10; ++r) {
            Slot slot{HallOfFame.ChampionNames[d][r], HallOfFame.ChampionDates[d][r],
                      HallOfFame.ChampionTimes[d][r]};
            if (!IsEmptyTime(slot.time) && filled) {
                if (!hall[d].empty()) {
                    EXPECT_LE(hall[d].back().time, slot.time) << d << "/" << r;
                }
                hall[d].push_back(slot);
            } else {
                filled = false;
                EXPECT_EQ(slot, (Slot{"", "", "9"})) << d << "/" << r;
            }
        }
    }
    return hall;
}

// "00:mm:ss.0" for a number of seconds.
std::string Time(int seconds)
{
    char text[16];
    std::snprintf(text, sizeof text, "00:%02d:%02d.0", seconds / 60 % 60, seconds % 60);
    return text;
}

Slots TenSlots()
{
    Slots slots;
    for (int r = 1; r <= 10; ++r) {
        slots.push_back({"Spieler " + std::to_string(r), (r < 10 ? "0" : "") + std::to_string(r) + ".03.2024",
                         Time(10 * r)});
    }
    return slots;
}

// The name entry's answer and what the windows were asked to do.
bool Confirm = true;
std::string TypedName;
std::vector<std::string> OfferedNames;
std::vector<std::string> Failures;
std::vector<int> Shown;

bool AskName()
{
    OfferedNames.push_back(PlayerName);
    if (Confirm) {
        PlayerName = TypedName;
    }
    return Confirm;
}

class HallOfFameTest : public ::testing::Test {
  protected:
    void SetUp() override
    {
        previous_ = fs::current_path();
        std::string pattern = (fs::temp_directory_path() / "kastenzahl-hof-XXXXXX").string();
        folder_ = mkdtemp(pattern.data());
        fs::current_path(folder_);
        ResetHallOfFame();
        PlayerName.clear();
        Confirm = true;
        TypedName = "Anna";
        OfferedNames.clear();
        Failures.clear();
        Shown.clear();
        HallOfFameView = {AskName, [](const std::string& reason) { Failures.push_back(reason); },
                          [](int difficulty) { Shown.push_back(difficulty); }};
    }
    void TearDown() override
    {
        HallOfFameView = {};
        fs::current_path(previous_);
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }

    // Writes a hall with SaveHallOfFame and returns the file.
    std::string Saved(const Hall& hall)
    {
        Put(hall);
        EXPECT_EQ(SaveHallOfFame(), "");
        return ReadFile(HallOfFameFileName);
    }

    fs::path previous_;
    fs::path folder_;
};

TEST_F(HallOfFameTest, WithoutAFileEverySlotIsEmptyAndNoFileIsMade)
{
    HallOfFame.ChampionTimes[2][4] = "00:00:01.0";
    LoadHallOfFame();
    EXPECT_EQ(Tables(), Hall{});
    EXPECT_FALSE(fs::exists(HallOfFameFileName));
}

TEST_F(HallOfFameTest, AFirstEntryInEachDifficultyGivesTheFileItsLayout)
{
    LoadHallOfFame();
    for (int d = 0; d < 4; ++d) {
        TypedName = "Name " + std::to_string(d);
        EnterResult(Time(100 + d), d);
    }

    Hall expected;
    for (int d = 0; d < 4; ++d) {
        expected[d] = {{"Name " + std::to_string(d), TodayText(), Time(100 + d)}};
    }
    std::vector<std::string> lines = FileLines(expected);
    ASSERT_EQ(lines.size(), 120u);
    for (int d = 0; d < 4; ++d) {
        EXPECT_EQ(lines[30 * d + 2], Time(100 + d)); // line 30d+3
    }
    EXPECT_EQ(ReadFile(HallOfFameFileName), Join(lines));
    EXPECT_EQ(Tables(), expected);
    EXPECT_EQ(Shown, (std::vector<int>{0, 1, 2, 3}));
    // The name confirmed last is offered next.
    EXPECT_EQ(OfferedNames, (std::vector<std::string>{"", "Name 0", "Name 1", "Name 2"}));
}

TEST_F(HallOfFameTest, ASlowerTimeThanTenStoredOnesAsksNothingAndChangesNothing)
{
    Hall hall;
    hall[1] = TenSlots();
    std::string file = Saved(hall);

    EnterResult(Time(101), 1);

    EXPECT_TRUE(OfferedNames.empty());
    EXPECT_EQ(Tables(), hall);
    EXPECT_EQ(ReadFile(HallOfFameFileName), file);
    EXPECT_EQ(Shown, std::vector<int>{1});
}

TEST_F(HallOfFameTest, AnEqualTimeEntersAfterTheStoredOneAndRankTenDropsOut)
{
    Hall hall;
    hall[2] = TenSlots();
    Saved(hall);

    EnterResult(Time(50), 2); // rank 5's time

    Slots expected = TenSlots();
    expected.insert(expected.begin() + 5, {"Anna", TodayText(), Time(50)});
    expected.pop_back();
    EXPECT_EQ(Tables()[2], expected);
    LoadHallOfFame();
    EXPECT_EQ(Tables()[2], expected);
}

TEST_F(HallOfFameTest, CancellingTheNameLeavesTablesAndFileAsTheyWere)
{
    Hall hall;
    hall[0] = {{"Bernd", "01.01.2024", Time(30)}, {"Clara", "02.01.2024", Time(40)}};
    std::string file = Saved(hall);
    Confirm = false;

    EnterResult(Time(35), 0);

    EXPECT_EQ(OfferedNames.size(), 1u);
    EXPECT_EQ(Tables(), hall);
    EXPECT_EQ(ReadFile(HallOfFameFileName), file);
    EXPECT_EQ(Shown, std::vector<int>{0});
}

TEST_F(HallOfFameTest, AnEmptyNameIsStored)
{
    TypedName = "";
    EnterResult(Time(20), 3);

    LoadHallOfFame();
    EXPECT_EQ(Tables()[3], (Slots{{"", TodayText(), Time(20)}}));
}

TEST_F(HallOfFameTest, ResetDifficultyEmptiesOnlyThatDifficulty)
{
    Hall hall{TenSlots(), TenSlots(), TenSlots(), TenSlots()};
    Put(hall);

    ResetDifficulty(2);

    hall[2].clear();
    EXPECT_EQ(Tables(), hall);
}

TEST_F(HallOfFameTest, ADamagedFileLoadsWhatMakesSenseAndStaysUntouched)
{
    const Slot anna{"Anna", "01.02.2024", "00:10:00.0"};
    const Slot bernd{"Bernd", "02.02.2024", "00:20:00.0"};
    const Slot clara{"Clara", "03.02.2024", "00:30:00.0"};
    Hall base;
    base[0] = {anna, bernd};
    base[1] = {anna, bernd, clara, {"Dora", "04.02.2024", "00:40:00.0"}};
    const std::vector<std::string> lines = FileLines(base);
    auto with = [&](std::vector<std::pair<int, std::string>> changes) { // (line number from 1, text)
        std::vector<std::string> changed = lines;
        for (auto& [number, text] : changes) {
            changed[number - 1] = text;
        }
        return Join(changed);
    };
    auto repeat = [](const std::string& text, int times) {
        std::string repeated;
        for (int i = 0; i < times; ++i) {
            repeated += text;
        }
        return repeated;
    };
    auto first = [&](size_t count) { return Join({lines.begin(), lines.begin() + count}); };
    // The last slot of the file filled: it is the only one of difficulty 3.
    const Slot eve{"Eve", "05.02.2024", "00:00:01.0"};
    const std::string withEve = with({{118, eve.name}, {119, eve.date}, {120, eve.time}});
    Hall baseWithEve = base;
    baseWithEve[3] = {eve};
    Hall short40 = base;
    short40[1].pop_back();

    struct Case {
        const char* what;
        std::string file;
        Hall expected;
    };
    const std::vector<Case> cases = {
        {"empty", "", {}},
        {"short, the last slot read cut after its name", first(40), short40},
        {"last line without its end", Join(lines).substr(0, Join(lines).size() - 2), base},
        {"too long", Join(lines) + std::string(100000, '\n') + "Eve\r\n01.01.2000\r\n00:00:01.0\r\n", base},
        {"119 lines, the last slot's time missing", withEve.substr(0, withEve.size() - 12), base},
        {"121 lines", withEve + "Zoe\r\n", baseWithEve},
        {"10000 lines",
         withEve + repeat("Zoe\r\n01.01.2000\r\n00:00:01.0\r\n", (10000 - 121) / 3) + "Zoe\r\n", baseWithEve},
        {"LF line ends", Join(lines, "\n"), base},
        {"lone CR line ends", Join(lines, "\r"), base},
        {"a NUL in a name and in a time",
         with({{1, std::string("An\0na", 5)},
               {6, std::string("00:20:\0"
                               "0.0",
                               10)}}),
         {Slots{{"An na", anna.date, anna.time}}, base[1]}},
        {"times of the wrong shape",
         with({{3, "0:10:00.0"}, {6, "00:2x:00.0"}, {33, "00:10:00.00"}, {36, ""}}),
         {Slots{}, Slots{clara, base[1][3]}}},
        {"an empty slot with a name", with({{1, "Geist"}, {3, "9"}}), {Slots{bernd}, base[1]}},
        {"ranks out of order, an equal time keeps its file order",
         with({{1, ""}, {2, ""}, {3, "9"}, {31, "Zoe"}, {33, "00:30:00.0"}}),
         {Slots{bernd}, Slots{bernd, {"Zoe", anna.date, clara.time}, clara, base[1][3]}}},
        {"a name of 1 MB is cut",
         with({{1, std::string(1 << 20, 'x')}}),
         {Slots{{std::string(4096, 'x'), anna.date, anna.time}, bernd}, base[1]}},
        {"a long UTF-8 name is cut before a character",
         with({{1, "x" + repeat("\xc3\xa4", 1 << 19)}}),
         {Slots{{"x" + repeat("\xc3\xa4", 2047), anna.date, anna.time}, bernd}, base[1]}},
    };

    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        WriteFile(HallOfFameFileName, c.file);
        LoadHallOfFame();
        EXPECT_EQ(Tables(), c.expected);
        EXPECT_EQ(ReadFile(HallOfFameFileName), c.file);
    }
}

TEST_F(HallOfFameTest, LineBreaksAndControlsInANameBecomeBlanks)
{
    TypedName = "Anna\r\nBernd\tC\x7f";
    EnterResult(Time(5), 1);

    std::string file = ReadFile(HallOfFameFileName);
    Hall expected;
    expected[1] = {{"Anna  Bernd C ", TodayText(), Time(5)}};
    EXPECT_EQ(file, Join(FileLines(expected)));
    EXPECT_EQ(PlayerName, "Anna  Bernd C ");
    LoadHallOfFame();
    EXPECT_EQ(Tables(), expected);
}

TEST_F(HallOfFameTest, ANameInWindows1252IsReadAsUtf8)
{
    Hall hall;
    hall[0] = {{"J\xfcrgen \xe4\xf6\xfc\xdf \xc4\xd6\xdc \x80", "01.01.2024", Time(1)},
               {"J\xc3\xbcrgen", "02.01.2024", Time(2)}};
    WriteFile(HallOfFameFileName, Join(FileLines(hall)));

    LoadHallOfFame();

    EXPECT_EQ(HallOfFame.ChampionNames[0][1], "Jürgen äöüß ÄÖÜ €");
    EXPECT_EQ(HallOfFame.ChampionNames[0][2], "Jürgen"); // already UTF-8: kept
}

TEST_F(HallOfFameTest, ANameThatIsNotUtf8IsEnteredAsItLoadsBack)
{
    TypedName = "\r\n\xbcr";
    EnterResult(Time(5), 2);

    EXPECT_EQ(PlayerName, "  \xc2\xbcr");
    Hall expected;
    expected[2] = {{"  \xc2\xbcr", TodayText(), Time(5)}};
    EXPECT_EQ(Tables(), expected);
    LoadHallOfFame();
    EXPECT_EQ(Tables(), expected);
}

TEST_F(HallOfFameTest, ASaveOverAFolderReturnsTheReasonAndKeepsTheTables)
{
    fs::create_directory(HallOfFameFileName);
    Hall hall;
    hall[3] = TenSlots();
    Put(hall);

    std::string failure = SaveHallOfFame();

    EXPECT_EQ(failure, "Die Ruhmeshalle konnte nicht gespeichert werden.\n"
                       "Die Datei Champions.Rhm kann nicht geschrieben werden (Ist ein Ordner).");
    EXPECT_EQ(Tables(), hall);
    EXPECT_TRUE(fs::is_directory(HallOfFameFileName));
    EXPECT_EQ(std::distance(fs::directory_iterator("."), fs::directory_iterator()), 1); // no temporary left
}

TEST_F(HallOfFameTest, AFailedSaveAfterAnEntryIsShownAndTheEntryKept)
{
    fs::create_directory(HallOfFameFileName);

    EnterResult(Time(7), 0);

    ASSERT_EQ(Failures.size(), 1u);
    EXPECT_EQ(Tables()[0], (Slots{{"Anna", TodayText(), Time(7)}}));
    EXPECT_EQ(Shown, std::vector<int>{0});
}

} // namespace
