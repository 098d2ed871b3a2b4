// Fuzzes the hall of fame: the input as Champions.Rhm and a player's name, loaded, a result entered
// under that name, saved; the file written must load back to the same tables.
//
// Input: byte 0 gives the difficulty (top two bits) and the name's length (low six bits); the name is
// the input's last bytes (any bytes, control characters too), the rest is the file.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "fuzz_folder.h"
#include "records/hall_of_fame.h"

namespace {

std::string EnteredName;

bool ConfirmName()
{
    PlayerName = EnteredName;
    return true;
}

// Names the first slot that differs, for the report of a mismatch.
bool SameTables(const HallOfFameTables& a, const HallOfFameTables& b)
{
    for (int d = 0; d < 4; ++d)
        for (int r = 0; r < 11; ++r)
            if (a.ChampionNames[d][r] != b.ChampionNames[d][r] ||
                a.ChampionDates[d][r] != b.ChampionDates[d][r] ||
                a.ChampionTimes[d][r] != b.ChampionTimes[d][r]) {
                std::fprintf(stderr, "difficulty %d rank %d: [%s|%s|%s] loaded back as [%s|%s|%s]\n", d, r,
                             b.ChampionNames[d][r].c_str(), b.ChampionDates[d][r].c_str(),
                             b.ChampionTimes[d][r].c_str(), a.ChampionNames[d][r].c_str(),
                             a.ChampionDates[d][r].c_str(), a.ChampionTimes[d][r].c_str());
                return false;
            }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    EnterScratchFolder("hall_of_fame_fuzz.");
    HallOfFameView.askPlayerName = ConfirmName;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const int difficulty = data[0] >> 6;
    size_t nameBytes = data[0] & 0x3F;
    if (nameBytes > size - 1)
        nameBytes = size - 1;
    const size_t fileBytes = size - 1 - nameBytes;
    EnteredName.assign(reinterpret_cast<const char*>(data + 1 + fileBytes), nameBytes);
    WriteWholeFile(HallOfFameFileName, data + 1, fileBytes);

    ResetHallOfFame();
    PlayerName.clear();
    LoadHallOfFame();
    EnterResult("00:00:01.0", difficulty);
    if (!SaveHallOfFame().empty())
        __builtin_trap();
    const HallOfFameTables saved = HallOfFame;
    ResetHallOfFame();
    LoadHallOfFame();
    if (!SameTables(HallOfFame, saved))
        __builtin_trap();
    return 0;
}
