// The board at the screen's device-pixel ratio, run by ctest with QT_SCALE_FACTOR 2 and 1.5: the
// window keeps its logical size, the client image has the device pixels, lines and texts are drawn at
// full resolution and the symbol picker puts back every device pixel under it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <sstream>
#include <utility>
#include <vector>

#include "gui/play_fixture.h"
#include "gui/test_boards.h"

namespace {

struct RatioCase {
    double ratio;
    int deviceWidth, deviceHeight;
    int boxLine; // device pixels across the board's 2-pixel box lines
};
constexpr RatioCase Cases[] = {{1.0, 1156, 874, 2}, {1.5, 1734, 1311, 3}, {2.0, 2312, 1748, 4}};

// The case of the ratio the test was started at.
const RatioCase& Started()
{
    const char* factor = std::getenv("QT_SCALE_FACTOR");
    const double ratio = factor && *factor ? std::atof(factor) : 1.0;
    const auto* found =
        std::find_if(std::begin(Cases), std::end(Cases), [&](auto& c) { return c.ratio == ratio; });
    if (found == std::end(Cases))
        ADD_FAILURE() << "no case for QT_SCALE_FACTOR " << ratio;
    return found == std::end(Cases) ? Cases[0] : *found;
}

// The device pixels of a logical rectangle (corners inclusive), row by row.
std::vector<uint32_t> DevicePixelsOf(int x1, int y1, int x2, int y2)
{
    std::vector<uint32_t> pixels;
    for (int y = ToDevicePixels(y1); y < ToDevicePixels(y2 + 1); ++y)
        for (int x = ToDevicePixels(x1); x < ToDevicePixels(x2 + 1); ++x)
            pixels.push_back(ClientDevicePixel(x, y));
    return pixels;
}

// Red device pixels on a device line across a box line, from three logical pixels before it to three after.
int RedAcross(int at, int device, bool vertical)
{
    int red = 0;
    for (int d = ToDevicePixels(at - 3); d < ToDevicePixels(at + 4); ++d)
        red += (vertical ? ClientDevicePixel(d, device) : ClientDevicePixel(device, d)) == Palette[9];
    return red;
}

class RatioTest : public PlayTest {};

} // namespace

TEST_F(RatioTest, LogicalLayoutInTheScreensDevicePixels)
{
    const RatioCase& expected = Started();
    EXPECT_EQ(ClientWidth(), 1156);
    EXPECT_EQ(ClientHeight(), 874);
    EXPECT_EQ(MainWindowPixelRatio(), expected.ratio);
    EXPECT_EQ(ClientPixelRatio(), expected.ratio);
    EXPECT_EQ(ClientDeviceWidth(), expected.deviceWidth);
    EXPECT_EQ(ClientDeviceHeight(), expected.deviceHeight);
    for (int x : {29, 269, 509, 749})
        for (int y = ToDevicePixels(100); y < ToDevicePixels(101); ++y)
            EXPECT_EQ(RedAcross(x, y, true), expected.boxLine) << x << ", device row " << y;
    for (int y : {45, 225, 405, 585, 765})
        EXPECT_EQ(RedAcross(y, ToDevicePixels(100), false), expected.boxLine) << y;
    EXPECT_EQ(ClientPixel(89, 100), Palette[0]); // a cell line, read logically
    EXPECT_EQ(ClientPixel(90, 100), Palette[15]);
    for (int c = 1; c <= 12; ++c)
        for (int r = 1; r <= 12; ++r) {
            const CellRect k = CellInterior(c, r);
            const std::vector<uint32_t> cell = DevicePixelsOf(k.x1, k.y1, k.x2, k.y2);
            EXPECT_EQ(std::count(cell.begin(), cell.end(), Palette[15]), std::ssize(cell)) << c << "," << r;
        }
}

// A given number drawn at ratio 1 and at the screen's ratio: in two colours (not smoothed), with more
// dark pixels, in the same place, and at ratio 2 not the ratio-1 pixels doubled.
TEST_F(RatioTest, TextIsDrawnAtFullResolution)
{
    const double ratio = ClientPixelRatio();
    if (ratio == 1.0)
        GTEST_SKIP() << "ratio 1";
    const CellRect k = CellInterior(2, 3);
    const int width1 = k.x2 - k.x1 + 1, width = ToDevicePixels(k.x2 + 1) - ToDevicePixels(k.x1);
    auto drawn = [&](double at) {
        UseClientPixelRatio(at);
        DrawFreshScreen();
        DrawGivenCell(2, 3, 12);
        return DevicePixelsOf(k.x1, k.y1, k.x2, k.y2);
    };
    const std::vector<uint32_t> single = drawn(1.0), full = drawn(ratio);
    const long dark1 = std::count(single.begin(), single.end(), Palette[0]);
    const long dark = std::count(full.begin(), full.end(), Palette[0]);
    EXPECT_GT(dark1, 40);
    EXPECT_GT(dark, dark1 * ratio);
    EXPECT_LT(dark, dark1 * ratio * ratio * 1.5);
    EXPECT_EQ(dark + std::count(full.begin(), full.end(), Palette[15]), std::ssize(full));
    // The leftmost and rightmost dark columns, in logical pixels: within a pixel and a half.
    auto inkColumns = [](const std::vector<uint32_t>& pixels, int w, double scale) {
        int left = w, right = -1;
        for (int i = 0; i < std::ssize(pixels); ++i)
            if (pixels[i] == Palette[0]) {
                left = std::min(left, i % w);
                right = std::max(right, i % w);
            }
        return std::pair{left / scale, (right + 1) / scale};
    };
    const auto [left1, right1] = inkColumns(single, width1, 1.0);
    const auto [left, right] = inkColumns(full, width, ratio);
    EXPECT_NEAR(left, left1, 1.5);
    EXPECT_NEAR(right, right1, 1.5);
    if (ratio == 2.0) {
        std::vector<uint32_t> doubled;
        for (int i = 0; i < std::ssize(full); ++i)
            doubled.push_back(single[(i / width / 2) * width1 + (i % width) / 2]);
        EXPECT_NE(full, doubled);
    }
}

// The board drawn again gives the same device pixels; the picker, opened over it and closed by the
// right button, leaves every device pixel under it as it was. A screenshot of the open picker goes to
// screens/ratio<ratio>.png.
TEST_F(RatioTest, RedrawAndPickerKeepTheDevicePixels)
{
    SetPatternPuzzle([](int c, int r) { return (c + r) % 2 == 0; });
    PaintBoard();
    const std::vector<uint32_t> board = DevicePixelsOf(0, 0, 1155, 873);
    PaintBoard();
    EXPECT_EQ(DevicePixelsOf(0, 0, 1155, 873), board);
    std::ostringstream shot;
    shot << ScreensFolder() << "/ratio" << ClientPixelRatio() << ".png";
    for (auto [c, r] : {std::pair{6, 5}, std::pair{1, 2}, std::pair{12, 1}}) {
        const int x1 = PickerX(c), y1 = PickerY(r), x2 = x1 + 120, y2 = y1 + 90;
        std::vector<uint32_t> seen[4];
        int moves = 0;
        AfterPointerMove = [&] {
            if (++moves <= 4)
                seen[moves - 1] = DevicePixelsOf(x1, y1, x2, y2);
            if (moves == 3 && c == 6) {
                EXPECT_TRUE(SaveClientImage(shot.str()));
            }
        };
        ScriptMouseMove(900, 100);
        ScriptLeftClick(CellCentreX(c), CellCentreY(r));
        ScriptMouseMove(SquareCentreX(c, 7), SquareCentreY(r, 7));
        ScriptRightPress();
        ScriptMouseMove(900, 100);
        ScriptKey(VK_ESCAPE);
        ASSERT_TRUE(RunPlayLoop());
        ASSERT_EQ(moves, 4);
        EXPECT_NE(seen[2], seen[0]) << c << "," << r; // open
        EXPECT_EQ(seen[3], seen[0]) << c << "," << r; // closed
    }
}
