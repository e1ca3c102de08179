#pragma once
// Raw scale scores from the 70 answers, and standard scores from the norm
// tables of the subject's age group.
#include "varenta/shell/run_state.h"

#include <optional>

namespace varenta {

enum class NormGroup { Adlescnt, Adult1, Adult2, Adult3 };

// The norm group of an age (bounds inclusive): 1-22, 23-39, 40-59, 60-150;
// none outside 1..150.
std::optional<NormGroup> NormGroupForAge(int age);

// Raw scores of the eight scales from Answers: ? counts the answers equal
// to 0; each keyed scale counts the answers matching its key (scoring_key.h).
// An answer other than 1, -1 and 0 (a hand-edited answer file) counts
// nowhere, not even as undecided.
void ScoreRawScales(RunState& state);

// Standard scores of the eight scales from RawScores with the group's
// tables (norm_tables.h); all eight are overwritten.
void ConvertToStandardScores(RunState& state, NormGroup group);

}  // namespace varenta
