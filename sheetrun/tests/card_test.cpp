#include "card_fixture.h"
#include "common/errors.h"
#include "common/sjis.h"
#include "common/text_file.h"
#include "sheetrun/card.h"
#include "sheetrun/card_image.h"
#include "sheetrun/messages.h"
#include "varenta/shell/subject_files.h"
#include "varenta/shell/tests/test_dir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace sheetrun {
namespace {

using testing::CardBuilder;

struct Shown {
    std::vector<std::string> messages;
    ShowMessage Show()
    {
        return [this](const std::string& text) { messages.push_back(sjis::ToUtf8(text)); };
    }
};

TEST(MarkGrid, ValuesFourAndAboveAreMarksInRowMajorOrder)
{
    std::array<std::uint8_t, kCardBytes> bytes{};
    bytes[0] = 3;         // row 1, position 1: blank
    bytes[1] = 4;         // row 1, position 2
    bytes[14] = 'Z' - '0';  // row 2, position 3 (any value above 3)
    bytes[299] = 9;       // row 25, position 12
    MarkGrid grid = MarkGrid::FromBuffer(bytes.data());
    int marked = 0;
    for (int r = 1; r <= kCardRows; ++r)
        for (int p = 1; p <= kCardPositions; ++p)
            marked += grid.Marked(r, p) ? 1 : 0;
    EXPECT_EQ(marked, 3);
    EXPECT_FALSE(grid.Marked(1, 1));
    EXPECT_TRUE(grid.Marked(1, 2));
    EXPECT_TRUE(grid.Marked(2, 3));
    EXPECT_TRUE(grid.Marked(25, 12));
    EXPECT_THROW(grid.Marked(26, 1), common::InternalError);
}

TEST(CardType, CardWithoutTheTypeMarkEndsTheProgram)
{
    Shown shown;
    EXPECT_EQ(CheckCardType(CardBuilder().Grid(), shown.Show()), CardCheck::kGoOn);
    EXPECT_TRUE(shown.messages.empty());
    EXPECT_EQ(CheckCardType(CardBuilder().Unmark(25, 12).Grid(), shown.Show()), CardCheck::kEndAtOnce);
    EXPECT_EQ(shown.messages, std::vector<std::string>{"マークカードが違います！ "});
}

TEST(DecodeHeader, FileNumberAgeAndSexTable)
{
    const std::string badNumber = "ファイル番号欄のマークが正しくありません！";
    const std::string badName = "ファイル名が正しくありません！";
    const std::string badAge = "年齢欄のマークが正しくありません！";
    const std::string missingAge = "年齢欄のマークに欠落があります！";
    const std::string badSex = "性別欄のマークが正しくありません！";
    struct Case {
        const char* name;
        CardBuilder card;
        std::string directory;
        std::string basePath;
        int age;
        std::string sex;
        std::vector<std::string> messages;
        bool cardError;
        CardCheck check;
    };
    const std::vector<int> n123 = {0, 0, 0, 1, 2, 3, -1, -1};
    Case cases[] = {
        {"leading zeros dropped, empty rows ignored", CardBuilder().FileNumber(n123).Age(3, 4).Sex(true, false),
         "/data", "/data/123", 34, "MALE", {}, false, CardCheck::kGoOn},
        {"inner zero stays", CardBuilder().FileNumber({1, 0, 5}).Age(-1, 7).Sex(false, true),
         "/data/", "/data/105", 7, "FEMALE", {}, false, CardCheck::kGoOn},
        {"empty row between digits closes up", CardBuilder().FileNumber({1, -1, -1, 2}).Age(0, 5).Sex(true, false),
         "", "12", 5, "MALE", {}, false, CardCheck::kGoOn},
        {"eight digits", CardBuilder().FileNumber({9, 8, 7, 6, 5, 4, 3, 2}).Age(9, 9).Sex(true, false),
         "d", "d/98765432", 99, "MALE", {}, false, CardCheck::kGoOn},
        {"lone zero", CardBuilder().FileNumber({-1, -1, -1, -1, -1, -1, -1, 0}).Age(2, 0).Sex(true, false),
         "/data", "/data/", 20, "MALE", {badName}, true, CardCheck::kGoOn},
        {"no file number", CardBuilder().Age(2, 0).Sex(true, false),
         "/data", "/data/", 20, "MALE", {badName}, true, CardCheck::kGoOn},
        {"two marks in a file number row", CardBuilder().FileNumber({1, 2}).Digit(2, 7).Age(2, 0).Sex(true, false),
         "/data", "/data/17", 20, "MALE", {badNumber}, true, CardCheck::kGoOn},
        {"two marks in the tens row end at once", CardBuilder().FileNumber({1}).Age(2, 0).Digit(9, 3).Sex(true, false),
         "/data", "", -1, "", {badAge}, false, CardCheck::kEndAtOnce},
        {"two marks in the units row, after a bad file row", CardBuilder().FileNumber({1}).Digit(1, 4).Age(2, 0).Digit(10, 3),
         "/data", "", -1, "", {badNumber, badAge}, true, CardCheck::kEndAtOnce},
        {"units row empty ends at once", CardBuilder().FileNumber({1}).Age(8, -1).Sex(true, false),
         "/data", "/data/1", -1, "", {missingAge}, false, CardCheck::kEndAtOnce},
        {"both sex marks", CardBuilder().FileNumber({1}).Age(2, 0).Sex(true, true),
         "/data", "/data/1", 20, "", {badSex}, true, CardCheck::kGoOn},
        {"no sex mark, no file number", CardBuilder().Age(2, 0),
         "/data", "/data/", 20, "", {badName, badSex}, true, CardCheck::kGoOn},
    };
    for (auto& c : cases) {
        varenta::RunState state;
        state.DataDirectory = c.directory;
        state.BasePath = "stale";
        bool cardError = false;
        Shown shown;
        EXPECT_EQ(DecodeHeader(c.card.Grid(), state, cardError, shown.Show()), c.check) << c.name;
        EXPECT_EQ(shown.messages, c.messages) << c.name;
        EXPECT_EQ(cardError, c.cardError) << c.name;
        EXPECT_EQ(state.BasePath, c.basePath) << c.name;
        EXPECT_EQ(state.Age, c.age) << c.name;
        EXPECT_EQ(state.Sex, c.sex) << c.name;
    }
}

TEST(DecodeAnswers, ItemsSitInPairedRowsFromPositionTenDown)
{
    CardBuilder card;
    card.Answer(1, 1).Answer(10, -1).Answer(11, -1).Answer(20, 1).Answer(61, 1).Answer(70, -1);
    varenta::RunState state;
    bool cardError = false;
    Shown shown;
    DecodeAnswers(card.Grid(), state, cardError, shown.Show());
    EXPECT_FALSE(cardError);
    EXPECT_TRUE(shown.messages.empty());
    for (int item = 1; item <= 70; ++item) {
        int expected = 0;
        if (item == 1 || item == 20 || item == 61)
            expected = 1;
        if (item == 10 || item == 11 || item == 70)
            expected = -1;
        EXPECT_EQ(state.Answers[item], expected) << "item " << item;
    }
    // The cells the layout names: item 1 yes at row 11 position 10, item 70
    // no at row 24 position 1.
    EXPECT_TRUE(card.Grid().Marked(11, 10));
    EXPECT_TRUE(card.Grid().Marked(24, 1));
}

TEST(DecodeAnswers, EveryDoubleMarkedItemIsReportedInOrder)
{
    varenta::RunState state;
    state.Answers.Fill(5);
    bool cardError = false;
    Shown shown;
    DecodeAnswers(CardBuilder().Answer(42, 2).Answer(15, 2).Answer(16, 1).Grid(), state, cardError,
                  shown.Show());
    EXPECT_TRUE(cardError);
    EXPECT_EQ(shown.messages,
              (std::vector<std::string>{"第 15 項目の[ﾊｲ]と[ｲｲｴ]の両方にマークがあります！",
                                        "第 42 項目の[ﾊｲ]と[ｲｲｴ]の両方にマークがあります！"}));
    EXPECT_EQ(state.Answers[16], 1);
    EXPECT_EQ(state.Answers[17], 0);
}

TEST(DecodeAnswers, CardWithoutAnswersIsAcceptedAllUndecided)
{
    varenta::RunState state;
    state.Answers.Fill(1);
    bool cardError = false;
    Shown shown;
    DecodeAnswers(CardBuilder().FileNumber({5}).Age(3, 0).Sex(true, false).Grid(), state, cardError,
                  shown.Show());
    EXPECT_FALSE(cardError);
    for (int item = 1; item <= 70; ++item)
        EXPECT_EQ(state.Answers[item], 0);
}

class CardFiles : public ::testing::Test {
protected:
    varenta::testing::TempWorkDir dir;

    varenta::RunState state;

    void Decode(const CardBuilder& card)
    {
        state.DataDirectory = dir.path();
        bool cardError = false;
        Shown shown;
        EXPECT_EQ(DecodeHeader(card.Grid(), state, cardError, shown.Show()), CardCheck::kGoOn);
        DecodeAnswers(card.Grid(), state, cardError, shown.Show());
        EXPECT_FALSE(cardError);
    }
};

TEST_F(CardFiles, AnswerAndRemarksFilesAreVarentasLayout)
{
    Decode(CardBuilder().FileNumber({0, 4, 2}).Age(-1, 7).Sex(false, true).Answer(1, 1).Answer(70, -1));
    // A first line of 100 bytes: the remarks keep its first 80.
    const std::string name = sjis::FromUtf8("山田花子") + std::string(92, 'x');
    common::WriteFileAtomically(dir / "42.TXT", name + "\r\nsecond line\r\n");
    WriteCardAnswers(state);
    WriteCardRemarks(state);

    std::vector<int> answers(70, 0);
    answers[0] = 1;
    answers[69] = -1;
    EXPECT_EQ(common::ReadFile(dir / "42.VRT"), varenta::FormatAnswerFile("FEMALE", answers));
    const std::string remarks = common::ReadFile(dir / "42.REM");
    std::string expected = name.substr(0, 80) + "\r\n7\r\n";
    for (int line = 3; line <= 10; ++line)
        expected += "\r\n";
    EXPECT_EQ(remarks, expected);
    // What Varenta reads back.
    varenta::RunState back;
    back.BasePath = dir / "42";
    varenta::LoadAnswerFile(back);
    varenta::ReadRemarksInto(back);
    EXPECT_EQ(back.Sex, "FEMALE");
    EXPECT_EQ(back.CurrentItem, 70);
    EXPECT_EQ(back.Remarks[2], "7");
}

TEST_F(CardFiles, WithoutNameFileTheNameIsEmptyAndOldFilesAreReplaced)
{
    Decode(CardBuilder().FileNumber({3}).Age(6, 5).Sex(true, false));
    common::WriteFileAtomically(dir / "3.REM", "old\r\n");
    common::WriteFileAtomically(dir / "3.VRT", "old\r\n");
    state.Remarks[5] = "left over from an earlier card";
    WriteCardAnswers(state);
    WriteCardRemarks(state);
    EXPECT_EQ(common::ReadFile(dir / "3.REM"), "\r\n65\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n");
    EXPECT_EQ(common::ReadFile(dir / "3.VRT"), varenta::FormatAnswerFile("MALE", std::vector<int>(70, 0)));
}

TEST_F(CardFiles, FailuresAreIoErrorsAndLeaveNoRemarksFile)
{
    // A name file that exists but cannot be read.
    Decode(CardBuilder().FileNumber({8}).Age(2, 2).Sex(true, false));
    std::filesystem::create_symlink("/proc/self/mem", dir / "8.TXT");
    EXPECT_THROW(WriteCardRemarks(state), common::IoError);
    EXPECT_FALSE(common::FileExists(dir / "8.REM"));

    // A data directory that is not a directory.
    common::WriteFileAtomically(dir / "plain", "x");
    state.BasePath = dir / "plain/8";
    EXPECT_THROW(WriteCardAnswers(state), common::IoError);
    EXPECT_THROW(WriteCardRemarks(state), common::IoError);
}

TEST(CardImage, HeadingRulersAndOneColumnPerRow)
{
    std::vector<std::string> only = CardImageLines(CardBuilder().Grid(), 3);
    ASSERT_EQ(only.size(), 18u);
    EXPECT_EQ(sjis::ToUtf8(only[0]), "3枚目");
    EXPECT_EQ(only[1], "[ Card Image ] ");
    EXPECT_EQ(only[2], "");
    EXPECT_EQ(only[3].size(), 30u);
    EXPECT_EQ(sjis::ToUtf8(only[3]), "ﾌｧｲﾙ番号　　名前:             ");
    EXPECT_EQ(sjis::ToUtf8(only[4]), "5因子回答用紙");
    EXPECT_EQ(only[5], "-------+-+-----+-----+---");
    EXPECT_EQ(only[6], "");
    for (int i = 7; i < 17; ++i)
        EXPECT_EQ(only[static_cast<std::size_t>(i)], std::string(25, ' ')) << i;
    EXPECT_EQ(only[17], only[5]);

    // Digit 0 of row 1 (position 10) is on the first grid line, digit 9 of
    // row 2 (position 1) on the last; position 11 (sex) is not shown.
    std::vector<std::string> lines =
        CardImageLines(CardBuilder().Digit(1, 0).Digit(2, 9).Sex(true, false).Answer(70, -1).Grid(), 1);
    EXPECT_EQ(lines[7], "I" + std::string(24, ' '));
    EXPECT_EQ(lines[16], " I" + std::string(21, ' ') + "I ");
}

}  // namespace
}  // namespace sheetrun
