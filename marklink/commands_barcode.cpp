// Barcode unit settings ("BC"), barcode data ("BD") and the barcode unit's
// pass-through command ("MM").
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

#include "command.h"
#include "marklink.h"

using namespace marklink::command;

namespace {

constexpr int kAreaPairs = 10;

// A 4-bit option field as the digit the reader takes: v - 1, held to 0-9.
char OptionDigit(int32_t field)
{
    return static_cast<char>('0' + std::clamp(field - 1, 0, 9));
}

// The option field a reply digit stands for; 15 for anything else.
int32_t OptionField(char digit)
{
    return digit >= '0' && digit <= '9' ? digit - '0' + 1 : 15;
}

std::string AreaCommand(const int32_t* pairs)
{
    char field[40];
    std::snprintf(field, sizeof field, "BC1,2,%03d,%03d", pairs[0], pairs[1]);
    std::string text = field;
    int pair = 1;
    for (; pair < kAreaPairs && pairs[2 * pair] > 0 && pairs[2 * pair + 1] > 0; ++pair) {
        std::snprintf(field, sizeof field, ",%03d,%03d", pairs[2 * pair], pairs[2 * pair + 1]);
        text += field;
    }
    for (; pair < kAreaPairs; ++pair)
        text += ",000,000";
    return text;
}

}  // namespace

extern "C" {

int32_t OMR_SetBarcodeReaderUnit(int32_t unit)
{
    return SetChoice(unit, {{0, "BC1,1,0"}, {1, "BC1,1,1"}, {OMR_DEFAULT, "BC3,1"}});
}

int32_t OMR_GetBarcodeReaderUnit(void)
{
    return SwitchQuery("BC2,1", 3, 2);
}

int32_t OMR_SetBarCodeArea(const int32_t* pairs)
{
    if (pairs == nullptr)
        return Refuse(0);
    if (pairs[0] == OMR_DEFAULT)
        return SetText("BC3,2");
    return SetText(AreaCommand(pairs));
}

int32_t OMR_GetBarCodeArea(int32_t* pairs)
{
    if (pairs == nullptr)
        return Refuse(0);
    if (!RunText("BC2,2"))
        return 0;
    if (!Expect(81))
        return -1;
    const Reply reply;
    if (reply.At(0) != '2')
        return Malformed(0);
    for (int pair = 0; pair < kAreaPairs; ++pair) {
        const int at = 1 + 8 * pair;  // ",ddd,ddd"
        if (reply.At(at) != ',' || reply.At(at + 4) != ',')
            return Malformed(0);
        pairs[2 * pair] = reply.Number(at + 1, 3);
        pairs[2 * pair + 1] = reply.Number(at + 5, 3);
    }
    return 1;
}

int32_t OMR_SetBarCodeReadType(int32_t bits)
{
    if (bits == OMR_DEFAULT)
        return SetText("BC3,3");
    std::string text = "BC1,3";
    for (int bit = 0; bit < 8; ++bit)
        text += (bits & (1 << bit)) != 0 ? ",1" : ",0";
    return SetText(text);
}

int32_t OMR_GetBarCodeReadType(int32_t* bits)
{
    if (bits == nullptr)
        return Refuse(0);
    *bits = 0;
    if (!Query("BC2,3", 17, "3,"))
        return 0;
    const Reply reply;
    for (int bit = 0; bit < 8; ++bit) {
        if (reply.At(2 + 2 * bit) == '1')
            *bits |= 1 << bit;
    }
    return 1;
}

int32_t OMR_SetBarCodeCheckDigit(char kind, int32_t setting)
{
    if (setting == OMR_DEFAULT)
        return Set("BC3,4,%c", kind);
    return Set("BC1,4,%c,%01d", kind, setting);
}

int32_t OMR_GetBarCodeCheckDigit(char kind, int32_t* setting)
{
    if (setting == nullptr)
        return Refuse(0);
    const char echo[] = {'4', ',', kind, ','};
    if (!Run("BC2,4,%c", kind) || !Expect(5, std::string_view(echo, sizeof echo)))
        return 0;
    *setting = Reply().Number(4, 1);
    return 1;
}

int32_t OMR_SetBarCodeOption(char kind, int32_t option)
{
    if (option == -1)
        return Set("BC3,5,%c", kind);
    return Set("BC1,5,%c,%c,%c", kind, OptionDigit(option & 0xF), OptionDigit((option >> 4) & 0xF));
}

int32_t OMR_GetBarCodeOption(char kind, int32_t* option)
{
    if (option == nullptr)
        return Refuse(0);
    const char echo[] = {'5', ',', kind, ','};
    if (!Run("BC2,5,%c", kind) || !Expect(7, std::string_view(echo, sizeof echo)))
        return 0;
    const Reply reply;
    *option = OptionField(reply.At(4)) | (OptionField(reply.At(6)) << 4);
    return 1;
}

int32_t OMR_GetBarcodeInfo(int32_t* first, int32_t* second)
{
    if (first == nullptr || second == nullptr)
        return Refuse(0);
    if (!Query("BD1", 7, "1,"))
        return 0;
    const Reply reply;
    if (reply.At(4) != ',')
        return Malformed(0);
    *first = reply.Number(2, 2);
    *second = reply.Number(5, 2);
    return 1;
}

int32_t OMR_GetBarcodeData(int32_t number, char* kind, int32_t* length, char* buffer)
{
    if (kind == nullptr || length == nullptr || buffer == nullptr)
        return Refuse(0);
    if (!Run("BD2,%02d", number) || !Expect(4, "2,"))
        return 0;
    const Reply reply;
    if (reply.Length() < 7) {
        *kind = 0;
        *length = 0;
        return 1;
    }
    *kind = reply.At(5);
    const int32_t count = std::max(0, std::min(*length, reply.Length() - 7));
    std::strncpy(buffer, reply.Data() + 7, static_cast<std::size_t>(count));
    *length = count;
    return 1;
}

int32_t OMR_ControlBarcode(const void* data, char* reply, int32_t* length)
{
    if (reply == nullptr || length == nullptr)
        return Refuse(0);
    if (!RunData("MM", data, *length))
        return 0;
    CopyText(reply);
    *length = marklink::command::ReplyLength();
    return 1;
}

}  // extern "C"
