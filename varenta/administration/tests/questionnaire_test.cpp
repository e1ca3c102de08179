#include "varenta/administration/questionnaire.h"

#include "common/errors.h"
#include "common/sjis.h"
#include "common/text_file.h"
#include "temp_dir.h"
#include "varenta/administration/administration_texts.h"
#include "varenta/shell/subject_files.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <set>

namespace varenta {
namespace {

// A subject at the screen: answers each showing by a script and records
// everything shown.
class ScriptedSubject : public QuestionnaireUi {
public:
    // Called with the view and how often this item has been shown before.
    std::function<ItemChoice(const ItemView&, int earlierShowings)> script;
    bool confirmInterruption = true;

    std::vector<ItemView> shown;
    std::vector<std::string> messages;
    std::vector<std::string> confirmations;
    std::vector<std::string> endTexts;
    int backdrops = 0;
    int instructions = 0;

    void ShowBackdrop() override { ++backdrops; }
    void ShowInstruction() override { ++instructions; }
    ItemChoice ShowItem(const ItemView& view) override
    {
        shown.push_back(view);
        return script(view, showings_[view.item]++);
    }
    void ShowMessage(const std::string& text) override { messages.push_back(text); }
    bool ConfirmInterruption(const std::string& text) override
    {
        confirmations.push_back(text);
        return confirmInterruption;
    }
    void ShowEndMessage(const std::string& text) override { endTexts.push_back(text); }

    std::vector<int> ShownItems() const
    {
        std::vector<int> items;
        for (const ItemView& v : shown)
            items.push_back(v.item);
        return items;
    }

private:
    std::map<int, int> showings_;
};

std::vector<std::string> ItemList()
{
    std::vector<std::string> items{""};
    for (int i = 1; i <= kItemCount; ++i)
        items.push_back(std::to_string(i) + " statement " + std::to_string(i));
    return items;
}

std::vector<int> Range(int from, int to)
{
    std::vector<int> v;
    for (int i = from; i <= to; ++i)
        v.push_back(i);
    return v;
}

std::vector<int> Concat(std::vector<int> a, const std::vector<int>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// The answer file as the examiner's next run must find it.
std::string AnswerFileBytes(const std::string& sex, const std::vector<int>& answers)
{
    std::string line;
    for (int a : answers)
        line += a == 1 ? "   1" : a == -1 ? "  -1" : "   0";
    return sex + "\r\n" + line + "\r\n";
}

ItemChoice YesOrNo(int item) { return item % 2 ? ItemChoice::Yes : ItemChoice::No; }
int CodeOf(int item) { return item % 2 ? 1 : -1; }

class QuestionnaireTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        state.BasePath = dir / "subject";
        state.Sex = "FEMALE";
    }

    void Run()
    {
        Questionnaire questionnaire(state, subject, items);
        questionnaire.AdministerQuestionnaire();
        EXPECT_TRUE(questionnaire.Ended());
    }

    std::string AnswerFile() const { return common::ReadFile(AnswerPath(state.BasePath)); }

    testing::TempDir dir;
    RunState state;
    ScriptedSubject subject;
    std::vector<std::string> items = ItemList();
};

TEST_F(QuestionnaireTest, AllAnsweredYesOrNo)
{
    subject.script = [](const ItemView& v, int) { return YesOrNo(v.item); };
    Run();

    EXPECT_EQ(subject.backdrops, 1);
    EXPECT_EQ(subject.instructions, 1);
    EXPECT_EQ(subject.ShownItems(), Range(1, 70));  // no repeat pass
    EXPECT_EQ(subject.shown[0].rows[0], "statement 1");
    EXPECT_FALSE(subject.shown[0].backEnabled);
    EXPECT_TRUE(subject.shown[1].backEnabled);
    EXPECT_TRUE(subject.shown[69].interruptEnabled);
    EXPECT_TRUE(subject.messages.empty());
    EXPECT_EQ(subject.endTexts, std::vector<std::string>{texts::CompleteEndText()});

    std::vector<int> expected;
    for (int i = 1; i <= 70; ++i)
        expected.push_back(CodeOf(i));
    EXPECT_EQ(AnswerFile(), AnswerFileBytes("FEMALE", expected));
    EXPECT_EQ(state.SaveCount, 70);
}

struct UndecidedCase {
    const char* name;
    std::vector<int> undecided;
    bool warned;
};

class UndecidedTest : public QuestionnaireTest,
                      public ::testing::WithParamInterface<UndecidedCase> {};

TEST_P(UndecidedTest, RepeatsEveryUndecidedItemOnce)
{
    const UndecidedCase& c = GetParam();
    std::set<int> undecided(c.undecided.begin(), c.undecided.end());
    const int stubborn = c.undecided.back();  // answers "？" again
    subject.script = [&](const ItemView& v, int earlier) {
        if (earlier == 0)
            return undecided.count(v.item) ? ItemChoice::Undecided : ItemChoice::Yes;
        return v.item == stubborn ? ItemChoice::Undecided : ItemChoice::No;
    };
    Run();

    EXPECT_EQ(subject.ShownItems(), Concat(Range(1, 70), c.undecided));
    for (std::size_t i = 70; i < subject.shown.size(); ++i)
        EXPECT_FALSE(subject.shown[i].interruptEnabled) << "repeat of item " << subject.shown[i].item;
    EXPECT_EQ(subject.messages, c.warned ? std::vector<std::string>{texts::UndecidedMessage()}
                                         : std::vector<std::string>{});

    std::vector<int> expected(70, 1);
    for (int item : c.undecided)
        expected[static_cast<std::size_t>(item - 1)] = item == stubborn ? 0 : -1;
    EXPECT_EQ(AnswerFile(), AnswerFileBytes("FEMALE", expected));
    EXPECT_EQ(subject.endTexts, std::vector<std::string>{texts::CompleteEndText()});
}

INSTANTIATE_TEST_SUITE_P(Cases, UndecidedTest,
                         ::testing::Values(UndecidedCase{"Four", {3, 17, 40, 70}, false},
                                           UndecidedCase{"Five", {1, 3, 17, 40, 70}, true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(QuestionnaireTest, BackShowsThePreviousItemOnceBetweenAnswers)
{
    subject.script = [](const ItemView& v, int earlier) {
        if (v.item == 10 && earlier == 0)
            return ItemChoice::Back;
        if (v.item == 9 && earlier == 1)
            return ItemChoice::No;  // the subject changes their mind
        return ItemChoice::Yes;
    };
    Run();

    EXPECT_EQ(subject.ShownItems(), Concat(Concat(Range(1, 10), {9}), Range(10, 70)));
    const ItemView& nineAgain = subject.shown[10];
    EXPECT_FALSE(nineAgain.backEnabled);
    EXPECT_TRUE(subject.shown[11].backEnabled);

    std::vector<int> expected(70, 1);
    expected[8] = -1;
    EXPECT_EQ(AnswerFile(), AnswerFileBytes("FEMALE", expected));
}

struct RepeatBackCase {
    const char* name;
    std::vector<int> undecided;
    int stillUndecided;  // answered "？" again on its first repeat (0: none)
    int backAt;
    int shownNext;
};

class RepeatPassBackTest : public QuestionnaireTest,
                           public ::testing::WithParamInterface<RepeatBackCase> {};

TEST_P(RepeatPassBackTest, BackReturnsOnlyToAnUndecidedItem)
{
    const RepeatBackCase& c = GetParam();
    std::set<int> undecided(c.undecided.begin(), c.undecided.end());
    bool wentBack = false;
    subject.script = [&](const ItemView& v, int earlier) {
        if (earlier == 0)
            return undecided.count(v.item) ? ItemChoice::Undecided : ItemChoice::Yes;
        if (v.item == c.backAt && !wentBack) {
            wentBack = true;
            EXPECT_TRUE(v.backEnabled);
            return ItemChoice::Back;
        }
        if (v.item == c.stillUndecided && earlier == 1)
            return ItemChoice::Undecided;
        return ItemChoice::No;
    };
    Run();

    std::vector<int> repeat = subject.ShownItems();
    repeat.erase(repeat.begin(), repeat.begin() + 70);
    auto at = std::find(repeat.begin(), repeat.end(), c.backAt);
    ASSERT_NE(at, repeat.end());
    ASSERT_NE(at + 1, repeat.end());
    EXPECT_EQ(*(at + 1), c.shownNext);
    EXPECT_FALSE(subject.shown[static_cast<std::size_t>(70 + (at + 1 - repeat.begin()))].backEnabled);
    for (int item : c.undecided)  // every undecided item was answered in the end
        EXPECT_EQ(state.Answers[item], -1) << "item " << item;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RepeatPassBackTest,
    ::testing::Values(
        // Item 1 undecided; 戻る is still enabled by the first pass's last answer.
        RepeatBackCase{"OnItemOne", {1}, 0, 1, 1},
        RepeatBackCase{"ToTheItemBeforeStillUndecided", {5, 6}, 5, 6, 5},
        RepeatBackCase{"NotToTheItemBeforeAnsweredNow", {5, 6}, 0, 6, 6},
        RepeatBackCase{"NotToAnItemAnsweredInTheFirstPass", {5, 9}, 0, 9, 9}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(QuestionnaireTest, ConfirmedInterruptionSavesTheItemsBeforeAndTheNextRunGoesOn)
{
    // Item 30 is answered, then the subject steps back to it and interrupts:
    // only items 1 to 29 are kept.
    subject.script = [](const ItemView& v, int earlier) {
        if (v.item == 31)
            return ItemChoice::Back;
        if (v.item == 30 && earlier == 1)
            return ItemChoice::Interrupt;
        return YesOrNo(v.item);
    };
    Run();

    EXPECT_EQ(subject.ShownItems(), Concat(Range(1, 31), {30}));
    EXPECT_EQ(subject.confirmations, std::vector<std::string>{texts::InterruptionQuestion()});
    EXPECT_EQ(subject.endTexts, std::vector<std::string>{texts::InterruptedEndText()});
    std::vector<int> first29;
    for (int i = 1; i <= 29; ++i)
        first29.push_back(CodeOf(i));
    EXPECT_EQ(AnswerFile(), AnswerFileBytes("FEMALE", first29));

    // The next run on the same subject.
    RunState next;
    next.BasePath = state.BasePath;
    LoadAnswerFile(next);
    ASSERT_EQ(next.CurrentItem, 29);
    ScriptedSubject again;
    again.script = [](const ItemView& v, int) { return YesOrNo(v.item); };
    Questionnaire(next, again, items).AdministerQuestionnaire();

    EXPECT_EQ(again.ShownItems(), Range(30, 70));
    EXPECT_FALSE(again.shown[0].backEnabled);
    std::vector<int> all;
    for (int i = 1; i <= 70; ++i)
        all.push_back(CodeOf(i));
    EXPECT_EQ(AnswerFile(), AnswerFileBytes("FEMALE", all));
}

TEST_F(QuestionnaireTest, DeclinedInterruptionShowsTheSameItemAgain)
{
    subject.confirmInterruption = false;
    subject.script = [](const ItemView& v, int earlier) {
        return v.item == 30 && earlier == 0 ? ItemChoice::Interrupt : ItemChoice::Yes;
    };
    Run();

    EXPECT_EQ(subject.ShownItems(), Concat(Range(1, 30), Range(30, 70)));
    EXPECT_EQ(subject.confirmations.size(), 1u);
    EXPECT_EQ(subject.endTexts, std::vector<std::string>{texts::CompleteEndText()});
    EXPECT_EQ(AnswerFile(), AnswerFileBytes("FEMALE", std::vector<int>(70, 1)));
}

TEST_F(QuestionnaireTest, InterruptionAtItemOneLeavesTheSexAndAnEmptyLine)
{
    subject.script = [](const ItemView&, int) { return ItemChoice::Interrupt; };
    Run();

    EXPECT_EQ(subject.ShownItems(), std::vector<int>{1});
    EXPECT_EQ(AnswerFile(), "FEMALE\r\n\r\n");
    EXPECT_EQ(subject.endTexts, std::vector<std::string>{texts::InterruptedEndText()});
}

TEST_F(QuestionnaireTest, AnswerFileThatCannotBeWrittenIsNotReportedAsSaved)
{
    state.BasePath = dir / "missing-directory/subject";
    subject.script = [](const ItemView&, int) { return ItemChoice::Yes; };
    Run();

    ASSERT_EQ(subject.endTexts.size(), 1u);
    const std::string& text = subject.endTexts[0];
    EXPECT_EQ(text.rfind(texts::AnswersNotSavedText(), 0), 0u) << sjis::ToUtf8(text);
    EXPECT_NE(text.find("missing-directory"), std::string::npos);
}

TEST_F(QuestionnaireTest, TooShortItemListIsRefusedBeforeAnythingIsShown)
{
    items.resize(70);  // the empty line and items 1..69
    subject.script = [](const ItemView&, int) { return ItemChoice::Yes; };
    Questionnaire questionnaire(state, subject, items);
    EXPECT_THROW(questionnaire.AdministerQuestionnaire(), common::InputError);
    EXPECT_EQ(subject.backdrops, 0);
    EXPECT_TRUE(subject.shown.empty());
}

TEST(AdministrationTexts, HaveTheirSizesAndSeparators)
{
    const std::size_t sizes[] = {54, 54, 56, 56, 52, 50, 50};
    for (int line = 1; line <= texts::kInstructionLines; ++line)
        EXPECT_EQ(texts::InstructionLine(line).size(), sizes[line - 1]) << "line " << line;
    EXPECT_EQ(texts::InstructionLine(7), sjis::FromUtf8("  質問を始めたいと思いますが、よろしいでしょうか？"));

    const std::string& message = texts::UndecidedMessage();
    EXPECT_EQ(message.size(), 182u);
    std::size_t separators = 0;
    for (std::size_t at = message.find("\n\r"); at != std::string::npos;
         at = message.find("\n\r", at + 2))
        ++separators;
    EXPECT_EQ(separators, 4u);  // five lines
}

}  // namespace
}  // namespace varenta
