#pragma once
// TfrmSheetrun: the card reader's window. OK starts a reading run; the
// list shows the image of the card just read.
//
// Unattended mode (sheetrun --start): no modal box waits for anyone; every
// message goes to standard error (UTF-8) and to the list, the run starts
// as soon as the window is shown, and the program ends with the run's exit
// status (see ExitStatus). Each Varenta started then gets
// VARENTA_UNATTENDED=1 in its environment.
//
// Decisions:
// - [Form] geometry is written to sheetrun.ini whenever the program ends,
//   at the end of a reading run as well as when the window is closed.
#include "sheetrun/reading_run.h"
#include "sheetrun/settings.h"
#include "varenta/shell/run_state.h"

#include <QWidget>

class QLabel;
class QListWidget;
class QPushButton;

namespace sheetrun::forms {

struct ProgramPaths {
    std::string varentaConfig;
    std::string ownConfig;
    std::string handOffFile = "CARD.$$$";
    std::string varentaProgram;  // see VarentaProgram
};

class TfrmSheetrun : public QWidget, private ReadingUi {
    Q_OBJECT
public:
    TfrmSheetrun(varenta::RunState& state, ProgramPaths paths, bool unattended,
                 QWidget* parent = nullptr);
    ~TfrmSheetrun() override;

    QListWidget* ListBox1 = nullptr;
    QLabel* Label1 = nullptr;
    QPushButton* btnOK = nullptr;

    bool Running() const { return running_; }
    // How the last reading run ended (meaningful once it has).
    RunEnd LastEnd() const { return end_; }

    void btnOKClick();

    // Waits at least ms milliseconds while processing window events.
    void Delay(int ms) override;

signals:
    // Emitted when a reading run has ended, with its exit status, just
    // before the program is asked to end.
    void runEnded(int exitStatus);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void FormCreate();
    void FormClose();
    void ShowMessage(const std::string& sjisText) override;
    void ShowCardImage(const std::vector<std::string>& lines) override;
    void RunVarenta() override;
    void Pump(int ms);

    varenta::RunState& state_;
    ProgramPaths paths_;
    bool unattended_;
    ReaderSettings reader_;
    bool running_ = false;
    bool geometryWritten_ = false;
    RunEnd end_ = RunEnd::kStackEnded;
};

}  // namespace sheetrun::forms
