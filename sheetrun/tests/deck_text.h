#pragma once
// Cards of CardBuilder as the reader emulator's deck text.
#include "card_fixture.h"

#include <string>
#include <vector>

namespace sheetrun::testing {

inline std::string DeckCard(const CardBuilder& card, char mark = '9', char blank = '0')
{
    std::string text;
    for (int r = 1; r <= kCardRows; ++r) {
        for (int p = 1; p <= kCardPositions; ++p)
            text += card.Grid().Marked(r, p) ? mark : blank;
        text += '\n';
    }
    return text;
}

}  // namespace sheetrun::testing
