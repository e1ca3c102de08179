#include "process.h"

#include "common/text_file.h"

#include <cerrno>
#include <csignal>
#include <ctime>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace sheetrun {

namespace {

constexpr int kCheckIntervalMs = 10;

}  // namespace

long long MonotonicMs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
}

void Delay(int ms, const std::function<void(int)>& pump)
{
    const long long start = MonotonicMs();
    for (;;) {
        const long long elapsed = MonotonicMs() - start;
        if (elapsed >= ms)
            return;
        pump(static_cast<int>(ms - elapsed));
    }
}

std::string VarentaProgram(const std::string& directory)
{
    const std::string beside = directory + "/varenta";
    if (!directory.empty() && ::access(beside.c_str(), X_OK) == 0)
        return beside;
    return "varenta";
}

bool RunAndWait(const std::string& program, const std::function<void(int)>& pump)
{
    // The child reports a failed exec through this pipe; a successful exec
    // closes it (close-on-exec) and the parent reads end of file.
    int report[2];
    if (::pipe2(report, O_CLOEXEC) != 0)
        return false;
    const pid_t child = ::fork();
    if (child < 0) {
        ::close(report[0]);
        ::close(report[1]);
        return false;
    }
    if (child == 0) {
        ::close(report[0]);
        // Only async-signal-safe calls from here on.
        char* const argv[] = {const_cast<char*>("varenta"), nullptr};
        if (program.find('/') != std::string::npos)
            ::execv(program.c_str(), argv);
        else
            ::execvp(program.c_str(), argv);
        const int error = errno;
        [[maybe_unused]] ssize_t ignored = ::write(report[1], &error, sizeof error);
        ::_exit(127);
    }
    ::close(report[1]);
    int error = 0;
    ssize_t got;
    do
        got = ::read(report[0], &error, sizeof error);
    while (got < 0 && errno == EINTR);
    ::close(report[0]);
    const bool started = got == 0;
    for (;;) {
        int status = 0;
        const pid_t done = ::waitpid(child, &status, WNOHANG);
        if (done == child || (done < 0 && errno != EINTR))
            break;
        pump(kCheckIntervalMs);
    }
    return started;
}

}  // namespace sheetrun
