// The player's settings: difficulty and display options. Every run starts with these defaults; none
// is stored.
#pragma once

#include <cstdint>
#include <string>

struct GameSettings {
    int16_t Difficulty = 0;      // 0 Leicht, 1 Mittel, 2 Schwer, 3 Extrem
    bool ShowDigits = true;      // symbols as numbers (true) or letters
    bool KeepSymmetry = true;    // shuffling keeps the clue pattern's symmetry
    bool ShowCandidates = false; // every redraw shows all computed candidates
};

extern GameSettings Settings;

inline int16_t& Difficulty = Settings.Difficulty;
inline bool& ShowDigits = Settings.ShowDigits;
inline bool& KeepSymmetry = Settings.KeepSymmetry;
inline bool& ShowCandidates = Settings.ShowCandidates;

// The difficulty captions, blanks exactly as the panel needs them.
extern const std::string DifficultyName[4];
