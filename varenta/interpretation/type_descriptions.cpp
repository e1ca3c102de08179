#include "type_descriptions.h"

#include "common/sjis.h"
#include "type_texts.h"

namespace varenta {

namespace {

TypeDescription Convert(const TypeText& text)
{
    TypeDescription description;
    for (std::string_view key : text.keys)
        description.keys.emplace_back(key);
    description.name = sjis::FromUtf8(text.name);
    description.pieces.reserve(text.body.size() + 2);
    description.pieces.push_back(TypeTitle(description.name));
    description.pieces.emplace_back(kParagraphBreak);
    for (std::string_view piece : text.body)
        description.pieces.push_back(sjis::FromUtf8(piece));
    return description;
}

std::vector<TypeDescription> ConvertAll(const std::vector<TypeText>& texts)
{
    std::vector<TypeDescription> table;
    table.reserve(texts.size());
    for (const TypeText& text : texts)
        table.push_back(Convert(text));
    return table;
}

// ClearFragments, the pieces in fragments 1, 2, ..., JoinFragments.
void Assemble(RunState& state, const TypeDescription& description)
{
    StoreFragments(state, description.pieces);
    JoinFragments(state);
    state.TypeFound = true;
}

void DescribeFrom(RunState& state, const std::vector<TypeDescription>& table)
{
    if (const TypeDescription* found = FindTypeDescription(table, state.CodeType))
        Assemble(state, *found);
}

}  // namespace

std::string TypeTitle(std::string_view name)
{
    static const std::string kOpening = sjis::FromUtf8("　あなたは「");
    static const std::string kClosing = sjis::FromUtf8("」タイプです。");
    std::string title = kOpening;
    title += name;
    title += kClosing;
    return title;
}

const std::vector<TypeDescription>& PairTypeDescriptions()
{
    static const std::vector<TypeDescription> table = ConvertAll(PairTypeTexts());
    return table;
}

const std::vector<TypeDescription>& SingleTypeDescriptions()
{
    static const std::vector<TypeDescription> table = ConvertAll(SingleTypeTexts());
    return table;
}

const TypeDescription& AverageTypeDescription()
{
    static const TypeDescription description = Convert(AverageTypeText());
    return description;
}

const TypeDescription* FindTypeDescription(const std::vector<TypeDescription>& table,
                                           std::string_view code)
{
    for (const TypeDescription& row : table)
        for (const std::string& key : row.keys)
            if (key == code)
                return &row;
    return nullptr;
}

void DescribePairType(RunState& state)
{
    DescribeFrom(state, PairTypeDescriptions());
}

void DescribeSingleType(RunState& state)
{
    DescribeFrom(state, SingleTypeDescriptions());
}

void DescribeAverageType(RunState& state)
{
    Assemble(state, AverageTypeDescription());
}

}  // namespace varenta
