// Device condition codes from real replies, and the message texts.
#include <gtest/gtest.h>

#include "common/sjis.h"
#include "reader_session.h"

namespace marklink_test {
namespace {

class StatusTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(session_.Opened()); }
    ReaderSession session_{Link::kUsb};
};

TEST_F(StatusTest, PairsCombineByKindThenDetailWithTiesToPairZero)
{
    struct Case {
        const char* pair0;
        const char* pair1;
        uint32_t expected;
    };
    const Case cases[] = {
        {"@@", "@@", 0},
        {"00", "00", 0},
        {"Q1", "@@", 0x40110000},  // sheet empty, low half zero
        {"@@", "Q1", 0x40110000},  // a normal pair never hides the other
        {"H2", "Q1", 0x30080001},  // a jam wins over a sheet condition
        {"Q2", "Q1", 0x40110000},  // lower detail wins, from pair 1
        {"A2", "C1", 0x03030000},
        {"A1", "B1", 0x00010000},  // tie: pair 0
        {"@@", "B1", 0x02020000},  // back reading unit in pair 1
        {"B1", "@@", 0x01020000},  // front reading unit in pair 0
        {"R4", "R4", 0x40120003},  // timing mark error on both sides
        {"R5", "R5", 0x40120004},
        {"R4", "R5", 0x41120003},
        {"S1", "S1", 0x41130000},
        {"Z1", "@@", 0xFFFFFFFF},  // unrecognised
        {"Z1", "Q1", 0x40110000},  // loses to any recognised condition
        {"0@", "@@", 0xFFFFFFFF},
        {"A9", "@@", 0xFFFFFFFF},  // detail outside the category
        {"F4", "G1", 0x1F060003},  // line fault before cover open
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.pair0) + " " + c.pair1);
        session_.Reader().SetStatus(c.pair0, c.pair1);
        EXPECT_EQ(static_cast<uint32_t>(OMR_GetStatus()), c.expected);
        EXPECT_EQ(static_cast<uint32_t>(OMR_GetLastError()), c.expected);  // unchanged by asking
    }
}

TEST_F(StatusTest, ExchangeFailureHidesTheStatusPairs)
{
    session_.Reader().SetStatus("Q1", "H2");
    ASSERT_EQ(OMR_GetStatus(), 0x30080001);
    session_.Reader().Misbehave(emulator::Fault::Nak('1'));
    EXPECT_EQ(OMR_GetStatus(), OMR_ERR_NAK);
    EXPECT_EQ(OMR_GetLastError(), OMR_ERR_NAK);
    // The next good exchange clears it again.
    session_.Reader().SetStatus("@@", "@@");
    EXPECT_EQ(OMR_GetStatus(), 0);
}

TEST(MessageTest, TextsInBothLanguages)
{
    struct Case {
        uint32_t code;
        int32_t language;
        const char* utf8;  // Japanese texts are compared as Shift-JIS
    };
    const Case cases[] = {
        {0, 0, "Normal"},
        {0, 1, "Normal"},
        {0, 2, "正常"},
        {3, 0, "Worng Parameter"},
        {7, 2, "レスポンス形式が不正"},
        {0x40120002, 0, "Timeout"},
        {0x40120002, 2, "シート挿入タイムアウト"},
        {0x00010000, 2, "本体ユニット：メモリエラー１"},
        {0x02020000, 0, "Back Reading Unit:Communication Error"},
        {0x42130002, 2, "裏面読取ユニット：白レベルエラー"},
        {0x05050001, 0, "Select Stacker Unit:Internal Com. Error"},
        {0x40120004, 2, "表面/裏面読取ユニット:読み取り設定エラー"},
        {0x45140005, 1, "Select Stacker Unit:Form Left In Sub Stacker"},
        {0xFFFFFFFF, 0, "Received unknown status"},
        {0xFFFFFFFF, 2, "未定義のステータス情報"},
        {8, 2, "未定義のステータス情報"},
        {0, 3, "Language parameter error"},
        {0, -1, "Language parameter error"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << c.code << " language " << c.language);
        EXPECT_EQ(std::string(OMR_FormatMessage(static_cast<int32_t>(c.code), c.language)), sjis::FromUtf8(c.utf8));
    }
}

TEST_F(StatusTest, EveryRecognisedPairHasTextsInBothLanguages)
{
    // Walks every category letter with details 0-9 in pair 0: exactly the
    // tabled conditions are recognised, each with its own English text and a
    // valid Shift-JIS Japanese text.
    const std::string unknownEnglish = OMR_FormatMessage(-1, 0);
    const std::string unknownJapanese = OMR_FormatMessage(-1, 2);
    int recognised = 0;
    for (char category : std::string("ABCDEFGHIJOPQRSTUZ")) {
        for (char detail = '0'; detail <= '9'; ++detail) {
            const std::string pair{category, detail};
            SCOPED_TRACE(pair);
            session_.Reader().SetStatus(pair, "@@");
            const int32_t code = OMR_GetStatus();
            if (code == -1)
                continue;
            ++recognised;
            EXPECT_NE(OMR_FormatMessage(code, 0), unknownEnglish);
            const std::string japanese = OMR_FormatMessage(code, 2);
            EXPECT_NE(japanese, unknownJapanese);
            EXPECT_NO_THROW(sjis::ToUtf8(japanese));
        }
    }
    EXPECT_EQ(recognised, 73);
}

}  // namespace
}  // namespace marklink_test
