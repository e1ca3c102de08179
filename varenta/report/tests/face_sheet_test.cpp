#include "report_fixture.h"

#include "common/sjis.h"
#include "common/text_file.h"
#include "varenta/report/face_sheet.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

namespace varenta {
namespace {

std::vector<std::string> FaceSheetLines(RunState& state)
{
    state.ReportFile.OpenMemory();
    PrintFaceSheet(state);
    const std::string& bytes = state.ReportFile.Memory();
    EXPECT_EQ(bytes.substr(bytes.size() - 10), "\\newpage\r\n");
    // Every line ends CR LF: no bare LF, no CR elsewhere.
    std::size_t crlf = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\n') {
            EXPECT_TRUE(i > 0 && bytes[i - 1] == '\r') << "bare LF at " << i;
            ++crlf;
        }
    }
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\r'), static_cast<long>(crlf));
    return common::SplitLines(bytes);
}

TEST(FaceSheet, TitleBoxMargins)
{
    struct Case {
        int width, leading, trailing;
    };
    for (Case c : std::vector<Case>{{80, 3, 3}, {76, 1, 1}, {75, 0, 1}, {74, 0, 0}, {73, 0, 0},
                                    {81, 3, 4}, {100, 13, 13}, {1000, 463, 463}}) {
        BoxMargins m = TitleBoxMargins(c.width);
        EXPECT_EQ(m.leading, c.leading) << c.width;
        EXPECT_EQ(m.trailing, c.trailing) << c.width;
    }
}

// Below 73 the margins shrink to nothing and the box keeps its 70 bytes;
// the ruled lines keep the width.
TEST(FaceSheet, NarrowWidthsNeverGiveNegativeMarginsNorCutTheBox)
{
    for (int width : {72, 71, 70, 69, 10, 1, 0}) {
        BoxMargins m = TitleBoxMargins(width);
        EXPECT_EQ(m.leading, 0) << width;
        EXPECT_EQ(m.trailing, 0) << width;

        RunState state;
        state.settings.number_of_letters = width;
        std::vector<std::string> lines = FaceSheetLines(state);
        EXPECT_EQ(lines[0], std::string(static_cast<std::size_t>(width), '=')) << width;
        for (int box = 1; box <= 9; ++box)
            EXPECT_EQ(lines[static_cast<std::size_t>(box)].size(), 70u) << width << " line " << box;
        EXPECT_EQ(lines[10], lines[0]);
    }
}

// For every width the box lines are margin + 70 + margin bytes, and from 76
// on they are four bytes shorter than the width, centred with any odd
// byte on the right.
TEST(FaceSheet, BoxLinesFollowTheWidth)
{
    for (int width = 0; width <= 300; ++width) {
        BoxMargins m = TitleBoxMargins(width);
        ASSERT_GE(m.leading, 0);
        ASSERT_GE(m.trailing, 0);
        if (width >= 76) {
            EXPECT_EQ(m.leading + 70 + m.trailing, width - 4) << width;
            EXPECT_TRUE(m.trailing == m.leading || m.trailing == m.leading + 1) << width;
        }
    }
}

TEST(FaceSheet, GroupLabelByAge)
{
    const std::string youth = sjis::FromUtf8("青年期基準");
    const std::string early = sjis::FromUtf8("成人前期基準");
    const std::string middle = sjis::FromUtf8("成人中期基準");
    const std::string late = sjis::FromUtf8("成人後期基準");
    const std::string computer = sjis::FromUtf8("コンピュータ基準(大学生)");
    const std::vector<std::pair<int, std::string>> cases{
        {INT_MIN, computer}, {-1, computer}, {0, computer}, {1, youth}, {22, youth},
        {23, early}, {39, early}, {40, middle}, {59, middle}, {60, late}, {99, late},
        {100, computer}, {150, computer}, {151, computer}, {INT_MAX, computer},
    };
    for (const auto& [age, label] : cases)
        EXPECT_EQ(FaceSheetGroupLabel(age), label) << "age " << age;
}

// With an empty record each record line is its bare label: 10 bytes (the
// age line 10 bytes and " 歳"), whatever mix of spaces the label holds.
TEST(FaceSheet, RecordLabelsAreTenBytes)
{
    RunState state;
    std::vector<std::string> lines = FaceSheetLines(state);
    const std::string heading = sjis::FromUtf8("[  被験者の記録  ]");
    auto at = std::find(lines.begin(), lines.end(), heading);
    ASSERT_NE(at, lines.end());
    const std::size_t first = static_cast<std::size_t>(at - lines.begin()) + 4;
    for (std::size_t i = first; i < first + 11; ++i) {
        const std::size_t expected = i == first + 2 ? 13 : 10;
        EXPECT_EQ(lines[i].size(), expected) << "record line " << i - first + 1;
        EXPECT_NO_THROW(sjis::ToUtf8(lines[i]));
    }
    EXPECT_EQ(lines[first + 2].substr(10), " " + sjis::FromUtf8("歳"));
    EXPECT_EQ(lines[first + 11], std::string(80, '-'));
}

TEST(FaceSheet, IntroductionIsTwoSingleLinesOfAboutThreeHundredBytes)
{
    RunState state;
    std::vector<std::string> lines = FaceSheetLines(state);
    // ..., separator, introduction, caution, group line, separator, \newpage
    const std::size_t n = lines.size();
    ASSERT_GE(n, 6u);
    EXPECT_EQ(lines[n - 6], std::string(80, '-'));
    for (std::size_t i : {n - 5, n - 4}) {
        EXPECT_GE(lines[i].size(), 250u);
        EXPECT_LE(lines[i].size(), 400u);
    }
    const std::string intro = sjis::ToUtf8(lines[n - 5]);
    for (const char* word : {"ヴァレンタシステム", "外向性", "協調性", "良識性", "情緒安定性",
                             "知的好奇心", "70", "1169", "青年期", "成人前期", "成人中期",
                             "成人後期"})
        EXPECT_NE(intro.find(word), std::string::npos) << word;
}

TEST(FaceSheet, FileNameIsTheBasePathWithoutDirectoryInShiftJis)
{
    EXPECT_EQ(ReportFileName("/data/subjects/YAMADA"), "YAMADA");
    EXPECT_EQ(ReportFileName("山田"), sjis::FromUtf8("山田"));
    EXPECT_EQ(ReportFileName("/d/山田01"), sjis::FromUtf8("山田01"));
    // Characters Shift-JIS cannot hold, and bytes that are not UTF-8.
    EXPECT_EQ(ReportFileName("/d/a\xF0\x9F\x98\x80" "b"), "a?b");
    EXPECT_EQ(ReportFileName("/d/\xFF" "山"), "?" + sjis::FromUtf8("山"));
    EXPECT_EQ(ReportFileName("/d/x\xE5\xB1"), "x??");
}

}  // namespace
}  // namespace varenta
