#pragma once
// The optional traffic log: one line per USB transfer or event, appended to
// a daily file beside the host program's executable.
//
// Line layout: a 16-character prefix, then the bytes rendered one by one
// through a fixed 256-entry table (control bytes as "[CR]", "[" and "]" as
// "[<]" and "[>]", bytes that are neither ASCII nor half-width katakana as
// two hex digits in brackets). A line stops after the entry that brings the
// rendered bytes to 1002 characters or more.
#include <cstddef>
#include <cstdint>
#include <ctime>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace marklink {

enum class LogKind {
    kReceived,  // timed, "[+      1234ms]>"
    kSent,      // timed, "[+      1234ms]<"
    kEvent,     // timed, "[+      1234ms]*"
    kNote,      // timed, "[+      1234ms];"
    kUntimed,   // "[             ];"
};

constexpr std::size_t kLogPrefixLength = 16;
constexpr std::size_t kLogRenderLimit = 1024 - kLogPrefixLength - 6;  // 1002
constexpr std::uint32_t kLogElapsedCap = 999999;

// The rendering of one byte in a log line.
std::string_view LogEntry(std::uint8_t byte);

// One whole line without its line feed. elapsedMs is ignored for untimed
// lines and capped at 999999.
std::string RenderLogLine(LogKind kind, std::uint32_t elapsedMs, const void* bytes, std::size_t length);

// "<dir>/marklink_YYMMDD.log", or "Log_YYMMDD.log" without a directory.
std::string LogFileName(const std::optional<std::string>& executableDirectory, const std::tm& localDate);

// Directory of the running executable (not of this library), if known.
std::optional<std::string> ExecutableDirectory();

class TrafficLog {
public:
    using DirectoryFinder = std::function<std::optional<std::string>()>;

    explicit TrafficLog(DirectoryFinder findDirectory = ExecutableDirectory);

    // Writes one line stamped with the system tick count and local date.
    void Write(LogKind kind, const void* bytes, std::size_t length);
    void Write(LogKind kind, std::string_view text) { Write(kind, text.data(), text.size()); }

    // Same, at a given moment (tick count in ms, local date and time).
    void WriteAt(LogKind kind, const void* bytes, std::size_t length, std::uint32_t tickMs, const std::tm& local);

    const std::string& FilePath() const { return filePath_; }

private:
    DirectoryFinder findDirectory_;
    std::string filePath_;
    char date_[9] = {};        // "MM/DD/YY" of the last line
    std::uint32_t lastTick_ = 0;  // tick of the last timed line
};

}  // namespace marklink
