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
// Prepares the player's folder for the game's files and makes it the working folder (see
// platform/data_folder.h). On failure shows the German reason in a message box and returns false: the
// game cannot run without its folder.
bool PrepareGameFolder();
// Opens the window, creates the game state, builds the menu and draws the first screen.
void StartUp();
// Waits for events and dispatches them until the main window is gone.
void RunEventLoop();
