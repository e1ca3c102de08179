// varenta: the questionnaire program. No command-line arguments are used;
// a hand-off file "CARD.$$$" in the current directory starts a run by itself.
#include "common/text_file.h"
#include "main_form.h"
#include "varenta/report/forms/report_forms.h"
#include "varenta/shell/run_state.h"
#include "varenta/shell/settings.h"

#include <QApplication>

#include <cstdlib>

int main(int argc, char** argv)
{
    varenta::RunState state;  // start values; StartDate and StartTime now
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Varenta"));

    const std::string dir = common::ExecutableDirectory();
    varenta::forms::ProgramSetup setup;
    setup.configFile = varenta::ConfigPath(dir);
    setup.itemFile = varenta::ItemFilePath(dir);
    setup.helpFile = dir + "/MAIN.HLP";
    // Set by sheetrun when it reads cards with nobody at the screen.
    setup.unattended = std::getenv("VARENTA_UNATTENDED") != nullptr;

    varenta::forms::TfrmMain mainForm(state, setup);
    QObject::connect(&mainForm, &varenta::forms::TfrmMain::ProgramEnds, &app,
                     &QApplication::quit, Qt::QueuedConnection);
    varenta::forms::CleanUpAtStart(state, [&](const std::string& text) { mainForm.Notify(text); });
    mainForm.show();
    return app.exec();
}
