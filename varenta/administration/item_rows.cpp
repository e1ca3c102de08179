#include "item_rows.h"

#include "common/sjis.h"

namespace varenta {

std::string_view ItemBody(std::string_view itemLine, int itemNumber)
{
    std::size_t prefix = itemNumber <= 9 ? 2 : itemNumber <= 99 ? 3 : 4;
    return prefix >= itemLine.size() ? std::string_view() : itemLine.substr(prefix);
}

ItemRows BreakItemRows(std::string_view itemLine, int itemNumber)
{
    std::string_view body = ItemBody(itemLine, itemNumber);
    ItemRows rows;
    std::size_t from = 0;
    for (std::string& row : rows) {
        std::size_t end = sjis::RowEnd(body, from, kItemRowBytes);
        row = std::string(body.substr(from, end - from));
        from = end;
    }
    return rows;
}

}  // namespace varenta
