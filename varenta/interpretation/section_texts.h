#pragma once
// The fixed texts of the interpretation section: headings, the opening and
// closing sentences of the three test-taking attitude levels, and the words
// that join the attitude remarks. Shift-JIS, converted once at first use.
#include <array>
#include <string>

namespace varenta {

struct SectionTexts {
    std::string title;              // "［　自動解釈　］"
    std::string attitudeHeading;    // "<<  受検態度  >>"
    std::string characterHeading;   // "<<  基本的性格  >>"
    std::string impressionHeading;  // "<<  全体的印象　>>"
    // "E    外向性" ... "O    知的好奇心", in scale order E, A, C, N, O.
    std::array<std::string, 5> scaleHeadings;
    std::string indent;  // one full-width space before each scale paragraph

    // Level 1: the result is very doubtful. The opening ends in "すなわち、",
    // the remarks follow it; the closing stands on a line of its own.
    std::string veryDoubtfulOpening;
    std::string veryDoubtfulClosing;
    // Level 2: somewhat doubtful; same frame.
    std::string somewhatDoubtfulOpening;
    std::string somewhatDoubtfulClosing;
    // Level 3: trustworthy; no closing sentence.
    std::string trustworthyOpening;

    std::string moreover;  // "また、"
    std::string however;   // "ただし、"
};

const SectionTexts& InterpretationTexts();

}  // namespace varenta
