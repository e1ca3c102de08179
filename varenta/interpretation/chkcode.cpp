#include "chkcode.h"

#include "type_descriptions.h"

#include <algorithm>
#include <cstdlib>

namespace varenta {

namespace {

constexpr int kMean = 50;
constexpr int kCodeDistance = 10;
constexpr std::size_t kCodeLength = 4;

struct Factor {
    int number;
    int strength;
    std::string code;
};

}  // namespace

std::string CodeTypeOf(const std::array<int, 5>& basicScores)
{
    std::array<Factor, 5> factors;
    for (std::size_t i = 0; i < factors.size(); ++i) {
        const int deviation = basicScores[i] - kMean;
        Factor& f = factors[i];
        f.number = static_cast<int>(i) + 1;
        f.strength = std::abs(deviation);
        if (deviation >= kCodeDistance)
            f.code = std::to_string(f.number) + "+";
        else if (deviation <= -kCodeDistance)
            f.code = std::to_string(f.number) + "-";
    }
    // Stable: factors of equal strength keep factor order.
    std::stable_sort(factors.begin(), factors.end(),
                     [](const Factor& a, const Factor& b) { return a.strength > b.strength; });
    std::string code;
    for (const Factor& f : factors)
        code += f.code;
    if (code.size() > kCodeLength)
        code.resize(kCodeLength);
    return code;
}

void MakeCodeType(RunState& state)
{
    state.CodeType = CodeTypeOf({
        state.StandardScores[kExtraversion],
        state.StandardScores[kAgreeableness],
        state.StandardScores[kConscientiousness],
        state.StandardScores[kStability],
        state.StandardScores[kOpenness],
    });
}

void ClassifyType(RunState& state)
{
    MakeCodeType(state);
    if (state.CodeType.empty())
        DescribeAverageType(state);
    else if (state.CodeType.size() == 4)
        DescribePairType(state);
    else if (state.CodeType.size() == 2)
        DescribeSingleType(state);
}

}  // namespace varenta
