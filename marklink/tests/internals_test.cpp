// Pieces of the library below its C interface: the frame CRC and the
// traffic log's rendering and daily files.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "crc16.h"
#include "reader_session.h"
#include "traffic_log.h"

namespace marklink_test {
namespace {

TEST(Crc16Test, MatchesTheX25CheckValueAndTheStatusQueryFrame)
{
    EXPECT_EQ(marklink::Crc16("123456789", 9), 0x906E);
    const unsigned char header[] = {0x02, 0x00, 0x02, 'S', 'T'};
    EXPECT_EQ(marklink::Crc16(header, sizeof header), 0x8179);
}

TEST(LogRenderTest, EveryByteHasItsEntry)
{
    struct Case {
        unsigned byte;
        const char* entry;
    };
    const Case cases[] = {
        {0x00, "[NUL]"}, {0x02, "[STX]"}, {0x06, "[ACK]"}, {0x09, "[HT]"}, {0x0D, "[CR]"},
        {0x15, "[NAK]"}, {0x1B, "[ESC]"}, {0x1F, "[US]"}, {0x20, " "}, {'A', "A"},
        {0x5B, "[<]"}, {0x5D, "[>]"}, {0x7E, "~"}, {0x7F, "[7f]"}, {0x85, "[85]"},
        {0xA0, "[a0]"}, {0xA1, "\xA1"}, {0xA5, "[a5]"}, {0xB1, "\xB1"}, {0xDF, "\xDF"},
        {0xE0, "[e0]"}, {0xFF, "[ff]"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(marklink::LogEntry(static_cast<std::uint8_t>(c.byte)), c.entry) << c.byte;
    for (unsigned byte = 0; byte < 256; ++byte) {
        const auto entry = marklink::LogEntry(static_cast<std::uint8_t>(byte));
        EXPECT_TRUE(entry.size() >= 1 && entry.size() <= 5) << byte;
    }
}

TEST(LogRenderTest, PrefixesAreSixteenCharactersAndTheElapsedTimeIsCapped)
{
    using marklink::LogKind;
    using marklink::RenderLogLine;
    EXPECT_EQ(RenderLogLine(LogKind::kReceived, 12, "x", 1), "[+        12ms]>x");
    EXPECT_EQ(RenderLogLine(LogKind::kSent, 0, "x", 1), "[+         0ms]<x");
    EXPECT_EQ(RenderLogLine(LogKind::kEvent, 999999, "", 0), "[+    999999ms]*");
    EXPECT_EQ(RenderLogLine(LogKind::kNote, 1000000, "", 0), "[+    999999ms];");
    EXPECT_EQ(RenderLogLine(LogKind::kUntimed, 77, "x", 1), "[             ];x");
}

std::tm LocalAt(int year, int month, int day, int hour, int minute)
{
    std::tm moment{};
    moment.tm_year = year - 1900;
    moment.tm_mon = month - 1;
    moment.tm_mday = day;
    moment.tm_hour = hour;
    moment.tm_min = minute;
    return moment;
}

std::vector<std::string> Lines(const std::string& path)
{
    std::ifstream in(path);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

TEST(TrafficLogFileTest, NewFileAfterMidnightAndUntimedLinesKeepTheReference)
{
    TempDir dir;
    marklink::TrafficLog log([&] { return std::optional<std::string>(dir.Path()); });
    using marklink::LogKind;
    log.WriteAt(LogKind::kEvent, "Open", 4, 5000, LocalAt(2008, 3, 3, 23, 59));
    log.WriteAt(LogKind::kUntimed, "path", 4, 5100, LocalAt(2008, 3, 3, 23, 59));
    log.WriteAt(LogKind::kSent, "ST", 2, 5250, LocalAt(2008, 3, 3, 23, 59));
    log.WriteAt(LogKind::kReceived, "[ACK]", 5, 65250, LocalAt(2008, 3, 4, 0, 0));

    EXPECT_EQ(Lines(dir / "marklink_080303.log"),
              (std::vector<std::string>{"[+      5000ms]*Open", "[             ];path", "[+       250ms]<ST"}));
    EXPECT_EQ(Lines(dir / "marklink_080304.log"), std::vector<std::string>{"[+     60000ms]>[<]ACK[>]"});
}

TEST(TrafficLogFileTest, UnwritableDirectoryIsSilentAndUnknownDirectoryUsesTheFallbackName)
{
    marklink::TrafficLog log([] { return std::optional<std::string>("/nonexistent/dir"); });
    log.WriteAt(marklink::LogKind::kEvent, "Open", 4, 1, LocalAt(2008, 3, 3, 12, 0));
    EXPECT_EQ(log.FilePath(), "/nonexistent/dir/marklink_080303.log");
    EXPECT_EQ(marklink::LogFileName(std::nullopt, LocalAt(2008, 3, 3, 12, 0)), "Log_080303.log");
}

}  // namespace
}  // namespace marklink_test
