#pragma once
#include "common/testing/temp_dir.h"

namespace varenta::testing {
using TempWorkDir = testsupport::WorkDir;
}  // namespace varenta::testing
