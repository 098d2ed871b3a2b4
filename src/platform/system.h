// Time, random numbers and sleeping. Tests may replace the time of day and seed the generator.
#pragma once

#include <cstdint>
#include <string>

// Seconds since midnight, local time, with sub-second resolution.
double TimeOfDay();
// Replaces the time source (nullptr restores the real clock); for tests.
void SetTimeOfDaySource(double (*source)());

// Today's date as text, "dd.mm.yyyy".
std::string TodayText();

// A uniformly distributed integer 0..n-1 (n >= 1).
int Random(int n);
// Restarts the generator from a seed, so a run can be repeated.
void SeedRandom(uint64_t seed);

void SleepMilliseconds(int milliseconds);
// Replaces the sleep by a function of the milliseconds (nullptr restores it); for benchmarks and tests
// that must not wait.
void SetSleepFunction(void (*sleeper)(int milliseconds));
// Replaces the generator by a function of n (nullptr restores it); for tests that script draws.
void SetRandomSource(int (*source)(int n));
