#include "common/ini_file.h"
#include "common/text_file.h"
#include "test_dir.h"
#include "varenta/shell/run_state.h"
#include "varenta/shell/settings.h"

#include <gtest/gtest.h>

namespace varenta {
namespace {

TEST(Settings, StartValues)
{
    RunState state;
    EXPECT_EQ(state.Age, -1);
    EXPECT_EQ(state.CurrentItem, 0);
    EXPECT_FALSE(state.TypeFound);
    EXPECT_EQ(state.StartDate.size(), 10u);  // 2026/12/11
    EXPECT_EQ(FormatShortDate(2026, 1, 5), "2026/01/05");
    EXPECT_EQ(FormatLongTime(9, 5, 7), "9:05:07");
    EXPECT_EQ(FormatLongTime(21, 21, 39), "21:21:39");
}

TEST(Settings, DefaultsWithoutAFile)
{
    RunState state;
    ReadSettings(state, common::IniFile{});
    EXPECT_EQ(state.settings.ai, "ON");
    EXPECT_EQ(state.settings.graphic, "ON");
    EXPECT_EQ(state.settings.connect, "ON");
    EXPECT_EQ(state.settings.onecolumn, "TRUE");
    EXPECT_EQ(state.settings.number_of_letters, 80);
    EXPECT_EQ(state.form, (FormGeometry{0, 0, 540, 420}));
}

TEST(Settings, LineWidthIsBounded)
{
    struct Case {
        const char* value;
        int width;
    } cases[] = {{"100", 100}, {"0", 0}, {"abc", 80}, {"-5", 80}, {"1000", 1000},
                 {"1001", 80}, {"2147483647", 80}, {"", 80}};
    for (const auto& c : cases) {
        RunState state;
        ReadSettings(state, common::IniFile::Parse(std::string("[Setup]\nnumber_of_letters=") + c.value));
        EXPECT_EQ(state.settings.number_of_letters, c.width) << c.value;
    }
}

TEST(Settings, SwitchesAreTakenAsWritten)
{
    RunState state;
    ReadSettings(state, common::IniFile::Parse("[setup]\nCONNECT=off\nai=OFF\ndirectory=/data\n"));
    EXPECT_EQ(state.settings.connect, "off");  // the form then keeps its own choice
    EXPECT_EQ(state.settings.ai, "OFF");
    EXPECT_EQ(state.settings.directory, "/data");
    EXPECT_EQ(state.DataDirectory, "/data");  // a bare typed name is made there
}

TEST(Settings, FormGeometryIsWrittenBackKeepingTheRest)
{
    testing::TempWorkDir dir;
    const std::string path = dir / "varenta.ini";
    WriteFormGeometry(path, {1, 2, 3, 4});  // no file yet: only [Form]
    EXPECT_EQ(common::ReadFile(path), "[Form]\r\nLeft=1\r\nTop=2\r\nWidth=3\r\nHeight=4\r\n");

    common::WriteFileAtomically(path, "[Setup]\r\nai=OFF\r\n[Reader]\r\ndelaytime=5\r\n");
    WriteFormGeometry(path, {10, 20, 540, 420});
    auto ini = common::IniFile::Load(path);
    EXPECT_EQ(ini.ReadString("Setup", "ai", ""), "OFF");
    EXPECT_EQ(ini.ReadInteger("Reader", "delaytime", 0), 5);
    EXPECT_EQ(ReadFormGeometry(ini), (FormGeometry{10, 20, 540, 420}));
}

}  // namespace
}  // namespace varenta
