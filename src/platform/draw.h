// Drawing into the main window's persistent client image.
//
// Drawing keeps a current state, as the game's routines expect: a text-and-line colour, a
// fill-and-text-background colour, a text background mode, a line width and a font. Coordinates are
// client pixels; a line or box from (x1, y1) to (x2, y2) covers both end points. Text is drawn with
// the top-left corner of its character cell at the given point. Colours are 0xRRGGBB.
#pragma once

#include <cstdint>
#include <string>

constexpr int ClientImageWidth = 1156;
constexpr int ClientImageHeight = 874;

void SetTextColor(uint32_t rgb); // text and lines
void SetFillColor(uint32_t rgb); // box fill and opaque text background
void SetTransparentText(bool transparent);
void SetLineWidth(int width); // 1 or 2

void FillClient(uint32_t rgb); // the whole client image in one colour (the window background)
void DrawLine(int x1, int y1, int x2, int y2);
void DrawBox(int x1, int y1, int x2, int y2, bool filled); // outline in the text colour
void DrawText(int x, int y, const std::string& utf8);

// Fonts. Height and width are the character cell height and the average character width in pixels;
// "Arial" (any case) resolves to a metric twin.
void UseFont(const std::string& face, int height, int width, int weight);
// The fixed-pitch panel font: 8 pixels per character.
void UseFixedFont();
// A window font by face and point size ("Fixedsys", "System"): fixed-pitch or bold, 8 pixels per
// character.
void UseWindowFont(const std::string& face, double pointSize);

// Copies of client rectangles (corners inclusive) and their restoring.
int CopyClientRect(int x1, int y1, int x2, int y2); // a bitmap handle, > 0
void PasteBitmap(int bitmap, int x, int y);
void ReleaseBitmap(int bitmap);
