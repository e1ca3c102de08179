#pragma once
// TfrmEndMessage: the last words of an administration, shown after the
// answer file has been written: the thanks for a complete test, the notice
// that an interrupted one can be continued, or that the answers could not
// be saved.
#include <QDialog>
#include <string>

class QLabel;
class QPushButton;

namespace varenta::forms {

class TfrmEndMessage : public QDialog {
    Q_OBJECT
public:
    explicit TfrmEndMessage(QWidget* parent = nullptr);

    // Sets the text (Shift-JIS, CR LF lines) and waits until OK closes the form.
    void ShowText(const std::string& sjisText);

    QLabel* Label1 = nullptr;
    QPushButton* BitBtn1 = nullptr;
};

}  // namespace varenta::forms
