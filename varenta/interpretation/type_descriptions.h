#pragma once
// Placeholder until the type descriptions land: the three description
// routines that ClassifyType calls.
#include "varenta/shell/run_state.h"

namespace varenta {
void DescribePairType(RunState& state);
void DescribeSingleType(RunState& state);
void DescribeAverageType(RunState& state);
}  // namespace varenta
