// Damaged data files and odd things in their place: each call returns promptly, loads what can be
// loaded or says why in German, and keeps a file that was whole before.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <thread>

#include "engine/board_record.h"
#include "engine_boards.h"
#include "records/hall_of_fame.h"

using namespace testboards;
namespace fs = std::filesystem;

namespace {

using Bytes = std::vector<uint8_t>;

constexpr int64_t HundredMegabytes = int64_t(100) << 20;
const std::string LoadFailure = "Das Brett konnte nicht geladen werden.\n";
const std::string SaveFailure = "Das Brett konnte nicht gespeichert werden.\n";

Bytes ReadFile(const std::string& name)
{
    std::ifstream in(name, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

// A file of `length` bytes: `fill` up to 20000 bytes (more than four records), zeros beyond (sparse:
// they take no disk).
void MakeFile(const std::string& name, int64_t length, uint8_t fill)
{
    {
        std::ofstream out(name, std::ios::binary | std::ios::trunc);
        const Bytes bytes(size_t(std::min<int64_t>(length, 20000)), fill);
        out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    }
    fs::resize_file(name, uint64_t(length));
}

// True when the call returns within a minute. It runs in a child process, so a call that would hang
// is killed rather than the test.
bool ReturnsPromptly(const std::function<void()>& call)
{
    const pid_t child = fork();
    if (child < 0)
        return false;
    if (child == 0) {
        call();
        _exit(0);
    }
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    int status = 0;
    while (waitpid(child, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > end) {
            kill(child, SIGKILL);
            waitpid(child, &status, 0);
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

bool AllCells(const ByteGrid& grid, uint8_t value)
{
    return std::all_of(grid.cells, grid.cells + GridBytes, [value](uint8_t b) { return b == value; });
}

class DamagedFilesTest : public ::testing::Test {
  protected:
    void SetUp() override
    {
        ResetEngineState();
        ResetHallOfFame();
        InstallLoggingView();
        previous_ = fs::current_path();
        std::string pattern = (fs::temp_directory_path() / "kastenzahl-damaged-XXXXXX").string();
        folder_ = mkdtemp(pattern.data());
        fs::current_path(folder_);
    }
    void TearDown() override
    {
        RemoveView();
        fs::current_path(previous_);
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }

    fs::path previous_;
    fs::path folder_;
};

struct Length {
    const char* what;
    int64_t bytes;
};
const Length WrongLengths[] = {
    {"empty", 0},
    {"1 byte", 1},
    {"one record less a byte", RecordBytes - 1},
    {"one record and a byte", RecordBytes + 1},
    {"four records less a byte", SlotFileBytes - 1},
    {"four records and a byte", SlotFileBytes + 1},
    {"100 MB", HundredMegabytes},
};

} // namespace

// A record loads when its grids and notes are all in the file; else the board stays and the player
// is told. The file is never changed by loading.
TEST_F(DamagedFilesTest, ALibraryOfAWrongLengthLoadsItsWholeRecordsOnly)
{
    LibraryFileName = "leicht.l12";
    for (const Length& length : WrongLengths) {
        SCOPED_TRACE(length.what);
        MakeFile(LibraryFileName, length.bytes, 5);
        const Bytes before = length.bytes > 20000 ? Bytes() : ReadFile(LibraryFileName);
        for (int16_t index = 0; index < SlotRecords; ++index) {
            const int64_t wholeUpTo = index * int64_t(RecordBytes) + RecordFillerOffset;
            PlayGrid = {};
            PlayGrid(1, 1) = 9;
            const ByteGrid previous = PlayGrid;
            const std::string failure = LoadBoardRecord(index);
            if (wholeUpTo <= length.bytes) {
                EXPECT_EQ(failure, "") << index;
                EXPECT_TRUE(AllCells(PlayGrid, 5)) << index;
            } else {
                EXPECT_EQ(failure.rfind(LoadFailure, 0), 0u) << index << ": " << failure;
                EXPECT_GT(failure.size(), LoadFailure.size()) << index << ": the message does not say why";
                EXPECT_EQ(PlayGrid, previous) << index;
            }
        }
        EXPECT_EQ(int64_t(fs::file_size(LibraryFileName)), length.bytes);
        if (length.bytes <= 20000) {
            EXPECT_EQ(ReadFile(LibraryFileName), before);
        }
    }
}

// A save makes the slot file four records: the records the old one held whole keep every byte.
TEST_F(DamagedFilesTest, ASaveIntoASlotFileOfAWrongLengthKeepsItsWholeRecords)
{
    LibraryFileName = "brett.l12";
    for (const Length& length : WrongLengths) {
        SCOPED_TRACE(length.what);
        MakeFile(LibraryFileName, length.bytes, 5);
        SetPuzzle(Holes(SolvedGrid(7), 60, 3));
        const ByteGrid play = PlayGrid;
        EXPECT_EQ(SaveBoardRecord(1), "");
        const Bytes file = ReadFile(LibraryFileName);
        ASSERT_EQ(file.size(), size_t(SlotFileBytes));
        for (int k : {0, 2, 3}) {
            const size_t start = size_t(k) * RecordBytes;
            const bool kept = int64_t(start + RecordBytes) <= length.bytes;
            EXPECT_TRUE(std::all_of(file.begin() + long(start),
                                    file.begin() + long(start + RecordFillerOffset),
                                    [&](uint8_t b) { return b == (kept ? 5 : 0); }))
                << "record " << k;
        }
        PlayGrid = {};
        EXPECT_EQ(LoadBoardRecord(1), "");
        EXPECT_EQ(PlayGrid, play);
    }
}

// A folder, a pipe or a link to /dev/zero in a data file's place: loading finds no file, saving is
// refused with the reason, and the thing stays where it was.
TEST_F(DamagedFilesTest, AFolderAPipeOrADeviceInADataFilesPlaceNeitherHangsNorIsReplaced)
{
    struct Thing {
        const char* what;
        std::function<void(const std::string&)> make;
        fs::file_type type;
    };
    const Thing things[] = {
        {"a folder", [](const std::string& name) { fs::create_directory(name); }, fs::file_type::directory},
        {"a pipe", [](const std::string& name) { ASSERT_EQ(mkfifo(name.c_str(), 0600), 0); },
         fs::file_type::fifo},
        {"a link to /dev/zero", [](const std::string& name) { fs::create_symlink("/dev/zero", name); },
         fs::file_type::symlink},
    };
    for (const Thing& thing : things) {
        SCOPED_TRACE(thing.what);
        for (const char* name : {"leicht.l12", "brett.l12", HallOfFameFileName})
            thing.make(name);
        SetPuzzle(Holes(SolvedGrid(7), 60, 3));
        const ByteGrid play = PlayGrid;
        HallOfFame.ChampionNames[0][1] = "Anna";

        LibraryFileName = "leicht.l12";
        ASSERT_TRUE(ReturnsPromptly([] { LoadBoardRecord(0); })) << "loading a library";
        EXPECT_EQ(LoadBoardRecord(0), "");
        EXPECT_EQ(PlayGrid, play);

        LibraryFileName = "brett.l12";
        ASSERT_TRUE(ReturnsPromptly([] { SaveBoardRecord(0); })) << "saving a board";
        const std::string failure = SaveBoardRecord(0);
        EXPECT_EQ(failure.rfind(SaveFailure, 0), 0u) << failure;
        EXPECT_GT(failure.size(), SaveFailure.size()) << "the message does not say why";
        ASSERT_TRUE(ReturnsPromptly([] { LoadBoardRecord(0); })) << "loading a board";
        EXPECT_EQ(LoadBoardRecord(0), "");
        EXPECT_EQ(PlayGrid, play);

        ASSERT_TRUE(ReturnsPromptly(LoadHallOfFame)) << "loading the hall of fame";
        LoadHallOfFame();
        EXPECT_EQ(HallOfFame.ChampionNames[0][1], "");
        ASSERT_TRUE(ReturnsPromptly([] { SaveHallOfFame(); })) << "saving the hall of fame";
        EXPECT_NE(SaveHallOfFame(), "");

        for (const char* name : {"leicht.l12", "brett.l12", HallOfFameFileName}) {
            EXPECT_EQ(fs::symlink_status(name).type(), thing.type) << name;
            fs::remove(name);
        }
        EXPECT_EQ(std::distance(fs::directory_iterator("."), fs::directory_iterator()), 0)
            << "a temporary file was left";
    }
}
