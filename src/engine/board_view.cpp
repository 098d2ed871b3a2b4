// The drawing hooks the screen installs for the engine; empty until then.
#include "engine/board_view.h"

BoardViewHooks BoardView;
