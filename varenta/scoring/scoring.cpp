#include "scoring.h"

#include "varenta/scoring/norm_tables.h"
#include "varenta/scoring/scoring_key.h"

namespace varenta {

namespace {

constexpr int kYes = 1;
constexpr int kNo = -1;
constexpr int kUndecidedAnswer = 0;

int CountMatching(const OneBased<int, kItemCount>& answers, const ItemList& items, int answer)
{
    int count = 0;
    for (int item : items)
        if (answers[item] == answer)
            ++count;
    return count;
}

}  // namespace

std::optional<NormGroup> NormGroupForAge(int age)
{
    if (age >= 1 && age <= 22) return NormGroup::Adlescnt;
    if (age >= 23 && age <= 39) return NormGroup::Adult1;
    if (age >= 40 && age <= 59) return NormGroup::Adult2;
    if (age >= 60 && age <= 150) return NormGroup::Adult3;
    return std::nullopt;
}

void ScoreRawScales(RunState& state)
{
    int undecided = 0;
    for (int answer : state.Answers)
        if (answer == kUndecidedAnswer)
            ++undecided;
    state.RawScores[kUndecided] = undecided;

    for (const ScaleKey& key : kScoringKey)
        state.RawScores[key.scale] =
            CountMatching(state.Answers, key.yes, kYes) + CountMatching(state.Answers, key.no, kNo);
}

void ConvertToStandardScores(RunState& state, NormGroup group)
{
    // Look every score up before storing any, so that a raw score out of
    // range leaves StandardScores as they were.
    OneBased<int, kScaleCount> converted;
    for (int scale = kUndecided; scale <= kOpenness; ++scale)
        converted[scale] = StandardScoreOf(group, static_cast<Scale>(scale), state.RawScores[scale]);
    state.StandardScores = converted;
}

}  // namespace varenta
