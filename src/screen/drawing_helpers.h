// Drawing routines shared by every part of the screen: 3-D bevels, embossed text, number fields.
#pragma once

#include <cstdint>
#include <string>

// A 3-D frame from (x1, y1) to (x2, y2): raised (light top-left) when sunken is 0, else sunken.
void DrawBevel(int16_t sunken, int16_t depth, int x1, int y1, int x2, int y2);

// Text in font `font` and Palette colour `colour` over a white shadow one pixel down-right; y is the
// point 14 pixels below the top of the text. Leaves font 8, opaque, black on light grey.
void DrawEmbossedText(int16_t font, int16_t colour, int x, int y, const std::string& text);

// The decimal digits of value right-aligned with blanks in a field of `width` characters; a longer
// number is returned whole.
std::string NumberText(int value, int width);
