#pragma once
// TfrmPrintImage: the report preview window.
//
// On creation it takes the report from "VR.$$$" (current directory) and
// then clears away the run's work and score files (DeleteAllFiles), so the
// report lives on only in this window. The text can be changed on screen;
// "名前をつけて保存(&A)" saves it as shown, "印刷(&P)" prints it.
//
// Decisions:
// - The text edit uses IPAGothic (fixed pitch, Japanese glyphs) 19 pixels
//   high and does not wrap lines, so the report's columns stay aligned; a
//   horizontal scroll bar appears when the window is narrower than a line.
// - Placement: "PrintImage.ini" beside the executable. A stored position is
//   used as it is; without one (first use) the window is centred on the
//   screen, and so it is when the stored position lies on no screen. The
//   four keys are written whenever the window closes, by menu, close box
//   or the window manager. Escape does not close the window, since closing
//   discards the report.
// - Save: a name ending in ".pdf" (any case) writes a PDF of the printed
//   copy (A4, directives honoured); any other name writes the text as shown,
//   Shift-JIS with CR LF after every line, replacing the file atomically. A
//   character that Shift-JIS cannot hold is reported with its line number
//   and nothing is written.
// - Print: the system print dialog, then the printed copy (see
//   report_printing.h).
// - If "VR.$$$" exists but cannot be read, the message is shown and no file
//   is cleared away, so the report is not lost with the window.
// - Failures are reported through the message sink (a message box unless a
//   caller supplies another); the window still opens.
#include "form_support.h"
#include "varenta/shell/run_state.h"

#include <QDialog>
#include <QStringList>
#include <string>

class QAction;
class QFileDialog;
class QMenuBar;
class QPlainTextEdit;
class QPrinter;

namespace varenta::forms {

struct PreviewOptions {
    std::string placementFile;  // "PrintImage.ini"
    MessageSink showMessage;    // empty: a message box
};

class TfrmPrintImage : public QDialog {
    Q_OBJECT
public:
    TfrmPrintImage(RunState& state, PreviewOptions options, QWidget* parent = nullptr);
    ~TfrmPrintImage() override;

    QPlainTextEdit* RichEdit1 = nullptr;
    QMenuBar* MainMenu1 = nullptr;
    QAction* SaveAs1 = nullptr;
    QAction* Print1 = nullptr;
    QAction* Exit1 = nullptr;

    // The text as shown, one entry per line.
    QStringList ShownLines() const;

    // What the menu items do once their dialog has given a file or printer.
    // Both report a failure through the message sink and return false.
    bool SaveReportAs(const QString& path);
    bool PrintReport(QPrinter& printer);

public slots:
    void SaveAs1Click();
    void Print1Click();
    void Exit1Click();
    void done(int result) override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void FormCreate();
    void FormClose();
    bool loadPreviewFile();
    void applyPlacement();
    bool saveText(const QString& path);
    void showMessage(const std::string& sjisText);

    RunState& state_;
    PreviewOptions options_;
    QFileDialog* SaveDialog1 = nullptr;  // made on first use
};

}  // namespace varenta::forms
