#pragma once
// TfrmInstruction: how to answer, in seven lines, and an OK button that
// starts the questionnaire. Lines 1 to 6 are set in Mincho at 16 pixels,
// line 7 (the question whether to begin) in the form's own font.
#include "varenta/shell/run_state.h"

#include <QDialog>
#include <array>

class QLabel;
class QPushButton;

namespace varenta::forms {

class TfrmInstruction : public QDialog {
    Q_OBJECT
public:
    explicit TfrmInstruction(const FormGeometry& geometry, QWidget* parent = nullptr);

    // Label1..Label7.
    QLabel* Label(int line) const;
    QPushButton* BitBtn1 = nullptr;

public slots:
    // No close box: OK is the way on.
    void reject() override {}

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormActivate();

    std::array<QLabel*, 7> labels_{};
};

}  // namespace varenta::forms
