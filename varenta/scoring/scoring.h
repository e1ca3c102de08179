#pragma once
#include "varenta/shell/run_state.h"

#include <optional>

namespace varenta {

enum class NormGroup { Adlescnt, Adult1, Adult2, Adult3 };

// The norm group of an age (bounds inclusive): 1-22, 23-39, 40-59, 60-150;
// none outside 1..150.
std::optional<NormGroup> NormGroupForAge(int age);

// Raw scores of the eight scales from Answers.
void ScoreRawScales(RunState& state);

// Standard scores of the eight scales from RawScores with the group's table.
void ConvertToStandardScores(RunState& state, NormGroup group);

}  // namespace varenta
