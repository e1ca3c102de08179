#pragma once
// The face sheet, the first page of the report: the title box between two
// "=" lines, the processing date and time, the subject's record, the
// introduction to the test and the line naming the norm group by age; it
// ends with "\newpage".
//
// The line width N is number_of_letters. The title box is nine lines of 70
// bytes, each written with a leading margin of left - 2 spaces when left is
// 3 or more (otherwise none) and a trailing margin of right - 2 spaces,
// where left = (N - 70) / 2 truncated towards zero and right = N - 70 - left.
// With N = 80 that is 3 + 70 + 3 bytes.
//
// Widths below 73 (the box needs right - 2 >= 0): a margin is never
// negative; it shrinks to no space at all and the box keeps its full 70
// bytes. So from N = 74 down to N = 0 every box line is exactly the 70-byte
// box line, and below N = 70 the box is wider than the "=" and "-" lines
// (which are N characters, empty at N = 0). The box is never cut: a cut
// would break its Japanese title and credits.
#include "varenta/shell/run_state.h"

#include <string>

namespace varenta {

inline constexpr int kTitleBoxBytes = 70;

struct BoxMargins {
    int leading;
    int trailing;
};

// The margins of the title box lines for line width N (see above).
BoxMargins TitleBoxMargins(int lineWidth);

// The group label of the closing line (Shift-JIS). Ages 60 to 99 give
// 成人後期基準; 100 and above, 0 and negative ages give
// コンピュータ基準(大学生), although ages 100 to 150 are scored with the
// 成人後期 tables.
const std::string& FaceSheetGroupLabel(int age);

// The subject's file name as the face sheet prints it: the base path without
// its directory, in Shift-JIS. A character that Shift-JIS cannot hold (or a
// byte that is not UTF-8) is shown as "?" rather than abandoning the report.
std::string ReportFileName(const std::string& basePath);

// Writes the face sheet to the open report stream.
void PrintFaceSheet(RunState& state);

}  // namespace varenta
