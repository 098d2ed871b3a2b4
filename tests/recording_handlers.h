// Main-window handlers that record what reached them, for the tests of the two event sources.
#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "platform/window.h"

struct SeenByHandlers {
    std::vector<int> commands;
    std::vector<std::pair<float, float>> moves;
    int closes = 0;
};
inline SeenByHandlers seen;

inline void InstallRecordingHandlers()
{
    seen = SeenByHandlers{};
    MainWindowHandlers handlers;
    handlers.menuEvent = [](int32_t command) { seen.commands.push_back(command); };
    handlers.mouseMove = [](float x, float y) { seen.moves.emplace_back(x, y); };
    handlers.close = [] { ++seen.closes; };
    SetMainWindowHandlers(handlers);
}
