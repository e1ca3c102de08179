// varenta: the questionnaire program. No command-line arguments are used;
// a hand-off file "CARD.$$$" in the current directory starts a run by itself.
#include "common/text_file.h"
#include "main_form.h"
#include "varenta/report/forms/report_forms.h"
#include "varenta/shell/run_state.h"
#include "varenta/shell/settings.h"

#include <QApplication>

int main(int argc, char** argv)
{
    varenta::RunState state;  // start values; StartDate and StartTime now
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Varenta"));

    const std::string dir = common::ExecutableDirectory();
    varenta::forms::ProgramPaths paths;
    paths.configFile = varenta::ConfigPath(dir);
    paths.itemFile = varenta::ItemFilePath(dir);
    paths.helpFile = dir + "/MAIN.HLP";

    varenta::forms::TfrmMain mainForm(state, paths);
    QObject::connect(&mainForm, &varenta::forms::TfrmMain::ProgramEnds, &app,
                     &QApplication::quit, Qt::QueuedConnection);
    varenta::forms::CleanUpAtStart(state);
    mainForm.show();
    return app.exec();
}
