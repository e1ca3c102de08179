#include "face_sheet.h"

namespace varenta {
void PrintFaceSheet(RunState&) {}
}  // namespace varenta
