#pragma once
// The code type: the one or two most pronounced of the five basic factors
// (1 E, 2 A, 3 C, 4 N, 5 O) with their direction, such as "1+2-".
//
// A factor has a code when its standard score is 60 or more ("+") or 40 or
// less ("-"). Factors are ordered by distance from 50, largest first, equal
// distances by factor number; the codes in that order are cut to four
// characters, so a third coded factor is dropped whole. All scores 0 (no
// norm group applied) therefore give "1-2-".
#include "varenta/shell/run_state.h"

#include <array>
#include <string>

namespace varenta {

// The code type of the E, A, C, N, O standard scores, in that order.
std::string CodeTypeOf(const std::array<int, 5>& basicScores);

// CodeType := the code type of the basic standard scores.
void MakeCodeType(RunState& state);

// MakeCodeType, then the description of that code is assembled into
// ImpressionText (pair, single-factor or average type).
void ClassifyType(RunState& state);

}  // namespace varenta
