#include "varenta/report/profile_chart.h"

#include "common/text_file.h"
#include "interpretation_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace varenta {
namespace {

using testing::MakeState;
using testing::Scores;
using testing::Sjis;

// The example subject: male, code 5+, graphic "OFF".
std::unique_ptr<RunState> ExampleState()
{
    auto state = MakeState({49, 57, 53, 48, 45, 50, 41, 63});
    const int raw[kScaleCount] = {0, 3, 5, 6, 7, 5, 2, 9};
    for (int scale = 1; scale <= kScaleCount; ++scale)
        state->RawScores[scale] = raw[scale - 1];
    state->Sex = "MALE";
    state->CodeType = "5+";
    state->settings.graphic = "OFF";
    return state;
}

std::string Chart(RunState& state)
{
    state.ReportFile.OpenMemory();
    PrintProfileChart(state);
    return state.ReportFile.Memory();
}

// The golden file is UTF-8 with LF line ends.
std::string Golden(const std::string& name)
{
    std::string text;
    for (const std::string& line :
         common::SplitLines(common::ReadFile(std::string(VARENTA_INTERPRETATION_TEST_DATA) + "/" + name)))
        text += Sjis(line) + "\r\n";
    return text;
}

std::vector<std::string> ChartGridLines(const std::string& chart)
{
    std::vector<std::string> lines = common::SplitLines(chart);
    // Two empty lines, title, sex, code, then the 21 grid lines.
    return {lines.begin() + 5, lines.begin() + 26};
}

TEST(ProfileChart, ExampleSubjectMatchesTheGoldenFile)
{
    auto state = ExampleState();
    EXPECT_EQ(Chart(*state), Golden("profile_chart_example.txt"));
}

TEST(ProfileChart, GraphicOnFramesTheChartForPrinting)
{
    auto state = ExampleState();
    const std::string plain = Chart(*state);
    state->settings.graphic = "ON";
    EXPECT_EQ(Chart(*state), "\\skipprint\r\n" + plain + "\\startprint\r\n");
}

TEST(ProfileChart, MarkLines)
{
    struct Case {
        int score;
        int line;  // 0 = top (80), 20 = bottom (20); -1 = no mark
    };
    const Case cases[] = {
        {80, 0},  // the highest norm value must show
        {79, 0}, {78, 1}, {65, 5}, {55, 8}, {50, 10}, {45, 12}, {22, 19},
        {21, 20}, {20, 20}, {19, 20}, {18, -1}, {0, -1}, {90, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("score " + std::to_string(c.score));
        // F (column 16) and N (column 56) carry the score; the rest sit at 50.
        auto state = MakeState({50, c.score, 50, 50, 50, 50, c.score, 50});
        state->settings.graphic = "OFF";
        const std::vector<std::string> grid = ChartGridLines(Chart(*state));
        ASSERT_EQ(grid.size(), 21u);
        for (int line = 0; line < 21; ++line) {
            ASSERT_EQ(grid[static_cast<std::size_t>(line)].size(), 71u);
            for (int column : {16, 56})
                EXPECT_EQ(grid[static_cast<std::size_t>(line)][static_cast<std::size_t>(column)] == '*',
                          line == c.line)
                    << "line " << line << " column " << column;
        }
    }
}

TEST(ProfileChart, SexAndCodeLines)
{
    struct Case {
        const char* sex;
        const char* code;
        const char* sexLine;
        const char* codeLine;
    };
    const Case cases[] = {
        {"MALE", "1+2-", "     男性", "     Code: 1+2-"},
        {"FEMALE", "", "     女性", "     Code: "},
        {"male", "3-", "     女性", "     Code: 3-"},
        {"MALE", "1+2-3+", "     男性", "     Code: 1+2-"},  // cut to 15 characters
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.sex);
        auto state = ExampleState();
        state->Sex = c.sex;
        state->CodeType = c.code;
        const std::vector<std::string> lines = common::SplitLines(Chart(*state));
        ASSERT_GE(lines.size(), 5u);
        EXPECT_EQ(lines[3], Sjis(c.sexLine));
        EXPECT_EQ(lines[4], c.codeLine);
    }
}

TEST(ProfileChart, WideFiguresAreWrittenInFull)
{
    auto state = ExampleState();
    state->RawScores[1] = 123456789;
    const std::vector<std::string> lines = common::SplitLines(Chart(*state));
    const auto raw = std::find(lines.begin(), lines.end(), "Raw scores");
    ASSERT_NE(raw, lines.end());
    EXPECT_EQ(*(raw + 1), "123456789       3       5       6       7       5       2       9");
}

}  // namespace
}  // namespace varenta
