// Board records: layout, loading, saving, refusing damaged files, restart and clear.
#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sys/stat.h>
#include <unistd.h>

#include "engine/board_record.h"
#include "engine_boards.h"

using namespace testboards;
namespace fs = std::filesystem;

namespace {

using Bytes = std::vector<uint8_t>;

// What the player would be told, kept for the tests to look at.
std::vector<std::string> Reported;
void Load(int16_t index)
{
    if (std::string failure = LoadBoardRecord(index); !failure.empty())
        Reported.push_back(failure);
}
void Save(int16_t index)
{
    if (std::string failure = SaveBoardRecord(index); !failure.empty())
        Reported.push_back(failure);
}

Bytes ReadFile(const std::string& name)
{
    std::ifstream in(name, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

void WriteFile(const std::string& name, const Bytes& bytes)
{
    std::ofstream out(name, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

// A record made by hand: PlayGrid value (c + 2r) % 13, GivenGrid (3c + r) % 13, a note byte 0x01 or
// 0xFF on every seventh element, filler 0x77.
Bytes HandMadeRecord()
{
    Bytes record(RecordBytes, 0x77);
    for (int i = 0; i < RecordFillerOffset; ++i) {
        record[i] = 0;
    }
    for (int r = 0; r <= 12; ++r) {
        for (int c = 0; c <= 12; ++c) {
            record[c + 13 * r] = uint8_t((c + 2 * r) % 13);
            record[169 + c + 13 * r] = uint8_t((3 * c + r) % 13);
            for (int s = 0; s <= 12; ++s) {
                int i = c + 13 * r + 169 * s;
                record[338 + i] = i % 7 == 0 ? (i % 2 ? 0x01 : 0xFF) : 0;
            }
        }
    }
    return record;
}

class RecordTest : public ::testing::Test {
  protected:
    void SetUp() override
    {
        ResetEngineState();
        InstallLoggingView();
        Reported.clear();
        previous_ = fs::current_path();
        std::string pattern = (fs::temp_directory_path() / "kastenzahl-engine-XXXXXX").string();
        folder_ = mkdtemp(pattern.data());
        fs::current_path(folder_);
        LibraryFileName = "brett.l12";
    }
    void TearDown() override
    {
        RemoveView();
        fs::current_path(previous_);
        chmod(folder_.c_str(), 0700);
        std::error_code ignored;
        fs::permissions(folder_ / "brett.l12", fs::perms::owner_all, ignored);
        fs::remove_all(folder_, ignored);
    }

    // A board with clues, entries and notes to save.
    void SomeBoard()
    {
        const ByteGrid solution = SolvedGrid(21);
        SetPuzzle(Holes(solution, 70, 1));
        PlayGrid(2, 3) = 9;
        CandidateMarks(4, 5, 6) = true;
        CandidateMarks(12, 12, 12) = true;
        CandidateMarks(1, 1, 1) = true;
    }

    fs::path previous_;
    fs::path folder_;
};

TEST_F(RecordTest, LoadReadsSectionsAtTheirOffsetsColumnFastest)
{
    Bytes file(RecordBytes, 0x55); // record 0: something else
    Bytes record = HandMadeRecord();
    file.insert(file.end(), record.begin(), record.end());
    WriteFile("brett.l12", file);
    GameRunning = true;

    Load(1);

    EXPECT_FALSE(GameRunning);
    for (int r = 0; r <= 12; ++r) {
        for (int c = 0; c <= 12; ++c) {
            EXPECT_EQ(PlayGrid(c, r), (c + 2 * r) % 13) << c << "," << r;
            EXPECT_EQ(GivenGrid(c, r), (3 * c + r) % 13) << c << "," << r;
        }
    }
    for (int s = 1; s <= 12; ++s) {
        for (int r = 1; r <= 12; ++r) {
            for (int c = 1; c <= 12; ++c) {
                int i = c + 13 * r + 169 * s;
                EXPECT_EQ(CandidateMarks(c, r, s), i % 7 == 0) << c << "," << r << "," << s;
            }
        }
    }
    EXPECT_TRUE(Reported.empty());
}

TEST_F(RecordTest, MissingFileLoadsNothingAndStopsTheGame)
{
    SomeBoard();
    const ByteGrid play = PlayGrid;
    GameRunning = true;
    Load(0);
    EXPECT_FALSE(GameRunning);
    EXPECT_EQ(PlayGrid, play);
    EXPECT_TRUE(Reported.empty());
}

TEST_F(RecordTest, SaveIntoMissingFileCreatesFourRecords)
{
    SomeBoard();
    Save(2);
    Bytes file = ReadFile("brett.l12");
    ASSERT_EQ(file.size(), size_t(SlotFileBytes));
    for (int k = 0; k < 4; ++k) {
        const uint8_t* record = file.data() + k * RecordBytes;
        if (k == 2) {
            EXPECT_TRUE(std::equal(PlayGrid.cells, PlayGrid.cells + 169, record));
            EXPECT_TRUE(std::equal(GivenGrid.cells, GivenGrid.cells + 169, record + 169));
            for (int i = 0; i < MarkBytes; ++i) {
                EXPECT_EQ(record[338 + i], CandidateMarks.cells[i] ? 0xFF : 0x00);
            }
        } else {
            EXPECT_TRUE(std::all_of(record, record + RecordFillerOffset, [](uint8_t b) { return b == 0; }));
        }
        EXPECT_TRUE(std::all_of(record + RecordFillerOffset, record + RecordBytes,
                                [](uint8_t b) { return b >= 1 && b <= 12; }));
    }
    EXPECT_TRUE(Reported.empty());

    // And it loads back as it was.
    const ByteGrid play = PlayGrid;
    const ByteGrid given = GivenGrid;
    const auto marks = CandidateMarks;
    ResetEngineState();
    LibraryFileName = "brett.l12";
    Load(2);
    EXPECT_EQ(PlayGrid, play);
    EXPECT_EQ(GivenGrid, given);
    EXPECT_EQ(CandidateMarks, marks);
}

TEST_F(RecordTest, FillerTakesEveryValueFromOneToTwelve)
{
    SomeBoard();
    Save(0);
    Bytes file = ReadFile("brett.l12");
    ASSERT_EQ(file.size(), size_t(SlotFileBytes));
    int seen[13] = {};
    for (int i = RecordFillerOffset; i < RecordBytes; ++i) {
        ASSERT_GE(file[i], 1);
        ASSERT_LE(file[i], 12);
        ++seen[file[i]];
    }
    for (int v = 1; v <= 12; ++v) {
        EXPECT_GT(seen[v], 0) << v;
    }
}

// A file of another length becomes four records: those it held whole keep every byte, the missing
// ones start blank, and anything beyond the fourth is cut off.
TEST_F(RecordTest, ShortAndLongFilesKeepTheirWholeRecordsAndGetBlankOnes)
{
    for (size_t length :
         {size_t(0), size_t(100), size_t(RecordBytes * 2), size_t(RecordBytes * 3 - 1), size_t(20000)}) {
        WriteFile("brett.l12", Bytes(length, 0x05));
        SomeBoard();
        Save(2);
        Bytes file = ReadFile("brett.l12");
        ASSERT_EQ(file.size(), size_t(SlotFileBytes)) << length;
        for (int k : {0, 1, 3}) {
            const uint8_t* record = file.data() + k * RecordBytes;
            const bool kept = size_t(k + 1) * RecordBytes <= length;
            EXPECT_TRUE(std::all_of(record, record + (kept ? RecordBytes : RecordFillerOffset),
                                    [kept](uint8_t b) { return b == (kept ? 0x05 : 0); }))
                << length << " record " << k;
        }
        EXPECT_TRUE(std::equal(PlayGrid.cells, PlayGrid.cells + 169, file.data() + 2 * RecordBytes));
    }
}

// The file is replaced whole or not at all: a save cut short (here by a file-size limit) leaves the old
// file as it was and no temporary file beside it.
TEST_F(RecordTest, ASaveCutShortLeavesTheOldFileWhole)
{
    const Bytes before(SlotFileBytes, 0x03);
    WriteFile("brett.l12", before);
    SomeBoard();
    rlimit limit{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &limit), 0);
    const rlimit small{4000, limit.rlim_max};
    std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    Save(2);
    setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, SIG_DFL);
    EXPECT_EQ(ReadFile("brett.l12"), before);
    ASSERT_EQ(Reported.size(), 1u);
    EXPECT_NE(Reported[0].find("Datei zu groß"), std::string::npos) << Reported[0];
    EXPECT_EQ(std::distance(fs::directory_iterator("."), fs::directory_iterator()), 1);
}

TEST_F(RecordTest, SavingIntoAFullFileChangesOnlyThatRecord)
{
    Bytes before(SlotFileBytes);
    for (size_t i = 0; i < before.size(); ++i) {
        before[i] = uint8_t(i * 7 % 13);
    }
    for (int k = 0; k < 4; ++k) {
        WriteFile("brett.l12", before);
        SomeBoard();
        Save(int16_t(k));
        Bytes after = ReadFile("brett.l12");
        ASSERT_EQ(after.size(), before.size());
        for (size_t i = 0; i < after.size(); ++i) {
            bool inside = i >= size_t(k * RecordBytes) && i < size_t((k + 1) * RecordBytes);
            if (!inside) {
                ASSERT_EQ(after[i], before[i]) << "record " << k << " byte " << i;
            }
        }
        EXPECT_TRUE(std::equal(GivenGrid.cells, GivenGrid.cells + 169, after.data() + k * RecordBytes + 169));
    }
}

TEST_F(RecordTest, AnyNonzeroNoteByteIsANoteAndIsWrittenBackAsFF)
{
    Bytes record(RecordBytes, 0);
    const int at = 338 + 4 + 13 * 5 + 169 * 6; // note 6 in cell (4, 5)
    record[at] = 0x01;
    record[at + 169] = 0x80; // note 7 in the same cell
    Bytes file;
    for (int k = 0; k < 4; ++k) {
        file.insert(file.end(), record.begin(), record.end());
    }
    WriteFile("brett.l12", file);
    Load(3);
    EXPECT_TRUE(CandidateMarks(4, 5, 6));
    EXPECT_TRUE(CandidateMarks(4, 5, 7));
    EXPECT_FALSE(CandidateMarks(4, 5, 8));
    Save(3);
    Bytes saved = ReadFile("brett.l12");
    EXPECT_EQ(saved[3 * RecordBytes + at], 0xFF);
    EXPECT_EQ(saved[3 * RecordBytes + at + 169], 0xFF);
    EXPECT_EQ(saved[3 * RecordBytes + at + 2 * 169], 0x00);
}

TEST_F(RecordTest, RecordBeyondTheEndLoadsNothing)
{
    Bytes record = HandMadeRecord();
    Bytes file = record;
    file.insert(file.end(), record.begin(), record.begin() + 2000); // record 1 cut short
    WriteFile("brett.l12", file);
    SomeBoard();
    const ByteGrid play = PlayGrid;
    const ByteGrid given = GivenGrid;
    const auto marks = CandidateMarks;
    GameRunning = true;

    for (int16_t index : {int16_t(1), int16_t(2), int16_t(-1)}) {
        Load(index);
        EXPECT_FALSE(GameRunning);
        EXPECT_EQ(PlayGrid, play) << index;
        EXPECT_EQ(GivenGrid, given) << index;
        EXPECT_EQ(CandidateMarks, marks) << index;
    }
    ASSERT_FALSE(Reported.empty());
    EXPECT_EQ(Reported[0].rfind("Das Brett konnte nicht geladen werden.\n", 0), 0u) << Reported[0];

    // Record 0 is whole and loads.
    Load(0);
    EXPECT_EQ(PlayGrid(1, 1), 3);
}

TEST_F(RecordTest, RecordCutShortInsideItsFillerStillLoads)
{
    // Only the bytes before the filler are read: the record loads as soon as they are all there.
    const Bytes record = HandMadeRecord();
    for (const int kept :
         {RecordFillerOffset - 1, RecordFillerOffset, RecordFillerOffset + 1, RecordBytes - 1}) {
        Bytes file(RecordBytes, 0x00); // record 0: blank
        file.insert(file.end(), record.begin(), record.begin() + kept);
        WriteFile("brett.l12", file);
        SomeBoard();
        const ByteGrid play = PlayGrid;
        Reported.clear();
        Load(1);
        if (kept < RecordFillerOffset) {
            EXPECT_EQ(PlayGrid, play) << kept;
            EXPECT_EQ(Reported.size(), 1u) << kept;
            continue;
        }
        EXPECT_TRUE(Reported.empty()) << kept;
        EXPECT_TRUE(std::equal(PlayGrid.cells, PlayGrid.cells + 169, record.data())) << kept;
        EXPECT_TRUE(std::equal(GivenGrid.cells, GivenGrid.cells + 169, record.data() + 169)) << kept;
        // The last note plane is read too: note 12 set in (7, 12), cleared in (12, 12).
        EXPECT_TRUE(CandidateMarks(7, 12, 12)) << kept;
        EXPECT_FALSE(CandidateMarks(12, 12, 12)) << kept;
    }
}

TEST_F(RecordTest, RecordWithACellValueAboveTwelveIsRefused)
{
    for (int section : {0, 169}) {
        Bytes record(RecordBytes, 0);
        record[section + 5 + 13 * 7] = 13;
        record[section + 1 + 13 * 1] = 3;
        WriteFile("brett.l12", record);
        SomeBoard();
        const ByteGrid play = PlayGrid;
        const ByteGrid given = GivenGrid;
        Reported.clear();
        Load(0);
        EXPECT_EQ(PlayGrid, play) << section;
        EXPECT_EQ(GivenGrid, given) << section;
        ASSERT_EQ(Reported.size(), 1u);
        EXPECT_NE(Reported[0].find("beschädigt"), std::string::npos) << Reported[0];
    }
}

// TRUE when this process can write the file in spite of its mode (as root can).
bool WritableAnyway(const std::string& name)
{
    return access(name.c_str(), W_OK) == 0;
}

TEST_F(RecordTest, ReadOnlyFileIsReportedAndKeptWhole)
{
    Bytes before(SlotFileBytes);
    for (size_t i = 0; i < before.size(); ++i) {
        before[i] = uint8_t(i % 12 + 1);
    }
    WriteFile("brett.l12", before);
    chmod("brett.l12", 0444);
    if (WritableAnyway("brett.l12")) {
        GTEST_SKIP() << "this user writes read-only files (root), so a failing save cannot be provoked";
    }
    SomeBoard();
    const ByteGrid play = PlayGrid;
    const auto marks = CandidateMarks;
    const auto bytes = CandidateBytes;
    Save(1);
    ASSERT_EQ(Reported.size(), 1u);
    EXPECT_EQ(Reported[0], "Das Brett konnte nicht gespeichert werden.\n"
                           "Die Datei brett.l12 kann nicht geöffnet werden (Keine Berechtigung).");
    EXPECT_EQ(ReadFile("brett.l12"), before);
    EXPECT_EQ(PlayGrid, play);
    EXPECT_EQ(CandidateMarks, marks);
    EXPECT_EQ(CandidateBytes, bytes);
}

TEST_F(RecordTest, ReadOnlyFolderIsReportedAndCreatesNothing)
{
    chmod(folder_.c_str(), 0555);
    if (WritableAnyway(folder_.string())) {
        GTEST_SKIP()
            << "this user writes into read-only folders (root), so a failing save cannot be provoked";
    }
    SomeBoard();
    Save(0);
    ASSERT_EQ(Reported.size(), 1u);
    EXPECT_NE(Reported[0].find("Das Brett konnte nicht gespeichert werden.\n"), std::string::npos);
    EXPECT_NE(Reported[0].find("Keine Berechtigung"), std::string::npos) << Reported[0];
    EXPECT_FALSE(fs::exists("brett.l12"));
}

// The next two provoke failures that no user, root included, can write past.
TEST_F(RecordTest, FolderInTheFilesPlaceIsReportedAndNothingChanges)
{
    fs::create_directory("brett.l12");
    SomeBoard();
    const ByteGrid play = PlayGrid;
    const auto marks = CandidateMarks;
    Save(2);
    ASSERT_EQ(Reported.size(), 1u);
    EXPECT_EQ(Reported[0].rfind("Das Brett konnte nicht gespeichert werden.\n", 0), 0u) << Reported[0];
    EXPECT_GT(Reported[0].size(), std::string("Das Brett konnte nicht gespeichert werden.\n").size())
        << "the message does not say why";
    EXPECT_TRUE(fs::is_directory("brett.l12"));
    EXPECT_EQ(PlayGrid, play);
    EXPECT_EQ(CandidateMarks, marks);
}

TEST_F(RecordTest, WriteThatRunsOutOfSpaceIsReported)
{
    if (!fs::exists("/dev/full")) {
        GTEST_SKIP() << "no /dev/full on this system";
    }
    LibraryFileName = "/dev/full"; // opens, but every write fails with "no space left"
    SomeBoard();
    const ByteGrid play = PlayGrid;
    Save(0);
    ASSERT_EQ(Reported.size(), 1u);
    EXPECT_EQ(Reported[0].rfind("Das Brett konnte nicht gespeichert werden.\n", 0), 0u) << Reported[0];
    EXPECT_EQ(PlayGrid, play);
}

TEST_F(RecordTest, FailedSaveWithoutAScreenHandsTheReasonToTheCaller)
{
    RemoveView();
    fs::create_directory("brett.l12");
    const std::string output = SaveBoardRecord(0);
    EXPECT_NE(output.find("Das Brett konnte nicht gespeichert werden."), std::string::npos) << output;
}

TEST_F(RecordTest, RestartKeepsExactlyTheClues)
{
    const ByteGrid solution = SolvedGrid(5);
    // Without clues the board empties completely.
    PlayGrid = solution;
    GivenGrid = {};
    CandidateMarks(3, 3, 3) = true;
    RestartBoard();
    EXPECT_EQ(PlayGrid, ByteGrid{});
    EXPECT_FALSE(CandidateMarks(3, 3, 3));

    // On a solved board exactly the clues stay.
    const ByteGrid clues = Holes(solution, 90, 6);
    SetPuzzle(clues);
    PlayGrid = solution;
    CandidateMarks(7, 2, 9) = true;
    RestartBoard();
    EXPECT_EQ(PlayGrid, clues);
    EXPECT_EQ(GivenGrid, clues);
    EXPECT_EQ(CandidateMarks, (SymbolPlanes<bool>{}));
}

TEST_F(RecordTest, ClearEmptiesEverythingAndRedraws)
{
    const ByteGrid solution = SolvedGrid(5);
    SetPuzzle(Holes(solution, 60, 2));
    SolutionGrid = solution;
    BackupGrid = solution;
    PlayGrid(1, 1) = PlayGrid(1, 1) == 0 ? 3 : PlayGrid(1, 1);
    CandidateMarks(2, 2, 2) = true;
    ErrorCount = 2;
    ClearBoard();
    EXPECT_EQ(ErrorCount, 0);
    EXPECT_EQ(PlayGrid, ByteGrid{});
    EXPECT_EQ(GivenGrid, ByteGrid{});
    EXPECT_EQ(SolutionGrid, ByteGrid{});
    EXPECT_EQ(BackupGrid, ByteGrid{});
    EXPECT_EQ(CandidateMarks, (SymbolPlanes<bool>{}));
    EXPECT_EQ(Log.redraws, 1);
    CountSymbols();
    CheckBoard();
    EXPECT_EQ(CheckMessage, VerdictNoErrors);
}

} // namespace
