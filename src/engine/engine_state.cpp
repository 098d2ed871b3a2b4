// Resetting the engine's state, owner by owner.
#include "engine/engine_state.h"

#include "engine/board_record.h"
#include "engine/board_state.h"
#include "engine/board_view.h"
#include "engine/settings.h"
#include "engine/solver.h"
#include "engine/timed_game.h"

void ResetEngineState()
{
    Board = {};
    Settings = {};
    ResetTimedGame();
    LibraryFileName.clear();
    SilentSolve = false;
    Guessing = false;
}
