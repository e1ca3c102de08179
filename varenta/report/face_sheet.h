#pragma once
#include "varenta/shell/run_state.h"

namespace varenta {
// Writes the face sheet (title box, date and time, subject record,
// introduction, credits, norm group line) to the report stream.
void PrintFaceSheet(RunState& state);
}  // namespace varenta
