// USB transport: one write per command, one read per device message, both
// bounded by poll() time limits.
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include "marklink.h"
#include "poll_wait.h"
#include "state.h"
#include "transport.h"

namespace marklink {

std::string UsbNodePath(const std::string& pattern, int n)
{
    std::string path = pattern;
    const auto at = path.find("%d");
    if (at != std::string::npos)
        path.replace(at, 2, std::to_string(n));
    return path;
}

int OpenUsbNode(const char* path)
{
    struct stat info{};
    if (::stat(path, &info) != 0)
        return -1;
    if (S_ISCHR(info.st_mode))
        return ::open(path, O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (!S_ISSOCK(info.st_mode))
        return -1;

    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (std::strlen(path) >= sizeof address.sun_path)
        return -1;
    std::strcpy(address.sun_path, path);
    int fd = ::socket(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return -1;
    if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

}  // namespace marklink

using namespace marklink;

extern "C" {

int32_t _OMR_SendDataUSB(const void* buffer, int32_t* count, int32_t timeoutMs)
{
    if (buffer == nullptr || count == nullptr || *count <= 0)
        return OMR_ERR_PARAMETER;
    LibraryState& state = State();
    if (state.Logging())
        state.log.Write(LogKind::kSent, buffer, static_cast<std::size_t>(*count));

    const Deadline deadline(timeoutMs);
    int32_t result = OMR_ERR_UNSUCCESSFUL;
    ssize_t written = 0;
    for (;;) {
        written = ::write(state.fd, buffer, static_cast<std::size_t>(*count));
        if (written >= 0) {
            result = OMR_NORMAL;
            break;
        }
        if (errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR)
            break;
        const WaitResult wait = WaitFor(state.fd, POLLOUT, deadline);
        if (wait == WaitResult::kTimedOut) {
            result = OMR_ERR_TIMEOUT;
            break;
        }
        if (wait == WaitResult::kFailed)
            break;
    }
    *count = written > 0 ? static_cast<int32_t>(written) : 0;
    return result;
}

int32_t _OMR_ReceiveDataUSB(void* buffer, int32_t* count, int32_t timeoutMs)
{
    if (buffer == nullptr || count == nullptr || *count <= 0)
        return OMR_ERR_PARAMETER;
    LibraryState& state = State();

    const Deadline deadline(timeoutMs);
    int32_t result = OMR_ERR_UNSUCCESSFUL;
    ssize_t received = 0;
    for (;;) {
        // One read is one device message; a longer message is cut at the
        // buffer's end, never written past it.
        received = ::read(state.fd, buffer, static_cast<std::size_t>(*count));
        if (received > 0) {
            result = OMR_NORMAL;
            break;
        }
        if (received == 0)
            break;  // the device went away
        if (errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR)
            break;
        const WaitResult wait = WaitFor(state.fd, POLLIN, deadline);
        if (wait == WaitResult::kTimedOut) {
            result = OMR_ERR_TIMEOUT;
            break;
        }
        if (wait == WaitResult::kFailed)
            break;
    }
    *count = received > 0 ? static_cast<int32_t>(received) : 0;
    if (state.Logging())
        state.log.Write(LogKind::kReceived, buffer, static_cast<std::size_t>(*count));
    return result;
}

}  // extern "C"
