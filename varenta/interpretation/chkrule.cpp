#include "chkrule.h"

#include "messlib.h"
#include "rule_texts.h"

namespace varenta {

namespace {

// More than 64 of the 70 answers alike is a yes/no pattern; more than 4
// undecided answers is too many.
constexpr int kPatternLimit = 64;
constexpr int kUndecidedLimit = 4;

constexpr int kYes = 1;
constexpr int kNo = -1;
constexpr int kUndecidedAnswer = 0;

int CountAnswers(const RunState& state, int value)
{
    int count = 0;
    for (int answer : state.Answers)
        count += answer == value ? 1 : 0;
    return count;
}

void Fire(RunState& state, int rule)
{
    FireRule(state, rule, RuleMessage(rule));
}

// Fires the rule of the score's band among five rules starting at `first`.
void FireBandRule(RunState& state, int first, Scale scale)
{
    Fire(state, first + static_cast<int>(BandOf(state.StandardScores[scale])));
}

}  // namespace

ScoreBand BandOf(int score)
{
    if (score <= 34)
        return ScoreBand::kVeryLow;
    if (score <= 44)
        return ScoreBand::kLow;
    if (score <= 55)
        return ScoreBand::kMiddle;
    if (score <= 65)
        return ScoreBand::kHigh;
    return ScoreBand::kVeryHigh;
}

void RunRules(RunState& state)
{
    state.MessageCount = 0;
    state.RuleFired.Fill(false);
    state.MessageRule.Fill(0);
    state.MessageSlots.Fill(std::string());

    // Answer pattern.
    if (CountAnswers(state, kYes) > kPatternLimit)
        Fire(state, 1);
    if (CountAnswers(state, kNo) > kPatternLimit)
        Fire(state, 2);
    if (CountAnswers(state, kUndecidedAnswer) > kUndecidedLimit)
        Fire(state, 3);

    // F: rules 4 to 8.
    FireBandRule(state, 4, kFrequency);

    // Att: only the high side is remarked on.
    const int att = state.StandardScores[kAttitude];
    if (att >= 60 && att <= 65)
        Fire(state, 9);
    else if (att >= 66)
        Fire(state, 10);

    // The basic scales: E 11-15, A 16-20, C 21-25, N 26-30, O 31-35.
    FireBandRule(state, 11, kExtraversion);
    FireBandRule(state, 16, kAgreeableness);
    FireBandRule(state, 21, kConscientiousness);
    FireBandRule(state, 26, kStability);
    FireBandRule(state, 31, kOpenness);
}

}  // namespace varenta
