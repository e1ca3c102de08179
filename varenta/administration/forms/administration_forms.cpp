#include "administration_forms.h"

#include <QMessageBox>

namespace varenta::forms {

// Placeholders until the administration forms land.
std::string AskSex(RunState&, QWidget* parent)
{
    auto answer = QMessageBox::question(parent, "ヴァレンタシステム", "男性ですか？");
    return answer == QMessageBox::Yes ? "MALE" : "FEMALE";
}

void ShowOldFileNotice(RunState&, QWidget*) {}
void ShowRecordForm(RunState& state, QWidget*)
{
    if (state.Age < 0)
        state.Age = 0;
}
void AdministerQuestionnaire(RunState&, const std::vector<std::string>&, QWidget*) {}

}  // namespace varenta::forms
