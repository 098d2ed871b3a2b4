// The game clock with its worker thread, on a scripted time of day. Built with ThreadSanitizer.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>

#include "clock_doubles.h"
#include "engine/timed_game.h"
#include "platform/script.h"
#include "screen/clock.h"

namespace {

std::atomic<double> Now{0};
double ScriptedTime()
{
    return Now;
}

// Waits (up to two seconds) until the worker has put this text into the label.
bool LabelShows(const std::string& text)
{
    for (int i = 0; i < 200; ++i) {
        if (ShownClockText() == text)
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
}

class ClockTest : public ::testing::Test {
  protected:
    void SetUp() override
    {
        ResetTimedGame();
        SetTimeOfDaySource(ScriptedTime);
        CreateClockLabel();
        ResultsEntered = 0;
    }
    void TearDown() override
    {
        GameRunning = false;
        StopClockWorker();
        ClockHold = false;
        SetTimeOfDaySource(nullptr);
    }
    // A timed game started at this time of day, with its worker running.
    void StartAt(double time)
    {
        Now = time;
        StartClock();
        StartClockWorker();
    }
    // The player completes the board at this time of day.
    void SolveAt(double time)
    {
        Now = time;
        PuzzleSolved = true;
        UpdateClock();
        PuzzleSolved = false;
    }
};

} // namespace

TEST_F(ClockTest, NewGameShowsZeroAndTheWorkerCountsEachSecond)
{
    StartAt(100.25);
    EXPECT_EQ(ShownClockText(), " 00:00:00");
    EXPECT_EQ(FinalTime, "X");
    const struct {
        double time;
        const char* shown;
    } steps[] = {{101.0, " 00:00:00"}, {101.25, " 00:00:01"}, {3699.45, " 00:59:59"}, {3700.25, " 01:00:00"}};
    for (const auto& step : steps) {
        Now = step.time;
        EXPECT_TRUE(LabelShows(step.shown)) << step.time << ": " << ShownClockText();
    }
}

// A game solved in the second the worker last computed keeps that computation's time; without one,
// the time of the solving moment counts.
TEST_F(ClockTest, SolvedGameFreezesTheLastComputationsTime)
{
    const struct {
        bool workerPass;
        const char* final;
    } cases[] = {{true, "00:00:06.7"}, {false, "00:00:07.5"}};
    for (const auto& c : cases) {
        StartAt(100.30);
        if (c.workerPass) {
            Now = 107.02;
            ASSERT_TRUE(LabelShows(" 00:00:06"));
        } else {
            ClockHold = true; // the worker skips its passes
        }
        SolveAt(107.76);
        ClockHold = false;
        EXPECT_EQ(TimeEntered, c.final);
        EXPECT_EQ(FinalTime, c.final);
        EXPECT_FALSE(GameRunning);
        EXPECT_EQ(ShownClockText(), " 99:99:99"); // once the hall of fame has closed
        StopClockWorker();
    }
    EXPECT_EQ(ResultsEntered, 2);
}

TEST_F(ClockTest, StoppedGameEntersNothingAndShowsNoTime)
{
    StartAt(500.0);
    Now = 530.5;
    ASSERT_TRUE(LabelShows(" 00:00:30"));
    GameRunning = false;
    UpdateClock();
    EXPECT_EQ(ShownClockText(), " 99:99:99");
    std::this_thread::sleep_for(std::chrono::milliseconds(120)); // the worker's last passes
    EXPECT_EQ(ShownClockText(), " 99:99:99");
    PuzzleSolved = true; // a solved board without a timed game
    UpdateClock();
    PuzzleSolved = false;
    EXPECT_EQ(ResultsEntered, 0);
}

TEST_F(ClockTest, ClockHoldKeepsTheLabelUntilItIsCleared)
{
    StartAt(10.0);
    ClockHold = true;
    Now = 15.0;
    std::this_thread::sleep_for(std::chrono::milliseconds(150));
    EXPECT_EQ(ShownClockText(), " 00:00:00");
    ClockHold = false;
    EXPECT_TRUE(LabelShows(" 00:00:05"));
}

// Across midnight the time goes on counting; it never runs backwards.
TEST_F(ClockTest, MidnightDoesNotResetTheTime)
{
    StartAt(86390.0); // 23:59:50
    Now = 86399.5;
    ASSERT_TRUE(LabelShows(" 00:00:09"));
    Now = 5.0; // 00:00:05 the next day
    EXPECT_TRUE(LabelShows(" 00:00:15"));
    SolveAt(6.25);
    EXPECT_EQ(TimeEntered, "00:00:16.3");
}

TEST_F(ClockTest, AStartedWorkerReplacesTheOldOne)
{
    StartAt(0.0);
    StartClockWorker(); // at most one worker writes the label
    Now = 2.5;
    EXPECT_TRUE(LabelShows(" 00:00:02"));
    GameRunning = false;
    StopClockWorker(); // returns: the worker has ended
    SUCCEED();
}
