#include "varenta/interpretation/messlib.h"

#include "common/errors.h"
#include "interpretation_fixture.h"

#include <gtest/gtest.h>

namespace varenta {
namespace {

using testing::MakeState;

TEST(FireRule, StoresTheJoinedPiecesAsTheNextMessageOfTheRule)
{
    auto state = MakeState();
    FireRule(*state, 7, Pieces{"ab", "cd", "ef"});
    // A shorter text afterwards must not keep pieces of the longer one.
    FireRule(*state, 12, Pieces{"X"});

    EXPECT_EQ(state->MessageCount, 2);
    EXPECT_EQ(state->MessageRule[1], 7);
    EXPECT_EQ(state->MessageRule[2], 12);
    EXPECT_EQ(state->MessageSlots[1], "abcdef");
    EXPECT_EQ(state->MessageSlots[2], "X");
    EXPECT_TRUE(state->RuleFired[7]);
    EXPECT_TRUE(state->RuleFired[12]);
    EXPECT_FALSE(state->RuleFired[8]);
}

TEST(FireRule, CapacityViolationsAreInternalErrorsThatChangeNothing)
{
    struct Case {
        const char* name;
        int rule;
        int storedBefore;
        std::size_t pieces;
    };
    const Case cases[] = {
        {"rule 0", 0, 0, 1},
        {"rule 311", 311, 0, 1},
        {"76th message", 5, kMessageCapacity, 1},
        {"31 pieces", 5, 0, kFragmentCapacity + 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto state = MakeState();
        for (int i = 0; i < c.storedBefore; ++i)
            FireRule(*state, 300, Pieces{"m"});
        const int countBefore = state->MessageCount;
        const Pieces pieces(c.pieces, "p");

        EXPECT_THROW(FireRule(*state, c.rule, pieces), common::InternalError);
        EXPECT_EQ(state->MessageCount, countBefore);
        if (c.rule >= 1 && c.rule <= kRuleCapacity) {
            EXPECT_FALSE(state->RuleFired[c.rule]);
        }
        EXPECT_EQ(state->MessageRule[kMessageCapacity + 1], 0);
    }
}

TEST(FireRule, LimitsThemselvesAreAccepted)
{
    auto state = MakeState();
    FireRule(*state, kRuleCapacity, Pieces(kFragmentCapacity, "p"));
    for (int i = 1; i < kMessageCapacity; ++i)
        FireRule(*state, 1, Pieces{"m"});
    EXPECT_EQ(state->MessageCount, kMessageCapacity);
    EXPECT_EQ(state->MessageSlots[1], std::string(kFragmentCapacity, 'p'));
    EXPECT_EQ(state->MessageRule[kMessageCapacity], 1);
}

TEST(Fragments, JoinConcatenatesAllThirtyInIndexOrderKeepingLfCr)
{
    auto state = MakeState();
    StoreFragments(*state, Pieces{"title", "\n\r", "para"});
    SetFragment(*state, kFragmentCapacity, "end");
    JoinFragments(*state);
    EXPECT_EQ(state->ImpressionText, "title\n\rparaend");

    ClearFragments(*state);
    JoinFragments(*state);
    EXPECT_EQ(state->ImpressionText, "");
}

TEST(Fragments, IndexOutsideTheAreaIsAnInternalError)
{
    auto state = MakeState();
    EXPECT_THROW(SetFragment(*state, 0, "x"), common::InternalError);
    EXPECT_THROW(SetFragment(*state, kFragmentCapacity + 1, "x"), common::InternalError);
    EXPECT_THROW(StoreFragments(*state, Pieces(kFragmentCapacity + 1, "x")),
                 common::InternalError);
}

TEST(StoreMessage, WithoutACountedMessageIsAnInternalError)
{
    auto state = MakeState();
    StoreFragments(*state, Pieces{"x"});
    EXPECT_THROW(StoreMessage(*state), common::InternalError);
}

}  // namespace
}  // namespace varenta
