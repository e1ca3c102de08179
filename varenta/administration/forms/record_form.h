#pragma once
// TfrmRecFile: the subject record, ten lines of which the second is the age.
//
// Use: FormActivate() fills the form from the run state (reading the
// remarks file when there is one), exec() lets the examiner type, and
// FormClose() writes the remarks file. Both may throw common::IoError; they
// run outside Qt's event handling so a failure reaches the run driver.
//
// OK copies the ten fields into Remarks (each cut to 80 bytes) and closes
// the form; an empty or non-numeric age leaves Age unchanged after a message,
// so the driver shows the form again with the fields as saved. A field
// holding a character that Shift-JIS cannot store is named in a message and
// the form stays open with everything as typed: nothing is saved in a
// mangled form.
//
// Enter moves to the next field instead of accepting the form (it also
// confirms Japanese input conversion, so it must not close the form); OK is
// pressed by mouse, by Space, or by Enter while OK has the focus.
#include "varenta/shell/run_state.h"

#include <QDialog>
#include <array>

class QLabel;
class QLineEdit;
class QPushButton;

namespace varenta::forms {

class TfrmRecFile : public QDialog {
    Q_OBJECT
public:
    static constexpr int kAgeMaxLength = 3;

    explicit TfrmRecFile(RunState& state, QWidget* parent = nullptr);

    // Edit1..Edit10, numbered like the remarks lines.
    QLineEdit* Edit(int line) const;

    void FormActivate();
    void FormClose();

    QLabel* Label13 = nullptr;     // 被験者の記録
    QLabel* lblfilename = nullptr;
    QLabel* lblgender = nullptr;
    QPushButton* btnOK = nullptr;

public slots:
    void btnOKClick();
    // No close box: the window manager's close and Escape do nothing.
    void reject() override {}

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    RunState& state_;
    std::array<QLineEdit*, kRemarkLines> edits_{};
};

}  // namespace varenta::forms
