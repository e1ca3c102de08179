#pragma once
// The on-screen administration of the 70 items.
//
// Items are shown one at a time from CurrentItem + 1 on. The subject answers
// yes (1), no (-1) or "？" (0), may step back one item at a time (once between
// two answers) and may interrupt the first pass; an interruption saves the
// answers before the item on screen, so that a later run continues there.
// After item 70 every item still answered "？" is shown once more (with a
// warning first when there are five or more of them), and the answer file
// is written with all 70 answers. Either way the administration ends the
// program run: AdministerQuestionnaire returns and the caller ends.
//
// State lives in the RunState: Answers, CurrentItem (the item on screen),
// SaveCount (how many answers the answer file gets) and ItemText.
#include "varenta/administration/questionnaire_ui.h"
#include "varenta/shell/run_state.h"

#include <string>
#include <vector>

namespace varenta {

// Five or more undecided answers bring the warning before the repeat pass.
inline constexpr int kUndecidedWarningCount = 5;

class Questionnaire {
public:
    // items[i] is line i of the item file, items[0] the empty line in front.
    Questionnaire(RunState& state, QuestionnaireUi& ui, const std::vector<std::string>& items);

    // The whole administration: backdrop, instructions, first pass, the
    // check of undecided answers, repeat pass, answer file, end message.
    // Returns when the run is to end: after the end message or after a
    // confirmed interruption. Throws common::InputError before anything is
    // shown when items holds fewer than 70 items.
    void AdministerQuestionnaire();

    // Shows ItemText as item CurrentItem and applies the button pressed:
    // an answer sets Answers[CurrentItem] and allows one step back; 戻る
    // moves CurrentItem back so that the caller's next step shows the
    // previous item; 中断 asks for confirmation and either saves and ends or
    // leaves CurrentItem so that the same item comes again.
    void ShowItem();

    // SaveCount := 70; warns when five or more items are undecided.
    void CheckUndecided();

    // True once the end message has been shown (complete or interrupted).
    bool Ended() const { return ended_; }

private:
    void present(int item);
    void interrupt();
    void finish();

    RunState& state_;
    QuestionnaireUi& ui_;
    std::vector<std::string> items_;
    bool backEnabled_ = false;       // 戻る: off until the first answer
    bool interruptEnabled_ = true;   // 中断: first pass only
    bool ended_ = false;
};

// Writes the answer file (Sex, then Answers 1..SaveCount) and returns the
// text of the end message: the complete text when SaveCount is 70, the
// interruption text otherwise. When the file cannot be written the text
// says that the answers were not saved, with the reason, instead of
// claiming success.
std::string WriteRawData(const RunState& state);

}  // namespace varenta
