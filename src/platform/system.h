// Time, random numbers and sleeping.
#pragma once

#include <cstdint>
#include <string>

// Seconds since midnight, local time, with sub-second resolution.
double TimeOfDay();

// Today's date as text, "dd.mm.yyyy".
std::string TodayText();

// A uniformly distributed integer 0..n-1 (n >= 1).
int Random(int n);
// Restarts the generator from a seed, so a run can be repeated.
void SeedRandom(uint64_t seed);

void SleepMilliseconds(int milliseconds);
