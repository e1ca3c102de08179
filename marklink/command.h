#pragma once
// The shape every exported command function shares:
//   1. check the arguments; out of range -> Refuse (last error 3, no exchange);
//   2. one exchange (Run, RunText, RunData); its result becomes the last error;
//   3. query functions check the reply payload (Expect); too short or without
//      the expected item echo -> last error 7;
//   4. decode the payload from Reply() and return the success value.
// Set and action functions return 1 / 0, number queries their value or a
// fixed failure value, queries with output pointers 1 / 0.
#include <cstdint>
#include <initializer_list>
#include <string_view>

namespace marklink::command {

// The payload of the last reply (after the echo and the two status pairs).
// It stays valid until the next exchange and is followed by zero bytes.
class Reply {
public:
    Reply();
    // Payload length: reply length - 6, negative for a reply shorter than 6.
    std::int32_t Length() const { return length_; }
    const char* Data() const { return data_; }
    // Character at a payload offset (0 based).
    char At(int offset) const { return data_[offset]; }
    // Number of `count` characters at `offset` (decimal or hexadecimal), as
    // the shared parser reads it: 0x80000000 when a character is no digit.
    std::int32_t Number(int offset, int count, bool hexadecimal = false) const;
    // The single decimal digit at `offset`, or -1.
    int Digit(int offset) const;

private:
    const char* data_;
    std::int32_t length_;
};

// Step 1: an argument out of range.
std::int32_t Refuse(std::int32_t failureValue);

// Step 2: formatted command text / text sent unchanged / data command, each
// with one exchange; the result is stored in the last error. True on success.
bool Run(const char* format, ...) __attribute__((format(printf, 1, 2)));
bool RunText(std::string_view text);
bool RunData(const char* code, const void* data, std::int32_t length);

// Step 3: the payload holds at least minimumLength characters and starts
// with `echo`. Otherwise the last error becomes 7 and false is returned.
bool Expect(std::int32_t minimumLength, std::string_view echo = {});

// A payload found malformed while decoding: last error 7.
std::int32_t Malformed(std::int32_t failureValue);

// Set and action functions: one exchange, 1 on success, 0 on failure.
std::int32_t Set(const char* format, ...) __attribute__((format(printf, 1, 2)));
std::int32_t SetText(std::string_view text);
std::int32_t SetData(const char* code, const void* data, std::int32_t length);

// A set function whose accepted values each map to one fixed command.
struct Choice {
    std::int32_t value;
    const char* command;
};
std::int32_t SetChoice(std::int32_t value, std::initializer_list<Choice> choices);

// A query: one exchange, then Expect(minimumLength, echo).
bool Query(const char* command, std::int32_t minimumLength, std::string_view echo = {});

// A query of an on/off switch: the payload character at `offset` is "1"
// (1) or "0" (0); any other character, or a failed query, gives -1.
std::int32_t SwitchQuery(const char* command, std::int32_t minimumLength, int offset);

// Bytes of the last reply (echo and status pairs included).
std::int32_t ReplyLength();

// Text copy of the payload: the payload up to its first zero byte, then
// zero bytes up to the reply length in all.
void CopyText(char* destination);

// The payload from `offset` to its end, byte for byte (nothing when the
// payload is shorter). Returns the number of bytes copied.
std::int32_t CopyPayloadFrom(int offset, void* destination);

}  // namespace marklink::command
