#include "status.h"

#include "command.h"
#include "marklink.h"
#include "state.h"
#include "status_table.h"

namespace marklink {
namespace {

constexpr std::uint32_t kPriorityMask = 0xF000FFFFu;  // kind and detail

bool SideMatches(PairSide side, int index)
{
    return side == PairSide::kEither || (side == PairSide::kFront && index == 0) || (side == PairSide::kBack && index == 1);
}

}  // namespace

std::uint32_t DecodeStatusPair(const char* pair, int index)
{
    const char category = pair[0];
    const char detail = category == 0 ? 0 : pair[1];
    if ((category == '@' && detail == '@') || (category == '0' && detail == '0'))
        return 0;
    for (const StatusRow& row : StatusTable()) {
        if (row.category == category && row.detail == detail && SideMatches(row.side, index))
            return row.code;
    }
    return kUnknownStatus;
}

std::uint32_t CombineStatusPairs(const char* pair0, const char* pair1)
{
    const std::uint32_t front = DecodeStatusPair(pair0, 0);
    const std::uint32_t back = DecodeStatusPair(pair1, 1);
    if (front == 0x41120003u && back == 0x42120003u)
        return 0x40120003u;
    if (front == 0x41120004u && back == 0x42120004u)
        return 0x40120004u;
    if ((front & kPriorityMask) > (back & kPriorityMask))
        return back != 0 ? back : front;
    return front != 0 ? front : back;
}

}  // namespace marklink

using namespace marklink;

extern "C" {

int32_t OMR_GetLastError(void)
{
    const LibraryState& state = State();
    if (state.lastError != 0)
        return state.lastError;
    return static_cast<int32_t>(CombineStatusPairs(state.statusPair[0], state.statusPair[1]));
}

int32_t OMR_GetStatus(void)
{
    command::Run("ST");
    return OMR_GetLastError();
}

const char* OMR_FormatMessage(int32_t code, int32_t language)
{
    if (language < 0 || language > 2)
        return LanguageErrorText();
    const bool japanese = language == 2;
    for (const StatusRow& row : StatusTable()) {
        if (row.code == static_cast<std::uint32_t>(code))
            return japanese ? row.japanese : row.english;
    }
    return UnknownStatusText(japanese);
}

}  // extern "C"
