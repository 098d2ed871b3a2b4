// Kastenzahl: a 12 x 12 number-place puzzle. No command line options; the game works in the player's
// folder ($XDG_DATA_HOME/kastenzahl), where it reads and writes its data files by bare name.
#include "app/startup.h"
#include "platform/window.h"

int main(int argc, char** argv)
{
    InitPlatform(argc, argv);
    if (!PrepareGameFolder())
        return 1;
    StartUp();
    RunEventLoop();
    return 0;
}
