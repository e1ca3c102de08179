#include "varenta/scoring/norm_tables.h"
#include "varenta/scoring/scoring.h"
#include "varenta/scoring/scoring_key.h"

#include "common/errors.h"

#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace varenta {
namespace {

using Scores = std::array<int, kScaleCount>;  // ?, F, Att, E, A, C, N, O

Scores ToArray(const OneBased<int, kScaleCount>& table)
{
    Scores out{};
    for (int s = 1; s <= kScaleCount; ++s)
        out[static_cast<std::size_t>(s - 1)] = table[s];
    return out;
}

struct ScoringCase {
    std::string name;
    int fill;                               // every answer
    std::vector<std::pair<int, int>> set;   // then these items get these answers
    Scores raw;
};

class RawScoring : public ::testing::TestWithParam<ScoringCase> {};

TEST_P(RawScoring, CountsEachScale)
{
    const ScoringCase& c = GetParam();
    RunState state;
    state.Answers.Fill(c.fill);
    for (auto [item, answer] : c.set)
        state.Answers[item] = answer;
    ScoreRawScales(state);
    EXPECT_EQ(ToArray(state.RawScores), c.raw);
}

INSTANTIATE_TEST_SUITE_P(
    Key, RawScoring,
    ::testing::Values(
        //            name               fill  items set        ?   F Att  E  A  C   N  O
        ScoringCase{"AllUndecided",        0, {},             {70, 0, 0, 0, 0, 0,  0, 0}},
        ScoringCase{"AllYes",              1, {},             { 0, 3, 5, 6, 7, 5,  2, 9}},
        ScoringCase{"AllNo",              -1, {},             { 0, 5, 5, 6, 5, 7, 10, 3}},
        ScoringCase{"Item50YesIsFAndAtt",  0, {{50, 1}},      {69, 1, 1, 0, 0, 0,  0, 0}},
        ScoringCase{"Item5YesIsA",         0, {{5, 1}},       {69, 0, 0, 0, 1, 0,  0, 0}},
        ScoringCase{"Item5NoIsF",          0, {{5, -1}},      {69, 1, 0, 0, 0, 0,  0, 0}},
        ScoringCase{"Item31YesIsF",        0, {{31, 1}},      {69, 1, 0, 0, 0, 0,  0, 0}},
        ScoringCase{"Item31NoIsA",         0, {{31, -1}},     {69, 0, 0, 0, 1, 0,  0, 0}},
        ScoringCase{"Item44NoIsN",         0, {{44, -1}},     {69, 0, 0, 0, 0, 0,  1, 0}},
        ScoringCase{"Item70YesIsA",        0, {{70, 1}},      {69, 0, 0, 0, 1, 0,  0, 0}},
        ScoringCase{"Item1NoIsC",          0, {{1, -1}},      {69, 0, 0, 0, 0, 1,  0, 0}},
        // Values other than 1, -1, 0 count nowhere, not even as undecided.
        ScoringCase{"Value2IsAbsent",      0, {{50, 2}},      {69, 0, 0, 0, 0, 0,  0, 0}},
        ScoringCase{"AllValue2",           2, {},             { 0, 0, 0, 0, 0, 0,  0, 0}},
        ScoringCase{"AllValueMinus2",     -2, {},             { 0, 0, 0, 0, 0, 0,  0, 0}},
        ScoringCase{"ExtremeValues",       1, {{1, INT_MIN}, {3, INT_MAX}},
                                                              { 0, 3, 5, 5, 7, 5,  2, 9}}),
    [](const auto& info) { return info.param.name; });

TEST(ScoringKey, BasicScalesUseSixtyItemsAndTheRestAreAttItems)
{
    std::multiset<int> basic;
    for (const ScaleKey& key : kScoringKey) {
        if (key.scale < kExtraversion)
            continue;
        basic.insert(key.yes.begin(), key.yes.end());
        basic.insert(key.no.begin(), key.no.end());
    }
    EXPECT_EQ(basic.size(), 60u);
    EXPECT_EQ(std::set<int>(basic.begin(), basic.end()).size(), 60u) << "an item twice";

    std::set<int> rest;
    for (int item = 1; item <= kItemCount; ++item)
        if (!basic.count(item))
            rest.insert(item);
    EXPECT_EQ(rest, (std::set<int>{9, 20, 33, 39, 41, 43, 50, 52, 58, 69}));
}

// --- norm groups and standard scores ----------------------------------------

TEST(NormGroup, AgeBoundaries)
{
    const std::vector<std::pair<int, std::optional<NormGroup>>> cases{
        {INT_MIN, std::nullopt}, {-1, std::nullopt}, {0, std::nullopt},
        {1, NormGroup::Adlescnt}, {22, NormGroup::Adlescnt},
        {23, NormGroup::Adult1}, {39, NormGroup::Adult1},
        {40, NormGroup::Adult2}, {59, NormGroup::Adult2},
        {60, NormGroup::Adult3}, {99, NormGroup::Adult3}, {100, NormGroup::Adult3},
        {150, NormGroup::Adult3},
        {151, std::nullopt}, {INT_MAX, std::nullopt},
    };
    for (auto [age, group] : cases)
        EXPECT_EQ(NormGroupForAge(age), group) << "age " << age;
}

Scores Convert(NormGroup group, const Scores& raw)
{
    RunState state;
    for (int s = 1; s <= kScaleCount; ++s)
        state.RawScores[s] = raw[static_cast<std::size_t>(s - 1)];
    ConvertToStandardScores(state, group);
    return ToArray(state.StandardScores);
}

TEST(StandardScores, AllYesInTheYouthGroup)
{
    RunState state;
    state.Answers.Fill(1);
    ScoreRawScales(state);
    ConvertToStandardScores(state, NormGroup::Adlescnt);
    EXPECT_EQ(ToArray(state.StandardScores), (Scores{49, 57, 53, 48, 45, 50, 41, 63}));
}

TEST(StandardScores, ExtremesOfEveryGroup)
{
    struct Case {
        NormGroup group;
        Scores lowest;   // every raw score 0
        Scores highest;  // ? 70, every keyed scale at its maximum
        int undecided2;  // standard score of ? raw 2
    };
    const std::vector<Case> cases{
        {NormGroup::Adlescnt, {49, 38, 31, 32, 20, 31, 32, 32}, {80, 80, 77, 67, 67, 73, 68, 75}, 79},
        {NormGroup::Adult1,   {50, 40, 28, 34, 21, 30, 33, 33}, {80, 80, 79, 67, 67, 70, 66, 73}, 76},
        {NormGroup::Adult2,   {49, 40, 29, 35, 21, 27, 31, 32}, {80, 80, 74, 69, 67, 68, 65, 75}, 76},
        {NormGroup::Adult3,   {49, 41, 24, 30, 20, 23, 20, 20}, {80, 77, 72, 71, 69, 63, 65, 69}, 72},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.group));
        EXPECT_EQ(Convert(c.group, {0, 0, 0, 0, 0, 0, 0, 0}), c.lowest);
        EXPECT_EQ(Convert(c.group, {70, 8, 10, 12, 12, 12, 12, 12}), c.highest);
        EXPECT_EQ(StandardScoreOf(c.group, kUndecided, 2), c.undecided2);
        EXPECT_EQ(StandardScoreOf(c.group, kUndecided, 13), 80);
    }
    EXPECT_EQ(StandardScoreOf(NormGroup::Adult3, kAgreeableness, 1), 20);
}

// A transposed or mistyped cell shows as a column that goes down.
TEST(StandardScores, EveryColumnRisesWithTheRawScore)
{
    for (NormGroup group : {NormGroup::Adlescnt, NormGroup::Adult1, NormGroup::Adult2,
                            NormGroup::Adult3}) {
        for (int scale = kUndecided; scale <= kOpenness; ++scale) {
            const Scale s = static_cast<Scale>(scale);
            for (int raw = 1; raw <= MaxRawScore(s); ++raw)
                EXPECT_LE(StandardScoreOf(group, s, raw - 1), StandardScoreOf(group, s, raw))
                    << "group " << static_cast<int>(group) << " scale " << scale << " raw " << raw;
        }
    }
}

TEST(StandardScores, RawScoreOutOfRangeIsAProgramFaultAndStoresNothing)
{
    RunState state;
    state.StandardScores.Fill(0);
    for (Scores raw : {Scores{71, 0, 0, 0, 0, 0, 0, 0}, Scores{0, 9, 0, 0, 0, 0, 0, 0},
                       Scores{0, 0, 11, 0, 0, 0, 0, 0}, Scores{0, 0, 0, 0, 0, 0, 0, 13},
                       Scores{0, 0, 0, -1, 0, 0, 0, 0}}) {
        for (int s = 1; s <= kScaleCount; ++s)
            state.RawScores[s] = raw[static_cast<std::size_t>(s - 1)];
        EXPECT_THROW(ConvertToStandardScores(state, NormGroup::Adult1), common::InternalError);
        EXPECT_EQ(ToArray(state.StandardScores), Scores{});
    }
}

}  // namespace
}  // namespace varenta
