// The game clock and its worker thread.
//
// The elapsed time is measured on the time of day. A game that runs across midnight keeps counting:
// a reading more than twelve hours before the last one means the day turned, and a day is added.
#include "screen/clock.h"

#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <thread>

#include "engine/settings.h"
#include "engine/timed_game.h"
#include "platform/system.h"
#include "platform/window.h"
#include "records/hall_of_fame.h"
#include "screen/palette.h"

int ClockLabel = 0;

std::mutex ClockLock;
double ClockStart = 0;
double ClockLastSecond = -1;
double ClockElapsed = 0;
int32_t ClockHours = 0;
int32_t ClockMinutes = 0;

namespace {

constexpr const char* ClockIdleText = " 99:99:99";
constexpr int WorkerPassMs = 50;

double DayOffset = 0;   // whole days passed since the start, in seconds
double LastReading = 0; // the last time of day read, with DayOffset

// The worker thread; joined when it is replaced and when the program ends.
struct Worker {
    std::thread thread;
    std::atomic<bool> stop{false};
    ~Worker() { Join(); }
    void Join()
    {
        stop = true;
        if (thread.joinable())
            thread.join();
    }
};
Worker ClockWorkerThread;

// The time of day since the start's midnight. Call with ClockLock held.
double ReadTime()
{
    double now = TimeOfDay() + DayOffset;
    if (now < LastReading - 12 * 3600.0) {
        DayOffset += 24 * 3600.0;
        now += 24 * 3600.0;
    }
    LastReading = now;
    return now;
}

// The elapsed-time computation; false when no new second has begun since the last one. Call with
// ClockLock held.
bool ComputeElapsed()
{
    const double now = ReadTime();
    if (std::floor(now) == ClockLastSecond)
        return false;
    double elapsed = now - ClockStart;
    if (elapsed < 0)
        elapsed = 0; // a clock set back while playing: never count backwards
    ClockHours = static_cast<int32_t>(elapsed / 3600);
    elapsed -= ClockHours * 3600.0;
    ClockMinutes = static_cast<int32_t>(elapsed / 60);
    elapsed -= ClockMinutes * 60.0;
    ClockElapsed = elapsed;
    ClockLastSecond = std::floor(ReadTime());
    return true;
}

// The last two characters of "0" followed by the value's digits: 7 gives "07", 123 gives "23".
std::string TwoDigits(int value)
{
    const std::string text = "0" + std::to_string(value);
    return text.substr(text.size() - 2);
}

void SetClockLabel(const std::string& text)
{
    if (ClockLabel != 0)
        SetLabelText(ClockLabel, text);
}

// One pass every 50 ms until the timed game ends: a new second is shown unless ClockHold or a solved
// game holds the label.
void RunWorker()
{
    for (;;) {
        std::this_thread::sleep_for(std::chrono::milliseconds(WorkerPassMs));
        if (!ClockHold) {
            std::lock_guard lock(ClockLock);
            // A game stopped meanwhile keeps the label its stop has set.
            if (ComputeElapsed() && !PuzzleSolved && GameRunning)
                SetClockLabel(RunningClockText());
        }
        if (!GameRunning || ClockWorkerThread.stop)
            return;
    }
}

} // namespace

void CreateClockLabel()
{
    ClockLabel = CreateLabel(886, 773, 160, 30, ClockIdleText, "Arial", 24, Palette[15]);
}

std::string RunningClockText()
{
    return " " + TwoDigits(ClockHours) + ":" + TwoDigits(ClockMinutes) + ":" +
           TwoDigits(static_cast<int>(ClockElapsed));
}

std::string FinalClockText()
{
    char seconds[32];
    std::snprintf(seconds, sizeof seconds, "0%.1f", std::round(ClockElapsed * 10) / 10);
    const std::string tenths = seconds;
    return TwoDigits(ClockHours) + ":" + TwoDigits(ClockMinutes) + ":" + tenths.substr(tenths.size() - 4);
}

void StartClock()
{
    {
        std::lock_guard lock(ClockLock);
        DayOffset = 0;
        LastReading = 0;
        ClockStart = ReadTime();
        ClockLastSecond = -1; // so the new game shows " 00:00:00" at once
    }
    GameRunning = true;
    PuzzleSolved = false;
    FinalTime = "X";
    UpdateClock();
}

void UpdateClock()
{
    std::unique_lock lock(ClockLock);
    if (!GameRunning) {
        SetClockLabel(ClockIdleText);
        return;
    }
    const bool computed = ComputeElapsed();
    if (PuzzleSolved) {
        // The values of the last computation: this one, or the worker's within the same second.
        FinalTime = FinalClockText();
        SetClockLabel(FinalTime);
        GameRunning = false;
        lock.unlock();
        EnterResult(FinalTime, Difficulty);
        lock.lock();
        SetClockLabel(ClockIdleText);
        return;
    }
    if (computed)
        SetClockLabel(RunningClockText());
}

void StartClockWorker()
{
    StopClockWorker();
    ClockWorkerThread.stop = false;
    ClockWorkerThread.thread = std::thread(RunWorker);
}

void StopClockWorker()
{
    ClockWorkerThread.Join();
}
