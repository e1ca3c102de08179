#pragma once
// CRC-16/X-25 (also known as CRC-16/IBM-SDLC) of the reader's serial frames:
// reflected polynomial 0x1021 (0x8408 reflected), initial value 0xFFFF,
// final value inverted. Header-only so that the reader emulator frames its
// replies with the very same table.
#include <array>
#include <cstddef>
#include <cstdint>

namespace marklink {

constexpr std::array<std::uint16_t, 256> MakeCrc16Table()
{
    std::array<std::uint16_t, 256> table{};
    for (unsigned i = 0; i < 256; ++i) {
        std::uint16_t crc = static_cast<std::uint16_t>(i);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 1) ? static_cast<std::uint16_t>((crc >> 1) ^ 0x8408) : static_cast<std::uint16_t>(crc >> 1);
        table[i] = crc;
    }
    return table;
}

inline constexpr std::array<std::uint16_t, 256> kCrc16Table = MakeCrc16Table();

// Running form: start with kCrc16Start, feed bytes, finish with Crc16Finish.
inline constexpr std::uint16_t kCrc16Start = 0xFFFF;

constexpr std::uint16_t Crc16Update(std::uint16_t crc, std::uint8_t byte)
{
    return static_cast<std::uint16_t>((crc >> 8) ^ kCrc16Table[(crc ^ byte) & 0xFF]);
}

constexpr std::uint16_t Crc16Finish(std::uint16_t crc)
{
    return static_cast<std::uint16_t>(crc ^ 0xFFFF);
}

inline std::uint16_t Crc16(const void* data, std::size_t length)
{
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    std::uint16_t crc = kCrc16Start;
    for (std::size_t i = 0; i < length; ++i)
        crc = Crc16Update(crc, bytes[i]);
    return Crc16Finish(crc);
}

static_assert(kCrc16Table[1] == 0x1189 && kCrc16Table[128] == 0x8408);

}  // namespace marklink
