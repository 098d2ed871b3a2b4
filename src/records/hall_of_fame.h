// The hall of fame: the ten best times per difficulty with name and date, kept in Champions.Rhm in the
// working folder. Rank 0 holds nothing.
//
// Times are texts "hh:mm:ss.t", compared as text. A slot whose time begins with "9" is empty; a reset
// slot has an empty name, an empty date and the time "9". Per difficulty the filled slots take ranks
// 1..k in ascending time order, the empty ones k+1..10.
//
// Champions.Rhm has 120 lines, each ended by CR LF: difficulty d takes lines 30d+1..30d+30, and rank r
// of it name, date and time at lines 30d+3(r-1)+1..+3. Names are UTF-8.
#pragma once

#include <string>
#include <vector>

struct HallOfFameTables {
    std::string ChampionNames[4][11];
    std::string ChampionDates[4][11];
    std::string ChampionTimes[4][11];
};

extern HallOfFameTables HallOfFame;

// The file's name in the working folder.
inline constexpr const char* HallOfFameFileName = "Champions.Rhm";

// What the hall of fame needs from the windows; an empty hook does nothing.
struct HallOfFameHooks {
    // The name entry: offers PlayerName, and when the player confirms, leaves the name in PlayerName
    // and returns true; false when cancelled. Without one nothing is entered.
    bool (*askPlayerName)() = nullptr;
    // Tells the player why the hall of fame could not be saved (the German reason, several lines).
    void (*showFailure)(const std::string& reason) = nullptr;
    // Shows the hall of fame, on the tab of difficulty (0..3).
    void (*showHallOfFame)(int difficulty) = nullptr;
};

extern HallOfFameHooks HallOfFameView;

// The name last confirmed in the name entry, offered as the next default; kept for this run only.
extern std::string PlayerName;

// A slot's time that marks it empty.
bool IsEmptyTime(const std::string& time);

// Empties every slot of every difficulty (memory only).
void ResetHallOfFame();
// Empties every slot of one difficulty 0..3 (memory only; the caller saves).
void ResetDifficulty(int difficulty);

// Reads Champions.Rhm; without the file every slot is empty (and no file is made). A damaged file is
// read as far as it makes sense: a slot that cannot be read is empty, and each difficulty is sorted
// again (filled slots first, ascending by time, equal times in file order). Nothing is written.
void LoadHallOfFame();
// Writes all 120 lines, replacing Champions.Rhm whole or not at all. Returns "" or the reason, in
// German, fit to show the player; the tables stay as they are either way.
std::string SaveHallOfFame();

// Control characters (below 0x20, and 0x7F) of a name as blanks, so it stays on its line.
std::string CleanName(const std::string& name);

// The rows the hall of fame lists for a difficulty, rank by rank: "r.", name, date, time of every
// filled slot.
std::vector<std::vector<std::string>> ListedRows(int difficulty);

// After a solved timed game: when finalTime beats a stored time of the difficulty (an equal time
// ranks after the stored one), asks for the name and enters it with today's date, shifting the slower
// ranks down (the old rank 10 drops out). Confirmed, the hall of fame is saved; cancelled, the tables
// are as before. A time not of the shape hh:mm:ss.t enters nothing. Then the hall of fame is shown,
// whether or not the time entered.
void EnterResult(const std::string& finalTime, int difficulty);
