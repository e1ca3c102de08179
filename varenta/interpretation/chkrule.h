#pragma once
#include "varenta/shell/run_state.h"

namespace varenta {
// Evaluates the interpretation rules in order, storing their messages.
void RunRules(RunState& state);
}  // namespace varenta
