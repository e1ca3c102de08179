#pragma once
// TfrmMain: the main form of Varenta and the Qt side of the run driver.
#include "varenta/shell/driver_ui.h"
#include "varenta/shell/run_driver.h"
#include "varenta/shell/run_state.h"

#include <QWidget>
#include <memory>

class QLabel;
class QLineEdit;
class QPushButton;
class QGroupBox;
class QRadioButton;
class QButtonGroup;

namespace varenta::forms {

struct ProgramSetup {
    std::string configFile;  // varenta.ini
    std::string itemFile;    // varenta.TXT
    std::string helpFile;    // MAIN.HLP
    std::string handOffFile = "CARD.$$$";
    // Unattended (a hand-off run started by the card reader front-end with
    // nobody at the screen): messages go to standard error instead of a
    // box, and the preview window, which only a person can close, is not
    // shown (the report stays in "VR.$$$" until the next start).
    bool unattended = false;
};

class TfrmMain : public QWidget, private DriverUi {
    Q_OBJECT
public:
    TfrmMain(RunState& state, ProgramSetup setup, QWidget* parent = nullptr);
    ~TfrmMain() override;


    QLineEdit* edtFileName = nullptr;
    QPushButton* btnDirectory = nullptr;
    QGroupBox* rgPrinterSelect = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnPrinterSetup = nullptr;
    QPushButton* btnHelp = nullptr;

    // A message to the examiner: a box, or standard error when unattended.
    void Notify(const std::string& text);

    int PrinterItemIndex() const;
    void SetPrinterItemIndex(int index);

signals:
    // The run is over; the program ends (main connects this to quit).
    void ProgramEnds();

public slots:
    void btnOKClick();
    void btnDirectoryClick();
    void btnPrinterSetupClick();
    void btnHelpClick();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void FormCreate();
    void FormShow();
    void FormClose();  // writes [Form]
    void finish(RunOutcome outcome);

    // DriverUi
    void ShowMessage(const std::string& text) override;
    std::string AskSex(RunState& state) override;
    void ShowOldFileNotice(RunState& state) override;
    void HideMainForm() override;
    void ShowRecordForm(RunState& state) override;
    void AdministerQuestionnaire(RunState& state, const std::vector<std::string>& items) override;
    void ShowProfile(RunState& state) override;
    void ShowPreview(RunState& state) override;
    void SetBusy(bool busy) override;
    int PrinterItem() override;

    RunState& state_;
    ProgramSetup setup_;
    RunDriver driver_;
    QLabel* Label1 = nullptr;
    QRadioButton* printerItems_[2] = {nullptr, nullptr};
    QButtonGroup* printerGroup_ = nullptr;
    bool shown_ = false;
    bool runEnded_ = false;
    bool busy_ = false;
};

}  // namespace varenta::forms
