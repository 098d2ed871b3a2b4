// Start-up, the main window and the event loop.
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

// Every owner's state back to its start-up value: the engine's, the hall of fame, the panels, the
// clock, the pointer and the play loops'.
void ResetGameState();
// The game state as a run starts with it.
void InitGameState();
// Opens the window, creates the game state, builds the menu and draws the first screen.
void StartUp();
// Waits for events and dispatches them until the main window is gone.
void RunEventLoop();
