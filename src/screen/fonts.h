// The numbered font table: SelectFont(n) makes font n current for the drawing that follows.
#pragma once

#include <cstdint>

// Set when font 8 has to be a scaled Arial because the display uses large fonts. This build keeps the
// stock fixed panel font always (8 pixels per character), so it stays false.
extern bool LargeFontMode;

// n is one of 4, 5, 6, 8, 14, 16, 18, 20, 39, 40; other numbers change nothing.
void SelectFont(int16_t n);
