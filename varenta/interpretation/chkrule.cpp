#include "chkrule.h"

namespace varenta {
void RunRules(RunState&) {}
}  // namespace varenta
