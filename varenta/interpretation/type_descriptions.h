#pragma once
// The character type descriptions of the overall impression.
//
// The code type selects one of 51 descriptions: a two-factor code one of 40
// pair types, a one-factor code one of 10 single-factor types, the empty
// code the average type. The chosen description is assembled piece by piece
// in the fragment area (title, LF CR, the paragraphs with LF CR between them)
// and joined into ImpressionText; TypeFound is then set.
//
// A pair type answers to both orders of its two factor codes ("1+2-" and
// "2-1+"), since the order only says which factor is the stronger. Keys are
// compared whole with CodeType; the rows are tried in table order and the
// first equal key wins (no two rows share a key).
//
// Every paragraph is indented with one full-width space, in all 51
// descriptions alike.
#include "varenta/interpretation/messlib.h"
#include "varenta/shell/run_state.h"

#include <string>
#include <string_view>
#include <vector>

namespace varenta {

// A description as it is assembled: Shift-JIS pieces, converted once from
// the texts in type_texts.cpp.
struct TypeDescription {
    std::vector<std::string> keys;  // code types that select it
    std::string name;               // the type name of the title, Shift-JIS
    Pieces pieces;                  // title, break, paragraphs and breaks
};

// "　あなたは「<name>」タイプです。" for a Shift-JIS type name.
std::string TypeTitle(std::string_view name);

// The three tables in lookup order (see type_texts.h).
const std::vector<TypeDescription>& PairTypeDescriptions();
const std::vector<TypeDescription>& SingleTypeDescriptions();
const TypeDescription& AverageTypeDescription();

// The first row of table with a key equal to code, or nullptr.
const TypeDescription* FindTypeDescription(const std::vector<TypeDescription>& table,
                                           std::string_view code);

// Looks CodeType up among the pair types; on a match assembles that
// description into ImpressionText and sets TypeFound. No match changes
// nothing (not even the fragment area).
void DescribePairType(RunState& state);

// The same over the single-factor types.
void DescribeSingleType(RunState& state);

// Assembles the average type's description, whatever CodeType holds.
void DescribeAverageType(RunState& state);

}  // namespace varenta
