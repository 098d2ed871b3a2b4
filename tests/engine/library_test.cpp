// The shipped puzzle libraries and the library tool that makes and checks them.
//
// The tool runs as a program and the libraries come from data/ (both found where the build put them,
// or through $KASTENZAHL_LIBTOOL and $KASTENZAHL_DATA). The tool's solution counter is also tested here
// directly, against a plain backtracking count.
#include <gtest/gtest.h>

#include "../../tools/libtool/solution_counter.h"
#include "engine/board_check.h"
#include "engine/board_record.h"
#include "engine/board_state.h"
#include "engine/engine_state.h"
#include "engine/settings.h"
#include "engine/solver.h"
#include "engine/timed_game.h"

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

// $KASTENZAHL_LIBTOOL and $KASTENZAHL_DATA override the places the build compiled in.
std::string Environment(const char* name, const char* fallback)
{
    const char* value = std::getenv(name);
    return value && *value ? value : fallback;
}
std::string ToolPath()
{
    return Environment("KASTENZAHL_LIBTOOL", KASTENZAHL_LIBTOOL_PATH);
}
std::string DataFolder()
{
    return Environment("KASTENZAHL_DATA", KASTENZAHL_DATA_FOLDER);
}

struct ToolRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

std::string ReadFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// Cells 1..12 x 1..12 as the tool prints them: one row per line, values separated by one blank.
std::vector<std::string> GridLines(const ByteGrid& grid)
{
    std::vector<std::string> lines;
    for (int row = 1; row <= BoardSize; ++row) {
        std::string line;
        for (int column = 1; column <= BoardSize; ++column)
            line += (column > 1 ? " " : "") + std::to_string(grid(column, row));
        lines.push_back(line);
    }
    return lines;
}

int Clues(const ByteGrid& grid)
{
    int clues = 0;
    for (int row = 1; row <= BoardSize; ++row)
        for (int column = 1; column <= BoardSize; ++column)
            clues += grid(column, row) != 0;
    return clues;
}

// 22 clues of a completed board, in half-turn pairs: far too few for one solution.
ByteGrid SparseClues(const ByteGrid& full)
{
    ByteGrid clues;
    for (int row = 1; row <= BoardSize; ++row)
        for (int column = 1; column <= BoardSize; ++column)
            if ((column + 6 * row) % 7 == 0) {
                clues(column, row) = full(column, row);
                clues(13 - column, 13 - row) = full(13 - column, 13 - row);
            }
    return clues;
}

class LibraryTool : public ::testing::Test {
  protected:
    void SetUp() override
    {
        ResetEngineState();
        tool = ToolPath();
        data = DataFolder();
        ASSERT_TRUE(fs::is_regular_file(tool)) << tool;
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        folder = fs::temp_directory_path() /
                 ("kastenzahl-library-test-" + std::string(info->name()) + "-" + std::to_string(::getpid()));
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
    void TearDown() override
    {
        fs::remove_all(folder);
        ResetEngineState();
    }

    // Runs the tool once per argument line, all at the same time; results in the same order.
    std::vector<ToolRun> RunAll(const std::vector<std::string>& argumentLines) const
    {
        std::vector<FILE*> pipes;
        for (size_t i = 0; i < argumentLines.size(); ++i) {
            const std::string command =
                "'" + tool + "' " + argumentLines[i] + " 2>'" + ErrorFile(i).string() + "'";
            pipes.push_back(popen(command.c_str(), "r"));
        }
        std::vector<ToolRun> runs(argumentLines.size());
        for (size_t i = 0; i < pipes.size(); ++i) {
            if (!pipes[i])
                continue;
            char buffer[4096];
            for (size_t n; (n = fread(buffer, 1, sizeof buffer, pipes[i])) > 0;)
                runs[i].out.append(buffer, n);
            const int status = pclose(pipes[i]);
            runs[i].exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
            runs[i].err = ReadFile(ErrorFile(i));
        }
        return runs;
    }

    ToolRun Run(const std::string& arguments) const { return RunAll({arguments})[0]; }

    fs::path ErrorFile(size_t i) const { return folder / ("stderr" + std::to_string(i) + ".txt"); }

    std::string Library(const std::string& difficulty) const { return data + "/" + difficulty + ".l12"; }

    // Loads a record with the game's own LoadBoardRecord.
    static void Load(const std::string& file, int index)
    {
        LibraryFileName = file;
        PlayGrid = {};
        GivenGrid = {};
        LoadBoardRecord(int16_t(index));
    }

    // Writes the clues as all four records of a fresh library file.
    static void WriteLibrary(const fs::path& file, const ByteGrid (&clues)[4])
    {
        fs::remove(file);
        LibraryFileName = file.string();
        CandidateMarks = {};
        for (int k = 0; k < 4; ++k) {
            PlayGrid = clues[k];
            GivenGrid = clues[k];
            SaveBoardRecord(int16_t(k));
        }
    }

    std::string tool;
    std::string data;
    fs::path folder;
};

// ---- The shipped libraries -------------------------------------------------------------------

TEST_F(LibraryTool, ShippedLibrariesPassTheCheckWithTheirGrades)
{
    const std::pair<const char*, const char*> libraries[] = {
        {"leicht", "Leicht"}, {"mittel", "Mittel"}, {"schwer", "Schwer"}, {"extrem", "Extrem"}};
    // The four checks run side by side.
    std::vector<ToolRun> runs =
        RunAll({"check '" + Library("leicht") + "'", "check '" + Library("mittel") + "'",
                "check '" + Library("schwer") + "'", "check '" + Library("extrem") + "'"});
    for (int i = 0; i < 4; ++i) {
        const auto& [file, grade] = libraries[i];
        const ToolRun& run = runs[i];
        EXPECT_EQ(run.exitCode, 0) << file << "\n" << run.out << run.err;
        const std::vector<std::string> lines = Lines(run.out);
        ASSERT_EQ(lines.size(), 4u) << run.out;
        for (int k = 0; k < 4; ++k) {
            EXPECT_EQ(lines[k].rfind("Satz " + std::to_string(k) + ": ", 0), 0u) << lines[k];
            EXPECT_NE(lines[k].find(std::string("Stufe ") + grade + ","), std::string::npos) << lines[k];
            EXPECT_NE(lines[k].find("in Ordnung"), std::string::npos) << lines[k];
        }
    }
}

TEST_F(LibraryTool, ShippedPuzzlesHaveOneSolutionSymmetricCluesAndTheirClueRanges)
{
    const struct {
        const char* file;
        int lowest, highest;
    } libraries[] = {{"leicht", 70, 80}, {"mittel", 56, 66}, {"schwer", 48, 56}, {"extrem", 0, 50}};
    for (const auto& library : libraries) {
        ASSERT_EQ(fs::file_size(Library(library.file)), size_t(SlotFileBytes)) << library.file;
        for (int k = 0; k < 4; ++k) {
            Load(Library(library.file), k);
            const int clues = Clues(GivenGrid);
            EXPECT_EQ(PlayGrid, GivenGrid) << library.file << " " << k;
            EXPECT_EQ(CandidateMarks, SymbolPlanes<bool>{}) << library.file << " " << k;
            EXPECT_GE(clues, library.lowest) << library.file << " " << k;
            EXPECT_LE(clues, library.highest) << library.file << " " << k;
            EXPECT_EQ(CountSolutions(GivenGrid, 3), 1) << library.file << " " << k;
            for (int row = 1; row <= BoardSize; ++row)
                for (int column = 1; column <= BoardSize; ++column)
                    EXPECT_EQ(GivenGrid(column, row) != 0, GivenGrid(13 - column, 13 - row) != 0);
        }
    }
}

// ---- show and solve ----------------------------------------------------------------------------

TEST_F(LibraryTool, ShowPrintsBothSectionsRowByRowAsLoaded)
{
    // A record whose PlayGrid holds an entry beyond the clues, so the two sections differ, and whose
    // values are not symmetric in rows and columns, so a transposed print shows.
    ByteGrid given;
    given(1, 1) = 3;
    given(12, 1) = 11;
    given(2, 7) = 12;
    ByteGrid play = given;
    play(5, 2) = 9;
    const fs::path file = folder / "brett.l12";
    LibraryFileName = file.string();
    PlayGrid = play;
    GivenGrid = given;
    SaveBoardRecord(2);

    const ToolRun run = Run("show '" + file.string() + "' 2");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    std::vector<std::string> expected = GridLines(play);
    expected.push_back("");
    for (const std::string& line : GridLines(given))
        expected.push_back(line);
    EXPECT_EQ(Lines(run.out), expected);
    EXPECT_EQ(run.out.back(), '\n');
}

TEST_F(LibraryTool, ShowOfAShippedRecordMatchesTheGamesLoad)
{
    const ToolRun run = Run("show '" + Library("mittel") + "' 3");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    Load(Library("mittel"), 3);
    const std::vector<std::string> lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 25u);
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 12), GridLines(PlayGrid));
    EXPECT_EQ(lines[12], "");
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 13, lines.end()), GridLines(GivenGrid));
}

TEST_F(LibraryTool, SolvePrintsTheOneSolutionThenSolvable)
{
    for (const char* difficulty : {"leicht", "extrem"}) {
        const ToolRun run = Run(std::string("solve '") + Library(difficulty) + "' 1");
        ASSERT_EQ(run.exitCode, 0) << run.err;
        Load(Library(difficulty), 1);
        ByteGrid solution;
        ASSERT_EQ(CountSolutions(GivenGrid, 2, &solution), 1);
        std::vector<std::string> expected = GridLines(solution);
        expected.push_back("solvable");
        EXPECT_EQ(Lines(run.out), expected) << difficulty;
    }
}

TEST_F(LibraryTool, SolveOfABoardTheSolverCannotFinishSaysUnsolvable)
{
    // Only three clues: no logic step applies, so the solution stays empty but for the clues.
    ByteGrid clues[4];
    clues[0](1, 1) = 4;
    clues[0](6, 5) = 7;
    clues[0](12, 12) = 1;
    const fs::path file = folder / "brett.l12";
    WriteLibrary(file, clues);
    const ToolRun run = Run("solve '" + file.string() + "' 0");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    std::vector<std::string> expected = GridLines(clues[0]);
    expected.push_back("unsolvable");
    EXPECT_EQ(Lines(run.out), expected);
}

// ---- errors ------------------------------------------------------------------------------------

TEST_F(LibraryTool, UnusableInputEndsWithOneLineAndExitCode2)
{
    // A file that ends one byte before record 3's filler, and one whose record 1 holds the value 13.
    const fs::path shortFile = folder / "kurz.l12";
    {
        std::string bytes = ReadFile(Library("leicht"));
        bytes.resize(3 * RecordBytes + RecordFillerOffset - 1);
        std::ofstream(shortFile, std::ios::binary) << bytes;
    }
    const fs::path damaged = folder / "kaputt.l12";
    {
        std::string bytes = ReadFile(Library("leicht"));
        bytes[RecordBytes + RecordGivenOffset + 5 + 13 * 4] = char(13);
        std::ofstream(damaged, std::ios::binary) << bytes;
    }
    const fs::path directory = folder / "ordner.l12"; // a shuffle cannot be renamed over it
    fs::create_directory(directory);
    const std::string missing = (folder / "fehlt.l12").string();
    const std::string library = Library("leicht");
    const std::string cases[] = {
        "show '" + missing + "' 0",
        "solve '" + missing + "' 0",
        "shuffle '" + missing + "' 0 '" + (folder / "out.l12").string() + "'",
        "check '" + missing + "'",
        "show '" + shortFile.string() + "' 3",
        "check '" + shortFile.string() + "'",
        "show '" + damaged.string() + "' 1",
        "check '" + damaged.string() + "'",
        "show '" + library + "' 4",
        "show '" + library + "' -1",
        "show '" + library + "' x",
        "show '" + library + "'",
        "solve '" + library + "' 0 1",
        "shuffle '" + library + "' 0 '" + directory.string() + "'",
        "shuffle '" + library + "' 0 '" + (folder / "fehlt" / "out.l12").string() + "'",
        "shuffle '" + library + "' 0 '" + (folder / "out.l12").string() + "' --seed",
        "shuffle '" + library + "' 0 '" + (folder / "out.l12").string() + "' --mirror",
        "check '" + library + "' --budget viel",
        "check '" + library + "' --budget",
        "generate --difficulty leicht --seed 1",
        "generate --difficulty einfach --seed 1 -o '" + (folder / "out.l12").string() + "'",
        "generate --difficulty leicht --seed eins -o '" + (folder / "out.l12").string() + "'",
        "frobnicate",
        "",
    };
    for (const std::string& arguments : cases) {
        const ToolRun run = Run(arguments);
        EXPECT_EQ(run.exitCode, 2) << arguments;
        EXPECT_EQ(Lines(run.err).size(), 1u) << arguments << "\n" << run.err;
        EXPECT_EQ(run.out, "") << arguments;
    }
    // The record before the damaged one and the records a short file holds whole still load.
    EXPECT_EQ(Run("show '" + damaged.string() + "' 0").exitCode, 0);
    EXPECT_EQ(Run("show '" + shortFile.string() + "' 2").exitCode, 0);
    EXPECT_FALSE(fs::exists(folder / "out.l12"));
    // A failed shuffle leaves no temporary file behind.
    for (const auto& entry : fs::directory_iterator(folder))
        EXPECT_EQ(entry.path().filename().string().find(".ordner"), std::string::npos) << entry.path();
    EXPECT_TRUE(fs::is_empty(directory));
}

TEST_F(LibraryTool, ALengthThatIsNoWholeNumberOfRecordsLoadsButFailsTheCheck)
{
    // Record 3's filler cut off wholly or by its last byte, bytes beyond the fourth record, five whole
    // records: every record 0..3 loads as the game loads it; check passes only the last.
    const std::string library = ReadFile(Library("leicht"));
    const size_t lengths[] = {3 * RecordBytes + RecordFillerOffset, SlotFileBytes - 1, SlotFileBytes + 100,
                              5 * RecordBytes};
    std::vector<std::string> checks;
    for (const size_t length : lengths) {
        const fs::path file = folder / ("laenge" + std::to_string(length) + ".l12");
        std::string bytes = library;
        bytes.resize(length, '\5');
        std::ofstream(file, std::ios::binary) << bytes;
        checks.push_back("check '" + file.string() + "'");

        const ToolRun show = Run("show '" + file.string() + "' 3");
        ASSERT_EQ(show.exitCode, 0) << length << "\n" << show.err;
        Load(file.string(), 3);
        std::vector<std::string> expected = GridLines(PlayGrid);
        expected.push_back("");
        for (const std::string& line : GridLines(GivenGrid))
            expected.push_back(line);
        EXPECT_EQ(Lines(show.out), expected) << length;
        EXPECT_GT(Clues(GivenGrid), 0) << length;
    }
    const std::vector<ToolRun> runs = RunAll(checks);
    for (size_t i = 0; i < runs.size(); ++i) {
        const bool whole = lengths[i] % RecordBytes == 0;
        EXPECT_EQ(runs[i].exitCode, whole ? 0 : 1) << lengths[i] << "\n" << runs[i].out << runs[i].err;
        const std::vector<std::string> lines = Lines(runs[i].out);
        ASSERT_EQ(lines.size(), whole ? 4u : 5u) << runs[i].out;
        for (int k = 0; k < 4; ++k)
            EXPECT_NE(lines[k].find("Stufe Leicht, in Ordnung"), std::string::npos) << lines[k];
        if (!whole) {
            EXPECT_EQ(lines[4], "Datei: " + std::to_string(lengths[i]) +
                                    " Bytes, Fehler: Länge kein Vielfaches von 3735 Bytes");
        }
    }
}

// ---- shuffle -----------------------------------------------------------------------------------

TEST_F(LibraryTool, ShuffleWritesASlotFileWhoseRecord0IsTheShuffledPuzzle)
{
    Load(Library("schwer"), 2);
    const ByteGrid original = GivenGrid;
    ByteGrid originalSolution;
    ASSERT_EQ(CountSolutions(original, 2, &originalSolution), 1);

    for (const std::string form : {"", " --no-symmetry"}) {
        const fs::path out = folder / "brett.l12";
        fs::remove(out);
        const ToolRun run = Run("shuffle '" + Library("schwer") + "' 2 '" + out.string() + "'" + form);
        ASSERT_EQ(run.exitCode, 0) << run.err;
        ASSERT_EQ(fs::file_size(out), size_t(SlotFileBytes));
        Load(out.string(), 0);
        EXPECT_EQ(Clues(GivenGrid), Clues(original)) << form;
        EXPECT_EQ(PlayGrid, GivenGrid) << form;
        EXPECT_NE(GivenGrid, original) << form;
        ByteGrid solution;
        EXPECT_EQ(CountSolutions(GivenGrid, 2, &solution), 1) << form;
        // The same multiset of symbol counts on the clues.
        std::vector<int> before(13), after(13);
        for (int row = 1; row <= BoardSize; ++row)
            for (int column = 1; column <= BoardSize; ++column) {
                ++before[original(column, row)];
                ++after[GivenGrid(column, row)];
            }
        std::sort(before.begin() + 1, before.end());
        std::sort(after.begin() + 1, after.end());
        EXPECT_EQ(before, after) << form;
        if (form.empty()) {
            for (int row = 1; row <= BoardSize; ++row)
                for (int column = 1; column <= BoardSize; ++column)
                    EXPECT_EQ(GivenGrid(column, row) != 0, GivenGrid(13 - column, 13 - row) != 0);
        }
        // The other three records are blank.
        for (int k = 1; k < 4; ++k) {
            Load(out.string(), k);
            EXPECT_EQ(Clues(PlayGrid) + Clues(GivenGrid), 0) << k;
        }
    }
}

TEST_F(LibraryTool, ShuffleWithASeedRepeatsAndKeepsOtherRecordsOfAnExistingSlotFile)
{
    const fs::path first = folder / "a.l12";
    const fs::path second = folder / "b.l12";
    ASSERT_EQ(Run("shuffle '" + Library("mittel") + "' 1 '" + first.string() + "' --seed 77").exitCode, 0);
    ASSERT_EQ(Run("shuffle '" + Library("mittel") + "' 1 '" + second.string() + "' --seed 77").exitCode, 0);
    EXPECT_EQ(ReadFile(first), ReadFile(second));
    ASSERT_EQ(Run("shuffle '" + Library("mittel") + "' 1 '" + second.string() + "' --seed 78").exitCode, 0);
    EXPECT_NE(ReadFile(first).substr(0, RecordFillerOffset), ReadFile(second).substr(0, RecordFillerOffset));

    // Into a copy of a library: records 1..3 stay as they were.
    const fs::path copy = folder / "kopie.l12";
    fs::copy_file(Library("extrem"), copy);
    ASSERT_EQ(Run("shuffle '" + Library("leicht") + "' 0 '" + copy.string() + "' --seed 5").exitCode, 0);
    const std::string before = ReadFile(Library("extrem"));
    const std::string after = ReadFile(copy);
    ASSERT_EQ(after.size(), before.size());
    EXPECT_EQ(after.substr(RecordBytes), before.substr(RecordBytes));
    Load(Library("leicht"), 0);
    const int leichtClues = Clues(GivenGrid);
    Load(copy.string(), 0);
    EXPECT_EQ(Clues(GivenGrid), leichtClues);
}

TEST_F(LibraryTool, ShuffleIntoItselfKeepsTheOtherRecords)
{
    // A whole library, and one that ends inside record 3's filler (filled up to a whole slot file).
    const std::string library = ReadFile(Library("schwer"));
    for (const size_t length : {size_t(SlotFileBytes), size_t(SlotFileBytes - 500)}) {
        for (const int index : {0, 2}) {
            const fs::path file = folder / "eigen.l12";
            std::ofstream(file, std::ios::binary | std::ios::trunc) << library.substr(0, length);
            Load(Library("schwer"), index);
            const ByteGrid original = GivenGrid;

            const ToolRun run =
                Run("shuffle '" + file.string() + "' " + std::to_string(index) + " '" + file.string() + "'");
            ASSERT_EQ(run.exitCode, 0) << run.err;
            const std::string after = ReadFile(file);
            ASSERT_EQ(after.size(), size_t(SlotFileBytes)) << length << " " << index;
            EXPECT_EQ(after.substr(RecordBytes, length - RecordBytes),
                      library.substr(RecordBytes, length - RecordBytes))
                << length << " " << index;
            Load(file.string(), 0);
            EXPECT_EQ(PlayGrid, GivenGrid) << length << " " << index;
            EXPECT_NE(GivenGrid, original) << length << " " << index;
            EXPECT_EQ(Clues(GivenGrid), Clues(original)) << length << " " << index;
            EXPECT_EQ(CountSolutions(GivenGrid, 2), 1) << length << " " << index;
            // Nothing but the file itself is left in the folder.
            EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 2)
                << "the file and the tool's error output";
        }
    }
}

// ---- generate and check ------------------------------------------------------------------------

TEST_F(LibraryTool, GenerateIsTheSameForASeedAndPassesTheCheck)
{
    const fs::path a = folder / "a" / "leicht.l12";
    const fs::path b = folder / "b" / "leicht.l12";
    const fs::path c = folder / "c" / "leicht.l12";
    for (const fs::path& path : {a, b, c})
        fs::create_directories(path.parent_path());
    // An old file in the way must not change the result.
    std::ofstream(b, std::ios::binary) << std::string(SlotFileBytes, '\7');
    ASSERT_EQ(Run("generate --difficulty leicht --seed 41 -o '" + a.string() + "'").exitCode, 0);
    ASSERT_EQ(Run("generate --seed 41 -o '" + b.string() + "' --difficulty leicht").exitCode, 0);
    ASSERT_EQ(Run("generate --difficulty leicht --seed 42 -o '" + c.string() + "'").exitCode, 0);
    EXPECT_EQ(fs::file_size(a), size_t(SlotFileBytes));
    EXPECT_EQ(ReadFile(a), ReadFile(b));
    EXPECT_NE(ReadFile(a).substr(0, RecordFillerOffset), ReadFile(c).substr(0, RecordFillerOffset));

    const ToolRun run = Run("check '" + a.string() + "'");
    EXPECT_EQ(run.exitCode, 0) << run.out << run.err;
    EXPECT_EQ(Lines(run.out).size(), 4u);
    for (const std::string& line : Lines(run.out))
        EXPECT_NE(line.find("Stufe Leicht, in Ordnung"), std::string::npos) << line;
}

TEST_F(LibraryTool, CheckFindsAWrongGradeAndBrokenPuzzles)
{
    // A Leicht library under the name of Mittel: every record has the wrong grade.
    const fs::path renamed = folder / "mittel.l12";
    fs::copy_file(Library("leicht"), renamed);
    ToolRun run = Run("check '" + renamed.string() + "'");
    EXPECT_EQ(run.exitCode, 1) << run.out << run.err;
    for (const std::string& line : Lines(run.out)) {
        EXPECT_NE(line.find("Stufe Leicht, Fehler: "), std::string::npos) << line;
        EXPECT_NE(line.find("Stufe passt nicht zu Mittel"), std::string::npos) << line;
    }

    // Without a difficulty in its name the same file passes: the grade is only printed.
    const fs::path neutral = folder / "raetsel.l12";
    fs::copy_file(Library("leicht"), neutral);
    run = Run("check '" + neutral.string() + "'");
    EXPECT_EQ(run.exitCode, 0) << run.out << run.err;

    // Record 0 loses a clue pair (two solutions?), record 1 loses only one clue of a pair, record 2
    // has an entry in PlayGrid beyond its clues, record 3 carries a note.
    ByteGrid clues[4];
    for (int k = 0; k < 4; ++k) {
        Load(Library("schwer"), k);
        clues[k] = GivenGrid;
    }
    // Remove clue pairs from record 0 until it has more than one solution.
    for (int row = 1; row <= 6 && CountSolutions(clues[0], 2) == 1; ++row)
        for (int column = 1; column <= BoardSize && CountSolutions(clues[0], 2) == 1; ++column) {
            clues[0](column, row) = 0;
            clues[0](13 - column, 13 - row) = 0;
        }
    ASSERT_EQ(CountSolutions(clues[0], 2), 2);
    for (int column = 1; column <= BoardSize; ++column)
        if (clues[1](column, 1)) {
            clues[1](column, 1) = 0;
            break;
        }
    const fs::path broken = folder / "schwer.l12";
    WriteLibrary(broken, clues);
    LibraryFileName = broken.string();
    Load(broken.string(), 2);
    {
        ByteGrid solution;
        CountSolutions(GivenGrid, 2, &solution);
        int column = 1, row = 1; // the first empty cell
        while (GivenGrid(column, row))
            if (++column > BoardSize)
                column = 1, ++row;
        PlayGrid(column, row) = solution(column, row);
        SaveBoardRecord(2);
    }
    Load(broken.string(), 3);
    CandidateMarks(4, 4, 4) = true;
    SaveBoardRecord(3);

    run = Run("check '" + broken.string() + "'");
    EXPECT_EQ(run.exitCode, 1) << run.out << run.err;
    const std::vector<std::string> lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 4u) << run.out;
    EXPECT_NE(lines[0].find("mehr als eine Lösung"), std::string::npos) << lines[0];
    EXPECT_NE(lines[0].find("Stufe keine"), std::string::npos) << lines[0];
    EXPECT_NE(lines[1].find("nicht punktsymmetrisch"), std::string::npos) << lines[1];
    EXPECT_NE(lines[2].find("PlayGrid und GivenGrid verschieden"), std::string::npos) << lines[2];
    EXPECT_NE(lines[3].find("Kandidatennotizen vorhanden"), std::string::npos) << lines[3];
}

TEST_F(LibraryTool, CheckReportsARecordTheCounterCannotSettleWithinItsBudget)
{
    // Record 0 of a Leicht library thinned out to 22 clues. Its count needs at least one node per open
    // cell (122), the Leicht records at most 73: a budget of 100 settles those and not record 0.
    ByteGrid clues[4];
    for (int k = 0; k < 4; ++k) {
        Load(Library("leicht"), k);
        clues[k] = GivenGrid;
    }
    ByteGrid full;
    ASSERT_EQ(CountSolutions(clues[0], 2, &full), 1);
    clues[0] = SparseClues(full);
    ASSERT_EQ(Clues(clues[0]), 22);
    const fs::path file = folder / "raetsel.l12";
    WriteLibrary(file, clues);

    const std::vector<ToolRun> runs =
        RunAll({"check '" + file.string() + "' --budget 100", "check '" + file.string() + "'"});
    for (const ToolRun& run : runs) {
        EXPECT_EQ(run.exitCode, 1) << run.out << run.err;
        const std::vector<std::string> lines = Lines(run.out);
        ASSERT_EQ(lines.size(), 4u) << run.out;
        for (int k = 1; k < 4; ++k)
            EXPECT_NE(lines[k].find("Stufe Leicht, in Ordnung"), std::string::npos) << lines[k];
    }
    EXPECT_NE(runs[0].out.find("Satz 0: 22 Vorgaben, Stufe keine, Fehler: Lösungszahl nicht entschieden"),
              std::string::npos)
        << runs[0].out;
    // The default budget settles it.
    EXPECT_NE(runs[1].out.find("Satz 0: 22 Vorgaben, Stufe keine, Fehler: mehr als eine Lösung"),
              std::string::npos)
        << runs[1].out;
}

// ---- the solution counter ----------------------------------------------------------------------

// Plain backtracking in cell order over the whole-board test: slow, obviously right.
int CountByHand(ByteGrid& grid, int cell, int limit)
{
    for (; cell < 144; ++cell)
        if (grid(cell % 12 + 1, cell / 12 + 1) == 0)
            break;
    if (cell == 144)
        return 1;
    const int column = cell % 12 + 1;
    const int row = cell / 12 + 1;
    int found = 0;
    for (int value = 1; value <= 12 && found < limit; ++value) {
        grid(column, row) = uint8_t(value);
        PlayGrid = grid;
        if (IsConsistent())
            found += CountByHand(grid, cell + 1, limit - found);
        grid(column, row) = 0;
    }
    return found;
}

TEST(SolutionCounter, AgreesWithPlainBacktrackingOnRandomBoards)
{
    ResetEngineState();
    LibraryFileName = DataFolder() + "/schwer.l12";
    LoadBoardRecord(0);
    ByteGrid full;
    ASSERT_EQ(CountSolutions(GivenGrid, 2, &full), 1);
    PlayGrid = full;
    ASSERT_TRUE(IsConsistent());
    ASSERT_TRUE(IsBoardFull());

    std::mt19937 random(2024);
    int multiple = 0;
    for (int trial = 0; trial < 90; ++trial) {
        // Random cells, or two rows of a band, or two columns of a stack, emptied: few enough
        // open cells for the plain count, and the emptied lines often admit several solutions.
        ByteGrid board = full;
        if (trial % 3 == 0) {
            const int row = 3 * int(random() % 4) + 1 + int(random() % 2);
            for (int column = 1; column <= BoardSize; ++column)
                board(column, row) = board(column, row + 1) = 0;
        } else if (trial % 3 == 1) {
            const int column = 4 * int(random() % 3) + 1 + int(random() % 3);
            for (int row = 1; row <= BoardSize; ++row)
                board(column, row) = board(column + 1, row) = 0;
        }
        const int empty = 2 + trial % 12;
        for (int k = 0; k < empty; ++k)
            board(int(random() % 12) + 1, int(random() % 12) + 1) = 0;
        // Now and then a clue that clashes.
        if (trial % 10 == 9)
            board(1, 1) = board(2, 1) ? board(2, 1) : 1;
        ByteGrid copy = board;
        const int expected = CountByHand(copy, 0, 50);
        EXPECT_EQ(CountSolutions(board, 50), expected) << "trial " << trial;
        EXPECT_EQ(CountSolutions(board, 2), std::min(expected, 2)) << "trial " << trial;
        multiple += expected > 1;
    }
    EXPECT_GT(multiple, 5); // the boards did test counting beyond one
    ResetEngineState();
}

TEST(SolutionCounter, GivesUpWhenItsBudgetRunsOut)
{
    ResetEngineState();
    LibraryFileName = DataFolder() + "/schwer.l12";
    LoadBoardRecord(0);
    const ByteGrid puzzle = GivenGrid;
    ByteGrid full;
    ASSERT_EQ(CountSolutions(puzzle, 2, &full), 1);
    // No solution, which the search only finds out after millions of nodes: box 0 and box 1 place
    // their 1 in rows 2 and 3, (9, 1) holds a 2 and columns 10..12 have their 1 further down, so row 1
    // has no place for a 1.
    ByteGrid hopeless;
    hopeless(9, 1) = 2;
    hopeless(1, 2) = hopeless(5, 3) = hopeless(10, 4) = hopeless(11, 7) = hopeless(12, 10) = 1;

    const struct {
        const char* name;
        ByteGrid board;
        int64_t budget;
        int expected;
    } cases[] = {
        {"full board, one node", full, 1, 1},
        {"full board, no node", full, 0, Undecided},
        {"puzzle", puzzle, CountBudget, 1},
        {"puzzle, fewer nodes than open cells", puzzle, 10, Undecided},
        {"22 clues", SparseClues(full), CountBudget, 2},
        {"22 clues, fewer nodes than open cells", SparseClues(full), 100, Undecided},
        {"hopeless", hopeless, 100'000, Undecided},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CountSolutions(c.board, 2, nullptr, c.budget), c.expected) << c.name;
    ResetEngineState();
}

TEST(SolutionCounter, FindsTheSolutionAndRefusesBadBoards)
{
    ByteGrid empty;
    EXPECT_EQ(CountSolutions(empty, 2), 2);
    ByteGrid solution;
    EXPECT_EQ(CountSolutions(empty, 1, &solution), 1);
    PlayGrid = solution;
    EXPECT_TRUE(IsConsistent());
    EXPECT_TRUE(IsBoardFull());
    EXPECT_EQ(CountSolutions(solution, 2), 1);

    ByteGrid clash;
    clash(3, 3) = 5;
    clash(4, 1) = 5; // same box
    EXPECT_EQ(CountSolutions(clash, 2), 0);
    ByteGrid tooLarge;
    tooLarge(7, 7) = 13;
    EXPECT_EQ(CountSolutions(tooLarge, 2), 0);
    ResetEngineState();
}

} // namespace
