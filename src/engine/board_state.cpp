// The board and the verdict texts.
#include "engine/board_state.h"

BoardState Board;

const char* VerdictText(Verdict verdict)
{
    switch (verdict) {
    case Verdict::Wrong:
        return "Falsche Zahl! ";
    case Verdict::Unsolvable:
        return "Nicht lösbar!!!";
    case Verdict::NoErrors:
        return "Keine Fehler! ";
    case Verdict::Solved:
        return "Brett gelöst!!!";
    case Verdict::None:
        break;
    }
    return "";
}
