// Diagnostic queries: device and sensor information, version and machine
// name, raw sensor readings, memory and maintenance data, test marks and
// test processes.
#include <climits>
#include <cstdio>
#include <cstring>

#include "command.h"
#include "marklink.h"

using namespace marklink::command;

namespace {

// Nibble of the device information word from one payload character.
uint32_t Nibble(char c, const char* codes, const uint32_t* values, std::size_t count)
{
    for (std::size_t i = 0; i < count; ++i) {
        if (codes[i] == c)
            return values[i];
    }
    return 0xF;
}

uint32_t DeviceInfoWord(const Reply& reply)
{
    // Bits 0-3: "@" or a hexadecimal digit; a character that is neither
    // leaves the parser's failure value 0x80000000 as the starting word.
    uint32_t word = reply.At(2) == '@' ? 0xFu : static_cast<uint32_t>(reply.Number(2, 1, true));
    // Bits 4-7: "@" or a digit (letters A-F count 10-15).
    const uint32_t high = reply.At(0) == '@' ? 0x8u : static_cast<uint32_t>(reply.Number(0, 1)) & 0xFu;
    word |= high << 4;
    static constexpr uint32_t kUnit[] = {0, 1};
    static constexpr uint32_t kSide[] = {0, 1, 2, 8};
    static constexpr uint32_t kOption[] = {0, 1, 9};
    word |= Nibble(reply.At(4), "01", kUnit, 2) << 16;
    word |= Nibble(reply.At(6), "0123", kSide, 4) << 20;
    word |= Nibble(reply.At(8), "012", kOption, 3) << 24;
    word |= Nibble(reply.At(10), "012", kOption, 3) << 28;
    return word;
}

int32_t TextQuery(const char* command, int32_t minimumLength, char* buffer)
{
    if (buffer == nullptr)
        return Refuse(0);
    if (!Query(command, minimumLength))
        return 0;
    CopyText(buffer);
    return 1;
}

}  // namespace

extern "C" {

int32_t OMR_GetSensorInfo(void)
{
    if (!Query("DS", 4))
        return -1;
    // First byte most significant; each byte sign-extended, so a byte of
    // 0x80 or more sets every bit above it.
    const Reply reply;
    uint32_t value = 0;
    for (int i = 0; i < 4; ++i)
        value = (value << 8) | static_cast<uint32_t>(static_cast<int32_t>(static_cast<signed char>(reply.At(i))));
    return static_cast<int32_t>(value);
}

int32_t OMR_GetDeviceInfo(void)
{
    if (!Query("DI", 11))
        return -1;
    return static_cast<int32_t>(DeviceInfoWord(Reply()));
}

int32_t OMR_GetMachineName(char* buffer)
{
    return TextQuery("MN", 1, buffer);
}

int32_t OMR_GetVersion(int32_t part, char* buffer)
{
    if (part < 0 || part > 5 || buffer == nullptr)
        return Refuse(0);
    if (!Run("FV%1d", part) || !Expect(1))
        return 0;
    CopyText(buffer);
    return 1;
}

int32_t OMR_GetSkew(int32_t* first, int32_t* second)
{
    if (first == nullptr || second == nullptr)
        return Refuse(0);
    if (!Query("SK", 9))
        return 0;
    const Reply reply;
    *first = reply.Number(0, 4);
    *second = reply.Number(5, 4);
    return 1;
}

int32_t OMR_GetFeedSpeed(void)
{
    if (!Query("TS", 5))
        return -1;
    return Reply().Number(0, 5);
}

int32_t OMR_GetCheckSum(int32_t area)
{
    if (!Run("CS%1d", area) || !Expect(4))
        return -1;
    return Reply().Number(0, 4, true);
}

int32_t OMR_GetMaintenanceInfo(char* buffer)
{
    return TextQuery("MI", INT_MIN, buffer);
}

int32_t OMR_GetMemory(int32_t area, int32_t address, int32_t count, char* buffer)
{
    if (buffer == nullptr)
        return Refuse(0);
    if (!Run("MM%01d,%08X,%02d", area, static_cast<unsigned>(address), count))
        return 0;
    CopyText(buffer);
    return 1;
}

int32_t OMR_GetReadSensorAD(int32_t side, int32_t sensor, int32_t /*unused*/, char* buffer)
{
    if (side < 0 || side > 1 || sensor < 0 || sensor > 2 || buffer == nullptr)
        return Refuse(0);
    if (!Run("AE%01d,%01d", side, sensor) || !Expect(5))
        return 0;
    CopyPayloadFrom(4, buffer);
    return 1;
}

int32_t OMR_GetMarkAD(int32_t side, int32_t valueA, int32_t valueB, char* buffer)
{
    if (side < 0 || side > 1 || buffer == nullptr)
        return Refuse(0);
    if (!Run("AS%1d,%02d,%03d", side, valueB, valueA) || !Expect(3))
        return 0;
    CopyPayloadFrom(2, buffer);
    return 1;
}

int32_t OMR_GetDetectSensor(void)
{
    if (!Query("AD", 2))
        return -1;
    const Reply reply;
    return static_cast<unsigned char>(reply.At(0)) * 256 + static_cast<unsigned char>(reply.At(1));
}

int32_t _OMR_GetPositionSensorAd(int32_t sensor)
{
    if (!Run("AD%01d", sensor) || !Expect(4))
        return -1;
    const Reply reply;
    return static_cast<unsigned char>(reply.At(2)) * 256 + static_cast<unsigned char>(reply.At(3));
}

int32_t OMR_GetDfSensorVol(void)
{
    if (!Query("SV", 3))
        return -1;
    return Reply().Number(0, 3);
}

int32_t OMR_InitialMaintenanceConfig(void)
{
    return SetText("IM");
}

int32_t OMR_SetDummyMark(int32_t side, int32_t length, const void* data)
{
    if (side < 0 || side > 1 || length < 1 || length > 48 || data == nullptr)
        return Refuse(0);
    char block[6 + 48];
    std::snprintf(block, sizeof block, "%01d,%02d,", side, length);
    std::memcpy(block + 5, data, static_cast<std::size_t>(length));
    return SetData("SP", block, 5 + length);
}

int32_t OMR_ControlDummyProccess(int32_t mode)
{
    return SetChoice(mode, {{0, "IW0"}, {1, "IW1"}, {2, "IW2"}});
}

}  // extern "C"
