#include "mark_tables.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "marklink.h"

namespace marklink {

bool FillMarkTable(MarkTable& table, const char* payload, std::int32_t length)
{
    table.size = 16;
    if (length == 0) {
        table.rows = 0;
        table.columns = 0;
    } else {
        const char* end = payload + std::max<std::int32_t>(length, 0);
        const char* comma = length > 0 ? static_cast<const char*>(std::memchr(payload, ',', static_cast<std::size_t>(length))) : nullptr;
        if (comma == nullptr) {
            table.rows = 1;
            table.columns = length;  // negative for a reply without a whole header
        } else {
            table.columns = static_cast<std::int32_t>(comma - payload);
            table.rows = 1 + static_cast<std::int32_t>(std::count(payload, end, ','));
        }
    }
    const std::int64_t cells = static_cast<std::int64_t>(table.rows) * table.columns;
    if (cells <= 0) {
        std::vector<std::uint8_t>().swap(table.data);
        return true;
    }
    try {
        table.data.resize(static_cast<std::size_t>(cells));
    } catch (const std::bad_alloc&) {
        std::vector<std::uint8_t>().swap(table.data);
        return false;
    }
    const char* walk = payload;
    const char* end = payload + length;
    for (std::int64_t i = 0; i < cells; ++i) {
        if (walk < end && *walk == ',')
            ++walk;
        if (walk < end) {
            table.data[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(*walk - '0');
            ++walk;
        } else {
            table.data[static_cast<std::size_t>(i)] = 0;
        }
    }
    return true;
}

bool CopyMarks(const MarkTable& table, OmrMarkInfo& info, void* buffer)
{
    info.size = 16;
    const std::int64_t capacity = static_cast<std::int64_t>(info.rows) * info.columns;
    info.columns = table.columns;
    info.rows = table.rows;
    const std::int64_t cells = static_cast<std::int64_t>(table.rows) * table.columns;
    const std::int64_t n = std::min(capacity, cells);
    if (n <= 0)
        return true;
    // A table emptied by a reset or a failed fetch keeps its rows and
    // columns but holds no marks: there is nothing to copy them from.
    if (buffer == nullptr || static_cast<std::int64_t>(table.data.size()) < n)
        return false;
    std::memcpy(buffer, table.data.data(), static_cast<std::size_t>(n));
    return true;
}

}  // namespace marklink
