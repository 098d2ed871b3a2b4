// The hall of fame: the ten best times per difficulty with name and date. Rank 0 holds nothing.
#pragma once

#include <string>

struct HallOfFameTables {
    std::string ChampionNames[4][11];
    std::string ChampionDates[4][11];
    std::string ChampionTimes[4][11];
};

extern HallOfFameTables HallOfFame;
