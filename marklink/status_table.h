#pragma once
// The table behind OMR_GetLastError and OMR_FormatMessage: which status pair
// gives which 32-bit condition code, and the English and Japanese text of
// every code the library knows.
//
// Condition code fields: bits 31-28 kind (0 unit fault, 1 line fault,
// 2 cover open, 3 jam, 4 operating condition), 27-24 unit, 23-16 category
// (the status letter), 15-0 the condition within the category.
#include <cstdint>
#include <span>

namespace marklink {

enum class PairSide {
    kLibrary,  // a library result code, not from a status pair
    kEither,   // the same code in pair 0 and pair 1
    kFront,    // only in pair 0
    kBack,     // only in pair 1
    kBoth,     // the combined code when pair 0 and pair 1 both carry it
};

struct StatusRow {
    char category;  // status letter, 0 for library codes
    char detail;    // detail digit
    PairSide side;
    std::uint32_t code;
    const char* english;
    const char* japanese;  // Shift-JIS
};

std::span<const StatusRow> StatusTable();
const char* UnknownStatusText(bool japanese);
const char* LanguageErrorText();

}  // namespace marklink
