#include "varenta/interpretation/chkmeta.h"

#include "common/errors.h"
#include "common/text_file.h"
#include "interpretation_fixture.h"
#include "varenta/interpretation/chkrule.h"
#include "varenta/interpretation/messlib.h"
#include "varenta/interpretation/rule_texts.h"
#include "varenta/interpretation/section_texts.h"

#include <gtest/gtest.h>

#include <vector>

namespace varenta {
namespace {

using testing::MakeState;
using testing::Scores;
using testing::SetAnswers;
using testing::Sjis;
using testing::TempDir;

constexpr std::string_view kCrLf = "\r\n";

std::string Message(int rule)
{
    std::string text;
    for (const std::string& piece : RuleMessage(rule))
        text += piece;
    return text;
}

// The attitude body: what WriteAttitude writes after its heading and the
// two line ends that follow it.
std::string AttitudeBody(RunState& state)
{
    state.ReportFile.OpenMemory();
    common::OutputFile file;
    file.OpenMemory();
    SectionWriter out(state, state.ReportFile, file);
    WriteAttitude(out);
    const std::string written = state.ReportFile.Memory();
    EXPECT_EQ(file.Memory(), written);
    const std::string heading = Sjis("<<  受検態度  >>\r\n\r\n");
    const std::size_t at = written.find(heading);
    if (at == std::string::npos)
        return "(no heading)";
    return written.substr(at + heading.size());
}

TEST(WriteAttitude, LevelsJoiningWordsAndWhichRemarksAppear)
{
    const SectionTexts& t = InterpretationTexts();
    const std::string moreover = Sjis("また、");
    const std::string however = Sjis("ただし、");
    const std::string crlf(kCrLf);
    struct Case {
        const char* name;
        Scores scores;  // ? F Att E A C N O
        int answerCount;
        int answerValue;
        std::string body;
    };
    const Case cases[] = {
        {"F 50 Att 50: trustworthy, no reservation",
         {50, 50, 50, 50, 50, 50, 50, 50}, 0, 0, t.trustworthyOpening + Message(6)},
        {"F 40: trustworthy with ただし",
         {50, 40, 50, 50, 50, 50, 50, 50}, 0, 0, t.trustworthyOpening + however + Message(5)},
        {"F 60 Att 59: trustworthy with ただし",
         {50, 60, 59, 50, 50, 50, 50, 50}, 0, 0, t.trustworthyOpening + however + Message(7)},
        {"all scores 0: trustworthy, rule 4",
         {0, 0, 0, 0, 0, 0, 0, 0}, 0, 0, t.trustworthyOpening + however + Message(4)},
        {"F 70 Att 62: somewhat doubtful, rules 8 and 9",
         {50, 70, 62, 50, 50, 50, 50, 50}, 0, 0,
         t.somewhatDoubtfulOpening + Message(8) + Message(9) + crlf + t.somewhatDoubtfulClosing},
        {"F 70 Att 50: somewhat doubtful, rule 8 only",
         {50, 70, 50, 50, 50, 50, 50, 50}, 0, 0,
         t.somewhatDoubtfulOpening + Message(8) + crlf + t.somewhatDoubtfulClosing},
        {"F 60 Att 60: somewhat doubtful without the F remark",
         {50, 60, 60, 50, 50, 50, 50, 50}, 0, 0,
         t.somewhatDoubtfulOpening + Message(9) + crlf + t.somewhatDoubtfulClosing},
        {"66 yes and Att 70: また joins the two remarks",
         {50, 50, 70, 50, 50, 50, 50, 50}, 66, 1,
         t.veryDoubtfulOpening + Message(1) + moreover + Message(10) + crlf + t.veryDoubtfulClosing},
        {"6 undecided and Att 70: no joining word after the ？ remark",
         {50, 50, 70, 50, 50, 50, 50, 50}, 6, 0,
         t.veryDoubtfulOpening + Message(3) + Message(10) + crlf + t.veryDoubtfulClosing},
        {"66 yes and F 70: the F remark is not mentioned",
         {50, 70, 50, 50, 50, 50, 50, 50}, 66, 1,
         t.veryDoubtfulOpening + Message(1) + crlf + t.veryDoubtfulClosing},
        {"Att 66 alone: very doubtful",
         {50, 50, 66, 50, 50, 50, 50, 50}, 0, 0,
         t.veryDoubtfulOpening + Message(10) + crlf + t.veryDoubtfulClosing},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto state = MakeState(c.scores);
        SetAnswers(*state, c.answerCount, c.answerValue);
        RunRules(*state);
        EXPECT_EQ(AttitudeBody(*state), c.body);
    }
}

TEST(WriteAttitude, NoPatternAndUndecidedTogetherWithAtt66)
{
    // 65 no answers and 5 undecided: rules 2 and 3, then また before rule 10.
    auto state = MakeState({50, 50, 66, 50, 50, 50, 50, 50});
    SetAnswers(*state, 65, -1);
    for (int item = 66; item <= 70; ++item)
        state->Answers[item] = 0;
    RunRules(*state);
    const SectionTexts& t = InterpretationTexts();
    EXPECT_EQ(AttitudeBody(*state), t.veryDoubtfulOpening + Message(2) + Message(3) +
                                        Sjis("また、") + Message(10) + "\r\n" +
                                        t.veryDoubtfulClosing);
}

TEST(SectionWriter, WriteRule)
{
    auto state = MakeState();
    FireRule(*state, 5, Pieces{"first"});
    FireRule(*state, 9, Pieces{"other"});
    FireRule(*state, 5, Pieces{"second"});
    state->ReportFile.OpenMemory();
    common::OutputFile file;
    file.OpenMemory();
    SectionWriter out(*state, state->ReportFile, file);

    out.WriteRule(5);  // both messages of rule 5, lower number first
    out.WriteRule(6);  // unfired: nothing
    EXPECT_EQ(state->ReportFile.Memory(), "firstsecond");
    EXPECT_EQ(file.Memory(), "firstsecond");
    EXPECT_THROW(out.WriteRule(0), common::InternalError);
    EXPECT_THROW(out.WriteRule(kRuleCapacity + 1), common::InternalError);
}

// A state with scores that fire rules 6, 12, 19, 23, 30, 34 and a
// description of two paragraphs.
std::unique_ptr<RunState> ScoredState(const std::string& basePath, int lineWidth)
{
    auto state = MakeState({50, 50, 50, 40, 60, 50, 70, 60});
    state->BasePath = basePath;
    state->settings.number_of_letters = lineWidth;
    RunRules(*state);
    state->ImpressionText = Sjis("　あなたは「平均人」タイプです。\n\r　段落。");
    return state;
}

TEST(WriteInterpretation, SectionLayoutInTheReportAndTheInterpretationFile)
{
    for (int width : {80, 0, 100}) {
        SCOPED_TRACE("number_of_letters " + std::to_string(width));
        TempDir dir;
        auto state = ScoredState(dir / "S001", width);
        state->ReportFile.Open(dir / "VR.$$$");
        state->ReportFile.Write("face sheet\r\n");
        WriteInterpretation(*state);
        state->ReportFile.Close();

        std::string expected = std::string(static_cast<std::size_t>(width), '-') + "\r\n";
        expected += Sjis("［　自動解釈　］\r\n\r\n\r\n");
        expected += Sjis("<<  受検態度  >>\r\n\r\n");
        expected += InterpretationTexts().trustworthyOpening + Message(6);
        expected += Sjis("\r\n\r\n<<  基本的性格  >>\r\n\r\n");
        const std::pair<const char*, int> scales[] = {
            {"E    外向性", 12}, {"A    協調性", 19}, {"C    良識性", 23},
            {"N    情緒安定性", 30}, {"O    知的好奇心", 34}};
        for (auto [heading, rule] : scales)
            expected += Sjis(heading) + "\r\n\r\n" + Sjis("　") + Message(rule) + "\r\n\r\n";
        expected += Sjis("<<  全体的印象　>>\r\n\r\n");
        expected += state->ImpressionText + "\r\n";

        const std::string aim = common::ReadFile(dir / "S001.AIM");
        EXPECT_EQ(aim, expected);
        EXPECT_EQ(common::ReadFile(dir / "VR.$$$"), "face sheet\r\n" + aim);
    }
}

TEST(WriteInterpretation, ReplacesAnOlderInterpretationFile)
{
    TempDir dir;
    common::WriteFileAtomically(dir / "S001.AIM", std::string(100000, 'x'));
    auto state = ScoredState(dir / "S001", 80);
    state->ReportFile.OpenMemory();
    WriteInterpretation(*state);
    EXPECT_EQ(common::ReadFile(dir / "S001.AIM"), state->ReportFile.Memory());
}

TEST(WriteInterpretation, FileThatCannotBeCreatedStopsBeforeAnyText)
{
    TempDir dir;
    auto state = ScoredState(dir / "missing/S001", 80);
    state->ReportFile.OpenMemory();
    EXPECT_THROW(WriteInterpretation(*state), common::IoError);
    EXPECT_EQ(state->ReportFile.Memory(), "");
}

TEST(WriteInterpretation, FullReportDiskIsReportedAtTheFirstWrite)
{
    TempDir dir;
    auto state = ScoredState(dir / "S001", 80);
    state->ReportFile.Open("/dev/full");
    EXPECT_THROW(WriteInterpretation(*state), common::IoError);
    // The report failed first, so the file never received the line either.
    EXPECT_EQ(common::ReadFile(dir / "S001.AIM"), "");
}

}  // namespace
}  // namespace varenta
