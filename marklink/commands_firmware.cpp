// Firmware download: prepare, send the firmware file line by line, write it
// to the reader's flash memory.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "command.h"
#include "marklink.h"
#include "protocol.h"
#include "state.h"

using namespace marklink::command;

namespace {

constexpr int32_t kMaxFirmwareLine = 4093;

// The longest line one "FD" command carries on the open connection: 4093
// characters over USB, fewer over serial, where the frame header and CRC
// take room in the send buffer.
std::size_t LongestFirmwareLine()
{
    return static_cast<std::size_t>(std::min(kMaxFirmwareLine, marklink::MaxCommandText() - 2));
}

bool ReadWholeFile(const char* path, std::string* contents)
{
    if (path == nullptr)
        return false;
    std::FILE* file = std::fopen(path, "rb");
    if (file == nullptr)
        return false;
    char chunk[65536];
    bool ok = true;
    for (;;) {
        const std::size_t got = std::fread(chunk, 1, sizeof chunk, file);
        contents->append(chunk, got);
        if (got < sizeof chunk) {
            ok = std::ferror(file) == 0;
            break;
        }
    }
    std::fclose(file);
    return ok;
}

// The lines of a firmware file (without their line feeds), or nothing when
// the file cannot be sent whole: a line too long for one command, a zero
// byte that would end a line early, text after the last line feed that
// would be left out, or no line at all.
bool SplitFirmwareLines(std::string_view contents, std::vector<std::string_view>* lines)
{
    const std::size_t longest = LongestFirmwareLine();
    std::size_t start = 0;
    while (start < contents.size()) {
        const std::size_t end = contents.find('\n', start);
        if (end == std::string_view::npos)
            return false;
        const std::string_view line = contents.substr(start, end - start);
        if (line.size() > longest || line.find('\0') != std::string_view::npos)
            return false;
        lines->push_back(line);
        start = end + 1;
    }
    return !lines->empty();
}

}  // namespace

extern "C" {

int32_t OMR_PrepareForDownload(int32_t number)
{
    return Set("PD%d", number);
}

int32_t OMR_DownloadFirmware(const char* line, int32_t length)
{
    if (line == nullptr || length < 0 || length > kMaxFirmwareLine)
        return Refuse(0);
    // The line ends at its first zero byte; it is sent as it is.
    const std::size_t n = ::strnlen(line, static_cast<std::size_t>(length));
    std::string text = "FD";
    text.append(line, n);
    return SetText(text);
}

int32_t OMR_UpdateFirmware(const char* path, OMR_FirmwareProgress progress)
{
    std::string contents;
    if (!ReadWholeFile(path, &contents))
        return 0;
    std::vector<std::string_view> lines;
    if (!SplitFirmwareLines(contents, &lines))
        return Refuse(0);
    const auto fileSize = static_cast<int32_t>(contents.size());
    int32_t done = 0;
    for (const std::string_view line : lines) {
        if (OMR_DownloadFirmware(line.data(), static_cast<int32_t>(line.size())) != 1)
            return 0;
        done += static_cast<int32_t>(line.size()) + 1;
        if (progress != nullptr)
            progress(fileSize, done);
    }
    return 1;
}

int32_t OMR_WriteDownloadDataToFlashROM(void)
{
    if (!RunText("DD"))
        return 0;
    marklink::LibraryState& state = marklink::State();
    if (state.connection != marklink::Connection::kUsb)
        return 1;
    // The reader restarts after writing its flash memory.
    state.lastError = OMR_CloseDevice();
    return state.lastError == 0 ? 1 : 0;
}

}  // extern "C"
