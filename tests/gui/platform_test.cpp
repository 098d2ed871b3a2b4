// The Qt platform layer: window geometry, pixel-exact drawing, fonts, copies of the client image,
// menus, the event queue with its key-release rule, scripted input, message boxes and labels.
#include "gui_fixture.h"

#include <gtest/gtest.h>

TEST(PlatformWindow, ClientAreaHasTheGameSize)
{
    OpenTestWindow();
    EXPECT_EQ(ClientWidth(), 1156);
    EXPECT_EQ(ClientHeight(), 874);
    EXPECT_EQ(MainWindowTitle(), "Kastenzahl V6.0 by Tarvo");
    FillClient(0x123456);
    EXPECT_EQ(ClientPixel(0, 0), 0x123456u);
    EXPECT_EQ(ClientPixel(1155, 873), 0x123456u);
}
