// The whole game state: global, created once at start-up, alive until the program ends.
//
// Every array keeps index 0 in every dimension (it is never used for a cell, symbol or rank), so
// the code can use the board's own 1-based numbers. Grids are addressed (column, row) and stored
// with the column varying fastest: byte (c, r) sits at offset c + 13 * r, which is also the order
// the board files use.
#pragma once

#include <cstdint>
#include <string>

constexpr int BoardSize = 12; // columns, rows, symbols
constexpr int GridSide = 13;  // one more for the unused index 0
constexpr int GridBytes = GridSide * GridSide;
constexpr int MarkBytes = GridBytes * GridSide;

// A 13 x 13 byte grid addressed as Grid(column, row).
struct ByteGrid {
    uint8_t cells[GridBytes] = {};
    uint8_t& operator()(int column, int row) { return cells[column + GridSide * row]; }
    uint8_t operator()(int column, int row) const { return cells[column + GridSide * row]; }
    bool operator==(const ByteGrid&) const = default;
};

// Thirteen planes of 13 x 13, addressed (column, row, symbol); plane s holds symbol s.
template <typename T> struct SymbolPlanes {
    T cells[MarkBytes] = {};
    T& operator()(int column, int row, int symbol)
    {
        return cells[column + GridSide * row + GridBytes * symbol];
    }
    T operator()(int column, int row, int symbol) const
    {
        return cells[column + GridSide * row + GridBytes * symbol];
    }
    bool operator==(const SymbolPlanes&) const = default;
};

// Board state.
extern ByteGrid PlayGrid;                    // what stands in every cell now; 0 = empty
extern ByteGrid GivenGrid;                   // the clues; nonzero = a given with that symbol
extern ByteGrid SolutionGrid;                // the worked-out solution; 0 = not known
extern ByteGrid BackupGrid;                  // snapshot taken while the solver works
extern SymbolPlanes<bool> CandidateMarks;    // the candidate notes
extern SymbolPlanes<uint8_t> CandidateBytes; // their byte image, used when a record is read or written
extern uint8_t SymbolCount[GridSide];        // [0] = empty cells, [v] = occurrences of v
extern uint8_t UnitTally[GridSide];          // scratch tally of one unit
extern uint8_t SymbolPermutation[GridSide];  // relabelling while shuffling
extern bool SymbolUnused[GridSide];
extern std::string DifficultyName[4];
extern std::string ChampionNames[4][11];
extern std::string ChampionDates[4][11];
extern std::string ChampionTimes[4][11];

// Settings and flags.
extern int16_t Difficulty;         // 0 Leicht, 1 Mittel, 2 Schwer, 3 Extrem
extern bool ShowDigits;            // symbols as numbers (true) or letters
extern bool KeepSymmetry;          // shuffling keeps the clue pattern's symmetry
extern bool ShowCandidates;        // every redraw shows all computed candidates
extern volatile bool GameRunning;  // a timed game is in progress (read by the clock worker)
extern volatile bool PuzzleSolved; // the player's completion is being handed to the clock
extern volatile bool ClockHold;    // the clock worker skips its refresh while set
extern bool EditingOwnBoard;
extern bool BoardFull;
extern int16_t ErrorCount;
extern std::string LibraryFileName;
extern std::string StatusText;
extern std::string FinalTime;

// Engine state.
extern std::string CheckMessage;
extern bool PuzzleUnsolvable;
extern bool SilentSolve;
extern bool Guessing;
extern int16_t GivenCount;

// Pointer position in client pixels, kept current by Win_0_MouseMove.
extern int32_t MouseX;
extern int32_t MouseY;

// The texts the game compares against.
inline constexpr const char* PromptChooseMenu = "Bitte Menupunkt auswählen!";
inline constexpr const char* PromptClickCell = "Bitte ein Feld anklicken!";
inline constexpr const char* VerdictWrong = "Falsche Zahl! ";
inline constexpr const char* VerdictUnsolvable = "Nicht lösbar!!!";
inline constexpr const char* VerdictNoErrors = "Keine Fehler! ";
inline constexpr const char* VerdictSolved = "Brett gelöst!!!";

// Puts every value above back to its start-up value (the arrays zero-filled, the flags and texts as
// the game starts with). InitGameState calls it; tests call it to start from a fresh game.
void ResetGameState();
