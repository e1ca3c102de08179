#include "messlib.h"

#include "common/errors.h"
#include "common/sjis.h"

namespace varenta {

Pieces SjisPieces(std::initializer_list<std::string_view> utf8)
{
    Pieces pieces;
    pieces.reserve(utf8.size());
    for (std::string_view piece : utf8)
        pieces.push_back(sjis::FromUtf8(piece));
    return pieces;
}

void ClearFragments(RunState& state)
{
    state.Fragments.Fill(std::string());
}

void SetFragment(RunState& state, int index, std::string_view piece)
{
    state.Fragments[index] = std::string(piece);
}

void StoreFragments(RunState& state, std::span<const std::string> pieces)
{
    if (pieces.size() > static_cast<std::size_t>(kFragmentCapacity))
        throw common::InternalError("a text of " + std::to_string(pieces.size()) +
                                    " pieces exceeds the " +
                                    std::to_string(kFragmentCapacity) + " fragments");
    ClearFragments(state);
    int index = 1;
    for (const std::string& piece : pieces)
        state.Fragments[index++] = piece;
}

std::string FragmentText(const RunState& state)
{
    std::string text;
    for (const std::string& fragment : state.Fragments)
        text += fragment;
    return text;
}

void JoinFragments(RunState& state)
{
    state.ImpressionText = FragmentText(state);
}

void StoreMessage(RunState& state)
{
    state.MessageSlots[state.MessageCount] += FragmentText(state);
}

void FireRule(RunState& state, int rule, std::span<const std::string> pieces)
{
    // Every limit is checked before the first table changes, so a refused
    // firing leaves flags, count and slots as they were.
    if (rule < 1 || rule > kRuleCapacity)
        throw common::InternalError("rule number " + std::to_string(rule) + " outside 1.." +
                                    std::to_string(kRuleCapacity));
    if (state.MessageCount < 0 || state.MessageCount >= kMessageCapacity)
        throw common::InternalError("message store full: message " +
                                    std::to_string(state.MessageCount + 1) + " outside 1.." +
                                    std::to_string(kMessageCapacity));
    if (pieces.size() > static_cast<std::size_t>(kFragmentCapacity))
        throw common::InternalError("message of rule " + std::to_string(rule) +
                                    " has more than " + std::to_string(kFragmentCapacity) +
                                    " pieces");
    state.RuleFired[rule] = true;
    ++state.MessageCount;
    state.MessageRule[state.MessageCount] = rule;
    StoreFragments(state, pieces);
    StoreMessage(state);
}

}  // namespace varenta
