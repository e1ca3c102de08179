#include "messlib.h"

namespace varenta {
void WriteInterpretation(RunState&) {}
}  // namespace varenta
