// sheetrun: reads a stack of answer cards and hands every accepted card to
// varenta.
//
//   sheetrun            the window; OK starts a reading run
//   sheetrun --start    unattended: the run starts at once, messages go to
//                       standard error, and the exit status tells how the
//                       run ended (0 end of the stack, 1 card rejected or
//                       file not written, 2 reader not opened or not set
//                       up, 3 reader failure during the run)
// The reader is found through MARKLINK_USB_PATH as in every Marklink
// program; varenta.ini and sheetrun.ini are read beside the executable.
#include "common/text_file.h"
#include "sheetrun/process.h"
#include "sheetrun/settings.h"
#include "sheetrun_form.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>
#include <cstring>

int main(int argc, char** argv)
{
    bool start = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--start") == 0) {
            start = true;
        } else if (std::strcmp(argv[i], "--help") == 0) {
            std::printf("usage: sheetrun [--start]\n");
            return 0;
        }
    }
    varenta::RunState state;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Sheetrun"));

    const std::string dir = common::ExecutableDirectory();
    sheetrun::forms::ProgramPaths paths;
    paths.varentaConfig = sheetrun::VarentaConfigPath(dir);
    paths.ownConfig = sheetrun::OwnConfigPath(dir);
    paths.varentaProgram = sheetrun::VarentaProgram(dir);

    sheetrun::forms::TfrmSheetrun form(state, paths, start);
    form.show();
    if (start)
        QTimer::singleShot(0, &form, &sheetrun::forms::TfrmSheetrun::btnOKClick);
    return app.exec();
}
