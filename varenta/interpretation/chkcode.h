#pragma once
#include "varenta/shell/run_state.h"

namespace varenta {
// Sets CodeType and assembles the type description (ImpressionText).
void ClassifyType(RunState& state);
}  // namespace varenta
