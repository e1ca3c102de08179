#pragma once
// The fragment area and the message store of the automatic interpretation.
//
// Every interpretive text (a rule message, a type description) is assembled
// from its pieces in RunState::Fragments: piece 1 in fragment 1, piece 2 in
// fragment 2, and so on. The text is fragments 1..30 concatenated in index
// order with nothing between them; unused fragments are empty. Pieces are
// Shift-JIS bytes.
//
// The tables have fixed capacities (fragments 1..30, rules 1..310, messages
// 1..75). A violation throws common::InternalError before anything changes,
// so nothing is ever written beside a table.
#include "varenta/shell/run_state.h"

#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace varenta {

// An interpretive text as the ordered list of its Shift-JIS pieces.
using Pieces = std::vector<std::string>;

// Converts UTF-8 source literals into a piece list (once, at first use):
//   static const Pieces kText = SjisPieces({"…", "…"});
// Throws common::InputError for a character that CP932 cannot hold.
Pieces SjisPieces(std::initializer_list<std::string_view> utf8);

// Sets all 30 fragments to the empty string.
void ClearFragments(RunState& state);

// Sets fragment `index` (1..30) to piece.
void SetFragment(RunState& state, int index, std::string_view piece);

// ClearFragments, then the pieces in fragments 1, 2, ... in order. More than
// 30 pieces is an internal error (checked before the area is touched).
void StoreFragments(RunState& state, std::span<const std::string> pieces);

// The concatenation of fragments 1..30.
std::string FragmentText(const RunState& state);

// ImpressionText := the concatenation of fragments 1..30.
void JoinFragments(RunState& state);

// Appends the concatenation of fragments 1..30 to message slot MessageCount,
// which must be 1..75.
void StoreMessage(RunState& state);

// Fires rule `rule` (1..310) with its message: sets RuleFired[rule], counts
// a new message owned by the rule in MessageRule, stores the pieces in the
// fragment area and stores the message.
void FireRule(RunState& state, int rule, std::span<const std::string> pieces);

}  // namespace varenta

// The section writer (WriteInterpretation) is declared in chkmeta.h; the run
// driver reaches it through this header.
#include "varenta/interpretation/chkmeta.h"
