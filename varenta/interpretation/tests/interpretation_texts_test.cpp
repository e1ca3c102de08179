#include "common/errors.h"
#include "common/sjis.h"
#include "interpretation_fixture.h"
#include "varenta/interpretation/rule_texts.h"
#include "varenta/interpretation/section_texts.h"

#include <gtest/gtest.h>

namespace varenta {
namespace {

using testing::Sjis;

// Size in Shift-JIS bytes and number of pieces of each rule message.
struct MessageSize {
    int bytes;
    std::size_t pieces;
};
constexpr MessageSize kSizes[kDefinedRules + 1] = {
    {0, 0},
    {40, 1}, {42, 1}, {88, 1}, {200, 3}, {202, 3}, {98, 1}, {184, 2}, {240, 3}, {284, 3},
    {260, 3}, {308, 4}, {262, 3}, {262, 3}, {364, 4}, {366, 4}, {294, 3}, {326, 4}, {256, 3},
    {250, 3}, {292, 3}, {268, 3}, {260, 3}, {254, 3}, {232, 3}, {272, 3}, {304, 3}, {304, 3},
    {304, 4}, {256, 3}, {258, 3}, {220, 3}, {244, 3}, {248, 3}, {224, 3}, {252, 3},
};

void ExpectSizeNear(const std::string& text, int bytes)
{
    const double size = static_cast<double>(text.size());
    EXPECT_GE(size, bytes * 0.85) << sjis::ToUtf8(text);
    EXPECT_LE(size, bytes * 1.15) << sjis::ToUtf8(text);
}

bool HasLineBreak(const std::string& text)
{
    return text.find('\r') != std::string::npos || text.find('\n') != std::string::npos;
}

TEST(RuleTexts, EveryMessageIsPresentSizedAndFitsTheWriter)
{
    const std::string fullWidthSpace = Sjis("　");
    for (int rule = 1; rule <= kDefinedRules; ++rule) {
        SCOPED_TRACE("rule " + std::to_string(rule));
        const Pieces& pieces = RuleMessage(rule);
        EXPECT_EQ(pieces.size(), kSizes[rule].pieces);
        std::string text;
        for (const std::string& piece : pieces) {
            EXPECT_FALSE(piece.empty());
            text += piece;
        }
        ExpectSizeNear(text, kSizes[rule].bytes);
        EXPECT_FALSE(HasLineBreak(text));
        // The writer supplies any leading space.
        EXPECT_NE(text.front(), ' ');
        EXPECT_NE(text.rfind(fullWidthSpace, 0), 0u);
        EXPECT_NO_THROW(sjis::ToUtf8(text));
    }
    EXPECT_THROW(RuleMessage(0), common::InternalError);
    EXPECT_THROW(RuleMessage(kDefinedRules + 1), common::InternalError);
}

TEST(SectionTexts, AttitudeSentencesAndJoiningWords)
{
    const SectionTexts& t = InterpretationTexts();
    const std::string space = Sjis("　");
    const std::string namely = Sjis("すなわち、");
    struct Sentence {
        const char* name;
        const std::string& text;
        int bytes;
        bool endsInNamely;
    };
    const Sentence sentences[] = {
        {"very doubtful opening", t.veryDoubtfulOpening, 62, true},
        {"very doubtful closing", t.veryDoubtfulClosing, 140, false},
        {"somewhat doubtful opening", t.somewhatDoubtfulOpening, 60, true},
        {"somewhat doubtful closing", t.somewhatDoubtfulClosing, 186, false},
        {"trustworthy opening", t.trustworthyOpening, 118, false},
    };
    for (const Sentence& s : sentences) {
        SCOPED_TRACE(s.name);
        ExpectSizeNear(s.text, s.bytes);
        EXPECT_EQ(s.text.rfind(space, 0), 0u);
        EXPECT_FALSE(HasLineBreak(s.text));
        const bool endsInNamely = s.text.size() >= namely.size() &&
                                  s.text.compare(s.text.size() - namely.size(), namely.size(),
                                                 namely) == 0;
        EXPECT_EQ(endsInNamely, s.endsInNamely);
    }
    EXPECT_EQ(t.moreover, Sjis("また、"));
    EXPECT_EQ(t.however, Sjis("ただし、"));
}

}  // namespace
}  // namespace varenta
