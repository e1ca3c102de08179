// Printer unit settings: "PR" with the item number after the function digit.
#include <cstring>

#include "command.h"
#include "marklink.h"

using namespace marklink::command;

namespace {

constexpr int kPrintStringLength = 42;

// A numeric printer item: OMR_DEFAULT restores it, lo..hi sets it.
int32_t SetItem(int32_t value, int32_t lo, int32_t hi, const char* setFormat, const char* restore)
{
    if (value == OMR_DEFAULT)
        return SetText(restore);
    if (value < lo || value > hi)
        return Refuse(0);
    return Set(setFormat, value);
}

// Query of an item whose reply is the item echo and 3 digits.
int32_t GetNumberItem(const char* command, const char* echo, int32_t* value)
{
    if (value == nullptr)
        return Refuse(0);
    if (!Query(command, 5, echo))
        return 0;
    *value = Reply().Number(2, 3);
    return 1;
}

// Query of an item whose reply is the item echo and the digit 1 or 2.
int32_t GetOneOrTwoItem(const char* command, const char* echo, int32_t* value)
{
    if (value == nullptr)
        return Refuse(0);
    if (!Query(command, 3, echo))
        return 0;
    const char digit = Reply().At(2);
    if (digit != '1' && digit != '2')
        return Malformed(0);
    *value = digit - '0';
    return 1;
}

}  // namespace

extern "C" {

int32_t OMR_SetPrinterUnit(int32_t unit)
{
    return SetChoice(unit, {{0, "PR1,8,0"}, {1, "PR1,8,1"}, {OMR_DEFAULT, "PR3,8"}});
}

int32_t OMR_GetPrinterUnit(void)
{
    return SwitchQuery("PR2,8", 3, 2);
}

int32_t OMR_SetPrintMode(int32_t mode)
{
    return SetItem(mode, 1, 2, "PR1,7,%01d", "PR3,7");
}

int32_t OMR_GetPrintMode(int32_t* mode)
{
    return GetOneOrTwoItem("PR2,7", "7,", mode);
}

int32_t OMR_SetPrintString(int32_t line, const char* text)
{
    if (line == 0)
        return SetText("PR3,1");
    if (line < 1 || line > 3)
        return Refuse(0);
    if (text == nullptr || *text == 0)
        return Set("PR3,1,%01d", line);
    if (std::strlen(text) > kPrintStringLength)
        return Refuse(0);
    return Set("PR1,1,%01d,%s", line, text);
}

int32_t OMR_GetPrintString(int32_t line, char* buffer)
{
    if (line < 1 || line > 3 || buffer == nullptr)
        return Refuse(0);
    const char echo[] = {'1', ',', static_cast<char>('0' + line), ','};
    if (!Run("PR2,1,%01d", line) || !Expect(46, std::string_view(echo, sizeof echo)))
        return 0;
    std::strncpy(buffer, Reply().Data() + 4, kPrintStringLength);
    return 1;
}

int32_t OMR_SetPrintPosition(int32_t position)
{
    return SetItem(position, 0, 999, "PR1,2,%03d", "PR3,2");
}

int32_t OMR_GetPrintPosition(int32_t* position)
{
    return GetNumberItem("PR2,2", "2,", position);
}

int32_t OMR_SetPrintOrder(int32_t first, int32_t second, int32_t third)
{
    const auto inRange = [](int32_t value) { return value >= 0 && value <= 3; };
    if ((!inRange(first) && first != OMR_DEFAULT) || !inRange(second) || !inRange(third))
        return Refuse(0);
    if (first == OMR_DEFAULT)
        return SetText("PR3,3");
    return Set("PR1,3,%01d,%01d,%01d", first, second, third);
}

int32_t OMR_GetPrintOrder(int32_t* first, int32_t* second, int32_t* third)
{
    if (first == nullptr || second == nullptr || third == nullptr)
        return Refuse(0);
    if (!Query("PR2,3", 7, "3,"))
        return 0;
    const Reply reply;
    int32_t* const targets[] = {first, second, third};
    for (int i = 0; i < 3; ++i) {
        const char digit = reply.At(2 + 2 * i);
        if (digit < '0' || digit > '3')
            return Malformed(0);
        *targets[i] = digit - '0';
    }
    return 1;
}

int32_t OMR_SetPrintAngle(int32_t angle)
{
    return SetItem(angle, 1, 2, "PR1,4,%01d", "PR3,4");
}

int32_t OMR_GetPrintAngle(int32_t* angle)
{
    return GetOneOrTwoItem("PR2,4", "4,", angle);
}

int32_t OMR_SetPrintFontSize(int32_t size)
{
    return SetItem(size, 1, 999, "PR1,5,%03d", "PR3,5");
}

int32_t OMR_GetPrintFontSize(int32_t* size)
{
    return GetNumberItem("PR2,5", "5,", size);
}

int32_t OMR_SetPrintFontPitch(int32_t pitch)
{
    return SetItem(pitch, 0, 999, "PR1,6,%03d", "PR3,6");
}

int32_t OMR_GetPrintFontPitch(int32_t* pitch)
{
    return GetNumberItem("PR2,6", "6,", pitch);
}

}  // extern "C"
