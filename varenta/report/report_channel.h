#pragma once
// The report stream: its target, opening and closing, directive lines and
// the writing conventions every report section follows.
//
// The stream lives in RunState::ReportFile. Every write is checked; a failure
// throws common::IoError, which abandons the rest of the run (what was
// written stays in the file). The stream is buffered; it is handed to the
// file at every page end ("\newpage"), so a failing write (a full disk)
// stops the run at the end of the section that made it, before the next
// section or the score files are begun.
#include "varenta/shell/run_state.h"

#include <string_view>

namespace varenta {

inline constexpr std::string_view kPrinterTarget = "PRN";
inline constexpr std::string_view kPreviewTarget = "VR.$$$";
inline constexpr std::string_view kPrinterWorkFile = "$$$";
inline constexpr std::string_view kPreviewFile = "VR.$$$";

// printerItem is the item chosen in the main form's printer radio group:
// 0 gives "PRN" (no file touched), anything else "VR.$$$" and an emptied
// "VR.$$$" in the current directory.
void SelectOutputTarget(RunState& state, int printerItem);

// Creates or truncates "$$$" or "VR.$$$" (current directory) per OutputTarget.
void OpenReport(RunState& state);
void CloseReport(RunState& state);

// "\newpage", then the buffered report is written to its file (checked).
void NewPage(RunState& state);
void SkipPrint(RunState& state);
void StartPrint(RunState& state);

// The line width for separator lines: number_of_letters, already bounded
// when the settings were read.
int LineWidth(const RunState& state);

// `count` copies of ch followed by CR LF; no characters when count <= 0.
std::string SeparatorLine(int count, char ch = '-');

// value in decimal, right-aligned in `width` columns; a wider number is
// written in full.
std::string RightAligned(long long value, int width);

}  // namespace varenta
