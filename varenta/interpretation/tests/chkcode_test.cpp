#include "varenta/interpretation/chkcode.h"

#include "interpretation_fixture.h"

#include <gtest/gtest.h>

namespace varenta {
namespace {

TEST(CodeType, StrengthOrderTiesAndCut)
{
    struct Case {
        std::array<int, 5> eacno;
        const char* code;
    };
    const Case cases[] = {
        {{50, 50, 50, 50, 50}, ""},
        {{41, 59, 45, 55, 50}, ""},
        {{60, 50, 50, 50, 50}, "1+"},
        {{40, 50, 50, 50, 50}, "1-"},
        {{59, 50, 50, 50, 50}, ""},
        {{41, 50, 50, 50, 50}, ""},
        {{50, 50, 50, 50, 31}, "5-"},
        {{65, 35, 50, 50, 50}, "1+2-"},   // equal strength: lower factor first
        {{35, 65, 50, 50, 50}, "1-2+"},
        {{50, 40, 50, 60, 50}, "2-4+"},
        {{62, 70, 30, 50, 50}, "2+3-"},   // E (12) is the third and dropped
        {{20, 50, 50, 75, 72}, "1-4+"},   // E 30 leads N 25 and O 22
        {{50, 50, 61, 59, 80}, "5+3+"},   // an uncoded 59 never takes a place
        {{50, 50, 55, 70, 65}, "4+5+"},
        {{60, 60, 60, 60, 60}, "1+2+"},   // five coded factors: still 4 characters
        {{0, 0, 0, 0, 0}, "1-2-"},        // no norm group applied
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.eacno));
        EXPECT_EQ(CodeTypeOf(c.eacno), c.code);
    }
}

TEST(CodeType, MakeCodeTypeReadsTheBasicScalesOfTheRunState)
{
    // ? F Att E A C N O; the validity scales must not count.
    auto state = testing::MakeState({80, 80, 20, 50, 50, 50, 30, 50});
    ClassifyType(*state);
    EXPECT_EQ(state->CodeType, "4-");
}

TEST(ClassifyType, EveryCodeLengthGetsItsDescription)
{
    struct Case {
        testing::Scores scores;  // ? F Att E A C N O
        const char* code;
        const char* title;
    };
    const Case cases[] = {
        {{50, 50, 50, 50, 50, 50, 50, 50}, "", "　あなたは「平均人」タイプです。"},
        {{50, 50, 50, 50, 50, 50, 50, 35}, "5-", "　あなたは「浅はかな人」タイプです。"},
        {{50, 50, 50, 35, 65, 50, 50, 50}, "1-2+", "　あなたは「謙虚な人」タイプです。"},
        {{50, 50, 50, 0, 0, 0, 0, 0}, "1-2-", "　あなたは「引きこもる人」タイプです。"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        auto state = testing::MakeState(c.scores);
        ClassifyType(*state);
        EXPECT_EQ(state->CodeType, c.code);
        EXPECT_TRUE(state->TypeFound);
        EXPECT_EQ(state->ImpressionText.rfind(testing::Sjis(c.title), 0), 0u);
    }
}

}  // namespace
}  // namespace varenta
