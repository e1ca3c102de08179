// Serial transport: a termios port in raw 8N1 mode. Commands go out framed
// (see the protocol layer); the reader answers with bare ACK / NAK bytes and
// framed replies, which are unframed and CRC-checked here.
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include "crc16.h"
#include "marklink.h"
#include "poll_wait.h"
#include "state.h"
#include "transport.h"

namespace marklink {
namespace {

constexpr std::uint8_t kStx = 0x02;
constexpr std::uint8_t kAck = 0x06;
constexpr std::uint8_t kNak = 0x15;
constexpr int kReadSliceMs = 1000;   // longest wait of one read call
constexpr int kWriteLimitMs = 1000;  // longest time one frame may take to go out

struct BaudRate {
    std::int32_t rate;
    speed_t speed;
};

constexpr BaudRate kBaudRates[] = {
    {50, B50}, {75, B75}, {110, B110}, {134, B134}, {150, B150}, {200, B200}, {300, B300},
    {600, B600}, {1200, B1200}, {1800, B1800}, {2400, B2400}, {4800, B4800}, {9600, B9600},
    {19200, B19200}, {38400, B38400}, {57600, B57600}, {115200, B115200}, {230400, B230400},
    {460800, B460800}, {500000, B500000}, {576000, B576000}, {921600, B921600},
    {1000000, B1000000}, {1152000, B1152000}, {1500000, B1500000}, {2000000, B2000000},
    {2500000, B2500000}, {3000000, B3000000}, {3500000, B3500000}, {4000000, B4000000},
};

bool SpeedFor(std::int32_t rate, speed_t* speed)
{
    for (const BaudRate& entry : kBaudRates) {
        if (entry.rate == rate) {
            *speed = entry.speed;
            return true;
        }
    }
    return false;
}

bool SetLine(int fd, std::int32_t baudRate)
{
    speed_t speed{};
    if (!SpeedFor(baudRate, &speed))
        return false;
    termios line{};
    if (::tcgetattr(fd, &line) != 0)
        return false;
    ::cfmakeraw(&line);
    line.c_iflag &= ~static_cast<tcflag_t>(IXON | IXOFF | IXANY | INPCK | ISTRIP | IGNPAR | PARMRK);
    line.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB | CSTOPB | CRTSCTS);
    line.c_cflag |= CS8 | CREAD | CLOCAL;
    // Reads are timed with poll(). VMIN 1 makes a non-blocking read with
    // nothing to deliver fail with EAGAIN, so a read of 0 means hang-up.
    line.c_cc[VMIN] = 1;
    line.c_cc[VTIME] = 0;
    if (::cfsetispeed(&line, speed) != 0 || ::cfsetospeed(&line, speed) != 0)
        return false;
    if (::tcsetattr(fd, TCSANOW, &line) != 0)
        return false;
    // tcsetattr succeeds when any one setting took; make sure the rate did.
    termios check{};
    return ::tcgetattr(fd, &check) == 0 && ::cfgetospeed(&check) == speed;
}

bool RaiseModemLines(int fd)
{
    int lines = TIOCM_DTR | TIOCM_RTS;
    if (::ioctl(fd, TIOCMBIS, &lines) == 0)
        return true;
    // A pseudo-terminal has no modem lines; such a port is used without them.
    return errno == ENOTTY || errno == EINVAL;
}

// Reads exactly `length` bytes (into `into`, or discarded when into is null)
// before the deadline. Returns 0, 5 on timeout, 1 on failure.
int32_t ReadExactly(int fd, std::uint8_t* into, std::size_t length, const Deadline& deadline, std::uint16_t* crc)
{
    std::uint8_t scratch[256];
    while (length > 0) {
        std::uint8_t* target = into != nullptr ? into : scratch;
        const std::size_t want = into != nullptr ? length : std::min(length, sizeof scratch);
        const ssize_t got = ::read(fd, target, want);
        if (got > 0) {
            for (ssize_t i = 0; i < got; ++i)
                *crc = Crc16Update(*crc, target[i]);
            length -= static_cast<std::size_t>(got);
            if (into != nullptr)
                into += got;
            continue;
        }
        if (got == 0 || (errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR))
            return OMR_ERR_UNSUCCESSFUL;  // hung up or failed
        const WaitResult wait = WaitFor(fd, POLLIN, deadline, kReadSliceMs);
        if (wait == WaitResult::kTimedOut)
            return OMR_ERR_TIMEOUT;
        if (wait == WaitResult::kFailed)
            return OMR_ERR_UNSUCCESSFUL;
    }
    return OMR_NORMAL;
}

}  // namespace

int OpenSerialPort(const char* port, std::int32_t baudRate)
{
    if (port == nullptr)
        return -1;
    int fd = ::open(port, O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return -1;
    if (!::isatty(fd) || ::ioctl(fd, TIOCEXCL) != 0 || !SetLine(fd, baudRate) || !RaiseModemLines(fd)) {
        ReleaseSerialPort(fd);
        ::close(fd);
        return -1;
    }
    ::tcflush(fd, TCIOFLUSH);
    return fd;
}

void ReleaseSerialPort(int fd)
{
    ::ioctl(fd, TIOCNXCL);
}

}  // namespace marklink

using namespace marklink;

extern "C" {

int32_t _OMR_SendDataSerial(const void* buffer, int32_t* count, int32_t /*timeoutMs*/)
{
    if (buffer == nullptr || count == nullptr || *count <= 0)
        return OMR_ERR_PARAMETER;
    const int fd = State().fd;
    const auto* bytes = static_cast<const std::uint8_t*>(buffer);
    std::size_t left = static_cast<std::size_t>(*count);
    const Deadline deadline(kWriteLimitMs);
    while (left > 0) {
        const ssize_t written = ::write(fd, bytes, left);
        if (written > 0) {
            bytes += written;
            left -= static_cast<std::size_t>(written);
            continue;
        }
        if (written < 0 && errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR)
            return OMR_ERR_UNSUCCESSFUL;
        if (WaitFor(fd, POLLOUT, deadline) != WaitResult::kReady)
            return OMR_ERR_UNSUCCESSFUL;
    }
    return OMR_NORMAL;
}

int32_t _OMR_ReceiveDataSerial(void* buffer, int32_t* count, int32_t timeoutMs)
{
    if (buffer == nullptr || count == nullptr || *count <= 0)
        return OMR_ERR_PARAMETER;
    const int fd = State().fd;
    auto* out = static_cast<std::uint8_t*>(buffer);
    const auto capacity = static_cast<std::size_t>(*count);
    const Deadline deadline(timeoutMs);

    std::uint16_t crc = kCrc16Start;
    std::uint8_t first = 0;
    int32_t result = ReadExactly(fd, &first, 1, deadline, &crc);
    if (result != OMR_NORMAL) {
        *count = 0;
        return result;
    }
    if (first == kNak) {
        std::uint8_t status = 0;
        result = ReadExactly(fd, &status, 1, deadline, &crc);
        if (result != OMR_NORMAL) {
            *count = 0;
            return result;
        }
        out[0] = kNak;
        if (capacity > 1)
            out[1] = status;
        *count = capacity > 1 ? 2 : 1;
        return OMR_NORMAL;
    }
    if (first != kStx) {
        out[0] = first;  // ACK, or a byte that opens no message
        *count = 1;
        return OMR_NORMAL;
    }

    std::uint8_t length[2];
    result = ReadExactly(fd, length, 2, deadline, &crc);
    const std::size_t replyLength = (static_cast<std::size_t>(length[0]) << 8) | length[1];
    const std::size_t kept = std::min(replyLength, capacity);
    if (result == OMR_NORMAL)
        result = ReadExactly(fd, out, kept, deadline, &crc);
    if (result == OMR_NORMAL)
        result = ReadExactly(fd, nullptr, replyLength - kept, deadline, &crc);
    std::uint8_t sent[2];
    std::uint16_t ignored = 0;
    if (result == OMR_NORMAL)
        result = ReadExactly(fd, sent, 2, deadline, &ignored);
    if (result != OMR_NORMAL) {
        *count = 0;
        return result;
    }
    const std::uint16_t expected = static_cast<std::uint16_t>((sent[0] << 8) | sent[1]);
    if (Crc16Finish(crc) != expected) {
        *count = 0;
        return OMR_ERR_UNSUCCESSFUL;
    }
    *count = static_cast<int32_t>(kept);
    return OMR_NORMAL;
}

}  // extern "C"
