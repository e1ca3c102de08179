#include "type_descriptions.h"

namespace varenta {
void DescribePairType(RunState&) {}
void DescribeSingleType(RunState&) {}
void DescribeAverageType(RunState&) {}
}  // namespace varenta
