#include "administration_forms.h"

#include "form_frame.h"
#include "new_file_form.h"
#include "old_file_form.h"
#include "questionnaire_forms.h"
#include "record_form.h"
#include "varenta/administration/administration_texts.h"
#include "varenta/administration/questionnaire.h"

namespace varenta::forms {

namespace {

// The caption of the two small notices about the subject's file.
const QString kFileNoticeCaption = QStringLiteral("Varenta.EXE");

}  // namespace

std::string AskSex(RunState&, QWidget* parent)
{
    TfrmNewFile form(parent);
    form.setWindowTitle(kFileNoticeCaption);
    for (;;) {
        // The choice stays as it was when the form comes again.
        form.exec();
        switch (form.ItemIndex()) {
        case 0:
            return "MALE";
        case 1:
            return "FEMALE";
        default:
            admin::ShowMessageBox(parent, texts::ChooseSexMessage());
        }
    }
}

void ShowOldFileNotice(RunState&, QWidget* parent)
{
    TfrmOldFile form(parent);
    form.setWindowTitle(kFileNoticeCaption);
    form.exec();
}

void ShowRecordForm(RunState& state, QWidget* parent)
{
    TfrmRecFile form(state, parent);
    form.FormActivate();
    form.exec();
    form.FormClose();
}

void AdministerQuestionnaire(RunState& state, const std::vector<std::string>& items,
                             QWidget*)
{
    QuestionnaireForms ui(state.form);
    Questionnaire questionnaire(state, ui, items);
    questionnaire.AdministerQuestionnaire();
}

}  // namespace varenta::forms
