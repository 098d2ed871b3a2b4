// What tests, benchmarks and screenshots need of the platform beyond the game's own interface; the
// game itself uses none of it.
#pragma once

#include <cstdint>
#include <string>

// The client image. It has the screen's device-pixel ratio: a logical pixel is drawn as the device
// pixels from ToDevicePixels(x) to ToDevicePixels(x + 1) - 1 (one at ratio 1, 2 x 2 at ratio 2).
uint32_t ClientPixel(int x, int y);            // 0xRRGGBB of the logical pixel's top-left device pixel
bool SaveClientImage(const std::string& path); // a PNG in device pixels, with the labels painted in
double ClientPixelRatio();
int ClientDeviceWidth();
int ClientDeviceHeight();
int ToDevicePixels(int logical);
uint32_t ClientDevicePixel(int x, int y); // 0xRRGGBB
// Makes the client image anew, white, at this ratio, so a test can draw the same screen at two ratios
// in one process; the window shows it scaled if its ratio is not the screen's.
void UseClientPixelRatio(double ratio);

// The main window.
std::string MainWindowTitle();
int MainWindowLeft(); // the frame's corner
int MainWindowTop();
int ClientWidth(); // logical pixels
int ClientHeight();
double MainWindowPixelRatio(); // of the screen the window is on
// Benchmarks hide the window, so no repaint to a screen is timed.
bool MainWindowShown();
bool MainWindowEnabled(); // false while a modal window runs
void HideMainWindow();

// Menus and labels.
bool MenuCommandsEnabled();
int InstalledMenuBar();
bool MenuItemChecked(int command);
std::string MenuItemCaption(int command);
std::string LabelText(int label); // the latest text set, from any thread

// Fonts.
int TextWidth(const std::string& utf8); // in the current font
int FixedFontHeight();                  // pixel height of the fixed panel font

// Real input: forgets everything queued or half-seen, so a test starts from a quiet window.
void DiscardPendingInput();

// The help viewer.
bool HelpViewerShown();
std::string HelpViewerTitle(); // the shown page's <title>
std::string HelpViewerText();  // the shown page as plain text
int HelpViewersMade();         // windows made so far (a second topic reuses the open one)
void CloseHelpViewer();

// Printing: from now on SelectPrinter gives, without a dialog, a PDF file at this path whose page
// is widthDots x heightDots printer dots at 1200 per inch, all of it printable (an empty path restores
// the printer). A PDF page is whole points, so sizes that are multiples of 50 dots come out exact.
void PrintToPdfFile(const std::string& path, int widthDots, int heightDots);
