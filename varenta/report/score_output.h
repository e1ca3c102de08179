#pragma once
// The end of the report: the raw and standard score files beside the
// subject, and the validity and basic score tables with their star bars.
#include "varenta/shell/run_state.h"

#include <string>
#include <string_view>

namespace varenta {

inline constexpr std::string_view kRawScoreSuffix = ".RAW";
inline constexpr std::string_view kStandardScoreSuffix = ".ZSC";
inline constexpr int kMaxStars = 18;

std::string RawScorePath(const std::string& basePath);
std::string StandardScorePath(const std::string& basePath);

// One line of eight scores in scale order, each right-aligned in 4
// columns, then CR LF: 34 bytes for every score the system produces.
std::string ScoreFileLine(const OneBased<int, kScaleCount>& scores);

// The row label of a scale (Shift-JIS): 46 bytes for ?, F and Att, 45 bytes
// for E, A, C, N and O, so that the standard scores of the basic table sit
// one byte further left than those of the validity table.
const std::string& ScaleLabel(int scale);

// Stars of a standard score T: none for T <= 0, otherwise T / 10 with
// halves going up (44 gives 4, 45 gives 5), at most 18.
int StarCount(int standardScore);

// Replaces BasePath.RAW and BasePath.ZSC (each written whole, atomically).
void WriteScoreFiles(const RunState& state);

// The validity and basic tables, the closing separator and "\newpage".
void PrintScoreTables(RunState& state);

// Checks that the report written so far reached its file, then writes the
// score files, then the tables: a failing report stream stops the run
// before the score files, a failing score file before the tables
// (common::IoError).
void OutputScores(RunState& state);

}  // namespace varenta
