// Sheet reading commands against the emulated reader: what they send, what
// they refuse, the marks reply and the copy into the caller's buffer.
#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <functional>
#include <vector>

#include "reader_session.h"

namespace marklink_test {
namespace {

class SheetTest : public ReaderTest {};

TEST_P(SheetTest, CommandsSentAndArgumentsRefused)
{
    struct Case {
        const char* name;
        std::function<int32_t()> call;
        const char* sent;  // nullptr: refused, nothing sent
    } cases[] = {
        {"hopper 1", [] { return OMR_MoveHopper(1); }, "HU1"},
        {"hopper 0", [] { return OMR_MoveHopper(0); }, "HU0"},
        {"hopper 2", [] { return OMR_MoveHopper(2); }, nullptr},
        {"eject 4", [] { return OMR_EjectSheet(4); }, "ER4"},
        {"eject 0", [] { return OMR_EjectSheet(0); }, nullptr},
        {"eject 5", [] { return OMR_EjectSheet(5); }, nullptr},
        {"method 3 as the card reader sets it", [] { return OMR_SetReadingMethod(3, 0); }, "RM1,3"},
        {"method 4, option ignored", [] { return OMR_SetReadingMethod(4, 77); }, "RM1,4"},
        {"method 1 with option", [] { return OMR_SetReadingMethod(1, 9); }, "RM1,1,9"},
        {"method 2 with option 2", [] { return OMR_SetReadingMethod(2, 2); }, "RM1,2,2"},
        {"method 2 option 1", [] { return OMR_SetReadingMethod(2, 1); }, nullptr},
        {"method 1 option 0", [] { return OMR_SetReadingMethod(1, 0); }, nullptr},
        {"method 7", [] { return OMR_SetReadingMethod(7, 0); }, nullptr},
        {"method default", [] { return OMR_SetReadingMethod(OMR_DEFAULT, 5); }, "RM3"},
        {"12 columns", [] { return OMR_SetNumberOfColumnsToRead(12); }, "NC1,12"},
        {"48 columns", [] { return OMR_SetNumberOfColumnsToRead(48); }, "NC1,48"},
        {"columns default", [] { return OMR_SetNumberOfColumnsToRead(0); }, "NC3"},
        {"49 columns", [] { return OMR_SetNumberOfColumnsToRead(49); }, nullptr},
        {"negative columns", [] { return OMR_SetNumberOfColumnsToRead(-1); }, nullptr},
        {"marks of side 2", [] { return OMR_GetMarks(2, nullptr, nullptr); }, nullptr},
        {"density of side 2", [] { char b[64]; return OMR_GetDensityLevel(2, b); }, nullptr},
        {"feed", [] { return OMR_FeedSheet(); }, "SF"},
        {"read and get data", [] { return OMR_ReadSheetAndGetData(); }, "SD"},
        {"reset", [] { return OMR_Reset(); }, "SR"},
        {"initial setting", [] { return OMR_InitialSetting(); }, "IS"},
    };
    for (const auto& c : cases) {
        Reader().ClearCommands();
        const int32_t result = c.call();
        if (c.sent == nullptr) {
            EXPECT_EQ(result, 0) << c.name;
            EXPECT_EQ(OMR_GetLastError(), OMR_ERR_PARAMETER) << c.name;
            EXPECT_TRUE(Reader().Commands().empty()) << c.name;
        } else {
            EXPECT_EQ(result, 1) << c.name;
            EXPECT_EQ(OMR_GetLastError(), 0) << c.name;
            EXPECT_EQ(Reader().Commands(), std::vector<std::string>{c.sent}) << c.name;
        }
    }
}

TEST_P(SheetTest, MarksReplyBecomesTheTable)
{
    struct Case {
        const char* name;
        const char* payload;
        int32_t rows;
        int32_t columns;
        std::vector<uint8_t> bytes;
    } cases[] = {
        {"three rows", "0123,4567,89AB", 3, 4, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 17, 18}},
        {"one row", "0000", 1, 4, {0, 0, 0, 0}},
        {"empty", "", 0, 0, {}},
        {"a short last row is padded blank", "012,3", 2, 3, {0, 1, 2, 3, 0, 0}},
        {"a short middle row takes the next row's marks", "012,3,456", 3, 3, {0, 1, 2, 3, 4, 5, 6, 0, 0}},
    };
    for (const auto& c : cases) {
        Reader().SetPayload("MD0", c.payload);
        OmrMarkInfo info{0, 100, 12};
        std::array<uint8_t, 64> buffer;
        buffer.fill(0xEE);
        // Over serial an info record reuses the previous table: query first.
        if (GetLink() == Link::kSerial) {
            ASSERT_EQ(OMR_GetMarks(0, nullptr, nullptr), 1) << c.name;
        }
        ASSERT_EQ(OMR_GetMarks(0, &info, buffer.data()), 1) << c.name;
        EXPECT_EQ(info.size, 16) << c.name;
        EXPECT_EQ(info.rows, c.rows) << c.name;
        EXPECT_EQ(info.columns, c.columns) << c.name;
        EXPECT_EQ(std::vector<uint8_t>(buffer.begin(), buffer.begin() + c.bytes.size()), c.bytes) << c.name;
        EXPECT_EQ(buffer[c.bytes.size()], 0xEE) << c.name << ": nothing beyond the table";
    }
}

TEST_P(SheetTest, CopyIsBoundedByTheCallersCapacity)
{
    std::string payload;
    for (int r = 0; r < 25; ++r)
        payload += (r ? "," : "") + std::string(12, static_cast<char>('0' + r % 10));
    Reader().SetPayload("MD1", payload);
    if (GetLink() == Link::kSerial) {
        ASSERT_EQ(OMR_GetMarks(1, nullptr, nullptr), 1);
    }

    std::array<uint8_t, 300> buffer;
    buffer.fill(0xEE);
    OmrMarkInfo info{0, 10, 12};
    ASSERT_EQ(OMR_GetMarks(1, &info, buffer.data()), 1);
    EXPECT_EQ(info.rows, 25);
    EXPECT_EQ(info.columns, 12);
    EXPECT_EQ(buffer[119], 9);
    EXPECT_EQ(buffer[120], 0xEE);

    // A capacity but no buffer: the record is filled, nothing copied.
    OmrMarkInfo noBuffer{0, 25, 12};
    EXPECT_EQ(OMR_GetMarks(1, &noBuffer, nullptr), 0);
    EXPECT_EQ(OMR_GetLastError(), OMR_ERR_MEMORY);
    EXPECT_EQ(noBuffer.rows, 25);
    EXPECT_EQ(noBuffer.columns, 12);

    // No capacity: nothing to copy, so no buffer is needed.
    OmrMarkInfo none{0, 0, 12};
    EXPECT_EQ(OMR_GetMarks(1, &none, nullptr), 1);
    EXPECT_EQ(none.rows, 25);
}

TEST_P(SheetTest, SerialReusesTheTableWhenGivenARecordUsbAlwaysQueries)
{
    Reader().SetPayload("MD0", "11,22");
    ASSERT_EQ(OMR_GetMarks(0, nullptr, nullptr), 1);
    Reader().SetPayload("MD0", "999,999,999");
    Reader().ClearCommands();
    OmrMarkInfo info{0, 5, 5};
    std::array<uint8_t, 25> buffer{};
    ASSERT_EQ(OMR_GetMarks(0, &info, buffer.data()), 1);
    if (GetLink() == Link::kUsb) {
        EXPECT_EQ(Reader().Commands(), std::vector<std::string>{"MD0"});
        EXPECT_EQ(info.rows, 3);
        EXPECT_EQ(buffer[0], 9);
    } else {
        EXPECT_TRUE(Reader().Commands().empty());
        EXPECT_EQ(info.rows, 2);
        EXPECT_EQ(buffer[0], 1);

        // Closing releases the marks; the table keeps its rows and columns,
        // but a record copy after reopening finds no marks to copy.
        ASSERT_EQ(OMR_CloseDevice(), 0);
        ASSERT_EQ(OMR_OpenDeviceSerial(Reader().Path().c_str(), 115200), 0);
        buffer.fill(0xEE);
        OmrMarkInfo again{0, 5, 5};
        EXPECT_EQ(OMR_GetMarks(0, &again, buffer.data()), 0);
        EXPECT_EQ(OMR_GetLastError(), OMR_ERR_MEMORY);
        EXPECT_EQ(again.rows, 2);
        EXPECT_EQ(buffer[0], 0xEE);
    }
}

TEST_P(SheetTest, FeedReportsTheSheetConditionThroughTheStatusPairs)
{
    Reader().SetStatus("Q1", "@@");
    EXPECT_EQ(OMR_FeedSheet(), 1);
    EXPECT_EQ(OMR_GetLastError(), static_cast<int32_t>(0x40110000));
    Reader().SetStatus("@@", "@@");
    Reader().Misbehave(emulator::Fault::Nak('1'));
    EXPECT_EQ(OMR_FeedSheet(), 0);
    EXPECT_EQ(OMR_GetLastError(), OMR_ERR_NAK);
}

TEST_P(SheetTest, QueriesAndCancelError)
{
    int32_t method = -1;
    int32_t option = -1;
    Reader().SetPayload("RM2", "3,0");
    EXPECT_EQ(OMR_GetReadingMethod(&method, &option), 1);
    EXPECT_EQ(method, 3);
    EXPECT_EQ(option, 0);
    Reader().SetPayload("RM2", "3,");
    EXPECT_EQ(OMR_GetReadingMethod(&method, &option), 0);
    EXPECT_EQ(OMR_GetLastError(), OMR_ERR_RESPONSE);

    Reader().SetPayload("NC2", "12");
    EXPECT_EQ(OMR_GetNumberOfColumnsToRead(), 12);
    Reader().SetPayload("NC2", "1");
    EXPECT_EQ(OMR_GetNumberOfColumnsToRead(), 0);
    EXPECT_EQ(OMR_GetLastError(), OMR_ERR_RESPONSE);

    Reader().SetPayload("DL", "ABC");
    std::array<char, 16> density;
    density.fill('#');
    EXPECT_EQ(OMR_GetDensityLevel(1, density.data()), 1);
    EXPECT_EQ(std::string(density.data(), 10), std::string("ABC\0\0\0\0\0\0#", 10));

    // The exchange result comes back; the last error stays as it was.
    EXPECT_EQ(OMR_MoveHopper(5), 0);
    EXPECT_EQ(OMR_CancelError(), 0);
    EXPECT_EQ(OMR_GetLastError(), OMR_ERR_PARAMETER);
    Reader().Misbehave(emulator::Fault::Nak('1'));
    EXPECT_EQ(OMR_CancelError(), OMR_ERR_NAK);
}

INSTANTIATE_TEST_SUITE_P(Links, SheetTest, testing::Values(Link::kUsb, Link::kSerial), LinkName);

TEST(SheetNotConnected, MarksNeedAConnection)
{
    std::array<uint8_t, 16> buffer{};
    OmrMarkInfo info{0, 1, 16};
    EXPECT_EQ(OMR_GetMarks(0, &info, buffer.data()), 0);
    EXPECT_EQ(OMR_GetLastError(), OMR_ERR_NOT_CONNECTED);
    EXPECT_EQ(OMR_GetMarks(2, &info, buffer.data()), 0);
    EXPECT_EQ(OMR_GetLastError(), OMR_ERR_PARAMETER);
}

}  // namespace
}  // namespace marklink_test
