// The firmware update: a file sent line by line, progress reported, and
// files that cannot be sent whole refused before anything goes out.
#include <gtest/gtest.h>

#include <fstream>
#include <utility>
#include <vector>

#include "reader_session.h"

namespace marklink_test {
namespace {

using Progress = std::vector<std::pair<int32_t, int32_t>>;

// The callback has no context argument, so the calls land here.
Progress& ProgressCalls()
{
    static Progress calls;
    return calls;
}

void RecordProgress(int32_t fileSize, int32_t bytesDone)
{
    ProgressCalls().emplace_back(fileSize, bytesDone);
}

class FirmwareTest : public ReaderTest {
protected:
    void SetUp() override
    {
        ReaderTest::SetUp();
        ProgressCalls().clear();
    }
    std::string WriteFile(const std::string& contents)
    {
        const std::string path = dir_ / "firmware.mot";
        std::ofstream(path, std::ios::binary) << contents;
        return path;
    }
    TempDir dir_;
};

TEST_P(FirmwareTest, SendsEveryLineAndReportsProgress)
{
    const std::string path = WriteFile("S00123456A\nS10123456B\r\nS9012345C\n");
    EXPECT_EQ(OMR_UpdateFirmware(path.c_str(), RecordProgress), 1);
    EXPECT_EQ(Reader().Commands(), (std::vector<std::string>{"FDS00123456A", "FDS10123456B\r", "FDS9012345C"}));
    EXPECT_EQ(ProgressCalls(), (Progress{{33, 11}, {33, 23}, {33, 33}}));
}

TEST_P(FirmwareTest, ThreeLinesOfTenCharacters)
{
    const std::string path = WriteFile("0123456789\nabcdefghij\nABCDEFGHIJ\n");
    EXPECT_EQ(OMR_UpdateFirmware(path.c_str(), RecordProgress), 1);
    EXPECT_EQ(Reader().Commands().size(), 3u);
    EXPECT_EQ(ProgressCalls(), (Progress{{33, 11}, {33, 22}, {33, 33}}));
    EXPECT_EQ(OMR_UpdateFirmware(path.c_str(), nullptr), 1);  // no callback
    EXPECT_EQ(Reader().Commands().size(), 6u);
}

// An empty first line once ended the update after that line, reporting
// success for a firmware that was never sent.
TEST_P(FirmwareTest, EmptyFirstLineDoesNotEndTheUpdate)
{
    const std::string path = WriteFile("\nS1\nS9\n");
    EXPECT_EQ(OMR_UpdateFirmware(path.c_str(), RecordProgress), 1);
    EXPECT_EQ(Reader().Commands(), (std::vector<std::string>{"FD", "FDS1", "FDS9"}));
    EXPECT_EQ(ProgressCalls().back(), (std::pair<int32_t, int32_t>{7, 7}));
}

TEST_P(FirmwareTest, FilesThatCannotBeSentWholeAreRefusedBeforeSending)
{
    const std::string longest(GetLink() == Link::kUsb ? 4093 : 4089, 'x');
    struct Case {
        const char* name;
        std::string contents;
    };
    const Case cases[] = {
        {"line too long after a good one", "S0\n" + std::string(4094, 'x') + "\nS9\n"},
        {"line one longer than the connection carries", "S0\n" + longest + "x\nS9\n"},
        {"text after the last line feed", "S0\nS9"},
        {"zero byte in a line", std::string("S0\nS1\0x\nS9\n", 11)},
        {"empty file", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_EQ(OMR_GetStatus(), 0);
        Reader().ClearCommands();
        EXPECT_EQ(OMR_UpdateFirmware(WriteFile(c.contents).c_str(), RecordProgress), 0);
        EXPECT_EQ(OMR_GetLastError(), OMR_ERR_PARAMETER);
        EXPECT_TRUE(Reader().Commands().empty());
    }
    EXPECT_TRUE(ProgressCalls().empty());

    // The longest line the connection carries goes through.
    Reader().ClearCommands();
    EXPECT_EQ(OMR_UpdateFirmware(WriteFile(longest + "\n").c_str(), nullptr), 1);
    ASSERT_EQ(Reader().Commands().size(), 1u);
    EXPECT_EQ(Reader().Commands()[0], "FD" + longest);
}

TEST_P(FirmwareTest, RefusedLineStopsTheUpdate)
{
    Reader().Misbehave(emulator::Fault::NoReply());  // first line: no reply
    const std::string path = WriteFile("S0\nS1\nS9\n");
    EXPECT_EQ(OMR_UpdateFirmware(path.c_str(), RecordProgress), 0);
    EXPECT_EQ(OMR_GetLastError(), OMR_ERR_TIMEOUT);
    EXPECT_EQ(Reader().Commands().size(), 1u);
    EXPECT_TRUE(ProgressCalls().empty());
}

TEST_P(FirmwareTest, MissingFileLeavesTheLastErrorAlone)
{
    Reader().Misbehave(emulator::Fault::Nak('5'));
    EXPECT_EQ(OMR_PrepareForDownload(1), 0);
    EXPECT_EQ(OMR_UpdateFirmware((dir_ / "absent.mot").c_str(), RecordProgress), 0);
    EXPECT_EQ(OMR_UpdateFirmware(nullptr, RecordProgress), 0);
    EXPECT_EQ(OMR_GetLastError(), OMR_ERR_NAK);
}

TEST_P(FirmwareTest, WritingToFlashClosesAUsbConnection)
{
    EXPECT_EQ(OMR_WriteDownloadDataToFlashROM(), 1);
    EXPECT_EQ(Reader().Commands(), std::vector<std::string>{"DD"});
    EXPECT_EQ(OMR_GetLastError(), 0);
    const bool usb = GetLink() == Link::kUsb;
    EXPECT_EQ(OMR_GetStatus(), usb ? OMR_ERR_NOT_CONNECTED : 0);
}

TEST_P(FirmwareTest, RefusedFlashWriteKeepsTheConnection)
{
    Reader().Misbehave(emulator::Fault::Nak('7'));
    EXPECT_EQ(OMR_WriteDownloadDataToFlashROM(), 0);
    EXPECT_EQ(OMR_GetLastError(), OMR_ERR_NAK);
    EXPECT_EQ(OMR_GetStatus(), 0);
}

INSTANTIATE_TEST_SUITE_P(BothLinks, FirmwareTest, testing::Values(Link::kUsb, Link::kSerial), LinkName);

}  // namespace
}  // namespace marklink_test
