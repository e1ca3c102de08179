#include "report_fixture.h"

#include "common/errors.h"
#include "common/sjis.h"
#include "common/text_file.h"
#include "varenta/report/report_channel.h"
#include "varenta/report/score_output.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <filesystem>

namespace varenta {
namespace {

namespace fs = std::filesystem;

OneBased<int, kScaleCount> Scores(std::initializer_list<int> values)
{
    OneBased<int, kScaleCount> out;
    int i = 1;
    for (int v : values)
        out[i++] = v;
    return out;
}

TEST(ScoreFiles, LineLayout)
{
    EXPECT_EQ(ScoreFileLine(Scores({0, 3, 5, 6, 7, 5, 2, 9})),
              "   0   3   5   6   7   5   2   9\r\n");
    EXPECT_EQ(ScoreFileLine(Scores({49, 57, 53, 48, 45, 50, 41, 63})),
              "  49  57  53  48  45  50  41  63\r\n");
    EXPECT_EQ(ScoreFileLine(Scores({70, 8, 10, 12, 12, 12, 12, 12})).size(), 34u);
}

TEST(ScoreFiles, ReplaceEarlierFilesWhole)
{
    testing::TempWorkDir dir;
    common::WriteFileAtomically(dir / "S.RAW", std::string(200, 'x'));
    RunState state;
    state.BasePath = dir / "S";
    state.RawScores = Scores({70, 0, 0, 0, 0, 0, 0, 0});
    WriteScoreFiles(state);
    EXPECT_EQ(common::ReadFile(dir / "S.RAW"), "  70   0   0   0   0   0   0   0\r\n");
    EXPECT_EQ(common::ReadFile(dir / "S.ZSC"), "   0   0   0   0   0   0   0   0\r\n");
}

// A score file that cannot be written stops the run: no tables, and the
// subject's answer and remarks files stay as they were.
TEST(ScoreFiles, FailureStopsBeforeTheTablesAndSparesTheSubjectFiles)
{
    for (const char* blocked : {"S.RAW", "S.ZSC"}) {
        SCOPED_TRACE(blocked);
        testing::TempWorkDir dir;
        common::WriteFileAtomically(dir / "S.VRT", "MALE\r\n   1\r\n");
        common::WriteFileAtomically(dir / "S.REM", "name\r\n30\r\n");
        fs::create_directory(dir / blocked);
        RunState state;
        state.BasePath = dir / "S";
        state.ReportFile.OpenMemory();
        EXPECT_THROW(OutputScores(state), common::IoError);
        EXPECT_EQ(state.ReportFile.Memory(), "");
        EXPECT_EQ(common::ReadFile(dir / "S.VRT"), "MALE\r\n   1\r\n");
        EXPECT_EQ(common::ReadFile(dir / "S.REM"), "name\r\n30\r\n");
        // No temporary file is left beside the subject.
        int entries = 0;
        for ([[maybe_unused]] const auto& e : fs::directory_iterator(dir / ""))
            ++entries;
        EXPECT_EQ(entries, std::string(blocked) == "S.RAW" ? 3 : 4);
    }
}

// A report that could not be written stops the run before the score files.
TEST(ScoreFiles, FailedReportStreamStopsBeforeTheScoreFiles)
{
    if (!fs::exists("/dev/full"))
        GTEST_SKIP() << "no /dev/full";
    testing::TempWorkDir dir;
    RunState state;
    state.BasePath = dir / "S";
    state.ReportFile.Open("/dev/full");
    state.ReportFile.WriteLine("interpretation");
    EXPECT_THROW(OutputScores(state), common::IoError);
    EXPECT_FALSE(fs::exists(dir / "S.RAW"));
}

TEST(ScoreTables, LabelsAreOfFixedWidthAndSpacesAfterTheName)
{
    const std::string wideSpace = sjis::FromUtf8("\u3000");
    const std::vector<std::string> letters{"?", "F", "Att", "E", "A", "C", "N", "O"};
    for (int scale = kUndecided; scale <= kOpenness; ++scale) {
        const std::string& label = ScaleLabel(scale);
        EXPECT_EQ(label.size(), scale <= kAttitude ? 46u : 45u) << scale;
        const std::string& letter = letters[static_cast<std::size_t>(scale - 1)];
        EXPECT_EQ(label.substr(0, 9 + letter.size()), std::string(9, ' ') + letter);
        // After the letter: ASCII spaces, the name (double-byte characters
        // other than U+3000), then only spaces of either kind.
        std::size_t i = 9 + letter.size();
        while (label[i] == ' ')
            ++i;
        bool inFiller = false;
        for (; i < label.size(); i += label[i] == ' ' ? 1 : 2) {
            const bool space = label[i] == ' ' || label.compare(i, 2, wideSpace) == 0;
            if (inFiller) {
                EXPECT_TRUE(space) << "scale " << scale << " byte " << i;
            }
            inFiller = inFiller || space;
        }
        EXPECT_TRUE(inFiller) << scale;
    }
    EXPECT_THROW(ScaleLabel(0), common::InternalError);
    EXPECT_THROW(ScaleLabel(9), common::InternalError);
}

TEST(ScoreTables, StarBarRoundsHalvesUpAndStopsAtEighteen)
{
    for (int t = -20; t <= 400; ++t) {
        const int expected = t <= 0 ? 0 : std::min(18, static_cast<int>(std::floor(t / 10.0 + 0.5)));
        EXPECT_EQ(StarCount(t), expected) << t;
    }
    EXPECT_EQ(StarCount(44), 4);
    EXPECT_EQ(StarCount(45), 5);
    EXPECT_EQ(StarCount(INT_MAX), 18);
    EXPECT_EQ(StarCount(INT_MIN), 0);
}

// Every row: label, raw score in 4 columns, standard score in 8, four
// spaces, the bar. The standard score ends at byte 58 in the validity
// table, 57 in the basic table, under the header's columns.
TEST(ScoreTables, RowsLineUpUnderTheHeader)
{
    RunState state;
    state.RawScores = Scores({70, 8, 10, 12, 12, 12, 12, 0});
    state.StandardScores = Scores({80, 77, 72, 71, 69, 63, 65, 0});
    state.ReportFile.OpenMemory();
    PrintScoreTables(state);
    std::vector<std::string> lines = common::SplitLines(state.ReportFile.Memory());
    ASSERT_EQ(lines.size(), 20u);
    for (std::size_t header : {3u, 11u})
        EXPECT_EQ(lines[header].size(), 60u);
    for (int scale = kUndecided; scale <= kOpenness; ++scale) {
        const std::string& row = lines[scale <= kAttitude ? 3u + scale : 8u + scale];
        const std::size_t label = ScaleLabel(scale).size();
        ASSERT_EQ(row.substr(0, label), ScaleLabel(scale));
        EXPECT_EQ(row.substr(label, 4), RightAligned(state.RawScores[scale], 4));
        EXPECT_EQ(row.substr(label + 4, 8), RightAligned(state.StandardScores[scale], 8));
        EXPECT_EQ(row.substr(label + 12), "    " + std::string(StarCount(state.StandardScores[scale]), '*'));
        EXPECT_EQ(label + 12, scale <= kAttitude ? 58u : 57u);
    }
    EXPECT_EQ(lines[19], "\\newpage");
}

}  // namespace
}  // namespace varenta
