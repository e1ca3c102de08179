// Direct motor drive: "EP" followed by eight one-digit fields.
#include <string>

#include "command.h"
#include "marklink.h"

using namespace marklink::command;

extern "C" {

int32_t OMR_DriveMotor(int32_t flags)
{
    std::string text = "EP0,0,0,0,0,0,0,0";
    const auto field = [&text](int n) -> char& { return text[2 + 2 * (n - 1)]; };  // fields 1-8
    if ((flags & 0x1) != 0)
        field(1) = '1';
    if ((flags & 0x10) != 0)
        field(2) = '1';
    const int32_t third = (flags >> 8) & 0xF;
    if (third == 1 || third == 2)
        field(3) = static_cast<char>('0' + third);
    for (int n = 4; n <= 8; ++n) {
        if ((flags >> (12 + 4 * (n - 4)) & 1) != 0)
            field(n) = '1';
    }
    return SetText(text);
}

int32_t _OMR_DriveMotorEx(int32_t motor, int32_t value)
{
    if (motor < 1 || motor > 10)
        return SetText("EP0,0,0,0,0,0,0,0,0");
    // The motor's field is marked by its position: motor - 1 commas first.
    std::string text = "EP" + std::string(static_cast<std::size_t>(motor - 1), ',');
    text += static_cast<char>('0' + value);
    return SetText(text);
}

}  // extern "C"
