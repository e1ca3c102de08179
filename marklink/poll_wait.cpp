#include "poll_wait.h"

#include <cerrno>
#include <climits>
#include <poll.h>

namespace marklink {
namespace {

timespec Now()
{
    timespec now{};
    ::clock_gettime(CLOCK_MONOTONIC, &now);
    return now;
}

}  // namespace

Deadline::Deadline(std::int32_t timeoutMs)
{
    if (timeoutMs < 0) {
        unlimited_ = true;
        return;
    }
    end_ = Now();
    end_.tv_sec += timeoutMs / 1000;
    end_.tv_nsec += static_cast<long>(timeoutMs % 1000) * 1000000L;
    if (end_.tv_nsec >= 1000000000L) {
        end_.tv_sec += 1;
        end_.tv_nsec -= 1000000000L;
    }
}

int Deadline::RemainingMs(int capMs) const
{
    if (unlimited_)
        return capMs;
    timespec now = Now();
    long long ms = (static_cast<long long>(end_.tv_sec) - now.tv_sec) * 1000LL + (end_.tv_nsec - now.tv_nsec) / 1000000L;
    if ((end_.tv_nsec - now.tv_nsec) % 1000000L > 0)
        ++ms;  // round up so that a wait never ends before the deadline
    if (ms < 0)
        ms = 0;
    if (capMs >= 0 && ms > capMs)
        ms = capMs;
    return ms > INT_MAX ? INT_MAX : static_cast<int>(ms);
}

bool Deadline::Passed() const
{
    return !unlimited_ && RemainingMs() == 0;
}

WaitResult WaitFor(int fd, short events, const Deadline& deadline, int sliceMs)
{
    for (;;) {
        pollfd entry{fd, events, 0};
        const int waitMs = deadline.RemainingMs(sliceMs);
        const int ready = ::poll(&entry, 1, waitMs);
        if (ready > 0)
            return WaitResult::kReady;
        if (ready < 0 && errno != EINTR)
            return WaitResult::kFailed;
        if (deadline.Passed())
            return WaitResult::kTimedOut;
    }
}

}  // namespace marklink
