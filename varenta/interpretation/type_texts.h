#pragma once
// The texts of the 51 character type descriptions.
//
// A description is written to the subject ("あなたは…") under the overall
// impression heading of the interpretation. Its title is built from the type
// name ("　あなたは「<name>」タイプです。"); the body held here is the list
// of pieces that follows the title's paragraph break: paragraph pieces, with
// kParagraphBreak between two paragraphs. Every paragraph opens with a
// full-width space as its indent. Three bodies ("謙虚な人", "穏やかで辛抱強い人",
// "多才な人") also end with a break, so their text ends with LF CR.
//
// The texts are UTF-8 here and are converted to Shift-JIS once, when the
// descriptions are first needed (type_descriptions.cpp).
#include <string_view>
#include <vector>

namespace varenta {

// Separates the title from the first paragraph and one paragraph from the
// next: LF then CR, in this order (never CR LF).
inline constexpr std::string_view kParagraphBreak = "\n\r";

struct TypeText {
    // The code types that select this description, compared whole with
    // CodeType: both orders of a pair ("1+2-", "2-1+"), the one code of a
    // single-factor type ("5-"), or the empty code of the average type.
    std::vector<std::string_view> keys;
    // The type name between 「 and 」 of the title. Four names end with a
    // half-width space, which the title keeps.
    std::string_view name;
    // Paragraph pieces and breaks, UTF-8, in order.
    std::vector<std::string_view> body;
};

// The 40 pair types, in lookup order: E with A, C, N, O; A with C, N, O;
// C with N, O; N with O; within each pair ++, --, +-, -+.
const std::vector<TypeText>& PairTypeTexts();

// The 10 single-factor types, in lookup order "1+", "1-", ... "5-".
const std::vector<TypeText>& SingleTypeTexts();

// The average type "平均人" (the empty code).
const TypeText& AverageTypeText();

}  // namespace varenta
