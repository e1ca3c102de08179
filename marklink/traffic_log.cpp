#include "traffic_log.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace marklink {
namespace {

using Entry = std::array<char, 6>;  // at most 5 characters and a terminator

constexpr const char* kControlNames[32] = {
    "[NUL]", "[SOH]", "[STX]", "[ETX]", "[EOT]", "[ENQ]", "[ACK]", "[BEL]",
    "[BS]",  "[HT]",  "[LF]",  "[VT]",  "[FF]",  "[CR]",  "[SO]",  "[SI]",
    "[DLE]", "[DC1]", "[DC2]", "[DC3]", "[DC4]", "[NAK]", "[SYN]", "[ETB]",
    "[CAN]", "[EM]",  "[SUB]", "[ESC]", "[FS]",  "[GS]",  "[RS]",  "[US]",
};

constexpr Entry HexEntry(unsigned byte)
{
    constexpr char digits[] = "0123456789abcdef";
    return Entry{'[', digits[byte >> 4], digits[byte & 0xF], ']', 0, 0};
}

constexpr Entry MakeEntry(unsigned byte)
{
    Entry entry{};
    if (byte < 0x20) {
        const char* name = kControlNames[byte];
        for (int i = 0; name[i] != 0; ++i)
            entry[i] = name[i];
    } else if (byte == '[') {
        entry = Entry{'[', '<', ']', 0, 0, 0};
    } else if (byte == ']') {
        entry = Entry{'[', '>', ']', 0, 0, 0};
    } else if (byte <= 0x7E) {
        entry[0] = static_cast<char>(byte);
    } else if (byte >= 0xA1 && byte <= 0xDF && byte != 0xA5) {
        // Half-width katakana of Shift-JIS pass through as they are.
        entry[0] = static_cast<char>(byte);
    } else {
        entry = HexEntry(byte);
    }
    return entry;
}

constexpr std::array<Entry, 256> MakeTable()
{
    std::array<Entry, 256> table{};
    for (unsigned i = 0; i < 256; ++i)
        table[i] = MakeEntry(i);
    return table;
}

constexpr std::array<Entry, 256> kEntries = MakeTable();

void AppendLine(const std::string& path, const std::string& line)
{
    int fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0)
        return;  // the log never disturbs the traffic it records
    std::string withEnd = line + "\n";
    [[maybe_unused]] ssize_t written = ::write(fd, withEnd.data(), withEnd.size());
    ::close(fd);
}

}  // namespace

std::string_view LogEntry(std::uint8_t byte)
{
    return std::string_view(kEntries[byte].data());
}

std::string RenderLogLine(LogKind kind, std::uint32_t elapsedMs, const void* bytes, std::size_t length)
{
    std::string line;
    line.reserve(1024);
    if (kind == LogKind::kUntimed) {
        line = "[             ];";
    } else {
        char prefix[48];
        const char mark = kind == LogKind::kReceived ? '>' : kind == LogKind::kSent ? '<' : kind == LogKind::kEvent ? '*' : ';';
        std::snprintf(prefix, sizeof prefix, "[+%10ldms]%c", static_cast<long>(std::min(elapsedMs, kLogElapsedCap)), mark);
        line = prefix;
    }
    const auto* data = static_cast<const std::uint8_t*>(bytes);
    std::size_t rendered = 0;
    for (std::size_t i = 0; i < length && rendered < kLogRenderLimit; ++i) {
        std::string_view entry = LogEntry(data[i]);
        line += entry;
        rendered += entry.size();
    }
    return line;
}

std::string LogFileName(const std::optional<std::string>& executableDirectory, const std::tm& localDate)
{
    char date[48];
    std::snprintf(date, sizeof date, "%02d%02d%02d", localDate.tm_year % 100, localDate.tm_mon + 1, localDate.tm_mday);
    if (!executableDirectory)
        return std::string("Log_") + date + ".log";
    return *executableDirectory + "/marklink_" + date + ".log";
}

std::optional<std::string> ExecutableDirectory()
{
    char path[4096];
    ssize_t length = ::readlink("/proc/self/exe", path, sizeof path - 1);
    if (length <= 0)
        return std::nullopt;
    std::string executable(path, static_cast<std::size_t>(length));
    auto slash = executable.rfind('/');
    if (slash == std::string::npos)
        return std::nullopt;
    return executable.substr(0, slash == 0 ? 1 : slash);
}

TrafficLog::TrafficLog(DirectoryFinder findDirectory) : findDirectory_(std::move(findDirectory)) {}

void TrafficLog::Write(LogKind kind, const void* bytes, std::size_t length)
{
    timespec now{};
    ::clock_gettime(CLOCK_MONOTONIC, &now);
    // A millisecond tick counter that wraps like a 32-bit one.
    const auto tick = static_cast<std::uint32_t>(static_cast<std::uint64_t>(now.tv_sec) * 1000u + static_cast<std::uint64_t>(now.tv_nsec) / 1000000u);
    std::time_t wall = std::time(nullptr);
    std::tm local{};
    ::localtime_r(&wall, &local);
    WriteAt(kind, bytes, length, tick, local);
}

void TrafficLog::WriteAt(LogKind kind, const void* bytes, std::size_t length, std::uint32_t tickMs, const std::tm& local)
{
    std::uint32_t elapsed = 0;
    if (kind != LogKind::kUntimed) {
        elapsed = tickMs - lastTick_;
        lastTick_ = tickMs;
    }
    std::string line = RenderLogLine(kind, elapsed, bytes, length);

    char date[48];
    std::snprintf(date, sizeof date, "%02d/%02d/%02d", local.tm_mon + 1, local.tm_mday, local.tm_year % 100);
    if (filePath_.empty() || std::strncmp(date, date_, sizeof date_) != 0) {
        std::memcpy(date_, date, sizeof date_ - 1);
        date_[sizeof date_ - 1] = 0;
        filePath_ = LogFileName(findDirectory_(), local);
    }
    AppendLine(filePath_, line);
}

}  // namespace marklink
