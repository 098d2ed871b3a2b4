// kastenzahl-libtool: the command line over the game's engine for the puzzle libraries.
//
//   show FILE N                     record N as the game loads it: PlayGrid, blank line, GivenGrid
//   solve FILE N                    the solution ComputeSolution finds, then solvable/unsolvable
//   shuffle FILE N OUT [--no-symmetry] [--seed S]
//                                   ShuffleBoard on record N, saved as record 0 of OUT (OUT is
//                                   replaced whole, its records 1..3 kept; OUT may be FILE)
//   generate --difficulty leicht|mittel|schwer|extrem --seed S -o FILE [--verbose]
//                                   a library of four puzzles, the same for the same seed;
//                                   --verbose reports the attempts on standard error
//   check FILE [--budget N]         the quality of records 0..3 of a library; a record whose
//                                   solutions are not counted within N search nodes (default
//                                   50 million, some seconds) is reported as undecided
//
// Unusable input ends with one line on standard error and exit code 2.
#include "libtool.h"

#include "solution_counter.h"

#include "engine/board_record.h"
#include "engine/engine_state.h"
#include "engine/shuffle.h"
#include "engine/solver.h"
#include "platform/system.h"

#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

const char* const Usage = "Aufruf: kastenzahl-libtool show DATEI N | solve DATEI N | "
                          "shuffle DATEI N ZIEL [--no-symmetry] [--seed S] | "
                          "generate --difficulty leicht|mittel|schwer|extrem --seed S -o DATEI [--verbose] | "
                          "check DATEI [--budget N]";

uint64_t ParseNumber(const std::string& text, uint64_t highest, const char* what)
{
    uint64_t value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end || value > highest)
        Fail(std::string(what) + " ungültig: \"" + text + "\" (erlaubt 0.." + std::to_string(highest) + ")");
    return value;
}

int ParseRecordIndex(const std::string& text)
{
    return int(ParseNumber(text, INT16_MAX, "Satznummer"));
}

uint64_t ParseSeed(const std::string& text)
{
    return ParseNumber(text, UINT64_MAX, "Startwert");
}

void PrintGrid(const ByteGrid& grid)
{
    for (int row = 1; row <= BoardSize; ++row) {
        std::string line;
        for (int column = 1; column <= BoardSize; ++column) {
            if (column > 1)
                line += ' ';
            line += std::to_string(grid(column, row));
        }
        std::puts(line.c_str());
    }
}

void ExpectArguments(const std::vector<std::string>& args, size_t count)
{
    if (args.size() != count)
        Fail(std::string("falsche Anzahl Argumente für ") + args[0] + "; " + Usage);
}

int Show(const std::vector<std::string>& args)
{
    ExpectArguments(args, 3);
    LoadRecordOrFail(args[1], ParseRecordIndex(args[2]));
    PrintGrid(PlayGrid);
    std::puts("");
    PrintGrid(GivenGrid);
    return ExitOk;
}

int Solve(const std::vector<std::string>& args)
{
    ExpectArguments(args, 3);
    LoadRecordOrFail(args[1], ParseRecordIndex(args[2]));
    ComputeSolution();
    PrintGrid(SolutionGrid);
    std::puts(PuzzleUnsolvable ? "unsolvable" : "solvable");
    return ExitOk;
}

int Shuffle(const std::vector<std::string>& args)
{
    if (args.size() < 4)
        Fail(std::string("zu wenige Argumente für shuffle; ") + Usage);
    bool symmetry = true;
    bool seeded = false;
    uint64_t seed = 0;
    for (size_t i = 4; i < args.size(); ++i) {
        if (args[i] == "--no-symmetry") {
            symmetry = false;
        } else if (args[i] == "--seed" && i + 1 < args.size()) {
            seed = ParseSeed(args[++i]);
            seeded = true;
        } else {
            Fail("unbekanntes Argument \"" + args[i] + "\"; " + Usage);
        }
    }
    const int index = ParseRecordIndex(args[2]);
    if (seeded)
        SeedRandom(seed);
    LoadRecordOrFail(args[1], index);
    KeepSymmetry = symmetry;
    ShuffleBoard();
    SaveRecord0OrFail(args[3]);
    return ExitOk;
}

int Generate(const std::vector<std::string>& args)
{
    Grade grade = Grade::None;
    std::string file;
    bool seeded = false;
    bool verbose = false;
    uint64_t seed = 0;
    for (size_t i = 1; i < args.size(); ++i) {
        const bool hasValue = i + 1 < args.size();
        if (args[i] == "--difficulty" && hasValue) {
            grade = GradeOfFileName(args[++i]);
            if (grade == Grade::None || args[i].size() != 6)
                Fail("unbekannte Schwierigkeit \"" + args[i] + "\" (leicht, mittel, schwer, extrem)");
        } else if (args[i] == "--seed" && hasValue) {
            seed = ParseSeed(args[++i]);
            seeded = true;
        } else if (args[i] == "-o" && hasValue) {
            file = args[++i];
        } else if (args[i] == "--verbose") {
            verbose = true;
        } else {
            Fail("unbekanntes oder unvollständiges Argument \"" + args[i] + "\"; " + Usage);
        }
    }
    if (grade == Grade::None || !seeded || file.empty())
        Fail(std::string("generate braucht --difficulty, --seed und -o; ") + Usage);
    SeedRandom(seed);
    GenerateLibrary(grade, file, verbose);
    return ExitOk;
}

int Check(const std::vector<std::string>& args)
{
    int64_t budget = CountBudget;
    if (args.size() == 4 && args[2] == "--budget")
        budget = int64_t(ParseNumber(args[3], INT64_MAX, "Budget"));
    else
        ExpectArguments(args, 2);
    return CheckLibrary(args[1], 1000, budget);
}

} // namespace

void Fail(const std::string& message)
{
    std::fflush(stdout);
    std::fprintf(stderr, "kastenzahl-libtool: %s\n", message.c_str());
    std::exit(ExitError);
}

int main(int argc, char** argv)
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty())
        Fail(std::string("kein Befehl; ") + Usage);
    ResetEngineState();
    const std::string& command = args[0];
    if (command == "show")
        return Show(args);
    if (command == "solve")
        return Solve(args);
    if (command == "shuffle")
        return Shuffle(args);
    if (command == "generate")
        return Generate(args);
    if (command == "check")
        return Check(args);
    Fail("unbekannter Befehl \"" + command + "\"; " + Usage);
}
