#pragma once
#include "varenta/shell/run_state.h"

namespace varenta {
// Writes the text profile chart of the standard scores to the report stream.
void PrintProfileChart(RunState& state);
}  // namespace varenta
