#pragma once
// Checked file access for Shift-JIS text files with CR LF line ends.
//
// Every open, write, close, rename and delete is tested; a failure throws
// common::IoError. Subject files are replaced atomically: the new content is
// written to a temporary file beside the target and renamed over it, so a
// crash or a full disk never leaves a truncated file behind.
#include <string>
#include <string_view>
#include <vector>

namespace common {

inline constexpr std::string_view kCrLf = "\r\n";

bool FileExists(const std::string& path);

// The whole file as bytes.
std::string ReadFile(const std::string& path);

// The lines of a text: a line ends at LF, and a CR just before that LF is
// dropped. A last line without its LF is still a line; an empty text has no
// lines.
std::vector<std::string> SplitLines(std::string_view text);

// Creates or replaces path with exactly these bytes, atomically.
void WriteFileAtomically(const std::string& path, std::string_view bytes);

// Creates path empty (or truncates it).
void CreateEmptyFile(const std::string& path);

void RemoveFile(const std::string& path);

// Joins lines, each followed by CR LF.
std::string JoinCrLfLines(const std::vector<std::string>& lines);

// The directory part of path ("" when there is none) and the rest.
std::string DirectoryOf(const std::string& path);
std::string FileNameOf(const std::string& path);

// The directory of the running executable (from /proc/self/exe).
std::string ExecutableDirectory();

// A stream written piece by piece: either a file, created or truncated at
// Open, or a memory buffer (for benchmarks and tests). Writes are buffered;
// every flush and the close are checked and throw IoError. Bytes accepted
// before a failure stay in the file.
class OutputFile {
public:
    OutputFile() = default;
    ~OutputFile();
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    void Open(const std::string& path);
    void OpenMemory();
    bool IsOpen() const { return open_; }
    const std::string& Path() const { return path_; }

    void Write(std::string_view bytes);
    void WriteLine(std::string_view bytes = {}) { Write(bytes); Write(kCrLf); }
    // Hands everything written so far to the file (checked); a no-op for
    // memory streams.
    void Flush();
    void Close();

    // Everything written since OpenMemory (memory streams only).
    const std::string& Memory() const { return buffer_; }

private:
    std::string path_;
    std::string buffer_;
    int fd_ = -1;
    bool open_ = false;
    bool memory_ = false;
};

}  // namespace common
