#pragma once
// How an item file line is shown: without its number, as three rows.
#include <array>
#include <string>
#include <string_view>

namespace varenta {

inline constexpr int kItemRowCount = 3;
inline constexpr std::size_t kItemRowBytes = 60;

using ItemRows = std::array<std::string, kItemRowCount>;

// The item text without the item number and its one-byte separator: 2 bytes
// are removed for items 1 to 9, 3 for 10 to 99, 4 from 100 on.
std::string_view ItemBody(std::string_view itemLine, int itemNumber);

// The body broken into three rows of at most 60 Shift-JIS bytes. A row ends
// at the last whole character, so a double-byte character that would
// straddle the limit opens the next row instead of being split; text beyond
// the third row is not shown.
ItemRows BreakItemRows(std::string_view itemLine, int itemNumber);

}  // namespace varenta
