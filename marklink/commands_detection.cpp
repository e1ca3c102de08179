// Mark detection settings: density thresholds ("DT"), level shift ("SH"),
// sheet thresholds ("TF"), sensor correction ("AR"), sensor levels ("WB")
// and the back sensor unit ("BR").
#include "command.h"
#include "marklink.h"

using namespace marklink::command;

namespace {

constexpr int32_t kRestoreShift = 9999;

// n values of 3 digits each, every 4 characters of the payload.
void ReadThreeDigitValues(int32_t* values, int count)
{
    const Reply reply;
    for (int i = 0; i < count; ++i)
        values[i] = reply.Number(4 * i, 3);
}

}  // namespace

extern "C" {

int32_t OMR_SetDensityThreshold(int32_t index, int32_t threshold)
{
    if (index == 0)
        return SetText("DT3");
    if (index < 1 || index > 16 || threshold < 0 || threshold > 255)
        return Refuse(0);
    return Set("DT1,%02d,%03d", index, threshold);
}

int32_t OMR_GetDensityThreshold(int32_t* thresholds)
{
    if (thresholds == nullptr)
        return Refuse(0);
    if (!Query("DT2", 63))
        return 0;
    ReadThreeDigitValues(thresholds, 16);
    return 1;
}

int32_t OMR_SetDensityLevelShift(int32_t shift)
{
    if (shift == kRestoreShift)
        return SetText("SH3");
    if (shift >= 0 && shift <= 127)
        return Set("SH1,+%03d", shift);
    if (shift >= -128 && shift <= -1)
        return Set("SH1,-%03d", -shift);
    return Refuse(0);
}

int32_t OMR_GetDensityLevelShift(void)
{
    constexpr int32_t kFailure = 0x8000;
    if (!Query("SH2", 4))
        return kFailure;
    return Reply().Number(0, 4);
}

int32_t OMR_SetSheetThreshold(int32_t level)
{
    if (level == OMR_DEFAULT)
        return SetText("TF3");
    if (level < 1 || level > 5)
        return Refuse(0);
    return Set("TF1,%1d", level);
}

int32_t OMR_GetSheetThreshold(int32_t* levels)
{
    if (levels == nullptr)
        return Refuse(0);
    if (!Query("TF2", 19))
        return 0;
    ReadThreeDigitValues(levels, 5);
    return 1;
}

int32_t OMR_SetSensorCorrection(int32_t mode)
{
    return SetChoice(mode, {{0, "AR3"}, {1, "AR1,0"}, {2, "AR1,1"}});
}

int32_t OMR_GetSensorCorrection(int32_t number, int32_t* values)
{
    if (values == nullptr)
        return Refuse(0);
    if (!Run("AR2,%1d", number) || !Expect(3))
        return 0;
    // One single-digit value per payload character from the third to the
    // payload's end.
    const Reply reply;
    for (int at = 2; at < reply.Length(); ++at)
        values[at - 2] = reply.Number(at, 1);
    return 1;
}

int32_t OMR_SetSensorLevel(int32_t selector)
{
    return SetChoice(selector, {{0, "WB3"}, {1, "WB1,0,0"}, {2, "WB1,0,1"}, {3, "WB1,1,0"}, {4, "WB1,1,1"}});
}

int32_t OMR_GetSensorLevel(int32_t selector, char* buffer)
{
    static constexpr const char* kQueries[] = {"WB2,0,0", "WB2,0,1", "WB2,1,0", "WB2,1,1"};
    if (selector < 1 || selector > 4 || buffer == nullptr)
        return Refuse(0);
    if (!Query(kQueries[selector - 1], 5))
        return 0;
    CopyPayloadFrom(6, buffer);
    return 1;
}

int32_t OMR_SetBackSensorUnit(int32_t unit)
{
    return SetChoice(unit, {{0, "BR1,0"}, {1, "BR1,1"}, {OMR_DEFAULT, "BR3"}});
}

int32_t OMR_GetBackSensorUnit(void)
{
    return SwitchQuery("BR2", 1, 0);
}

}  // extern "C"
