// Checking a puzzle library: for each of records 0..3 the clues, their symmetry, one solution
// (proved by the independent counter), the game's solver before and after many shuffles, and the
// grade against the difficulty the file name names. One line per record, and one for the file when
// its length is not a whole number of records.
#include "libtool.h"

#include "solution_counter.h"

#include "engine/board_record.h"
#include "platform/system.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

// The seed of the check's shuffles, so that a failing shuffle can be repeated.
constexpr uint64_t CheckSeed = 12;

bool NotesEmpty()
{
    for (int symbol = 0; symbol < GridSide; ++symbol)
        for (int row = 0; row < GridSide; ++row)
            for (int column = 0; column < GridSide; ++column)
                if (CandidateMarks(column, row, symbol))
                    return false;
    return true;
}

// Reloads the record before every shuffle and counts the shuffles after which the game's solver
// fails, or (with symmetry kept) the clue pattern lost its symmetry.
int CountShuffleFailures(int index, bool symmetry, int shuffles)
{
    int failures = 0;
    for (int i = 0; i < shuffles; ++i) {
        LoadBoardRecord(int16_t(index));
        failures += !ShuffleKeepsSolvable(symmetry);
    }
    return failures;
}

std::string Join(const std::vector<std::string>& parts)
{
    std::string text;
    for (const std::string& part : parts)
        text += (text.empty() ? "" : "; ") + part;
    return text;
}

} // namespace

int CheckLibrary(const std::string& file, int shufflesPerForm, int64_t countBudget)
{
    const int64_t length = FileLength(file);
    if (length < 0)
        Fail("Datei \"" + file + "\" nicht gefunden");
    // The last record's filler is never read, so it may be cut short.
    const int64_t needed = int64_t(LibraryRecords - 1) * RecordBytes + RecordFillerOffset;
    if (length < needed)
        Fail("Datei \"" + file + "\" ist zu kurz für eine Bibliothek: " + std::to_string(length) +
             " Bytes, nötig sind " + std::to_string(needed));
    // Every record must load before anything is judged.
    for (int index = 0; index < LibraryRecords; ++index)
        LoadRecordOrFail(file, index);
    const Grade named = GradeOfFileName(file);
    SeedRandom(CheckSeed);
    bool allPassed = true;
    for (int index = 0; index < LibraryRecords; ++index) {
        LoadRecordOrFail(file, index);
        std::vector<std::string> faults;
        const ByteGrid clues = GivenGrid;
        const int clueCount = CountClues(clues);
        if (!(PlayGrid == GivenGrid))
            faults.push_back("PlayGrid und GivenGrid verschieden");
        bool lineZeroEmpty = true;
        for (int k = 0; k < GridSide; ++k)
            lineZeroEmpty = lineZeroEmpty && GivenGrid(0, k) == 0 && GivenGrid(k, 0) == 0;
        if (!lineZeroEmpty)
            faults.push_back("Werte in Zeile oder Spalte 0");
        if (!NotesEmpty())
            faults.push_back("Kandidatennotizen vorhanden");
        if (!IsHalfTurnSymmetric(clues))
            faults.push_back("Vorgaben nicht punktsymmetrisch");

        ByteGrid solution;
        const int solutions = CountSolutions(clues, 2, &solution, countBudget);
        if (solutions == Undecided)
            faults.push_back("Lösungszahl nicht entschieden");
        else if (solutions == 0)
            faults.push_back("keine Lösung");
        else if (solutions > 1)
            faults.push_back("mehr als eine Lösung");

        const SolverBehaviour behaviour = ExamineSolver(clues);
        if (!behaviour.solverSolves)
            faults.push_back("ComputeSolution löst es nicht");
        else if (solutions == 1 && !(SolutionGrid == solution))
            faults.push_back("ComputeSolution findet eine andere Lösung");
        const Grade grade = solutions == 1 ? GradeOf(behaviour, clueCount) : Grade::None;
        if (named != Grade::None && grade != named)
            faults.push_back(std::string("Stufe passt nicht zu ") + GradeName(named));
        int lowest, highest;
        ClueRange(grade, lowest, highest);
        if (grade != Grade::None && (clueCount < lowest || clueCount > highest))
            faults.push_back("Vorgaben außerhalb " + std::to_string(lowest) + ".." + std::to_string(highest));

        // Shuffles tell something only about a puzzle with one solution.
        LibraryFileName = file;
        for (const bool symmetry : {true, false}) {
            if (solutions != 1)
                break;
            const int failures = CountShuffleFailures(index, symmetry, shufflesPerForm);
            if (failures > 0)
                faults.push_back(std::to_string(failures) + "/" + std::to_string(shufflesPerForm) +
                                 (symmetry ? " Mischungen mit Symmetrie" : " Mischungen ohne Symmetrie") +
                                 " nicht gelöst");
        }

        allPassed = allPassed && faults.empty();
        std::printf("Satz %d: %d Vorgaben, Stufe %s, %s\n", index, clueCount, GradeName(grade),
                    faults.empty() ? "in Ordnung" : ("Fehler: " + Join(faults)).c_str());
    }
    if (length % RecordBytes != 0) {
        allPassed = false;
        std::printf("Datei: %lld Bytes, Fehler: Länge kein Vielfaches von %d Bytes\n", (long long)length,
                    RecordBytes);
    }
    return allPassed ? ExitOk : ExitFaults;
}
