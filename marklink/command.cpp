#include "command.h"

#include <cstdarg>
#include <cstring>

#include "marklink.h"
#include "protocol.h"
#include "state.h"

namespace marklink::command {

Reply::Reply()
    : data_(reinterpret_cast<const char*>(State().payload)), length_(State().payloadLength)
{
}

std::int32_t Reply::Number(int offset, int count, bool hexadecimal) const
{
    return _OMR_ChangeStringToInt(data_ + offset, count, hexadecimal ? 1 : 0);
}

int Reply::Digit(int offset) const
{
    const char c = data_[offset];
    return c >= '0' && c <= '9' ? c - '0' : -1;
}

std::int32_t Refuse(std::int32_t failureValue)
{
    State().lastError = OMR_ERR_PARAMETER;
    return failureValue;
}

bool Run(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    const std::int32_t result = ExchangeV(kReplyCapacity, format, args);
    va_end(args);
    State().lastError = result;
    return result == OMR_NORMAL;
}

bool RunText(std::string_view text)
{
    const std::int32_t result = ExchangeText(text);
    State().lastError = result;
    return result == OMR_NORMAL;
}

bool RunData(const char* code, const void* data, std::int32_t length)
{
    const std::int32_t result = ExchangeData(code, data, length);
    State().lastError = result;
    return result == OMR_NORMAL;
}

bool Expect(std::int32_t minimumLength, std::string_view echo)
{
    const Reply reply;
    const bool fits = reply.Length() >= minimumLength && reply.Length() >= static_cast<std::int32_t>(echo.size()) &&
                      (echo.empty() || std::memcmp(reply.Data(), echo.data(), echo.size()) == 0);
    if (!fits)
        State().lastError = OMR_ERR_RESPONSE;
    return fits;
}

std::int32_t Malformed(std::int32_t failureValue)
{
    State().lastError = OMR_ERR_RESPONSE;
    return failureValue;
}

std::int32_t Set(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    const std::int32_t result = ExchangeV(kReplyCapacity, format, args);
    va_end(args);
    State().lastError = result;
    return result == OMR_NORMAL ? 1 : 0;
}

}  // namespace marklink::command

namespace marklink::command {

std::int32_t SetText(std::string_view text)
{
    return RunText(text) ? 1 : 0;
}

std::int32_t SetData(const char* code, const void* data, std::int32_t length)
{
    return RunData(code, data, length) ? 1 : 0;
}

std::int32_t SetChoice(std::int32_t value, std::initializer_list<Choice> choices)
{
    for (const Choice& choice : choices) {
        if (choice.value == value)
            return SetText(choice.command);
    }
    return Refuse(0);
}

bool Query(const char* command, std::int32_t minimumLength, std::string_view echo)
{
    return RunText(command) && Expect(minimumLength, echo);
}

std::int32_t SwitchQuery(const char* command, std::int32_t minimumLength, int offset)
{
    if (!Query(command, minimumLength))
        return -1;
    const char value = Reply().At(offset);
    return value == '1' ? 1 : value == '0' ? 0 : -1;
}

std::int32_t ReplyLength()
{
    return State().replyLength;
}

void CopyText(char* destination)
{
    const LibraryState& state = State();
    if (state.replyLength > 0)
        std::strncpy(destination, reinterpret_cast<const char*>(state.payload), static_cast<std::size_t>(state.replyLength));
}

std::int32_t CopyPayloadFrom(int offset, void* destination)
{
    const Reply reply;
    const std::int32_t count = reply.Length() - offset;
    if (count <= 0)
        return 0;
    std::memcpy(destination, reply.Data() + offset, static_cast<std::size_t>(count));
    return count;
}

}  // namespace marklink::command
