#pragma once
// The text profile chart: a character grid with one "*" per scale at the
// height of its standard score, then the eight standard and raw scores in
// figures.
//
// The grid has 21 lines, one per band of three scores (band (T + 2) / 3),
// from band 27 (T 79-81, labelled 80) at the top to band 7 (T 19-21,
// labelled 20) at the bottom, with ruled lines at 80, 65, 55, 45, 35, 20.
// A score of 80, the highest value of the norm tables (reached by ? and F,
// and then an important warning), is marked on the top line like 79; so is
// any score above the grid, which must never be hidden. A score below 19
// (in practice 0, when no norm group applied) leaves no mark.
//
// With the graphic setting "ON" the chart is framed by "\skipprint" and,
// after its "\newpage", "\startprint", so a printed copy leaves it out.
#include "varenta/shell/run_state.h"

namespace varenta {
// Writes the text profile chart of the standard scores to the report stream.
void PrintProfileChart(RunState& state);
}  // namespace varenta
