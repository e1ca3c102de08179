#pragma once
// The library's single state record. Every exported function works on the
// one instance returned by State(); it is reset when the library is loaded.
#include <cstdint>
#include <vector>

#include "traffic_log.h"

namespace marklink {

constexpr int kSendBufferSize = 4096;
constexpr int kReceiveBufferSize = 8192;
constexpr std::int32_t kDefaultTimeoutMs = 60000;
constexpr int kDevicePathSize = 256;

// Offset of the command text in the send buffer over serial: room for the
// frame header (STX, length high, length low).
constexpr int kSerialHeaderSize = 3;
constexpr int kCrcSize = 2;

enum class Connection : std::int32_t { kNone = 0, kUsb = 1, kSerial = 2 };

// Marks of the last fetch of one side of a sheet.
struct MarkTable {
    std::int32_t size = 0;
    std::int32_t rows = 0;
    std::int32_t columns = 0;
    std::vector<std::uint8_t> data;
};

struct LibraryState {
    int fd = -1;
    Connection connection = Connection::kNone;
    char devicePath[kDevicePathSize] = {};
    std::int32_t sendTimeoutMs = kDefaultTimeoutMs;
    std::int32_t recvTimeoutMs = kDefaultTimeoutMs;
    std::int32_t lastError = 0;
    // The NAK status byte, kept zero-terminated for OMR_GetNakST.
    char nakStatus[2] = {};
    // Two characters, then two zero bytes.
    char statusPair[2][4] = {};
    std::uint8_t sendBuffer[kSendBufferSize] = {};
    // One extra zero byte: even a reply that fills the buffer ends in zero.
    std::uint8_t receiveBuffer[kReceiveBufferSize + 1] = {};
    std::int32_t replyLength = 0;
    std::int32_t payloadLength = 0;
    std::uint8_t ackBuffer[2] = {};
    char* commandText = reinterpret_cast<char*>(sendBuffer);
    std::uint8_t* reply = receiveBuffer;
    std::uint8_t* payload = receiveBuffer + 6;
    MarkTable marks[2];
    std::int32_t logMode = 0;
    TrafficLog log;

    LibraryState();

    // Back to the initial values. The log mode, the log's file state and the
    // rows and columns of the mark tables are kept; an open handle is not
    // closed. Mark data is released here (rather than merely forgotten) so a
    // reset can never leak it.
    void Reset();

    // Sets the command text, reply and payload positions for the open
    // connection kind.
    void SetPositions();

    bool Connected() const { return connection != Connection::kNone; }
    bool Logging() const { return (logMode & 1) != 0; }
};

LibraryState& State();

}  // namespace marklink
