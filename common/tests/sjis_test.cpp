#include "common/errors.h"
#include "common/sjis.h"

#include <gtest/gtest.h>

namespace {

TEST(Sjis, RoundTripsJapaneseAndAscii)
{
    const std::string utf8 = "年齢 age　（全角）";
    std::string cp932 = sjis::FromUtf8(utf8);
    EXPECT_EQ(cp932.substr(0, 4), "\x94\x4E\x97\xEE");  // 年齢
    EXPECT_EQ(sjis::ToUtf8(cp932), utf8);
}

TEST(Sjis, RefusesWhatShiftJisCannotHold)
{
    EXPECT_THROW(sjis::FromUtf8("emoji 😀"), common::InputError);
    EXPECT_FALSE(sjis::TryFromUtf8("한국어").has_value());
    EXPECT_THROW(sjis::ToUtf8("\x81"), common::InputError);  // lone lead byte
    EXPECT_EQ(sjis::ToUtf8Lenient("a\x81"), "a\xEF\xBF\xBD");
}

TEST(Sjis, CutNeverSplitsADoubleByteCharacter)
{
    const std::string text = sjis::FromUtf8("aあいう");  // 1 + 2 + 2 + 2 bytes
    struct Case {
        std::size_t limit;
        std::size_t expected;
    } cases[] = {{0, 0}, {1, 1}, {2, 1}, {3, 3}, {4, 3}, {6, 5}, {7, 7}, {100, 7}};
    for (const auto& c : cases)
        EXPECT_EQ(sjis::CutBytes(text, c.limit).size(), c.expected) << "limit " << c.limit;
    // Half-width katakana (0xA1-0xDF) are single bytes.
    EXPECT_EQ(sjis::CutBytes(sjis::FromUtf8("ｱｲｳ"), 2).size(), 2u);
}

TEST(Sjis, RowsBreakAtTheLastWholeCharacter)
{
    // 59 ASCII bytes then a double-byte character: the first row stops at 59.
    std::string text(59, 'x');
    text += sjis::FromUtf8("漢字");
    EXPECT_EQ(sjis::RowEnd(text, 0, 60), 59u);
    EXPECT_EQ(sjis::RowEnd(text, 59, 60), text.size());
    EXPECT_EQ(sjis::RowEnd(text, text.size(), 60), text.size());
}

}  // namespace
