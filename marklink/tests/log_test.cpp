// The traffic log as a host program sees it: the daily file beside the
// executable, one line per USB transfer or event.
#include <gtest/gtest.h>

#include <ctime>
#include <unistd.h>
#include <fstream>
#include <regex>
#include <sstream>

#include "reader_session.h"

namespace marklink_test {
namespace {

std::vector<std::string> ReadLines(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// Today's log file of this test program: beside its executable.
std::string TodaysLog()
{
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char name[32];
    std::strftime(name, sizeof name, "marklink_%y%m%d.log", &local);
    char executable[4096] = {};
    const ssize_t length = ::readlink("/proc/self/exe", executable, sizeof executable - 1);
    std::string directory(executable, length > 0 ? static_cast<std::size_t>(length) : 0);
    return directory.substr(0, directory.rfind('/') + 1) + name;
}

class TrafficLogTest : public testing::Test {
protected:
    void SetUp() override
    {
        path_ = TodaysLog();
        std::remove(path_.c_str());
    }
    void TearDown() override
    {
        OMR_SetLogMode(0);
        std::remove(path_.c_str());
    }
    std::string path_;
};

// "[+", the elapsed milliseconds right-aligned in 10 places, "ms]", a mark.
const std::regex kTimed(R"(\[\+ *[0-9]+ms\][<>*;].*)");

TEST_F(TrafficLogTest, UsbExchangeIsLoggedLineByLine)
{
    OMR_SetLogMode(1);
    {
        ReaderSession session(Link::kUsb);
        ASSERT_TRUE(session.Opened());
        EXPECT_EQ(OMR_OpenDeviceUSB(), 1);
        session.Reader().SetPayload("ST", "[x]\r");
        EXPECT_EQ(OMR_GetStatus(), 0);
    }
    const auto lines = ReadLines(path_);
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines[0].substr(15), "*Open");
    EXPECT_EQ(lines[1].substr(0, 16), "[             ];");
    EXPECT_NE(lines[1].find("/omr0"), std::string::npos);
    EXPECT_EQ(lines[2].substr(15), "*Open");
    EXPECT_EQ(lines[3], "[             ];Open:Fail");
    EXPECT_EQ(lines[4].substr(15), "<ST");
    EXPECT_EQ(lines[5].substr(15), ">[ACK]");
    EXPECT_EQ(lines[6].substr(15), ">ST@@@@[<]x[>][CR]");
    for (int timed : {0, 2, 4, 5, 6}) {
        EXPECT_TRUE(std::regex_match(lines[timed], kTimed)) << lines[timed];
        EXPECT_EQ(lines[timed].substr(12, 3), "ms]") << lines[timed];
    }
}

TEST_F(TrafficLogTest, LongTransferIsCutAfterTheEntryReaching1002Characters)
{
    OMR_SetLogMode(1);
    ReaderSession session(Link::kUsb);
    ASSERT_TRUE(session.Opened());
    // "SP", "A" and 0x85 as "[85]" give 7 characters, then every NUL five:
    // the 199th NUL brings the rendered part to 1002, and the line stops.
    std::string data = "A\x85" + std::string(1998, '\0');
    ASSERT_EQ(_OMR_SendCommandBinaryAndGetResponse("SP", data.data(), static_cast<int32_t>(data.size())), 0);
    const auto lines = ReadLines(path_);
    ASSERT_GE(lines.size(), 3u);
    const std::string& sent = lines[2];
    ASSERT_EQ(sent.substr(15, 13), "<SPA[85][NUL]");
    EXPECT_EQ(sent.size(), 16u + 1002u);
    EXPECT_EQ(sent.substr(sent.size() - 5), "[NUL]");
}

TEST_F(TrafficLogTest, NothingIsLoggedWhenOffOrOverSerial)
{
    {
        ReaderSession usb(Link::kUsb);
        ASSERT_TRUE(usb.Opened());
        EXPECT_EQ(OMR_GetStatus(), 0);
    }
    OMR_SetLogMode(1);
    {
        ReaderSession serial(Link::kSerial);
        ASSERT_TRUE(serial.Opened());
        EXPECT_EQ(OMR_GetStatus(), 0);
    }
    EXPECT_TRUE(ReadLines(path_).empty());
    EXPECT_EQ(OMR_GetLogMode(), 0);  // the session switched it off again
}

}  // namespace
}  // namespace marklink_test
