// Sheet reading: hopper, reading method, columns to read, feeding a sheet,
// fetching its marks per side, and the housekeeping of the same cycle
// (eject, reset, initial setting, cancel error, raw density levels).
#include <algorithm>
#include <cstring>

#include "command.h"
#include "mark_tables.h"
#include "marklink.h"
#include "protocol.h"
#include "state.h"

using namespace marklink::command;
using marklink::State;

namespace {

constexpr std::int32_t kFeedReplyCapacity = 16;
constexpr std::int32_t kMaxColumnsToRead = 48;

bool ValidSide(std::int32_t side) { return side == 0 || side == 1; }

}  // namespace

extern "C" {

int32_t OMR_FeedSheet(void)
{
    const std::int32_t result = marklink::ExchangeText("SF", kFeedReplyCapacity);
    State().lastError = result;
    return result == OMR_NORMAL ? 1 : 0;
}

int32_t OMR_ReadSheetAndGetData(void)
{
    return SetText("SD");
}

int32_t OMR_GetMarks(int32_t side, OmrMarkInfo* info, void* buffer)
{
    if (!ValidSide(side))
        return Refuse(0);
    marklink::LibraryState& state = State();
    if (!state.Connected()) {
        state.lastError = OMR_ERR_NOT_CONNECTED;
        return 0;
    }
    marklink::MarkTable& table = state.marks[side];
    const bool query = state.connection == marklink::Connection::kUsb || info == nullptr;
    if (query) {
        if (!Run("MD%01d", side))
            return 0;
        const Reply reply;
        if (!marklink::FillMarkTable(table, reply.Data(), reply.Length())) {
            state.lastError = OMR_ERR_MEMORY;
            return 0;
        }
    }
    table.size = 16;
    if (info == nullptr)
        return 1;
    if (!marklink::CopyMarks(table, *info, buffer)) {
        state.lastError = OMR_ERR_MEMORY;
        return 0;
    }
    return 1;
}

int32_t OMR_MoveHopper(int32_t position)
{
    if (position != 0 && position != 1)
        return Refuse(0);
    return Set("HU%1d", position);
}

int32_t OMR_EjectSheet(int32_t destination)
{
    if (destination < 1 || destination > 4)
        return Refuse(0);
    return Set("ER%1d", destination);
}

int32_t OMR_SetReadingMethod(int32_t method, int32_t option)
{
    if (method == OMR_DEFAULT)
        return SetText("RM3");
    if ((method == 1 && option >= 1 && option <= 9) || (method == 2 && option >= 2 && option <= 9))
        return Set("RM1,%1d,%1d", method, option);
    if (method >= 3 && method <= 6)
        return Set("RM1,%1d", method);
    return Refuse(0);
}

int32_t OMR_GetReadingMethod(int32_t* method, int32_t* option)
{
    if (method == nullptr || option == nullptr)
        return Refuse(0);
    if (!Query("RM2", 3))
        return 0;
    const Reply reply;
    const int methodDigit = reply.Digit(0);
    const int optionDigit = reply.Digit(2);
    if (methodDigit < 0 || optionDigit < 0)
        return Malformed(0);
    *method = methodDigit;
    *option = optionDigit;
    return 1;
}

int32_t OMR_SetNumberOfColumnsToRead(int32_t count)
{
    if (count == 0)
        return SetText("NC3");
    if (count < 1 || count > kMaxColumnsToRead)
        return Refuse(0);
    return Set("NC1,%02d", count);
}

int32_t OMR_GetNumberOfColumnsToRead(void)
{
    if (!Query("NC2", 2))
        return 0;
    const int tens = Reply().Digit(0);
    const int units = Reply().Digit(1);
    if (tens < 0 || units < 0)
        return Malformed(0);
    return 10 * tens + units;
}

int32_t OMR_GetDensityLevel(int32_t side, char* buffer)
{
    if (!ValidSide(side) || buffer == nullptr)
        return Refuse(0);
    if (!RunText(side == 0 ? "DL0" : "DL1"))
        return 0;
    // Reply length bytes from the payload start: the payload, then zeros
    // (written here rather than read from beyond the receive buffer).
    const Reply reply;
    const std::int32_t total = ReplyLength();
    const std::int32_t payload = std::max<std::int32_t>(0, std::min(reply.Length(), total));
    if (payload > 0)
        std::memcpy(buffer, reply.Data(), static_cast<std::size_t>(payload));
    if (total > payload)
        std::memset(buffer + payload, 0, static_cast<std::size_t>(total - payload));
    State().lastError = OMR_NORMAL;
    return 1;
}

int32_t OMR_Reset(void)
{
    return SetText("SR");
}

int32_t OMR_InitialSetting(void)
{
    return SetText("IS");
}

int32_t OMR_CancelError(void)
{
    return marklink::ExchangeText("CE");
}

}  // extern "C"
