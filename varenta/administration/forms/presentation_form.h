#pragma once
// TfrmPresentation: one questionnaire item in three rows and the buttons
// はい, いいえ, ？, 戻る and 中断.
//
// The form only reports which button was pressed; what the button does to
// the answers is the questionnaire's business. Keyboard: Y and N (also with
// Alt) answer yes and no; Space presses the focused button; Enter and Escape
// do nothing, so that no item is answered or left by accident.
#include "varenta/administration/questionnaire_ui.h"
#include "varenta/shell/run_state.h"

#include <QDialog>

class QLabel;
class QPushButton;

namespace varenta::forms {

class TfrmPresentation : public QDialog {
    Q_OBJECT
public:
    explicit TfrmPresentation(const FormGeometry& geometry, QWidget* parent = nullptr);

    // Shows the item modally and returns the button pressed.
    ItemChoice Present(const ItemView& view);

    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QPushButton* btnYes = nullptr;
    QPushButton* btnNo = nullptr;
    QPushButton* btnQuestion = nullptr;
    QPushButton* btnBack = nullptr;
    QPushButton* btnCancel = nullptr;

public slots:
    // No close box: only the buttons close the form.
    void reject() override {}

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void choose(ItemChoice choice);

    ItemChoice choice_ = ItemChoice::Undecided;
};

}  // namespace varenta::forms
