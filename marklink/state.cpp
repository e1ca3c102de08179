#include "state.h"

#include <cstring>

namespace marklink {

LibraryState::LibraryState()
{
    Reset();
}

void LibraryState::Reset()
{
    fd = -1;
    connection = Connection::kNone;
    std::memset(devicePath, 0, sizeof devicePath);
    sendTimeoutMs = kDefaultTimeoutMs;
    recvTimeoutMs = kDefaultTimeoutMs;
    std::memset(sendBuffer, 0, sizeof sendBuffer);
    std::memset(receiveBuffer, 0, sizeof receiveBuffer);
    lastError = 0;
    std::memset(nakStatus, 0, sizeof nakStatus);
    for (auto& pair : statusPair) {
        std::memset(pair, 0, sizeof pair);
        pair[0] = '@';
        pair[1] = '@';
    }
    for (auto& table : marks)
        std::vector<std::uint8_t>().swap(table.data);
    SetPositions();
}

void LibraryState::SetPositions()
{
    commandText = reinterpret_cast<char*>(sendBuffer) + (connection == Connection::kSerial ? kSerialHeaderSize : 0);
    reply = receiveBuffer;
    payload = receiveBuffer + 6;
}

LibraryState& State()
{
    // Constructed (and so reset) when the library is loaded.
    static LibraryState state;
    return state;
}

}  // namespace marklink

namespace {
// The library is reset as it is loaded, before any caller can reach it.
[[maybe_unused]] const bool kResetAtLoad = (marklink::State(), true);
}  // namespace
