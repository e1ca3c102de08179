#pragma once
#include "common/testing/temp_dir.h"

namespace varenta::testing {
using testsupport::TempDir;
}  // namespace varenta::testing
