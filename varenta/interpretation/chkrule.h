#pragma once
// The 35 interpretation rules.
//
// Rules 1-3 look at the answer pattern, 4-8 at the F standard score, 9-10 at
// Att, and 11-35 at the five basic scales E, A, C, N, O (five bands each).
// Each rule that holds fires once and stores its message (rule_texts.h), so
// message numbers follow rule numbers. Every run stores 6 to 9 messages:
// exactly one F rule and one rule per basic scale always fire.
#include "varenta/shell/run_state.h"

namespace varenta {

// Score bands shared by F and the basic scales; bounds inclusive.
enum class ScoreBand : int {
    kVeryLow = 0,   // 34 or less (also 0, when no norm group applied)
    kLow = 1,       // 35 to 44
    kMiddle = 2,    // 45 to 55
    kHigh = 3,      // 56 to 65
    kVeryHigh = 4,  // 66 or more
};

ScoreBand BandOf(int standardScore);

// Empties the message store, then evaluates rules 1 to 35 in order and fires
// those that hold.
//
// The store is emptied as a whole (flags, owners and slots, not only the
// count) so that evaluating a state a second time gives the same messages
// instead of appending to the ones already stored.
void RunRules(RunState& state);

}  // namespace varenta
