#include "protocol.h"

#include <climits>
#include <cstdio>
#include <cstring>

#include "crc16.h"
#include "marklink.h"
#include "state.h"

namespace marklink {
namespace {

constexpr std::uint8_t kStx = 0x02;
constexpr std::uint8_t kAck = 0x06;
constexpr std::uint8_t kNak = 0x15;

bool Serial()
{
    return State().connection == Connection::kSerial;
}

// Sends the n bytes of command text (or code and data) that already stand at
// the command text position; over serial they are framed first. lengthField
// is what the frame header announces.
std::int32_t SendPrepared(int n, int lengthField)
{
    LibraryState& state = State();
    std::int32_t frameLength = n;
    if (Serial()) {
        std::uint8_t* frame = state.sendBuffer;
        frame[0] = kStx;
        frame[1] = static_cast<std::uint8_t>((lengthField >> 8) & 0xFF);
        frame[2] = static_cast<std::uint8_t>(lengthField & 0xFF);
        const int crcAt = kSerialHeaderSize + n;
        const std::uint16_t crc = Crc16(frame, static_cast<std::size_t>(crcAt));
        frame[crcAt] = static_cast<std::uint8_t>(crc >> 8);
        frame[crcAt + 1] = static_cast<std::uint8_t>(crc & 0xFF);
        frameLength = n + kSerialHeaderSize + kCrcSize;
    }
    std::int32_t count = frameLength;
    const std::int32_t sent = _OMR_SendData(state.sendBuffer, &count);
    if (sent != OMR_NORMAL)
        return sent;
    return _OMR_ReceiveACKorNAK();
}

// Copies text to the command text position; false when it does not fit.
bool PlaceText(std::string_view text)
{
    if (text.size() > static_cast<std::size_t>(MaxCommandText()))
        return false;
    char* at = State().commandText;
    std::memmove(at, text.data(), text.size());
    at[text.size()] = 0;
    return true;
}

}  // namespace

int MaxCommandText()
{
    // Over USB one byte stays free for the terminator; over serial the text
    // sits between the frame header and the CRC.
    return Serial() ? kSendBufferSize - kSerialHeaderSize - kCrcSize : kSendBufferSize - 1;
}

int MaxDataBlock()
{
    return Serial() ? kSendBufferSize - kSerialHeaderSize - 2 - kCrcSize : kSendBufferSize - 2;
}

std::int32_t SendCommandV(const char* format, va_list args)
{
    LibraryState& state = State();
    if (!state.Connected())
        return OMR_ERR_NOT_CONNECTED;
    if (format == nullptr)
        return OMR_ERR_PARAMETER;
    int length = 0;
    if (format == state.commandText) {
        const void* end = std::memchr(format, 0, static_cast<std::size_t>(MaxCommandText()) + 1);
        if (end == nullptr)
            return OMR_ERR_PARAMETER;
        length = static_cast<int>(static_cast<const char*>(end) - format);
    } else {
        // Formatted aside first: the values may point into the send buffer.
        char text[kSendBufferSize];
        va_list copy;
        va_copy(copy, args);
        const int produced = std::vsnprintf(text, sizeof text, format, copy);
        va_end(copy);
        if (produced < 0 || produced > MaxCommandText())
            return OMR_ERR_PARAMETER;
        length = produced;
        PlaceText(std::string_view(text, static_cast<std::size_t>(length)));
    }
    return SendPrepared(length, length);
}

std::int32_t SendText(std::string_view text)
{
    if (!State().Connected())
        return OMR_ERR_NOT_CONNECTED;
    if (!PlaceText(text))
        return OMR_ERR_PARAMETER;
    return SendPrepared(static_cast<int>(text.size()), static_cast<int>(text.size()));
}

std::int32_t SendData(const char* code, const void* data, std::int32_t length)
{
    LibraryState& state = State();
    if (!state.Connected())
        return OMR_ERR_NOT_CONNECTED;
    if (code == nullptr || length < 0 || (data == nullptr && length > 0) || length > MaxDataBlock())
        return OMR_ERR_PARAMETER;
    char* at = state.commandText;
    if (length > 0)
        std::memmove(at + 2, data, static_cast<std::size_t>(length));
    at[0] = code[0];
    at[1] = code[0] != 0 ? code[1] : 0;
    return SendPrepared(2 + length, length);
}

std::int32_t ReadReply(std::int32_t capacity)
{
    std::int32_t length = capacity;
    return _OMR_GetResponse(nullptr, &length);
}

std::int32_t ExchangeV(std::int32_t capacity, const char* format, va_list args)
{
    const std::int32_t sent = SendCommandV(format, args);
    return sent != OMR_NORMAL ? sent : ReadReply(capacity);
}

std::int32_t ExchangeText(std::string_view text, std::int32_t capacity)
{
    const std::int32_t sent = SendText(text);
    return sent != OMR_NORMAL ? sent : ReadReply(capacity);
}

std::int32_t ExchangeData(const char* code, const void* data, std::int32_t length)
{
    const std::int32_t sent = SendData(code, data, length);
    return sent != OMR_NORMAL ? sent : ReadReply(kReplyCapacity);
}

}  // namespace marklink

using namespace marklink;

extern "C" {

int32_t _OMR_SendCommand(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    const int32_t result = SendCommandV(format, args);
    va_end(args);
    return result;
}

int32_t _OMR_ReceiveACKorNAK(void)
{
    LibraryState& state = State();
    int32_t count = sizeof state.ackBuffer;
    const int32_t received = _OMR_ReceiveData(state.ackBuffer, &count);
    if (received != OMR_NORMAL)
        return received;
    if (count == 1 && state.ackBuffer[0] == kAck)
        return OMR_NORMAL;
    if (count == 2 && state.ackBuffer[0] == kNak) {
        state.nakStatus[0] = static_cast<char>(state.ackBuffer[1]);
        return OMR_ERR_NAK;
    }
    return OMR_ERR_UNSUCCESSFUL;
}

int32_t _OMR_GetResponse(void* /*buffer*/, int32_t* capacity)
{
    if (capacity == nullptr)
        return OMR_ERR_PARAMETER;
    LibraryState& state = State();
    // The whole buffer is cleared, so whatever the reply length, zero bytes
    // follow it.
    std::memset(state.receiveBuffer, 0, sizeof state.receiveBuffer);
    int32_t count = *capacity > kReceiveBufferSize ? kReceiveBufferSize : *capacity;
    const int32_t received = _OMR_ReceiveData(state.receiveBuffer, &count);
    if (received != OMR_NORMAL)
        return received;
    *capacity = count;
    state.replyLength = count;
    state.payloadLength = count - kReplyHeaderSize;
    return _OMR_CheckStatus() ? OMR_NORMAL : OMR_ERR_UNSUCCESSFUL;
}

int32_t _OMR_CheckStatus(void)
{
    LibraryState& state = State();
    for (int pair = 0; pair < 2; ++pair) {
        char* into = state.statusPair[pair];
        std::memset(into, 0, sizeof state.statusPair[pair]);
        const char* from = reinterpret_cast<const char*>(state.reply) + 2 + 2 * pair;
        into[0] = from[0];
        into[1] = from[0] != 0 ? from[1] : 0;
    }
    return std::strncmp(state.commandText, reinterpret_cast<const char*>(state.reply), 2) == 0 ? 1 : 0;
}

int32_t _OMR_SendCommandAndGetResponse(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    const int32_t result = ExchangeV(kReplyCapacity, format, args);
    va_end(args);
    return result;
}

int32_t _OMR_SendCommandBinaryAndGetResponse(const char* code, const void* data, int32_t length)
{
    return ExchangeData(code, data, length);
}

int32_t _OMR_ChangeStringToInt(const char* text, int32_t count, int32_t hexadecimal)
{
    if (count <= 0)
        return 0;
    if (text == nullptr)
        return INT32_MIN;
    const std::uint32_t base = hexadecimal != 0 ? 16 : 10;
    int32_t at = 0;
    const bool negative = text[0] == '-';
    if (text[0] == '-' || text[0] == '+')
        at = 1;
    std::uint32_t value = 0;  // unsigned: an overlong number wraps instead of overflowing
    for (; at < count; ++at) {
        const char c = text[at];
        std::uint32_t digit = 0;
        if (c >= '0' && c <= '9')
            digit = static_cast<std::uint32_t>(c - '0');
        else if (c >= 'a' && c <= 'f')
            digit = static_cast<std::uint32_t>(c - 'a' + 10);
        else if (c >= 'A' && c <= 'F')
            digit = static_cast<std::uint32_t>(c - 'A' + 10);
        else
            return INT32_MIN;
        value = value * base + digit;
    }
    return static_cast<int32_t>(negative ? 0u - value : value);
}

const char* OMR_GetST(int32_t index)
{
    if (index != 0 && index != 1)
        return "";
    return State().statusPair[index];
}

const char* OMR_GetNakST(void)
{
    return State().nakStatus;
}

}  // extern "C"

