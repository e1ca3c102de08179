#include "questionnaire.h"

#include "common/errors.h"
#include "varenta/administration/administration_texts.h"
#include "varenta/shell/messages.h"
#include "varenta/shell/subject_files.h"

namespace varenta {

Questionnaire::Questionnaire(RunState& state, QuestionnaireUi& ui,
                             const std::vector<std::string>& items)
    : state_(state), ui_(ui), items_(items)
{
}

void Questionnaire::AdministerQuestionnaire()
{
    // Checked before the subject sees anything, so no answer is given in vain.
    if (items_.size() <= static_cast<std::size_t>(kItemCount))
        throw common::InputError("the item list holds " +
                                 std::to_string(items_.empty() ? 0 : items_.size() - 1) +
                                 " items; 70 are needed");

    // The first item without a stored answer.
    state_.CurrentItem += 1;
    ui_.ShowBackdrop();
    ui_.ShowInstruction();

    // First pass. Every showing is followed by one step forward, so 戻る's
    // step of two shows the previous item, and a declined interruption's
    // step of one shows the same item again. (A plain while: a caller that
    // starts with all 70 answers must not reach an item 71.)
    while (state_.CurrentItem <= kItemCount) {
        present(state_.CurrentItem);
        if (ended_)
            return;
        state_.CurrentItem += 1;
    }

    CheckUndecided();
    interruptEnabled_ = false;

    // Repeat pass over the items still undecided; answered ones are skipped,
    // so 戻る brings back the previous item only when it is undecided too.
    state_.CurrentItem = 0;
    while (state_.CurrentItem < kItemCount) {
        state_.CurrentItem += 1;
        if (state_.Answers[state_.CurrentItem] == 0)
            present(state_.CurrentItem);
    }
    finish();
}

void Questionnaire::present(int item)
{
    state_.ItemText = items_.at(static_cast<std::size_t>(item));
    ShowItem();
}

void Questionnaire::ShowItem()
{
    ItemView view;
    view.item = state_.CurrentItem;
    view.rows = BreakItemRows(state_.ItemText, state_.CurrentItem);
    view.backEnabled = backEnabled_;
    view.interruptEnabled = interruptEnabled_;
    for (;;) {
        int answer = 0;
        switch (ui_.ShowItem(view)) {
        case ItemChoice::Yes:
            answer = 1;
            break;
        case ItemChoice::No:
            answer = -1;
            break;
        case ItemChoice::Undecided:
            answer = 0;
            break;
        case ItemChoice::Back:
            if (!backEnabled_)
                continue;
            state_.CurrentItem -= state_.CurrentItem >= 2 ? 2 : 1;
            backEnabled_ = false;
            return;
        case ItemChoice::Interrupt:
            if (!interruptEnabled_)
                continue;
            interrupt();
            return;
        }
        state_.Answers[state_.CurrentItem] = answer;
        backEnabled_ = true;
        return;
    }
}

void Questionnaire::interrupt()
{
    // Only the items before the one on screen are kept, even when later
    // items had been answered before a step back.
    if (state_.CurrentItem >= 1)
        state_.CurrentItem -= 1;
    state_.SaveCount = state_.CurrentItem;
    if (!ui_.ConfirmInterruption(texts::InterruptionQuestion()))
        return;
    finish();
}

void Questionnaire::CheckUndecided()
{
    state_.SaveCount = kItemCount;
    int undecided = 0;
    for (int answer : state_.Answers)
        if (answer == 0)
            ++undecided;
    if (undecided >= kUndecidedWarningCount)
        ui_.ShowMessage(texts::UndecidedMessage());
}

void Questionnaire::finish()
{
    ui_.ShowEndMessage(WriteRawData(state_));
    ended_ = true;
}

std::string WriteRawData(const RunState& state)
{
    try {
        WriteAnswerFile(state, state.SaveCount);
    } catch (const common::IoError& failure) {
        return texts::AnswersNotSavedText() + "\r\n" + messages::DescribeFailure(failure);
    }
    return state.SaveCount == kItemCount ? texts::CompleteEndText() : texts::InterruptedEndText();
}

}  // namespace varenta
