#pragma once
// The messages of the 35 interpretation rules: one interpretive remark per
// rule, each an ordered list of Shift-JIS pieces. Rules 1 to 10 judge the
// test-taking attitude (answer pattern, F, Att) and are written after an
// opening sentence ending in "すなわち、"; rules 11 to 35 are the paragraphs of
// the five basic scales, written after a full-width indent. No message
// starts with a space or holds a line end.
#include "varenta/interpretation/messlib.h"

namespace varenta {

inline constexpr int kDefinedRules = 35;

// The pieces of rule `rule` (1..35); any other number is an InternalError.
const Pieces& RuleMessage(int rule);

}  // namespace varenta
