#include "common/sjis.h"
#include "common/text_file.h"
#include "test_dir.h"
#include "varenta/shell/messages.h"
#include "varenta/shell/run_driver.h"
#include "varenta/shell/subject_files.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace varenta {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

// A scripted examiner and subject: records every form and message shown.
class ScriptedUi : public DriverUi {
public:
    std::vector<std::string> shown;
    std::vector<std::string> messages;
    std::string sex = "FEMALE";
    int printerItem = 0;
    int recordFormAge = 30;
    int recordFormRefusals = 0;  // times the form closes without an age
    int questionnaireStart = -1;

    void ShowMessage(const std::string& text) override
    {
        shown.push_back("message");
        messages.push_back(text);
    }
    std::string AskSex(RunState&) override
    {
        shown.push_back("sex");
        return sex;
    }
    void ShowOldFileNotice(RunState&) override { shown.push_back("old file"); }
    void HideMainForm() override { shown.push_back("hide"); }
    void ShowRecordForm(RunState& state) override
    {
        shown.push_back("record");
        if (recordFormRefusals > 0) {
            --recordFormRefusals;
            return;
        }
        state.Age = recordFormAge;
        WriteRemarksFile(state);
    }
    void AdministerQuestionnaire(RunState& state, const std::vector<std::string>& items) override
    {
        shown.push_back("questionnaire");
        questionnaireStart = state.CurrentItem + 1;
        EXPECT_EQ(items.size(), 71u);
    }
    void ShowProfile(RunState&) override { shown.push_back("profile"); }
    void ShowPreview(RunState&) override { shown.push_back("preview"); }
    void SetBusy(bool) override {}
    int PrinterItem() override { return printerItem; }
};

class RunDriverTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string items;
        for (int i = 1; i <= 70; ++i)
            items += std::to_string(i) + " item\r\n";
        common::WriteFileAtomically(itemFile, items);
        std::filesystem::create_directory(dir / "data");
    }

    void writeAnswers(const std::string& base, int count, std::string sex = "MALE")
    {
        common::WriteFileAtomically(base + ".VRT",
                                    FormatAnswerFile(sex, std::vector<int>(count, 1)));
    }
    void writeRemarks(const std::string& base, const std::string& age)
    {
        common::WriteFileAtomically(base + ".REM", FormatRemarks({"Name", age}));
    }
    RunOutcome run()
    {
        RunDriver driver(state, ui, itemFile);
        driver.ShowSequence();  // a hand-off run presses OK at once; others by hand
        return driver.OkSequence();
    }

    testing::TempWorkDir dir;
    std::string itemFile = dir / "varenta.TXT";
    RunState state;
    ScriptedUi ui;
};

TEST_F(RunDriverTest, NewSubjectAsksSexRecordsAndAdministersFromItemOne)
{
    state.TypedName = "s01";
    state.DataDirectory = dir / "data";
    EXPECT_EQ(run(), RunOutcome::ProgramEnds);
    EXPECT_THAT(ui.shown, ElementsAre("sex", "hide", "record", "questionnaire"));
    EXPECT_EQ(ui.questionnaireStart, 1);
    EXPECT_EQ(state.BasePath, dir / "data/s01");
    EXPECT_EQ(state.Sex, "FEMALE");
    EXPECT_FALSE(common::FileExists(dir / "data/s01.VRT"));  // the probe left nothing
    EXPECT_FALSE(common::FileExists("$$$"));
}

TEST_F(RunDriverTest, UnfinishedSubjectContinuesAfterItsLastAnswer)
{
    writeAnswers(dir / "data/s02", 25);
    state.TypedName = dir / "data/s02.txt";  // any typed extension is dropped
    ui.recordFormRefusals = 2;               // the record form repeats until an age is given
    EXPECT_EQ(run(), RunOutcome::ProgramEnds);
    EXPECT_THAT(ui.shown, ElementsAre("old file", "hide", "record", "record", "record",
                                      "questionnaire"));
    EXPECT_EQ(ui.questionnaireStart, 26);
    EXPECT_EQ(state.DataDirectory, dir / "data");
}

TEST_F(RunDriverTest, CompleteSubjectIsReportedToThePrinterWorkFile)
{
    writeAnswers(dir / "data/s03", 70);
    state.TypedName = dir / "data/s03";
    state.settings.graphic = "ON";
    EXPECT_EQ(run(), RunOutcome::ReportDone);
    EXPECT_THAT(ui.shown, ElementsAre("old file", "hide", "record", "profile"));
    EXPECT_EQ(state.OutputTarget, "PRN");
    EXPECT_TRUE(common::FileExists("$$$"));
    EXPECT_FALSE(common::FileExists("VR.$$$"));
}

TEST_F(RunDriverTest, PreviewTargetShowsThePreviewAndNoGraphicWhenOff)
{
    writeAnswers(dir / "data/s03", 70);
    state.TypedName = dir / "data/s03";
    state.settings.graphic = "OFF";
    ui.printerItem = 1;
    EXPECT_EQ(run(), RunOutcome::ReportDone);
    EXPECT_THAT(ui.shown, ElementsAre("old file", "hide", "record", "preview"));
    EXPECT_TRUE(common::FileExists("VR.$$$"));
    EXPECT_FALSE(common::FileExists("$$$"));
}

TEST_F(RunDriverTest, CompleteSubjectWithAiOffEndsAfterTheRecordForm)
{
    writeAnswers(dir / "data/s04", 70);
    state.TypedName = dir / "data/s04";
    state.settings.ai = "OFF";
    EXPECT_EQ(run(), RunOutcome::ProgramEnds);
    EXPECT_THAT(ui.shown, ElementsAre("old file", "hide", "record"));
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_FALSE(common::FileExists("$$$"));
}

TEST_F(RunDriverTest, HandOffRunScoresWithoutAnyQuestionEvenWhenIncomplete)
{
    const std::string base = dir / "data/card1";
    writeAnswers(base, 40);
    writeRemarks(base, "23");
    WriteHandOffFile("CARD.$$$", base, 1);
    state.settings.graphic = "OFF";
    EXPECT_EQ(run(), RunOutcome::ReportDone);
    EXPECT_TRUE(ui.shown.empty()) << ui.shown.front();
    EXPECT_FALSE(common::FileExists("CARD.$$$"));
    EXPECT_EQ(state.HandOff, "ON");
    EXPECT_EQ(state.BasePath, base);
    EXPECT_EQ(state.Age, 23);
    EXPECT_EQ(state.Remarks[1], "Name");
    EXPECT_EQ(state.CurrentItem, 40);
    EXPECT_TRUE(common::FileExists("$$$"));
}

TEST_F(RunDriverTest, FatalConditionsEndTheProgramWithTheirMessage)
{
    const std::string d = dir.path();
    struct Case {
        const char* name;
        std::function<void(RunState&)> arrange;
        std::string message;
    } cases[] = {
        {"empty name", [](RunState& s) { s.TypedName = ""; }, messages::EmptyFileName()},
        {"name ending in a slash", [&](RunState& s) { s.TypedName = d + "/data/"; },
         messages::EmptyFileName()},
        {"missing directory", [&](RunState& s) { s.TypedName = d + "/nowhere/s"; },
         messages::BadFileName()},
        {"hand-off with a non-numeric age",
         [&](RunState&) {
             writeAnswers(d + "/data/h", 70);
             writeRemarks(d + "/data/h", "12a");
             WriteHandOffFile("CARD.$$$", d + "/data/h", 1);
         },
         messages::UnreadableRemarks()},
    };
    for (auto& c : cases) {
        RunState fresh;
        ScriptedUi freshUi;
        c.arrange(fresh);
        RunDriver driver(fresh, freshUi, itemFile);
        driver.ShowSequence();
        EXPECT_EQ(driver.OkSequence(), RunOutcome::ProgramEnds) << c.name;
        EXPECT_THAT(freshUi.messages, ElementsAre(c.message)) << c.name;
    }
    EXPECT_EQ(sjis::ToUtf8(messages::UnreadableRemarks()),
              "ファイルが読めません！ \n\rディスク、パス名を確認してください。");
}

TEST_F(RunDriverTest, HandOffWithMissingRemarksReportsAtShowAndEndsAtOk)
{
    writeAnswers(dir / "data/h", 70);
    WriteHandOffFile("CARD.$$$", dir / "data/h", 1);
    RunDriver driver(state, ui, itemFile);
    EXPECT_FALSE(driver.ShowSequence());  // the main form stays, hand-off state set
    EXPECT_EQ(state.HandOff, "ON");
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(driver.OkSequence(), RunOutcome::ProgramEnds);
    EXPECT_EQ(ui.messages.back(), messages::UnreadableRemarks());
}

TEST_F(RunDriverTest, MalformedAnswerFileOrMissingItemFileLeaveTheFormUsable)
{
    common::WriteFileAtomically(dir / "data/bad.VRT", "MALE\r\n   1   x\r\n");
    state.TypedName = dir / "data/bad";
    EXPECT_EQ(run(), RunOutcome::Abandoned);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_THAT(sjis::ToUtf8(ui.messages[0]), HasSubstr("ファイルの内容に誤りがあります"));
    EXPECT_EQ(common::ReadFile(dir / "data/bad.VRT"), "MALE\r\n   1   x\r\n");  // untouched

    common::RemoveFile(itemFile);
    writeAnswers(dir / "data/ok", 70);
    state.TypedName = dir / "data/ok";
    ui.messages.clear();
    EXPECT_EQ(run(), RunOutcome::Abandoned);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_THAT(sjis::ToUtf8(ui.messages[0]), HasSubstr("varenta.TXT"));
    EXPECT_FALSE(common::FileExists("$$$"));
}

TEST_F(RunDriverTest, HandOffRunEndsOnAFailureSinceNobodyCanPressOkAgain)
{
    const std::string base = dir / "data/card2";
    common::WriteFileAtomically(base + ".VRT", "MALE\r\n   1   x\r\n");
    writeRemarks(base, "23");
    WriteHandOffFile("CARD.$$$", base, 1);
    EXPECT_EQ(run(), RunOutcome::ProgramEnds);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_THAT(sjis::ToUtf8(ui.messages[0]), HasSubstr("ファイルの内容に誤りがあります"));
    EXPECT_EQ(common::ReadFile(base + ".VRT"), "MALE\r\n   1   x\r\n");  // untouched
    EXPECT_FALSE(common::FileExists("$$$"));
}

TEST(BasePath, FromTypedNames)
{
    struct Case {
        const char* typed;
        const char* directory;
        const char* base;
        const char* directoryAfter;
    } cases[] = {
        {"abc", "/data", "/data/abc", "/data"},
        {"/e/x/abc.txt", "/data", "/e/x/abc", "/e/x"},
        {"abc.tar.gz", "/d", "/d/abc.tar", "/d"},
        {"abc", "", "abc", ""},
        {"sub/abc.VRT", "", "sub/abc", "sub"},
        {"/abc", "/d", "/abc", "/"},
        {"/d/", "/x", "", "/x"},
        {"", "/x", "", "/x"},
    };
    for (const auto& c : cases) {
        std::string directory = c.directory;
        EXPECT_EQ(BasePathFromTypedName(c.typed, directory), c.base) << c.typed;
        EXPECT_EQ(directory, c.directoryAfter) << c.typed;
    }
}

}  // namespace
}  // namespace varenta
