// Start-up, the main window, the event loop and the orderly exit.
#pragma once

struct WindowPlacement {
    int left;
    int top;
};

constexpr int ClientAreaWidth = 1156;
constexpr int ClientAreaHeight = 874;
constexpr int OuterWindowHeight = 903;

// Where the main window opens on a screen of the given size: centred horizontally (not limited, so a
// narrow screen starts it left of the edge), vertically centred and raised by 32 pixels, never above
// the screen's top.
WindowPlacement MainWindowPlacement(int screenWidth, int screenHeight);

// Copy of the empty strip below the board, put back after every menu command.
extern int StripImage;

// The difficulty captions, blanks exactly as the panel needs them.
void FillDifficultyNames();
// Creates every array and setting, fills the difficulty names and builds the menu bar.
void InitGameState();
// Opens the window, creates the game state and draws the first screen.
void StartUp();
// Waits for events and dispatches them until the main window is gone.
void RunEventLoop();

// Asks "Spiel beenden?"; ends the program on "&JA", returns on "&NEIN".
void ConfirmExit();
// The close box: asks as ConfirmExit; when it returns, the window stays open.
void Win_0_Close();
