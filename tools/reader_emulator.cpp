#include "reader_emulator.h"

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <system_error>
#include <unistd.h>

#include "marklink/crc16.h"

namespace emulator {
namespace {

constexpr char kStx = 0x02;
constexpr char kNakByte = 0x15;
constexpr char kBadFrameStatus = '4';     // NAK status for a frame whose CRC is wrong
constexpr int kFrameCompletionMs = 100;   // how long a partial serial frame may stall
constexpr std::size_t kMaxMessage = 65536;

[[noreturn]] void Fail(const char* what)
{
    throw std::system_error(errno, std::generic_category(), what);
}

std::uint16_t CrcOf(const std::string& bytes, std::size_t length)
{
    return marklink::Crc16(bytes.data(), length);
}

bool CrcMatches(const std::string& frame, std::size_t crcAt)
{
    const std::uint16_t crc = CrcOf(frame, crcAt);
    return static_cast<std::uint8_t>(frame[crcAt]) == (crc >> 8) &&
           static_cast<std::uint8_t>(frame[crcAt + 1]) == (crc & 0xFF);
}

int BaudOf(speed_t speed)
{
    static constexpr struct {
        speed_t speed;
        int rate;
    } kRates[] = {
        {B50, 50}, {B75, 75}, {B110, 110}, {B134, 134}, {B150, 150}, {B200, 200}, {B300, 300},
        {B600, 600}, {B1200, 1200}, {B1800, 1800}, {B2400, 2400}, {B4800, 4800}, {B9600, 9600},
        {B19200, 19200}, {B38400, 38400}, {B57600, 57600}, {B115200, 115200}, {B230400, 230400},
        {B460800, 460800}, {B921600, 921600},
    };
    for (const auto& entry : kRates) {
        if (entry.speed == speed)
            return entry.rate;
    }
    return 0;
}

void WriteAll(int fd, const char* data, std::size_t length)
{
    while (length > 0) {
        const ssize_t written = ::write(fd, data, length);
        if (written < 0) {
            if (errno == EINTR || errno == EAGAIN) {
                pollfd entry{fd, POLLOUT, 0};
                ::poll(&entry, 1, 100);
                continue;
            }
            return;
        }
        data += written;
        length -= static_cast<std::size_t>(written);
    }
}

}  // namespace

Response ReplyContext::Answer(const std::string& command, const std::string& replyPayload) const
{
    Response response;
    response.reply = command.substr(0, 2) + pair0 + pair1 + replyPayload;
    return response;
}

void Fault::ApplyTo(Response& response) const
{
    switch (kind) {
    case Kind::kNak:
        response.acknowledge = std::string(1, kNakByte) + bytes;
        response.reply.reset();
        break;
    case Kind::kOneByteNak:
        response.acknowledge = std::string(1, kNakByte);
        response.reply.reset();
        break;
    case Kind::kAcknowledge:
        response.acknowledge = bytes;
        response.reply.reset();
        break;
    case Kind::kSilence:
        response.acknowledge.clear();
        response.reply.reset();
        break;
    case Kind::kNoReply:
        response.reply.reset();
        break;
    case Kind::kWrongEcho:
        if (response.reply)
            response.reply->replace(0, std::min(bytes.size(), response.reply->size()), bytes);
        break;
    case Kind::kRawReply:
        response.reply = bytes;
        break;
    case Kind::kBadCrc:
        response.corruptCrc = true;
        break;
    }
}

std::string Frame(const std::string& bytes, std::size_t lengthField)
{
    std::string frame;
    frame += kStx;
    frame += static_cast<char>((lengthField >> 8) & 0xFF);
    frame += static_cast<char>(lengthField & 0xFF);
    frame += bytes;
    const std::uint16_t crc = CrcOf(frame, frame.size());
    frame += static_cast<char>(crc >> 8);
    frame += static_cast<char>(crc & 0xFF);
    return frame;
}

std::unique_ptr<ReaderEmulator> ReaderEmulator::ServeSocket(const std::string& path)
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof address.sun_path) {
        errno = ENAMETOOLONG;
        Fail("socket path");
    }
    std::strcpy(address.sun_path, path.c_str());
    const int fd = ::socket(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0);
    if (fd < 0)
        Fail("socket");
    ::unlink(path.c_str());
    if (::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 || ::listen(fd, 8) != 0) {
        const int error = errno;
        ::close(fd);
        errno = error;
        Fail("bind");
    }
    return std::unique_ptr<ReaderEmulator>(new ReaderEmulator(Link::kSocket, path, fd, -1, -1));
}

std::unique_ptr<ReaderEmulator> ReaderEmulator::ServePseudoTerminal()
{
    const int master = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (master < 0)
        Fail("posix_openpt");
    char name[128];
    if (::grantpt(master) != 0 || ::unlockpt(master) != 0 || ::ptsname_r(master, name, sizeof name) != 0) {
        ::close(master);
        Fail("pseudo-terminal");
    }
    ::fcntl(master, F_SETFL, ::fcntl(master, F_GETFL) | O_NONBLOCK);
    const int slave = ::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (slave < 0) {
        ::close(master);
        Fail("open pseudo-terminal");
    }
    return std::unique_ptr<ReaderEmulator>(new ReaderEmulator(Link::kPseudoTerminal, name, -1, master, slave));
}

ReaderEmulator::ReaderEmulator(Link link, std::string path, int listenFd, int masterFd, int slaveFd)
    : link_(link), path_(std::move(path)), listenFd_(listenFd), masterFd_(masterFd), slaveFd_(slaveFd)
{
    int wake[2];
    if (::pipe2(wake, O_CLOEXEC) != 0)
        Fail("pipe");
    wakeRead_ = wake[0];
    wakeWrite_ = wake[1];
    thread_ = std::thread([this] { Run(); });
}

ReaderEmulator::~ReaderEmulator()
{
    const char stop = 0;
    [[maybe_unused]] ssize_t written = ::write(wakeWrite_, &stop, 1);
    thread_.join();
    ::close(wakeRead_);
    ::close(wakeWrite_);
    if (listenFd_ >= 0) {
        ::close(listenFd_);
        ::unlink(path_.c_str());
    }
    if (masterFd_ >= 0)
        ::close(masterFd_);
    if (slaveFd_ >= 0)
        ::close(slaveFd_);
}

void ReaderEmulator::SetStatus(std::string pair0, std::string pair1)
{
    std::lock_guard lock(mutex_);
    pair0_ = std::move(pair0);
    pair1_ = std::move(pair1);
}

void ReaderEmulator::SetPayload(std::string commandPrefix, std::string payload)
{
    std::lock_guard lock(mutex_);
    payloads_[std::move(commandPrefix)] = std::move(payload);
}

void ReaderEmulator::SetHandler(std::string code, Handler handler)
{
    std::lock_guard lock(mutex_);
    handlers_[std::move(code)] = std::move(handler);
}

void ReaderEmulator::Misbehave(Fault fault)
{
    std::lock_guard lock(mutex_);
    faults_.push_back(std::move(fault));
}

void ReaderEmulator::SetLinePacing(bool paced)
{
    std::lock_guard lock(mutex_);
    paced_ = paced;
}

void ReaderEmulator::OnCommand(std::function<void(const std::string&)> observer)
{
    std::lock_guard lock(mutex_);
    observer_ = std::move(observer);
}

std::vector<std::string> ReaderEmulator::Commands() const
{
    std::lock_guard lock(mutex_);
    return commands_;
}

void ReaderEmulator::ClearCommands()
{
    std::lock_guard lock(mutex_);
    commands_.clear();
}

std::optional<termios> ReaderEmulator::LineSettings() const
{
    if (slaveFd_ < 0)
        return std::nullopt;
    termios settings{};
    if (::tcgetattr(slaveFd_, &settings) != 0)
        return std::nullopt;
    return settings;
}

Response ReaderEmulator::Answer(const std::string& command)
{
    ReplyContext context;
    Handler handler;
    std::optional<Fault> fault;
    std::function<void(const std::string&)> observer;
    {
        std::lock_guard lock(mutex_);
        commands_.push_back(command);
        context.pair0 = pair0_;
        context.pair1 = pair1_;
        std::size_t longest = 0;
        for (const auto& [prefix, payload] : payloads_) {
            if (prefix.size() >= longest && command.compare(0, prefix.size(), prefix) == 0) {
                longest = prefix.size();
                context.payload = payload;
            }
        }
        if (auto found = handlers_.find(command.substr(0, 2)); found != handlers_.end())
            handler = found->second;
        observer = observer_;
        if (!faults_.empty()) {
            fault = faults_.front();
            faults_.pop_front();
        }
    }
    if (observer)
        observer(command);
    // The handler runs without the lock, so it may call back into the emulator.
    Response response = handler ? handler(command, context) : context.Answer(command, context.payload);
    if (fault)
        fault->ApplyTo(response);
    return response;
}

void ReaderEmulator::Run()
{
    int client = -1;
    for (;;) {
        pollfd fds[2] = {{wakeRead_, POLLIN, 0}, {-1, POLLIN, 0}};
        int timeoutMs = -1;
        if (link_ == Link::kSocket) {
            fds[1].fd = client >= 0 ? client : listenFd_;
        } else {
            fds[1].fd = masterFd_;
            if (!serialInput_.empty())
                timeoutMs = kFrameCompletionMs;
        }
        const int ready = ::poll(fds, 2, timeoutMs);
        if (ready < 0 && errno != EINTR)
            break;
        if ((fds[0].revents & POLLIN) != 0)
            break;
        if (link_ == Link::kPseudoTerminal) {
            ServeSerialBytes();
            continue;
        }
        if (fds[1].revents == 0)
            continue;
        if (client < 0) {
            client = ::accept4(listenFd_, nullptr, nullptr, SOCK_CLOEXEC);
            continue;
        }
        char message[kMaxMessage];
        const ssize_t received = ::recv(client, message, sizeof message, 0);
        if (received <= 0) {
            ::close(client);  // the library closed the device
            client = -1;
            continue;
        }
        SendSocket(client, Answer(std::string(message, static_cast<std::size_t>(received))));
    }
    if (client >= 0)
        ::close(client);
}

void ReaderEmulator::SendSocket(int client, const Response& response)
{
    if (!response.acknowledge.empty())
        ::send(client, response.acknowledge.data(), response.acknowledge.size(), MSG_NOSIGNAL);
    if (response.reply)
        ::send(client, response.reply->data(), response.reply->size(), MSG_NOSIGNAL);
}

void ReaderEmulator::ServeSerialBytes()
{
    char chunk[4096];
    const ssize_t received = ::read(masterFd_, chunk, sizeof chunk);
    const bool stalled = received <= 0;
    if (received > 0)
        serialInput_.append(chunk, static_cast<std::size_t>(received));

    // A text frame announces its text length, a data frame the length of its
    // data block without the two code characters; the CRC tells them apart.
    for (;;) {
        const auto start = serialInput_.find(kStx);
        if (start == std::string::npos) {
            serialInput_.clear();
            return;
        }
        serialInput_.erase(0, start);
        if (serialInput_.size() < 3)
            return;
        const std::size_t length = (static_cast<std::uint8_t>(serialInput_[1]) << 8) | static_cast<std::uint8_t>(serialInput_[2]);
        const std::size_t textFrame = 3 + length + 2;
        const std::size_t dataFrame = 3 + 2 + length + 2;
        std::size_t consumed = 0;
        std::string command;
        if (serialInput_.size() >= textFrame && CrcMatches(serialInput_, textFrame - 2)) {
            consumed = textFrame;
            command = serialInput_.substr(3, length);
        } else if (serialInput_.size() >= dataFrame && CrcMatches(serialInput_, dataFrame - 2)) {
            consumed = dataFrame;
            command = serialInput_.substr(3, length + 2);
        } else if (serialInput_.size() >= dataFrame || (stalled && serialInput_.size() >= textFrame)) {
            serialInput_.clear();  // a damaged frame: refuse it
            SendSerial(Response{std::string{kNakByte, kBadFrameStatus}, std::nullopt, false});
            return;
        } else {
            if (stalled)
                serialInput_.clear();  // a frame that never completed
            return;
        }
        serialInput_.erase(0, consumed);
        SendSerial(Answer(command));
    }
}

void ReaderEmulator::SendSerial(const Response& response)
{
    if (!response.acknowledge.empty())
        WriteAll(masterFd_, response.acknowledge.data(), response.acknowledge.size());
    if (!response.reply)
        return;
    std::string frame = Frame(*response.reply, response.reply->size());
    if (response.corruptCrc)
        frame.back() = static_cast<char>(frame.back() ^ 0x5A);
    WritePaced(frame);
}

void ReaderEmulator::WritePaced(const std::string& bytes)
{
    bool paced = false;
    {
        std::lock_guard lock(mutex_);
        paced = paced_;
    }
    termios line{};
    const int baud = paced && ::tcgetattr(masterFd_, &line) == 0 ? BaudOf(::cfgetospeed(&line)) : 0;
    if (baud == 0) {
        WriteAll(masterFd_, bytes.data(), bytes.size());
        return;
    }
    // 10 bit times per byte: start bit, 8 data bits, stop bit.
    using Clock = std::chrono::steady_clock;
    const auto start = Clock::now();
    constexpr std::size_t kChunk = 8;
    for (std::size_t sent = 0; sent < bytes.size(); sent += kChunk) {
        const std::size_t n = std::min(kChunk, bytes.size() - sent);
        const auto due = start + std::chrono::microseconds((sent + n) * 10 * 1000000 / static_cast<std::size_t>(baud));
        std::this_thread::sleep_until(due);
        WriteAll(masterFd_, bytes.data() + sent, n);
    }
}

}  // namespace emulator
