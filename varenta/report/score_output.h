#pragma once
#include "varenta/shell/run_state.h"

namespace varenta {
// Writes the score tables to the report stream and the ".RAW" and ".ZSC"
// score files beside the subject.
void OutputScores(RunState& state);
}  // namespace varenta
