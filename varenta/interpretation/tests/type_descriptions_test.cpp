#include "varenta/interpretation/type_descriptions.h"

#include "common/text_file.h"
#include "interpretation_fixture.h"
#include "varenta/interpretation/chkcode.h"
#include "varenta/interpretation/chkmeta.h"
#include "varenta/interpretation/messlib.h"
#include "varenta/interpretation/type_texts.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace varenta {
namespace {

using testing::MakeState;
using testing::Scores;
using testing::Sjis;
using testing::TempDir;

const std::string kBreak = "\n\r";

// The descriptions as they must come out: keys, type name, paragraphs after
// the title and the intended size of the joined text in Shift-JIS bytes.
struct Row {
    const char* key;
    const char* otherKey;  // the pair in the other order; nullptr for one key
    const char* name;
    int paragraphs;
    int bytes;
};

const Row kRows[] = {
    {"1+2+", "2+1+", "情熱家", 5, 924},
    {"1-2-", "2-1-", "引きこもる人", 4, 934},
    {"1+2-", "2-1+", "威張り散らす人", 5, 1204},
    {"1-2+", "2+1-", "謙虚な人", 5, 1136},
    {"1+3+", "3+1+", "勢力的な野心家", 4, 1026},
    {"1-3-", "3-1-", "不活発で煮え切らない人 ", 4, 1043},
    {"1+3-", "3-1+", "悪ふざけする人 ", 6, 1179},
    {"1-3+", "3+1-", "几帳面な仕事人 ", 4, 1327},
    {"1+4+", "4+1+", "自信満々の人 ", 4, 1121},
    {"1-4-", "4-1-", "孤独で神経質な人", 4, 1338},
    {"1+4-", "4-1+", "激情家", 4, 1120},
    {"1-4+", "4+1-", "穏やかな人", 6, 1294},
    {"1+5+", "5+1+", "革新的な指導者", 5, 1450},
    {"1-5-", "5-1-", "おとなしい因習的な人", 5, 1436},
    {"1+5-", "5-1+", "くどくて大げさな人", 7, 1628},
    {"1-5+", "5+1-", "瞑想家", 5, 1424},
    {"2+3+", "3+2+", "頼りになる人", 6, 1276},
    {"2-3-", "3-2-", "わがままな人", 4, 900},
    {"2+3-", "3-2+", "のんびり屋", 6, 1108},
    {"2-3+", "3+2-", "猛烈な仕事人", 6, 1124},
    {"2+4+", "4+2+", "穏やかで辛抱強い人", 5, 972},
    {"2-4-", "4-2-", "辛辣な批評家", 5, 1334},
    {"2+4-", "4-2+", "女々しい人", 6, 1250},
    {"2-4+", "4+2-", "男性的な人", 5, 984},
    {"2+5+", "5+2+", "賢くて優しい人", 5, 1232},
    {"2-5-", "5-2-", "偏狭で浅はかな人", 7, 1526},
    {"2+5-", "5-2+", "お人好し", 5, 1122},
    {"2-5+", "5+2-", "冷笑家", 6, 1360},
    {"3+4+", "4+3+", "前向きで堅実な人", 5, 1250},
    {"3-4-", "4-3-", "だらしない人", 6, 1368},
    {"3+4-", "4-3+", "気むずかしい人", 6, 1362},
    {"3-4+", "4+3-", "くだけた人", 4, 896},
    {"3+5+", "5+3+", "勤勉な教養人", 6, 1628},
    {"3-5-", "5-3-", "でたらめな人", 6, 1434},
    {"3+5-", "5-3+", "因習的な人", 5, 1352},
    {"3-5+", "5+3-", "異端者", 5, 1134},
    {"4+5+", "5+4+", "多才な人", 5, 1180},
    {"4-5-", "5-4-", "無趣味な人", 5, 1320},
    {"4+5-", "5-4+", "動じない人", 6, 1210},
    {"4-5+", "5+4-", "官能的な人", 4, 816},
    {"1+", nullptr, "外向的な人", 3, 772},
    {"1-", nullptr, "内向的な人", 4, 926},
    {"2+", nullptr, "温かい人", 3, 624},
    {"2-", nullptr, "冷たい人", 3, 670},
    {"3+", nullptr, "勤勉な人", 4, 838},
    {"3-", nullptr, "怠惰な人", 3, 584},
    {"4+", nullptr, "気楽な人", 3, 456},
    {"4-", nullptr, "神経質な人", 3, 704},
    {"5+", nullptr, "思慮深い人", 3, 790},
    {"5-", nullptr, "浅はかな人", 4, 1040},
    {"", nullptr, "平均人", 6, 1480},
};

// The three descriptions whose text ends with a paragraph break.
const std::set<std::string> kEndWithBreak = {"謙虚な人", "穏やかで辛抱強い人", "多才な人"};

std::string Title(const std::string& utf8Name)
{
    return Sjis("　あなたは「" + utf8Name + "」タイプです。");
}

// The routine that ClassifyType would call for a code of this length.
void Describe(RunState& state)
{
    if (state.CodeType.empty())
        DescribeAverageType(state);
    else if (state.CodeType.size() == 4)
        DescribePairType(state);
    else
        DescribeSingleType(state);
}

std::string Described(const std::string& code)
{
    auto state = MakeState();
    state->CodeType = code;
    Describe(*state);
    EXPECT_TRUE(state->TypeFound) << code;
    EXPECT_EQ(state->ImpressionText, FragmentText(*state)) << code;
    return state->ImpressionText;
}

std::vector<std::string> Split(const std::string& text, const std::string& separator)
{
    std::vector<std::string> parts;
    std::size_t from = 0;
    for (std::size_t at; (at = text.find(separator, from)) != std::string::npos;
         from = at + separator.size())
        parts.push_back(text.substr(from, at - from));
    parts.push_back(text.substr(from));
    return parts;
}

TEST(TypeDescriptions, EveryDescriptionHasItsTitleParagraphsAndSize)
{
    const std::string indent = Sjis("　");
    for (const Row& row : kRows) {
        SCOPED_TRACE(std::string("type ") + row.name);
        const std::string text = Described(row.key);
        if (row.otherKey) {
            EXPECT_TRUE(Described(row.otherKey) == text) << "the other key order";
        }

        // Separators are exactly LF CR: no CR LF, no lone LF or CR.
        EXPECT_EQ(text.find("\r\n"), std::string::npos);
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (text[i] == '\n') {
                EXPECT_TRUE(i + 1 < text.size() && text[i + 1] == '\r') << "LF at " << i;
            }
            if (text[i] == '\r') {
                EXPECT_TRUE(i > 0 && text[i - 1] == '\n') << "CR at " << i;
            }
        }

        std::vector<std::string> parts = Split(text, kBreak);
        ASSERT_GE(parts.size(), 2u);
        EXPECT_EQ(parts.front(), Title(row.name));
        const bool endsWithBreak = parts.back().empty();
        EXPECT_EQ(endsWithBreak, kEndWithBreak.count(row.name) == 1);
        if (endsWithBreak)
            parts.pop_back();
        EXPECT_EQ(static_cast<int>(parts.size()) - 1, row.paragraphs);
        for (std::size_t p = 1; p < parts.size(); ++p) {
            const std::string& paragraph = parts[p];
            EXPECT_EQ(paragraph.rfind(indent, 0), 0u) << "paragraph " << p << " indent";
            EXPECT_GT(paragraph.size(), indent.size() + 40) << "paragraph " << p;
            const char next = paragraph.size() > indent.size() ? paragraph[indent.size()] : 0;
            EXPECT_NE(next, ' ') << "paragraph " << p << " double indent";
            EXPECT_NE(paragraph.compare(indent.size(), indent.size(), indent), 0)
                << "paragraph " << p << " double indent";
        }

        const int bytes = static_cast<int>(text.size());
        EXPECT_LE(std::abs(bytes - row.bytes) * 100, row.bytes * 15)
            << bytes << " bytes, intended " << row.bytes;
    }
}

TEST(TypeDescriptions, TablesHoldEachCodeOnceAndFitTheFragmentArea)
{
    std::set<std::string> keys;
    std::size_t keyCount = 0;
    std::size_t mostPieces = 0;
    for (const auto* table : {&PairTypeDescriptions(), &SingleTypeDescriptions()})
        for (const TypeDescription& description : *table) {
            keys.insert(description.keys.begin(), description.keys.end());
            keyCount += description.keys.size();
            mostPieces = std::max(mostPieces, description.pieces.size());
        }
    EXPECT_EQ(PairTypeDescriptions().size(), 40u);
    EXPECT_EQ(SingleTypeDescriptions().size(), 10u);
    EXPECT_EQ(keyCount, 90u);
    EXPECT_EQ(keys.size(), 90u) << "a code selects two rows";
    EXPECT_EQ(keys.count(""), 0u);
    mostPieces = std::max(mostPieces, AverageTypeDescription().pieces.size());
    EXPECT_LE(mostPieces, static_cast<std::size_t>(kFragmentCapacity));
}

// Standard scores (? F Att E A C N O) whose code type is `code`: the first
// factor 20 points from the mean, the second 15, all others at the mean.
Scores ScoresFor(const std::string& code)
{
    Scores scores = {50, 50, 50, 50, 50, 50, 50, 50};
    int distance = 20;
    for (std::size_t at = 0; at + 1 < code.size(); at += 2, distance -= 5) {
        const int factor = code[at] - '0';
        scores[static_cast<std::size_t>(kExtraversion + factor - 2)] =
            50 + (code[at + 1] == '+' ? distance : -distance);
    }
    return scores;
}

TEST(TypeDescriptions, EveryCodeTheClassifierProducesIsDescribed)
{
    std::map<std::string, std::string> names;
    for (const Row& row : kRows) {
        names[row.key] = row.name;
        if (row.otherKey)
            names[row.otherKey] = row.name;
    }
    std::vector<std::string> codes = {""};
    for (int a = 1; a <= 5; ++a)
        for (char signA : {'+', '-'}) {
            const std::string first = std::to_string(a) + signA;
            codes.push_back(first);
            for (int b = 1; b <= 5; ++b)
                for (char signB : {'+', '-'})
                    if (b != a)
                        codes.push_back(first + std::to_string(b) + signB);
        }
    ASSERT_EQ(codes.size(), 91u);

    for (const std::string& code : codes) {
        SCOPED_TRACE("code \"" + code + "\"");
        auto state = MakeState(ScoresFor(code));
        ClassifyType(*state);
        ASSERT_EQ(state->CodeType, code);
        EXPECT_TRUE(state->TypeFound);
        ASSERT_EQ(names.count(code), 1u);
        EXPECT_EQ(state->ImpressionText.rfind(Title(names[code]) + kBreak, 0), 0u);
    }
}

TEST(TypeDescriptions, ExamplesFromScoresToTitle)
{
    struct Case {
        Scores scores;  // ? F Att E A C N O
        const char* code;
        const char* title;
    } cases[] = {
        {{50, 50, 50, 65, 35, 50, 50, 50}, "1+2-", "　あなたは「威張り散らす人」タイプです。"},
        {{50, 50, 50, 60, 30, 50, 50, 50}, "2-1+", "　あなたは「威張り散らす人」タイプです。"},
        {{50, 50, 50, 35, 50, 38, 50, 50}, "1-3-", "　あなたは「不活発で煮え切らない人 」タイプです。"},
        {{50, 50, 50, 50, 50, 50, 50, 35}, "5-", "　あなたは「浅はかな人」タイプです。"},
        {{50, 50, 50, 59, 41, 50, 55, 45}, "", "　あなたは「平均人」タイプです。"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        auto state = MakeState(c.scores);
        ClassifyType(*state);
        EXPECT_EQ(state->CodeType, c.code);
        EXPECT_EQ(state->ImpressionText.substr(0, Sjis(c.title).size() + 2),
                  Sjis(c.title) + kBreak);
    }
}

TEST(TypeDescriptions, ACodeOutsideTheTableChangesNothing)
{
    struct Case {
        void (*describe)(RunState&);
        const char* code;
    } cases[] = {
        {DescribePairType, "1+1-"}, {DescribePairType, "1+"},  {DescribePairType, ""},
        {DescribePairType, "1+2"},  {DescribePairType, "6+1+"}, {DescribeSingleType, "1+2-"},
        {DescribeSingleType, "6+"}, {DescribeSingleType, ""},   {DescribeSingleType, "1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("code \"") + c.code + "\"");
        auto state = MakeState();
        state->CodeType = c.code;
        state->ImpressionText = "earlier";
        state->Fragments[1] = "piece";
        c.describe(*state);
        EXPECT_FALSE(state->TypeFound);
        EXPECT_EQ(state->ImpressionText, "earlier");
        EXPECT_EQ(state->Fragments[1], "piece");
    }
}

TEST(TypeDescriptions, AverageIsUnconditionalAndNothingIsLeftFromAnEarlierText)
{
    // The longest description first, then a short one in the same state:
    // fragments beyond the short one's pieces must not survive.
    auto state = MakeState();
    state->CodeType = "1+5-";
    DescribePairType(*state);
    const std::string longest = state->ImpressionText;
    state->CodeType = "5+4-";
    DescribePairType(*state);
    EXPECT_EQ(state->ImpressionText, Described("4-5+"));
    EXPECT_LT(state->ImpressionText.size(), longest.size());

    state->CodeType = "1+2-";
    DescribeAverageType(*state);
    EXPECT_EQ(state->ImpressionText, Described(""));
    EXPECT_EQ(state->ImpressionText.rfind(Title("平均人"), 0), 0u);
}

TEST(TypeDescriptions, ImpressionClosesTheInterpretationSection)
{
    struct Case {
        Scores scores;  // ? F Att E A C N O
        const char* name;
        bool endsWithBreak;
    } cases[] = {
        {{50, 50, 50, 35, 65, 50, 50, 50}, "謙虚な人", true},
        {{50, 50, 50, 65, 35, 50, 50, 50}, "威張り散らす人", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        auto state = MakeState(c.scores);
        state->BasePath = dir / "S001";
        ClassifyType(*state);
        state->ReportFile.OpenMemory();
        WriteInterpretation(*state);

        const std::string aim = common::ReadFile(dir / "S001.AIM");
        EXPECT_EQ(aim, state->ReportFile.Memory());
        const std::string tail =
            Sjis("<<  全体的印象　>>\r\n\r\n") + state->ImpressionText + "\r\n";
        ASSERT_GE(aim.size(), tail.size());
        EXPECT_EQ(aim.substr(aim.size() - tail.size()), tail);
        EXPECT_EQ(state->ImpressionText.rfind(Title(c.name), 0), 0u);
        const std::string end = aim.substr(aim.size() - 4);
        EXPECT_EQ(end == "\n\r\r\n", c.endsWithBreak);
        EXPECT_EQ(end.substr(2), "\r\n");
    }
}

}  // namespace
}  // namespace varenta
