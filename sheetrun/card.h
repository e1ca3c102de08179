#pragma once
// One answer card: the marks of its front side turned into a subject (file
// number, age, sex, 70 answers), checked, and written as the subject's
// answer and remarks files.
//
// Card layout (rows 1..25 as the reader delivers them, positions 1..12 in
// delivery order within a row):
//   rows 1-8,  positions 1-10  file number, one digit per row, row 1 first;
//                              a mark at position p is the digit 10 - p
//   row 9,     positions 1-10  age, tens digit (may be left empty)
//   row 10,    positions 1-10  age, units digit (must be marked)
//   row 11 / 12, position 11   male / female
//   rows 11-24, positions 1-10 the answers: rows in pairs (yes row, no row);
//                              pair j holds items 10j+1 .. 10j+10, item
//                              10j+k at position 11-k
//   row 25,    position 12     card type mark of this questionnaire
//
// Everything here works on a plain 300-byte mark buffer and the run state;
// messages go to a callback, one after the other, as Shift-JIS texts.
//
// Decisions:
// - BasePath joins DataDirectory and the file number with "/"; an empty
//   directory (the Linux default: the current directory) gives the bare
//   number, a path relative to the working directory that Sheetrun and the
//   Varenta it starts share.
// - A name file that exists but cannot be read is handled like a file that
//   cannot be written: WriteCardRemarks throws common::IoError before
//   anything of the remarks file is written (the answer file written just
//   before stays), and the reading run stops with the file message.
#include "varenta/shell/run_state.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

namespace sheetrun {

inline constexpr int kCardRows = 25;
inline constexpr int kCardPositions = 12;
inline constexpr std::size_t kCardBytes = kCardRows * kCardPositions;  // 300
// A reader value of this or more is a mark; 0..3 are blank.
inline constexpr std::uint8_t kMarkThreshold = 4;

class MarkGrid {
public:
    MarkGrid() = default;
    // Cell (r, p) from byte (r - 1) * 12 + (p - 1); only the first 300
    // bytes of buffer are read.
    static MarkGrid FromBuffer(const std::uint8_t* buffer);

    // row 1..25, position 1..12; anything else is a program fault
    // (common::InternalError).
    bool Marked(int row, int position) const;
    void Set(int row, int position, bool marked);

private:
    static std::size_t index(int row, int position);
    std::array<bool, kCardBytes> cells_{};
};

// Shows one Shift-JIS message and returns when it has been seen.
using ShowMessage = std::function<void(const std::string& sjisText)>;

// What a check leaves for the reading run.
enum class CardCheck {
    kGoOn,       // nothing that ends the program (CardError may be set)
    kEndAtOnce,  // the program ends at once, hopper not returned
};

// Row 25, position 12. A card without it is not an answer card of this
// questionnaire: shows "マークカードが違います！ " and ends the program.
CardCheck CheckCardType(const MarkGrid& grid, const ShowMessage& show);

// File number, age and sex into BasePath, Age and Sex (DataDirectory is
// read). Sets cardError for a faulty file number or sex; returns kEndAtOnce
// (after its message) for a faulty age.
CardCheck DecodeHeader(const MarkGrid& grid, varenta::RunState& state, bool& cardError,
                       const ShowMessage& show);

// Answers 1..70; every item marked both yes and no is reported, in item
// order, and sets cardError.
void DecodeAnswers(const MarkGrid& grid, varenta::RunState& state, bool& cardError,
                   const ShowMessage& show);

// BasePath + ".VRT": Sex and the 70 answers. Throws common::IoError.
void WriteCardAnswers(const varenta::RunState& state);

// Remarks 1 := first line of the name file (at most 80 bytes) or empty,
// Remarks 2 := Age; writes BasePath + ".REM" with lines 3..10 empty.
// Throws common::IoError.
void WriteCardRemarks(varenta::RunState& state);

}  // namespace sheetrun
