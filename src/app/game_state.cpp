// Definitions of the global game state and its start-up values.
#include "app/game_state.h"

ByteGrid PlayGrid;
ByteGrid GivenGrid;
ByteGrid SolutionGrid;
ByteGrid BackupGrid;
SymbolPlanes<bool> CandidateMarks;
SymbolPlanes<uint8_t> CandidateBytes;
uint8_t SymbolCount[GridSide];
uint8_t UnitTally[GridSide];
uint8_t SymbolPermutation[GridSide];
bool SymbolUnused[GridSide];
std::string DifficultyName[4];
std::string ChampionNames[4][11];
std::string ChampionDates[4][11];
std::string ChampionTimes[4][11];

int16_t Difficulty = 0;
bool ShowDigits = true;
bool KeepSymmetry = true;
bool ShowCandidates = false;
volatile bool GameRunning = false;
volatile bool PuzzleSolved = false;
volatile bool ClockHold = false;
bool EditingOwnBoard = false;
bool BoardFull = false;
int16_t ErrorCount = 0;
std::string LibraryFileName;
std::string StatusText = PromptChooseMenu;
std::string FinalTime;

std::string CheckMessage;
bool PuzzleUnsolvable = false;
bool SilentSolve = false;
bool Guessing = false;
int16_t GivenCount = 0;

int32_t MouseX = 0;
int32_t MouseY = 0;

void ResetGameState()
{
    PlayGrid = {};
    GivenGrid = {};
    SolutionGrid = {};
    BackupGrid = {};
    CandidateMarks = {};
    CandidateBytes = {};
    for (int i = 0; i < GridSide; ++i) {
        SymbolCount[i] = UnitTally[i] = SymbolPermutation[i] = 0;
        SymbolUnused[i] = false;
    }
    for (int d = 0; d < 4; ++d) {
        DifficultyName[d].clear();
        for (int rank = 0; rank <= 10; ++rank) {
            ChampionNames[d][rank].clear();
            ChampionDates[d][rank].clear();
            ChampionTimes[d][rank].clear();
        }
    }
    Difficulty = 0;
    ShowDigits = true;
    KeepSymmetry = true;
    ShowCandidates = false;
    GameRunning = false;
    PuzzleSolved = false;
    ClockHold = false;
    EditingOwnBoard = false;
    BoardFull = false;
    ErrorCount = 0;
    LibraryFileName.clear();
    StatusText = PromptChooseMenu;
    FinalTime.clear();
    CheckMessage.clear();
    PuzzleUnsolvable = false;
    SilentSolve = false;
    Guessing = false;
    GivenCount = 0;
    MouseX = MouseY = 0;
}
