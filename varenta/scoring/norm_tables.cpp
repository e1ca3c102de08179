#include "norm_tables.h"

#include "common/errors.h"
#include "varenta/scoring/scoring_key.h"

#include <string>

namespace varenta {

namespace {

// A raw score outside the scale's range (a dash in the printed tables).
constexpr int NA = 0;

// clang-format off
// Group 青年期 (ages 1 to 22). ? gives 49, 70, 79 for raw scores 0, 1, 2 and 80 for 3 and above.
constexpr NormTable kAdlescnt{{
  // raw  ?   F  Att  E   A   C   N   O
    { 0, 49, 38, 31, 32, 20, 31, 32, 32},
    { 1, 70, 46, 38, 37, 23, 37, 38, 38},
    { 2, 79, 52, 42, 39, 27, 41, 41, 43},
    { 3, 80, 57, 46, 42, 32, 44, 45, 47},
    { 4, 80, 62, 49, 44, 35, 47, 47, 50},
    { 5, 80, 67, 53, 46, 39, 50, 50, 52},
    { 6, 80, 73, 56, 48, 42, 53, 52, 54},
    { 7, 80, 79, 60, 50, 45, 56, 54, 57},
    { 8, 80, 80, 65, 52, 49, 58, 55, 60},
    { 9, 80, NA, 71, 54, 52, 60, 57, 63},
    {10, 80, NA, 77, 57, 55, 64, 60, 67},
    {11, 80, NA, NA, 60, 60, 68, 63, 71},
    {12, 80, NA, NA, 67, 67, 73, 68, 75},
}};

// Group 成人前期 (ages 23 to 39). ? gives 50, 70, 76, 79 for raw scores 0 to 3 and 80 for 4 and above.
constexpr NormTable kAdult1{{
  // raw  ?   F  Att  E   A   C   N   O
    { 0, 50, 40, 28, 34, 21, 30, 33, 33},
    { 1, 70, 49, 36, 40, 24, 34, 38, 40},
    { 2, 76, 55, 42, 43, 29, 37, 41, 44},
    { 3, 79, 60, 46, 45, 32, 40, 44, 46},
    { 4, 80, 64, 49, 47, 35, 43, 46, 49},
    { 5, 80, 68, 52, 48, 38, 45, 47, 51},
    { 6, 80, 73, 56, 50, 40, 48, 49, 54},
    { 7, 80, 77, 60, 51, 43, 51, 51, 56},
    { 8, 80, 80, 64, 53, 46, 53, 53, 58},
    { 9, 80, NA, 70, 55, 50, 56, 55, 60},
    {10, 80, NA, 79, 57, 54, 59, 57, 63},
    {11, 80, NA, NA, 60, 59, 63, 60, 67},
    {12, 80, NA, NA, 67, 67, 70, 66, 73},
}};

// Group 成人中期 (ages 40 to 59). ? gives 49, 68, 76 for raw scores 0, 1, 2 and 80 for 3 and above;
// the A column equals that of 成人前期.
constexpr NormTable kAdult2{{
  // raw  ?   F  Att  E   A   C   N   O
    { 0, 49, 40, 29, 35, 21, 27, 31, 32},
    { 1, 68, 50, 36, 40, 24, 32, 37, 38},
    { 2, 76, 58, 40, 43, 29, 36, 40, 41},
    { 3, 80, 62, 44, 46, 32, 38, 43, 44},
    { 4, 80, 67, 48, 48, 35, 40, 45, 46},
    { 5, 80, 71, 51, 50, 38, 42, 46, 48},
    { 6, 80, 74, 55, 52, 40, 45, 48, 51},
    { 7, 80, 77, 58, 54, 43, 47, 50, 53},
    { 8, 80, 80, 61, 55, 46, 50, 52, 56},
    { 9, 80, NA, 66, 58, 50, 53, 53, 59},
    {10, 80, NA, 74, 60, 54, 56, 56, 63},
    {11, 80, NA, NA, 63, 59, 60, 59, 68},
    {12, 80, NA, NA, 69, 67, 68, 65, 75},
}};

// Group 成人後期 (ages 60 to 150). ? gives 49, 57, 72, 76, 79 for raw scores 0 to 4 and 80 for 5
// and above. F tops out at 77; A gives 20 for raw scores 0 and 1.
constexpr NormTable kAdult3{{
  // raw  ?   F  Att  E   A   C   N   O
    { 0, 49, 41, 24, 30, 20, 23, 20, 20},
    { 1, 57, 51, 32, 37, 20, 29, 35, 35},
    { 2, 72, 59, 38, 41, 21, 32, 39, 41},
    { 3, 76, 65, 42, 44, 25, 35, 42, 44},
    { 4, 79, 68, 47, 47, 30, 37, 44, 47},
    { 5, 80, 69, 49, 49, 34, 40, 46, 49},
    { 6, 80, 72, 53, 51, 37, 42, 47, 51},
    { 7, 80, 74, 56, 53, 40, 44, 49, 52},
    { 8, 80, 77, 60, 55, 44, 46, 51, 55},
    { 9, 80, NA, 65, 57, 49, 48, 53, 57},
    {10, 80, NA, 72, 61, 54, 51, 55, 60},
    {11, 80, NA, NA, 65, 60, 56, 58, 64},
    {12, 80, NA, NA, 71, 69, 63, 65, 69},
}};

// clang-format on

// Every row carries its own raw score; every cell inside the scale's range
// lies between 20 and 80; every cell beyond it is NA.
constexpr bool WellFormed(const NormTable& table)
{
    for (int raw = 0; raw < kNormRows; ++raw) {
        const NormRow& row = table[static_cast<std::size_t>(raw)];
        if (row[0] != raw)
            return false;
        for (int scale = kUndecided; scale <= kOpenness; ++scale) {
            const int cell = row[static_cast<std::size_t>(scale)];
            const bool inRange = raw <= MaxRawScore(static_cast<Scale>(scale));
            if (inRange ? (cell < 20 || cell > 80) : cell != NA)
                return false;
        }
    }
    return true;
}

static_assert(WellFormed(kAdlescnt));
static_assert(WellFormed(kAdult1));
static_assert(WellFormed(kAdult2));
static_assert(WellFormed(kAdult3));

}  // namespace

const NormTable& NormTableOf(NormGroup group)
{
    switch (group) {
    case NormGroup::Adlescnt: return kAdlescnt;
    case NormGroup::Adult1: return kAdult1;
    case NormGroup::Adult2: return kAdult2;
    case NormGroup::Adult3: return kAdult3;
    }
    throw common::InternalError("unknown norm group");
}

int StandardScoreOf(NormGroup group, Scale scale, int rawScore)
{
    if (scale < kUndecided || scale > kOpenness)
        throw common::InternalError("scale position " + std::to_string(scale) + " outside 1..8");
    if (rawScore < 0 || rawScore > MaxRawScore(scale))
        throw common::InternalError("raw score " + std::to_string(rawScore) +
                                    " outside the range of scale " + std::to_string(scale));
    if (rawScore >= kNormRows)  // only ? goes beyond the listed rows
        return kUndecidedCeiling;
    return NormTableOf(group)[static_cast<std::size_t>(rawScore)][static_cast<std::size_t>(scale)];
}

}  // namespace varenta
