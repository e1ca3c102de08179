#pragma once
// Device condition codes from the two status pairs of a reply.
#include <cstdint>

namespace marklink {

constexpr std::uint32_t kUnknownStatus = 0xFFFFFFFFu;

// The code of one status pair read as pair `index` (0 front and general,
// 1 back): 0 for "@@" and "00", kUnknownStatus when not recognised.
std::uint32_t DecodeStatusPair(const char* pair, int index);

// The one code that stands for both pairs: the more fundamental condition
// wins (lower kind, then lower detail), a tie goes to pair 0, a normal pair
// never hides the other, and timing-mark or setting errors on both sides
// combine into their front-and-back codes.
std::uint32_t CombineStatusPairs(const char* pair0, const char* pair1);

}  // namespace marklink
