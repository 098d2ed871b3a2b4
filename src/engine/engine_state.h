// The engine's whole state: every owner's state back to its start-up values.
#pragma once

// The board, the settings, the timed-game flags, the record file name and the solver's flags.
void ResetEngineState();
