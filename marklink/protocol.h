#pragma once
// The command exchange: command text or data block out (framed over
// serial), ACK or NAK back, then one reply that echoes the command code and
// carries the two status pairs.
#include <cstdarg>
#include <cstdint>
#include <string_view>

namespace marklink {

constexpr int kReplyCapacity = 8192;
constexpr int kReplyHeaderSize = 6;  // echo (2), status pair 0 (2), pair 1 (2)

// Longest command text and data block that fit the send buffer on the open
// connection.
int MaxCommandText();
int MaxDataBlock();

// Formats a command into the command text position and sends it, then reads
// the acknowledge. 3 when the text does not fit the send buffer.
std::int32_t SendCommandV(const char* format, va_list args);

// Sends text unchanged (no character of it is a format directive).
std::int32_t SendText(std::string_view text);

// Sends a data command: two code characters and a block of any bytes.
std::int32_t SendData(const char* code, const void* data, std::int32_t length);

// Reads the reply of the command just sent with at most `capacity` bytes.
std::int32_t ReadReply(std::int32_t capacity);

// One whole exchange: send, acknowledge, and on ACK the reply.
std::int32_t ExchangeV(std::int32_t capacity, const char* format, va_list args);
std::int32_t ExchangeText(std::string_view text, std::int32_t capacity = kReplyCapacity);
std::int32_t ExchangeData(const char* code, const void* data, std::int32_t length);

}  // namespace marklink
