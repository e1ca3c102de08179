#include "run_state.h"

#include <cstdio>
#include <ctime>

namespace varenta {

RunState::RunState()
{
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    StartDate = FormatShortDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
    StartTime = FormatLongTime(local.tm_hour, local.tm_min, local.tm_sec);
}

std::string FormatShortDate(int year, int month, int day)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "%04d/%02d/%02d", year, month, day);
    return buf;
}

std::string FormatLongTime(int hour, int minute, int second)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "%d:%02d:%02d", hour, minute, second);
    return buf;
}

}  // namespace varenta
