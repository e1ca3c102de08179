// The reading run against the emulated reader over a real socket, with a
// recording stand-in for the window and for Varenta.
#include "card_fixture.h"
#include "common/sjis.h"
#include "common/text_file.h"
#include "deck_text.h"
#include "reader_emulator.h"
#include "sheet_deck.h"
#include "sheetrun/process.h"
#include "sheetrun/reading_run.h"
#include "varenta/shell/subject_files.h"
#include "varenta/shell/tests/test_dir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>

namespace sheetrun {
namespace {

using testing::CardBuilder;
using testing::DeckCard;

struct RecordingUi : ReadingUi {
    std::vector<std::string> events;  // UTF-8
    std::vector<std::string> handOffs;
    std::string handOffPath;
    int delays = 0;

    void ShowMessage(const std::string& text) override { events.push_back("message " + sjis::ToUtf8(text)); }
    void ShowCardImage(const std::vector<std::string>& lines) override { events.push_back("image " + sjis::ToUtf8(lines[0])); }
    void RunVarenta() override
    {
        events.push_back("varenta");
        handOffs.push_back(common::ReadFile(handOffPath));
        common::RemoveFile(handOffPath);  // as Varenta does
    }
    void Delay(int) override { ++delays; }
};

class ReadingRunTest : public ::testing::Test {
protected:
    varenta::testing::TempWorkDir dir;
    std::unique_ptr<emulator::ReaderEmulator> reader;
    varenta::RunState state;
    ReaderSettings settings;
    RecordingUi ui;

    void SetUp() override
    {
        reader = emulator::ReaderEmulator::ServeSocket(dir / "omr0");
        ::setenv("MARKLINK_USB_PATH", (dir / "omr%d").c_str(), 1);
        state.DataDirectory = dir.path();
        ui.handOffPath = dir / "CARD.$$$";
    }

    RunEnd RunDeck(const std::string& deck)
    {
        emulator::SheetDeck::Install(*reader, emulator::ParseDeck(deck));
        ReadingRun run(state, settings, ui, ui.handOffPath);
        return run.Run();
    }

    bool LastCommandsWere(std::vector<std::string> tail)
    {
        const auto commands = reader->Commands();
        return commands.size() >= tail.size() &&
               std::equal(tail.begin(), tail.end(), commands.end() - static_cast<long>(tail.size()));
    }
};

CardBuilder Good(std::vector<int> number, int age, bool male)
{
    CardBuilder card;
    card.FileNumber(number).Age(age / 10, age % 10).Sex(male, !male);
    for (int item = 1; item <= 70; ++item)
        card.Answer(item, item % 3 == 0 ? -1 : item % 3 == 1 ? 1 : 0);
    return card;
}

TEST_F(ReadingRunTest, ThreeCardsThenTheEndOfTheStack)
{
    const std::string deck = DeckCard(Good({1}, 25, true)) + DeckCard(Good({0, 2}, 41, false), '5', '3') +
                             DeckCard(Good({3}, 67, true));
    EXPECT_EQ(RunDeck(deck), RunEnd::kStackEnded);
    EXPECT_EQ(ExitStatus(RunEnd::kStackEnded), 0);
    EXPECT_EQ(ui.events, (std::vector<std::string>{"image 1枚目", "varenta", "image 2枚目", "varenta",
                                                   "image 3枚目", "varenta", "message シート送りに失敗しました。"}));
    EXPECT_EQ(ui.delays, 3);
    EXPECT_EQ(ui.handOffs[1], sjis::FromUtf8(dir / "2") + "\r\n2\r\n");
    EXPECT_EQ(common::ReadFile(dir / "2.REM").substr(0, 6), "\r\n41\r\n");
    EXPECT_EQ(common::ReadFile(dir / "2.VRT").substr(0, 8), "FEMALE\r\n");
    EXPECT_TRUE(common::FileExists(dir / "1.VRT"));
    EXPECT_TRUE(common::FileExists(dir / "3.VRT"));
    const auto commands = reader->Commands();
    ASSERT_GE(commands.size(), 3u);
    EXPECT_EQ(std::vector<std::string>(commands.begin(), commands.begin() + 3),
              (std::vector<std::string>{"HU1", "RM1,3", "NC1,12"}));
    EXPECT_TRUE(LastCommandsWere({"SF", "HU0"}));
}

TEST_F(ReadingRunTest, RunsEndWithTheirMessageAndWriteNothingOfABadCard)
{
    struct Case {
        const char* name;
        std::string deck;
        RunEnd end;
        std::string lastEvent;
        bool hopperReturned;
    } cases[] = {
        {"jam", "!jam\n", RunEnd::kFeedFailed, "message シート送りに失敗しました。", true},
        {"double feed after a card", DeckCard(Good({4}, 30, true)) + "!double-feed\n", RunEnd::kFeedFailed,
         "message シート送りに失敗しました。", true},
        {"double-marked items", DeckCard(Good({5}, 30, true).Answer(15, 2).Answer(42, 2)),
         RunEnd::kCardRejected, "message 第 42 項目の[ﾊｲ]と[ｲｲｴ]の両方にマークがあります！", true},
        {"wrong card type", DeckCard(Good({5}, 30, true).Unmark(25, 12)), RunEnd::kCardFatal,
         "message マークカードが違います！ ", false},
        {"age units missing", DeckCard(Good({5}, 30, true).Unmark(10, 10)), RunEnd::kCardFatal,
         "message 年齢欄のマークに欠落があります！", false},
    };
    for (auto& c : cases) {
        ui.events.clear();
        reader->ClearCommands();
        EXPECT_EQ(RunDeck(c.deck), c.end) << c.name;
        ASSERT_FALSE(ui.events.empty()) << c.name;
        EXPECT_EQ(ui.events.back(), c.lastEvent) << c.name;
        EXPECT_FALSE(common::FileExists(dir / "5.VRT")) << c.name;
        EXPECT_FALSE(common::FileExists(dir / "5.REM")) << c.name;
        EXPECT_FALSE(common::FileExists(ui.handOffPath)) << c.name;
        const auto commands = reader->Commands();
        EXPECT_EQ(std::find(commands.begin(), commands.end(), "HU0") != commands.end(), c.hopperReturned)
            << c.name;
    }
    EXPECT_EQ(ExitStatus(RunEnd::kFeedFailed), 3);
    EXPECT_EQ(ExitStatus(RunEnd::kCardRejected), 1);
    EXPECT_EQ(ExitStatus(RunEnd::kCardFatal), 1);
}

TEST_F(ReadingRunTest, UnwritableDataDirectoryStopsTheRunWithTheFileMessage)
{
    common::WriteFileAtomically(dir / "plain", "x");
    state.DataDirectory = dir / "plain";
    EXPECT_EQ(RunDeck(DeckCard(Good({7}, 30, true)) + DeckCard(Good({8}, 30, true))), RunEnd::kFileFailed);
    EXPECT_EQ(ui.events.back(), "message ファイルが作成できません！ \r\nディスク、パス名を確認してください。");
    EXPECT_EQ(std::count(ui.events.begin(), ui.events.end(), "varenta"), 0);
    EXPECT_TRUE(LastCommandsWere({"MD0", "HU0"}));
}

TEST_F(ReadingRunTest, ReaderThatCannotBeOpenedOrSetUp)
{
    ::setenv("MARKLINK_USB_PATH", (dir / "none%d").c_str(), 1);
    EXPECT_EQ(RunDeck(""), RunEnd::kReaderNotReady);
    EXPECT_EQ(ui.events, std::vector<std::string>{"message ＯＭＲデバイスを開けませんでした。"});

    ::setenv("MARKLINK_USB_PATH", (dir / "omr%d").c_str(), 1);
    ui.events.clear();
    reader->Misbehave(emulator::Fault::Nak('1'));  // HU1: result not looked at
    reader->Misbehave(emulator::Fault::Nak('1'));  // RM1,3 refused
    EXPECT_EQ(RunDeck(""), RunEnd::kReaderNotReady);
    EXPECT_EQ(ui.events, std::vector<std::string>{"message 読み取り方式の設定に失敗しました。"});
    EXPECT_EQ(ExitStatus(RunEnd::kReaderNotReady), 2);
}

TEST_F(ReadingRunTest, CardWithoutItsMarksOrNot25RowsEndsTheRun)
{
    std::string rows24;
    for (int r = 0; r < 24; ++r)
        rows24 += (r ? "," : "") + std::string(12, '0');
    struct Case {
        const char* name;
        std::function<void()> arrange;  // after the deck of one good card
    } cases[] = {
        {"24 rows",
         [&] {
             reader->SetHandler("MD", [&](const std::string& command, const emulator::ReplyContext& context) {
                 return context.Answer(command, rows24);
             });
         }},
        {"marks query refused",
         [&] {
             reader->OnCommand([&](const std::string& command) {
                 if (command == "SF")
                     reader->Misbehave(emulator::Fault::Nak('1'));  // for the MD0 that follows
             });
         }},
    };
    for (auto& c : cases) {
        ui.events.clear();
        reader->ClearCommands();
        emulator::SheetDeck::Install(*reader, emulator::ParseDeck(DeckCard(Good({6}, 30, true))));
        c.arrange();
        ReadingRun run(state, settings, ui, ui.handOffPath);
        EXPECT_EQ(run.Run(), RunEnd::kNoMarks) << c.name;
        reader->OnCommand(nullptr);
        EXPECT_EQ(ui.events, std::vector<std::string>{"message マークカードがありません。"}) << c.name;
        EXPECT_FALSE(common::FileExists(dir / "6.VRT")) << c.name;
        EXPECT_TRUE(LastCommandsWere({"MD0", "HU0"})) << c.name;
    }
}

TEST(Settings, VarentaFileSharedOwnFileForTheWindow)
{
    varenta::testing::TempWorkDir dir;
    struct Case {
        const char* name;
        const char* varentaIni;  // nullptr: no file
        const char* ownIni;      // nullptr: no file; "" a file that cannot be read
        bool found;
        std::string directory;
        int delaytime;
        std::string readertype;
        int width;
    } cases[] = {
        {"no varenta.ini: defaults", nullptr, nullptr, false, "", 10000, "KR7700", 540},
        {"values read; Varenta's own window size is not Sheetrun's",
         "[Setup]\r\ndirectory=/subjects\r\n[Reader]\r\ndelaytime=0\r\nreadertype=KR9\r\n[Form]\r\nWidth=999\r\n",
         "[Form]\r\nWidth=600\r\n", true, "/subjects", 0, "KR9", 600},
        {"negative pause; unreadable own file gives the default window",
         "[Reader]\r\ndelaytime=-5\r\n", "", true, "", 0, "KR7700", 540},
    };
    int n = 0;
    for (const auto& c : cases) {
        const std::string sub = dir / std::to_string(++n);
        std::filesystem::create_directory(sub);
        if (c.varentaIni)
            common::WriteFileAtomically(sub + "/varenta.ini", c.varentaIni);
        if (c.ownIni && *c.ownIni)
            common::WriteFileAtomically(sub + "/sheetrun.ini", c.ownIni);
        else if (c.ownIni)
            std::filesystem::create_symlink("/proc/self/mem", sub + "/sheetrun.ini");
        varenta::RunState state;
        ReaderSettings reader;
        bool found = !c.found;
        EXPECT_NO_THROW(found = ReadSheetrunSettings(state, reader, VarentaConfigPath(sub), OwnConfigPath(sub)))
            << c.name;
        EXPECT_EQ(found, c.found) << c.name;
        EXPECT_EQ(state.DataDirectory, c.directory) << c.name;
        EXPECT_EQ(reader.delaytime, c.delaytime) << c.name;
        EXPECT_EQ(reader.readertype, c.readertype) << c.name;
        EXPECT_EQ(state.form.Width, c.width) << c.name;
    }
}

TEST(Process, MissingProgramIsPassedOverAndAStartedOneIsWaitedFor)
{
    int pumps = 0;
    EXPECT_FALSE(RunAndWait("/nonexistent/varenta", [&](int) { ++pumps; }));
    const long long start = MonotonicMs();
    EXPECT_TRUE(RunAndWait("/bin/true", [&](int ms) { ++pumps; ::usleep(static_cast<useconds_t>(ms) * 1000); }));
    EXPECT_LT(MonotonicMs() - start, 5000);
    // The pause lasts at least its length.
    const long long before = MonotonicMs();
    Delay(30, [](int ms) { ::usleep(static_cast<useconds_t>(ms) * 1000 / 2); });
    EXPECT_GE(MonotonicMs() - before, 30);
    EXPECT_EQ(VarentaProgram("/nonexistent"), "varenta");
}

}  // namespace
}  // namespace sheetrun
