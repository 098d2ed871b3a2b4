// The settings and the difficulty captions.
#include "engine/settings.h"

GameSettings Settings;

const std::string DifficultyName[4] = {" Leicht ", " Mittel ", "Schwer ", "Extrem "};
