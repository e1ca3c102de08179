#include "questionnaire_forms.h"

#include "blank_form.h"
#include "end_message_form.h"
#include "form_frame.h"
#include "instruction_form.h"
#include "presentation_form.h"

namespace varenta::forms {

QuestionnaireForms::QuestionnaireForms(const FormGeometry& geometry)
    : blank_(std::make_unique<TfrmBlank>(geometry)),
      instruction_(std::make_unique<TfrmInstruction>(geometry)),
      presentation_(std::make_unique<TfrmPresentation>(geometry)),
      endMessage_(std::make_unique<TfrmEndMessage>())
{
}

QuestionnaireForms::~QuestionnaireForms() = default;

void QuestionnaireForms::ShowBackdrop()
{
    blank_->show();
}

void QuestionnaireForms::ShowInstruction()
{
    instruction_->exec();
}

ItemChoice QuestionnaireForms::ShowItem(const ItemView& view)
{
    return presentation_->Present(view);
}

void QuestionnaireForms::ShowMessage(const std::string& text)
{
    admin::ShowMessageBox(blank_.get(), text);
}

bool QuestionnaireForms::ConfirmInterruption(const std::string& text)
{
    return admin::AskOkCancel(blank_.get(), text);
}

void QuestionnaireForms::ShowEndMessage(const std::string& text)
{
    endMessage_->ShowText(text);
}

}  // namespace varenta::forms
