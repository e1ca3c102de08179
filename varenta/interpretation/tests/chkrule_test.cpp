#include "varenta/interpretation/chkrule.h"

#include "interpretation_fixture.h"
#include "varenta/interpretation/rule_texts.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace varenta {
namespace {

using testing::MakeState;
using testing::Scores;
using testing::SetAnswers;

std::vector<int> FiredRules(const RunState& state)
{
    std::vector<int> fired;
    for (int rule = 1; rule <= kRuleCapacity; ++rule)
        if (state.RuleFired[rule])
            fired.push_back(rule);
    return fired;
}

std::string Joined(const Pieces& pieces)
{
    std::string text;
    for (const std::string& piece : pieces)
        text += piece;
    return text;
}

// The band as the rule table states it: a score reaches a band by passing
// its lower bound.
int ExpectedBand(int score)
{
    int band = 0;
    for (int lower : {35, 45, 56, 66})
        band += score >= lower ? 1 : 0;
    return band;
}

TEST(RunRules, EveryScoreFrom0To80FiresTheRuleOfItsBandInEveryScaleGroup)
{
    for (int score = 0; score <= 80; ++score) {
        SCOPED_TRACE("score " + std::to_string(score));
        auto state = MakeState({score, score, score, score, score, score, score, score});
        RunRules(*state);

        std::vector<int> expected;
        expected.push_back(4 + ExpectedBand(score));
        if (score >= 60 && score <= 65)
            expected.push_back(9);
        if (score >= 66)
            expected.push_back(10);
        for (int first : {11, 16, 21, 26, 31})
            expected.push_back(first + ExpectedBand(score));
        EXPECT_EQ(FiredRules(*state), expected);
    }
}

TEST(RunRules, AnswerPatternThresholds)
{
    struct Case {
        const char* name;
        int yes, no, undecided, other;
        std::vector<int> patternRules;
    };
    const Case cases[] = {
        {"64 yes", 64, 6, 0, 0, {}},
        {"65 yes", 65, 5, 0, 0, {1}},
        {"64 no", 6, 64, 0, 0, {}},
        {"65 no", 5, 65, 0, 0, {2}},
        {"4 undecided", 33, 33, 4, 0, {}},
        {"5 undecided", 33, 32, 5, 0, {3}},
        {"65 yes and 5 undecided", 65, 0, 5, 0, {1, 3}},
        // Values other than 1, -1 and 0 count as none of them.
        {"5 invalid answers", 33, 32, 0, 5, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto state = MakeState();
        int item = 1;
        const std::pair<int, int> groups[] = {{c.yes, 1}, {c.no, -1}, {c.undecided, 0}, {c.other, 7}};
        for (auto [count, value] : groups)
            for (int i = 0; i < count; ++i)
                state->Answers[item++] = value;
        ASSERT_EQ(item, kItemCount + 1);
        RunRules(*state);

        std::vector<int> expected = c.patternRules;
        for (int rule : {6, 13, 18, 23, 28, 33})
            expected.push_back(rule);
        EXPECT_EQ(FiredRules(*state), expected);
    }
}

TEST(RunRules, MessagesAreNumberedInRuleOrderAndHoldTheRuleTexts)
{
    // ? F Att E A C N O
    auto state = MakeState({50, 50, 62, 50, 50, 50, 50, 50});
    SetAnswers(*state, 6, 0);
    RunRules(*state);

    const std::vector<int> expected = {3, 6, 9, 13, 18, 23, 28, 33};
    ASSERT_EQ(state->MessageCount, static_cast<int>(expected.size()));
    for (int k = 1; k <= state->MessageCount; ++k) {
        const int rule = expected[static_cast<std::size_t>(k - 1)];
        EXPECT_EQ(state->MessageRule[k], rule) << "message " << k;
        EXPECT_EQ(state->MessageSlots[k], Joined(RuleMessage(rule))) << "message " << k;
    }
    EXPECT_EQ(state->MessageRule[state->MessageCount + 1], 0);
}

TEST(RunRules, AllScoresZeroFireTheLowestBands)
{
    auto state = MakeState({0, 0, 0, 0, 0, 0, 0, 0});
    SetAnswers(*state, kItemCount, 1);
    RunRules(*state);
    EXPECT_EQ(FiredRules(*state), (std::vector<int>{1, 4, 11, 16, 21, 26, 31}));
}

TEST(RunRules, EvaluatingTheSameStateAgainGivesTheSameStore)
{
    auto state = MakeState({50, 70, 66, 30, 50, 50, 50, 80});
    SetAnswers(*state, 66, 1);
    RunRules(*state);
    const auto slots = state->MessageSlots;
    const auto owners = state->MessageRule;
    const int count = state->MessageCount;

    state->StandardScores[kFrequency] = 50;  // rule 6 instead of rule 8
    RunRules(*state);
    EXPECT_EQ(state->MessageCount, count);
    EXPECT_FALSE(state->RuleFired[8]);
    EXPECT_TRUE(state->RuleFired[6]);

    state->StandardScores[kFrequency] = 70;
    RunRules(*state);
    EXPECT_EQ(state->MessageSlots, slots);
    EXPECT_EQ(state->MessageRule, owners);
}

}  // namespace
}  // namespace varenta
