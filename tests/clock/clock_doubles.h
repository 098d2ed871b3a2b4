// Test doubles for the clock: the label's text and the results the hall of fame was handed.
#pragma once

#include <atomic>
#include <string>

#include "engine/timed_game.h"

std::string ShownClockText();
extern std::atomic<int> ResultsEntered;
extern std::string TimeEntered; // FinalTime at the last EnterResult
