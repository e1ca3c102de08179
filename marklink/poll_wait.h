#pragma once
// Waiting on a descriptor with a time limit.
#include <cstdint>
#include <ctime>

namespace marklink {

// A point in time on the monotonic clock, or "never" for a wait without
// limit (a negative timeout).
class Deadline {
public:
    explicit Deadline(std::int32_t timeoutMs);
    // Milliseconds left, at most capMs; -1 for no limit.
    int RemainingMs(int capMs = -1) const;
    bool Passed() const;

private:
    bool unlimited_ = false;
    timespec end_{};
};

enum class WaitResult { kReady, kTimedOut, kFailed };

// Waits until fd is ready for `events` (POLLIN or POLLOUT) or the deadline
// passes. Each single poll() call waits at most sliceMs when sliceMs >= 0.
// Hang-up and errors count as ready so that the following read or write
// reports them.
WaitResult WaitFor(int fd, short events, const Deadline& deadline, int sliceMs = -1);

}  // namespace marklink
