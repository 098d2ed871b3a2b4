// What the clock needs around it, without Qt: a label that keeps its text, and a hall of fame that
// counts the results entered.
#include "clock_doubles.h"

#include <mutex>

#include "platform/window.h"
#include "records/hall_of_fame.h"

namespace {
std::mutex labelMutex;
std::string labelText;
} // namespace

std::atomic<int> ResultsEntered{0};
std::string TimeEntered;

int CreateLabel(int, int, int, int, const std::string& text, const std::string&, int, uint32_t)
{
    std::lock_guard lock(labelMutex);
    labelText = text;
    return 1;
}

void SetLabelText(int, const std::string& text)
{
    std::lock_guard lock(labelMutex);
    labelText = text;
}

std::string ShownClockText()
{
    std::lock_guard lock(labelMutex);
    return labelText;
}

void EnterResult(const std::string& finalTime, int)
{
    ++ResultsEntered;
    TimeEntered = finalTime;
}
