#pragma once
// TfrmOldFile: tells the examiner for a moment that the subject's answer
// file exists. No buttons; Timer1 closes the form 2 seconds after it is
// shown.
#include <QDialog>

class QLabel;
class QTimer;

namespace varenta::forms {

class TfrmOldFile : public QDialog {
    Q_OBJECT
public:
    static constexpr int kShowMilliseconds = 2000;

    explicit TfrmOldFile(QWidget* parent = nullptr);

    QLabel* Label1 = nullptr;
    QTimer* Timer1 = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
};

}  // namespace varenta::forms
