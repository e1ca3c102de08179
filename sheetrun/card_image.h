#pragma once
// The card image shown for every card read: a heading, the ten digit /
// item positions (10 down to 1) as lines of 25 characters, one character
// per card row ("I" marked, blank not), between two rulers. In a
// fixed-pitch font the columns line up with the card's printed rows.
#include "card.h"

#include <string>
#include <vector>

namespace sheetrun {

// The 18 lines of the card image, Shift-JIS. cardCount is shown as
// "<n>枚目" on the first line.
std::vector<std::string> CardImageLines(const MarkGrid& grid, int cardCount);

}  // namespace sheetrun
