#pragma once
// Shared helpers of the interpretation tests: a temporary subject directory
// and a run state with middle scores and unremarkable answers.
#include "common/sjis.h"
#include "common/testing/temp_dir.h"
#include "varenta/shell/run_state.h"

#include <array>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <system_error>
#include <unistd.h>

namespace varenta::testing {

using testsupport::TempDir;

// Standard scores in scale order ? F Att E A C N O.
using Scores = std::array<int, kScaleCount>;

inline std::unique_ptr<RunState> MakeState(const Scores& standard = {50, 50, 50, 50, 50, 50, 50, 50})
{
    auto state = std::make_unique<RunState>();
    for (int scale = 1; scale <= kScaleCount; ++scale)
        state->StandardScores[scale] = standard[static_cast<std::size_t>(scale - 1)];
    // An even mix of yes and no: no answer-pattern rule fires.
    for (int item = 1; item <= kItemCount; ++item)
        state->Answers[item] = item % 2 == 0 ? 1 : -1;
    return state;
}

// Sets the first `count` answers to value.
inline void SetAnswers(RunState& state, int count, int value)
{
    for (int item = 1; item <= count; ++item)
        state.Answers[item] = value;
}

inline std::string Sjis(std::string_view utf8)
{
    return sjis::FromUtf8(utf8);
}

}  // namespace varenta::testing
