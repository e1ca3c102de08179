#include "chkcode.h"

namespace varenta {
void ClassifyType(RunState&) {}
}  // namespace varenta
