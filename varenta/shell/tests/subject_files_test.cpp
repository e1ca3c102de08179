#include "common/errors.h"
#include "common/sjis.h"
#include "common/text_file.h"
#include "test_dir.h"
#include "varenta/shell/subject_files.h"

#include <gtest/gtest.h>

namespace varenta {
namespace {

std::string fields(int count, const char* field)
{
    std::string s;
    for (int i = 0; i < count; ++i)
        s += field;
    return s;
}

TEST(AnswerFile, ReadsAsTheQuestionnaireReaderDoes)
{
    struct Case {
        const char* name;
        std::string bytes;
        std::size_t answers;
        std::string sex;
    } cases[] = {
        {"complete", "FEMALE\r\n" + fields(70, "   1") + "\r\n", 70, "FEMALE"},
        {"over several lines", "MALE\r\n" + fields(35, "  -1") + "\r\n" + fields(35, "   0") + "\r\n", 70, "MALE"},
        {"interrupted", "MALE\r\n" + fields(25, "   1") + "\r\n", 25, "MALE"},
        {"no final line break loses the last", "MALE\r\n" + fields(70, "   1"), 69, "MALE"},
        {"empty second line", "MALE\r\n\r\n", 0, "MALE"},
        {"sex line only", "MALE", 0, "MALE"},
        {"more than 70 fields", "X\r\n" + fields(75, "   1") + "\r\n", 70, "X"},
        {"blank separated", "MALE\r\n1 -1 0\r\n", 3, "MALE"},
    };
    for (const auto& c : cases) {
        AnswerFileContent content = ParseAnswerFile(c.bytes);
        EXPECT_EQ(content.answers.size(), c.answers) << c.name;
        EXPECT_EQ(content.sex, c.sex) << c.name;
    }
    auto spread = ParseAnswerFile("MALE\r\n  -1\r\n   1\r\n   0\r\n   5\r\n");
    EXPECT_EQ(spread.answers, (std::vector<int>{-1, 1, 0, 5}));
}

TEST(AnswerFile, ATokenThatIsNoNumberIsAnInputError)
{
    EXPECT_THROW(ParseAnswerFile("MALE\r\n   1   x\r\n"), common::InputError);
    EXPECT_THROW(ParseAnswerFile("MALE\r\n  1a\r\n"), common::InputError);
}

TEST(AnswerFile, WriterLayoutIsExact)
{
    EXPECT_EQ(FormatAnswerFile("MALE", {1, -1, 0}), "MALE\r\n   1  -1   0\r\n");
    EXPECT_EQ(FormatAnswerFile("FEMALE", {}), "FEMALE\r\n\r\n");
    std::string full = FormatAnswerFile("MALE", std::vector<int>(70, 1));
    EXPECT_EQ(full.size(), 4u + 2 + 280 + 2);
    // What the writer writes, the reader reads back whole.
    EXPECT_EQ(ParseAnswerFile(full).answers.size(), 70u);
}

TEST(RemarksFile, LinesAreCutAt80BytesWithoutSplittingACharacter)
{
    std::string longLine(100, 'a');
    std::string japanese;
    for (int i = 0; i < 41; ++i)
        japanese += sjis::FromUtf8("あ");  // 82 bytes
    std::string text = longLine + "\r\n" + japanese + "\r\n" + "7\r\n";
    auto lines = ParseRemarks(text);
    ASSERT_EQ(lines.size(), 10u);
    EXPECT_EQ(lines[0], std::string(80, 'a'));
    EXPECT_EQ(lines[1].size(), 80u);  // 40 whole characters
    EXPECT_EQ(lines[2], "7");         // the next line, not byte 81 of the first
    EXPECT_EQ(lines[9], "");

    std::string odd = "x" + japanese;  // 83 bytes: the cut falls inside a character
    EXPECT_EQ(FormatRemarks({odd, "7"}).substr(0, 84), "x" + japanese.substr(0, 78) + "\r\n7\r\n");
    EXPECT_EQ(FormatRemarks({"Name", "7"}), "Name\r\n7\r\n" + fields(8, "\r\n"));
}

TEST(SubjectFiles, WritersReplaceAtomicallyAndReadersReadBack)
{
    testing::TempWorkDir dir;
    RunState state;
    state.BasePath = dir / "s01";
    state.Sex = "MALE";
    for (int i = 1; i <= 70; ++i)
        state.Answers[i] = i % 3 - 1;
    WriteAnswerFile(state, 29);
    EXPECT_EQ(common::ReadFile(dir / "s01.VRT").size(), 6u + 29 * 4 + 2);
    state.Remarks[1] = sjis::FromUtf8("山田 花子");
    state.Remarks[2] = "34";
    WriteRemarksFile(state);

    RunState loaded;
    loaded.BasePath = state.BasePath;
    LoadAnswerFile(loaded);
    ReadRemarksInto(loaded);
    EXPECT_EQ(loaded.CurrentItem, 29);
    EXPECT_EQ(loaded.Answers[29], state.Answers[29]);
    EXPECT_EQ(loaded.Answers[30], 0);
    EXPECT_EQ(loaded.Remarks[1], state.Remarks[1]);
    EXPECT_EQ(loaded.Remarks[2], "34");
}

TEST(SubjectFiles, HandOffNameAndItemFiles)
{
    testing::TempWorkDir dir;
    WriteHandOffFile("CARD.$$$", dir / "データ/001", 3);
    EXPECT_EQ(common::ReadFile("CARD.$$$"),
              sjis::FromUtf8(dir / "データ/001") + "\r\n3\r\n");
    EXPECT_EQ(ReadHandOffBasePath("CARD.$$$"), dir / "データ/001");

    EXPECT_EQ(ReadNameFile(dir / "none"), "");
    common::WriteFileAtomically(dir / "n.TXT", std::string(90, 'n') + "\r\nsecond\r\n");
    EXPECT_EQ(ReadNameFile(dir / "n"), std::string(80, 'n'));

    std::string items;
    for (int i = 1; i <= 69; ++i)
        items += std::to_string(i) + " item\r\n";
    common::WriteFileAtomically(dir / "items.TXT", items);
    EXPECT_THROW(LoadItemFile(dir / "items.TXT"), common::InputError);
    common::WriteFileAtomically(dir / "items.TXT", items + "70 last\r\n");
    auto list = LoadItemFile(dir / "items.TXT");
    EXPECT_EQ(list[0], "");
    EXPECT_EQ(list[70], "70 last");
    EXPECT_THROW(LoadItemFile(dir / "missing.TXT"), common::IoError);
}

}  // namespace
}  // namespace varenta
