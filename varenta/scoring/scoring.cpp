#include "scoring.h"

namespace varenta {

std::optional<NormGroup> NormGroupForAge(int age)
{
    if (age >= 1 && age <= 22) return NormGroup::Adlescnt;
    if (age >= 23 && age <= 39) return NormGroup::Adult1;
    if (age >= 40 && age <= 59) return NormGroup::Adult2;
    if (age >= 60 && age <= 150) return NormGroup::Adult3;
    return std::nullopt;
}

void ScoreRawScales(RunState&) {}
void ConvertToStandardScores(RunState&, NormGroup) {}

}  // namespace varenta
