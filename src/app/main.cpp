// Kastenzahl: a 12 x 12 number-place puzzle. No command line options; the data files are read from
// and written to the current folder.
#include "app/startup.h"
#include "platform/window.h"

int main(int argc, char** argv)
{
    InitPlatform(argc, argv);
    StartUp();
    RunEventLoop();
    return 0;
}
