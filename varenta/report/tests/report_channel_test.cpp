#include "report_fixture.h"

#include "common/errors.h"
#include "common/text_file.h"
#include "varenta/report/report_channel.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace varenta {
namespace {

namespace fs = std::filesystem;

TEST(ReportChannel, PrinterChoiceTouchesNoFileAndWritesTheWorkFile)
{
    testing::TempWorkDir dir;
    common::WriteFileAtomically(dir / "$$$", "old report, longer than the new one\r\n");
    RunState state;
    SelectOutputTarget(state, 0);
    EXPECT_EQ(state.OutputTarget, "PRN");
    EXPECT_FALSE(fs::exists(dir / "VR.$$$"));

    OpenReport(state);
    state.ReportFile.WriteLine("x");
    NewPage(state);
    CloseReport(state);
    EXPECT_EQ(common::ReadFile(dir / "$$$"), "x\r\n\\newpage\r\n");
    EXPECT_FALSE(fs::exists(dir / "VR.$$$"));
}

TEST(ReportChannel, PreviewChoiceEmptiesThePreviewFileAtOnce)
{
    testing::TempWorkDir dir;
    common::WriteFileAtomically(dir / "VR.$$$", "earlier run\r\n");
    RunState state;
    SelectOutputTarget(state, 1);
    EXPECT_EQ(state.OutputTarget, "VR.$$$");
    EXPECT_EQ(common::ReadFile(dir / "VR.$$$"), "");

    OpenReport(state);
    SkipPrint(state);
    StartPrint(state);
    CloseReport(state);
    EXPECT_EQ(common::ReadFile(dir / "VR.$$$"), "\\skipprint\r\n\\startprint\r\n");
    EXPECT_FALSE(fs::exists(dir / "$$$"));
}

// A report file that cannot be created stops the run before anything is
// written. (A directory in its place: file modes do not stop root.)
TEST(ReportChannel, ReportFileThatCannotBeCreated)
{
    testing::TempWorkDir dir;
    fs::create_directory(dir / "$$$");
    RunState state;
    SelectOutputTarget(state, 0);
    EXPECT_THROW(OpenReport(state), common::IoError);
    EXPECT_FALSE(state.ReportFile.IsOpen());
}

// A full disk shows at the page end of the section that filled it, not
// only when the report is closed.
TEST(ReportChannel, FullDiskFailsAtThePageEnd)
{
    if (!fs::exists("/dev/full"))
        GTEST_SKIP() << "no /dev/full";
    testing::TempWorkDir dir;
    fs::create_symlink("/dev/full", dir / "$$$");
    RunState state;
    SelectOutputTarget(state, 0);
    OpenReport(state);
    state.ReportFile.WriteLine("face sheet");
    EXPECT_THROW(NewPage(state), common::IoError);
}

TEST(ReportChannel, RightAlignedNeverCutsANumber)
{
    struct Case {
        long long value;
        int width;
        std::string text;
    };
    for (const Case& c : std::vector<Case>{{0, 4, "   0"}, {57, 8, "      57"}, {70, 4, "  70"},
                                           {-5, 4, "  -5"}, {12345, 4, "12345"}, {7, 0, "7"},
                                           {7, -3, "7"}, {-1000, 4, "-1000"}})
        EXPECT_EQ(RightAligned(c.value, c.width), c.text) << c.value << "/" << c.width;
}

TEST(ReportChannel, SeparatorLines)
{
    EXPECT_EQ(SeparatorLine(3), "---\r\n");
    EXPECT_EQ(SeparatorLine(5, '='), "=====\r\n");
    EXPECT_EQ(SeparatorLine(0), "\r\n");
    EXPECT_EQ(SeparatorLine(-80), "\r\n");
    EXPECT_EQ(SeparatorLine(100).size(), 102u);
}

}  // namespace
}  // namespace varenta
