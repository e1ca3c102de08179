#pragma once
// TfrmNewFile: asks the sex of a subject whose answer file does not exist
// yet. The radio group starts with no choice; the form has no close box and
// only its OK button closes it, so the question cannot be skipped.
#include <QDialog>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QPushButton;

namespace varenta::forms {

class TfrmNewFile : public QDialog {
    Q_OBJECT
public:
    explicit TfrmNewFile(QWidget* parent = nullptr);

    // The chosen item of MaleOrFemale: 0 男性, 1 女性, -1 none.
    int ItemIndex() const;

    QLabel* Label1 = nullptr;
    QGroupBox* MaleOrFemale = nullptr;
    QPushButton* btnOK = nullptr;

public slots:
    // Escape and the window manager's close do nothing: OK is the way out.
    void reject() override {}

private:
    QButtonGroup* items_ = nullptr;
};

}  // namespace varenta::forms
