// Feeding and operation settings: feed mode ("FM"), sheet thickness ("FT"),
// warning errors ("WE"), operating panel ("PO"), buzzer ("BZ"),
// identification ("ID"), sleep time ("SE", queried as "ES") and individual
// data ("IE").
#include <cstdio>
#include <cstring>

#include "command.h"
#include "marklink.h"

using namespace marklink::command;

namespace {

constexpr int32_t kDefaultWarnings = 0x10000000;
constexpr int kWarningBits = 6;  // flag bits 16-21
constexpr int kIdLength = 20;
constexpr int kIndividualDataMax = 22;

}  // namespace

extern "C" {

int32_t OMR_SetSheetFeedMode(int32_t mode, int32_t value)
{
    if (mode == OMR_DEFAULT)
        return SetText("FM3");
    if (mode == 0)
        return SetText("FM1,0");
    if (mode == 1 && value >= 0 && value <= 99)
        return Set("FM1,1,%02d", value);
    return Refuse(0);
}

int32_t OMR_GetSheetFeedMode(int32_t* mode, int32_t* value)
{
    if (mode == nullptr || value == nullptr)
        return Refuse(0);
    if (!Query("FM2", 4))
        return 0;
    const Reply reply;
    *mode = reply.Number(0, 1);
    *value = reply.Number(2, 2);
    return 1;
}

int32_t OMR_SetSheetThickness(int32_t thickness)
{
    if (thickness == OMR_DEFAULT)
        return SetText("FT3");
    if (thickness < 0 || thickness > 5)
        return Refuse(0);
    return Set("FT1,%1d", thickness);
}

int32_t OMR_GetSheetThickness(void)
{
    if (!Query("FT2", 1))
        return -1;
    return Reply().Number(0, 1);
}

int32_t OMR_SetWarningError(int32_t flags, int32_t value1, int32_t value2)
{
    if ((flags & kDefaultWarnings) != 0)
        return SetText("WE3");
    if (value1 < 1 || value1 > 155 || value2 < 1 || value2 > 16)
        return Refuse(0);
    int bit[kWarningBits];
    for (int k = 0; k < kWarningBits; ++k)
        bit[k] = (flags >> (16 + k)) & 1;
    return Set("WE1,%1d,%1d,%1d,%1d,%1d,%1d,%03d,%02d", bit[0], bit[1], bit[2], bit[3], bit[4], bit[5], value1, value2);
}

int32_t OMR_GetWarningError(int32_t* flags, int32_t* value1, int32_t* value2)
{
    if (flags == nullptr || value1 == nullptr || value2 == nullptr)
        return Refuse(0);
    if (!Query("WE2", 15))
        return 0;
    const Reply reply;
    int32_t bits = 0;
    for (int k = 0; k < kWarningBits; ++k) {
        if (reply.At(2 * k) == '1')
            bits |= 1 << (16 + k);
    }
    *flags = bits;
    *value1 = reply.Number(12, 3);
    *value2 = reply.Number(16, 2);
    return 1;
}

int32_t OMR_SetPanelConfig(int32_t setting)
{
    return SetChoice(setting, {{0, "PO1,0"}, {1, "PO1,1"}, {OMR_DEFAULT, "PO3"}});
}

int32_t OMR_GetPanelConfig(void)
{
    if (!Query("PO2", 1))
        return -1;
    return Reply().Number(0, 1);
}

int32_t OMR_SetBuzzerConfig(int32_t setting, int32_t option)
{
    if (setting == OMR_DEFAULT)
        return SetText("BZ3");
    if (setting == 0)
        return SetText("BZ1,0");
    if (setting >= 1 && setting <= 5 && option >= 1 && option <= 3)
        return Set("BZ1,1,%01d,%01d", setting, option);
    return Refuse(0);
}

int32_t OMR_GetBuzzerConfig(int32_t* setting, int32_t* option)
{
    if (setting == nullptr || option == nullptr)
        return Refuse(0);
    if (!Query("BZ2", 5))
        return 0;
    const Reply reply;
    if (reply.At(0) == '0') {
        *setting = 0;
        *option = 0;
    } else {
        *setting = reply.Number(2, 1);
        *option = reply.Number(4, 1);
    }
    return 1;
}

int32_t OMR_SetID(const void* id)
{
    if (id == nullptr)
        return SetText("ID3");
    char block[2 + kIdLength] = {'1', ','};
    std::memcpy(block + 2, id, kIdLength);
    return SetData("ID", block, sizeof block);
}

int32_t OMR_GetID(void* id)
{
    if (id == nullptr)
        return Refuse(0);
    std::memset(id, 0, kIdLength);
    if (!Query("ID2", kIdLength))
        return 0;
    std::memcpy(id, Reply().Data(), kIdLength);
    return 1;
}

int32_t OMR_SetSleepTime(int32_t first, int32_t second)
{
    if (first == OMR_DEFAULT)
        return SetText("SE3");
    if (first < 0 || first > 60 || second < 0 || second > 60)
        return Refuse(0);
    return Set("SE1,%02d,%02d", first, second);
}

int32_t OMR_GetSleepTime(int32_t* first, int32_t* second)
{
    if (first == nullptr || second == nullptr)
        return Refuse(0);
    if (!Query("ES2", 7))
        return 0;
    const Reply reply;
    *first = reply.Number(2, 2);
    *second = reply.Number(5, 2);
    return 1;
}

int32_t OMR_SetIndividualData(int32_t slot, const void* data, int32_t length)
{
    if (slot == -1)
        return SetText("IE3");
    if (slot < 0 || slot > 5 || length < 0 || length > kIndividualDataMax || (data == nullptr && length > 0))
        return Refuse(0);
    char block[2 + kIndividualDataMax] = {static_cast<char>('0' + slot), ','};
    if (length > 0)
        std::memcpy(block + 2, data, static_cast<std::size_t>(length));
    return SetData("IE", block, 2 + length);
}

int32_t OMR_GetIndividualData(int32_t slot, void* buffer)
{
    if (buffer == nullptr)
        return Refuse(0);
    if (!Run("IE2,%01d", slot) || !Expect(20))
        return 0;
    CopyPayloadFrom(2, buffer);
    return 1;
}

}  // extern "C"
