#pragma once
// Small answer cards for tests: a MarkGrid with the card-type mark, filled
// in field by field with the card's own coding.
#include "sheetrun/card.h"

#include <array>
#include <cstdint>
#include <vector>

namespace sheetrun::testing {

class CardBuilder {
public:
    CardBuilder() { grid_.Set(25, 12, true); }

    // digit 0..9 in a digit row (1..10): position 10 - digit.
    CardBuilder& Digit(int row, int digit)
    {
        grid_.Set(row, 10 - digit, true);
        return *this;
    }
    // File number digits from row 1 on; -1 leaves a row empty.
    CardBuilder& FileNumber(const std::vector<int>& rows)
    {
        for (std::size_t i = 0; i < rows.size(); ++i)
            if (rows[i] >= 0)
                Digit(static_cast<int>(i) + 1, rows[i]);
        return *this;
    }
    CardBuilder& Age(int tens, int units)
    {
        if (tens >= 0)
            Digit(9, tens);
        if (units >= 0)
            Digit(10, units);
        return *this;
    }
    CardBuilder& Sex(bool male, bool female)
    {
        grid_.Set(11, 11, male);
        grid_.Set(12, 11, female);
        return *this;
    }
    // answer 1 marks the yes row, -1 the no row, 2 both.
    CardBuilder& Answer(int item, int answer)
    {
        const int yesRow = 11 + 2 * ((item - 1) / 10);
        const int position = 11 - ((item - 1) % 10 + 1);
        if (answer == 1 || answer == 2)
            grid_.Set(yesRow, position, true);
        if (answer == -1 || answer == 2)
            grid_.Set(yesRow + 1, position, true);
        return *this;
    }
    CardBuilder& Unmark(int row, int position)
    {
        grid_.Set(row, position, false);
        return *this;
    }

    const MarkGrid& Grid() const { return grid_; }

    // The grid as the reader delivers it: one byte per position, row after
    // row; marks as `marked`, blanks as `blank`.
    std::array<std::uint8_t, kCardBytes> Bytes(std::uint8_t marked = 9, std::uint8_t blank = 0) const
    {
        std::array<std::uint8_t, kCardBytes> bytes{};
        for (int r = 1; r <= kCardRows; ++r)
            for (int p = 1; p <= kCardPositions; ++p)
                bytes[static_cast<std::size_t>((r - 1) * kCardPositions + p - 1)] =
                    grid_.Marked(r, p) ? marked : blank;
        return bytes;
    }

private:
    MarkGrid grid_;
};

}  // namespace sheetrun::testing
