// Time of day, today's date, random numbers and sleeping, over the standard library and POSIX.
#include "platform/system.h"

#include "platform/script.h"

#include <atomic>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <random>
#include <thread>

namespace {

// Atomic: the clock's worker thread reads the time while a test may replace its source.
std::atomic<double (*)()> TimeSource{nullptr};
std::atomic<int (*)(int)> RandomSource{nullptr};
std::atomic<void (*)(int)> Sleeper{nullptr};

std::mt19937_64& Generator()
{
    static std::mt19937_64 generator{std::random_device{}()};
    return generator;
}

} // namespace

double TimeOfDay()
{
    if (double (*source)() = TimeSource; source != nullptr) {
        return source();
    }
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    std::tm local{};
    time_t seconds = now.tv_sec;
    localtime_r(&seconds, &local);
    return local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec + now.tv_nsec / 1e9;
}

void SetTimeOfDaySource(double (*source)())
{
    TimeSource = source;
}

std::string TodayText()
{
    time_t seconds = std::time(nullptr);
    std::tm local{};
    localtime_r(&seconds, &local);
    char text[48];
    std::snprintf(text, sizeof text, "%02d.%02d.%04d", local.tm_mday, local.tm_mon + 1, local.tm_year + 1900);
    return text;
}

int Random(int n)
{
    if (int (*source)(int) = RandomSource; source != nullptr) {
        return source(n);
    }
    if (n <= 1) {
        return 0;
    }
    // Rejection keeps every value equally likely: draws from the incomplete last block are thrown away.
    const uint64_t range = static_cast<uint64_t>(n);
    const uint64_t limit = UINT64_MAX - UINT64_MAX % range;
    uint64_t draw;
    do {
        draw = Generator()();
    } while (draw >= limit);
    return static_cast<int>(draw % range);
}

void SeedRandom(uint64_t seed)
{
    Generator().seed(seed);
}

void SleepMilliseconds(int milliseconds)
{
    if (void (*sleeper)(int) = Sleeper; sleeper != nullptr) {
        sleeper(milliseconds);
        return;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

void SetRandomSource(int (*source)(int n))
{
    RandomSource = source;
}

void SetSleepFunction(void (*sleeper)(int milliseconds))
{
    Sleeper = sleeper;
}
