#include "varenta/administration/item_rows.h"

#include "common/sjis.h"

#include <gtest/gtest.h>

namespace varenta {
namespace {

std::string Kanji(int count)  // count double-byte characters
{
    std::string text;
    for (int i = 0; i < count; ++i)
        text += sjis::FromUtf8("質");
    return text;
}

struct RowCase {
    const char* name;
    std::string line;
    int item;
    ItemRows rows;
};

class ItemRowsTest : public ::testing::TestWithParam<RowCase> {};

TEST_P(ItemRowsTest, BreaksTheBodyIntoRows)
{
    const RowCase& c = GetParam();
    EXPECT_EQ(BreakItemRows(c.line, c.item), c.rows);
}

const std::string k200(200, 'a');

INSTANTIATE_TEST_SUITE_P(
    Cases, ItemRowsTest,
    ::testing::Values(
        RowCase{"NumberOneDigit", "9 short", 9, {"short", "", ""}},
        RowCase{"NumberTwoDigits", "10:short", 10, {"short", "", ""}},
        RowCase{"NumberThreeDigits", "100 short", 100, {"short", "", ""}},
        RowCase{"LineNoLongerThanItsNumber", "9", 9, {"", "", ""}},
        // 200 bytes after the number: 60, 60 and 60 are shown, 20 are not.
        RowCase{"LongAsciiLine", "7 " + k200, 7,
                {k200.substr(0, 60), k200.substr(60, 60), k200.substr(120, 60)}},
        // A double-byte character at bytes 60-61 opens the second row.
        RowCase{"CharacterAcrossTheLimit", "7 " + std::string(59, 'x') + Kanji(31), 7,
                {std::string(59, 'x'), Kanji(30), Kanji(1)}},
        RowCase{"DoubleByteRowsFillExactly", "12 " + Kanji(100), 12,
                {Kanji(30), Kanji(30), Kanji(30)}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace varenta
