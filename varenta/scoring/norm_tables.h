#pragma once
// The norm tables of the four age groups: for each group and scale, the
// standard score (T-score scale, 20 to 80) of every possible raw score.
//
// Each table has the rows raw score 0 to 12 and the columns raw score, ?, F,
// Att, E, A, C, N, O. A keyed scale lists every raw score of its range
// (F 0-8, Att 0-10, the basic scales 0-12); the ? column lists 0 to 12 and
// every higher ? raw score, up to 70, gives 80. The tables depend on the age
// group only, never on the subject's sex.
#include "varenta/scoring/scoring.h"

#include <array>

namespace varenta {

inline constexpr int kNormRows = 13;
inline constexpr int kUndecidedCeiling = 80;  // ? raw scores 13..70

// Column 0 is the raw score of the row; column s (1..8) is scale s.
using NormRow = std::array<int, 1 + kScaleCount>;
using NormTable = std::array<NormRow, kNormRows>;

const NormTable& NormTableOf(NormGroup group);

// The standard score of one raw score. A raw score outside the scale's
// range (negative, above 70 for ?, above the number of keyed items
// otherwise) cannot come from ScoreRawScales and throws
// common::InternalError.
int StandardScoreOf(NormGroup group, Scale scale, int rawScore);

}  // namespace varenta
