// The GUI tests' own main: the application object must exist before any window, and without a
// display the tests draw offscreen.
#include "platform/window.h"

#include <cstdlib>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0); // keeps a platform the caller chose
    testing::InitGoogleTest(&argc, argv);
    InitPlatform(argc, argv);
    return RUN_ALL_TESTS();
}
