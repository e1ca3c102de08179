#pragma once
#include "varenta/shell/run_state.h"

namespace varenta {
// Writes the automatic interpretation to the report stream and ".AIM".
void WriteInterpretation(RunState& state);
}  // namespace varenta
