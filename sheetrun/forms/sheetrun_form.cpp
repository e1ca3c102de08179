#include "sheetrun_form.h"

#include "common/errors.h"
#include "common/sjis.h"
#include "sheetrun/messages.h"
#include "sheetrun/process.h"
#include "varenta/shell/forms/qt_text.h"
#include "varenta/shell/settings.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QFont>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

#include <cstdio>

namespace sheetrun::forms {

using varenta::forms::FromSjis;

TfrmSheetrun::TfrmSheetrun(varenta::RunState& state, ProgramPaths paths, bool unattended,
                           QWidget* parent)
    : QWidget(parent), state_(state), paths_(std::move(paths)), unattended_(unattended)
{
    setObjectName("frmSheetrun");
    setWindowTitle(QStringLiteral("Card Reader KR-7700 for Varenta"));
    ListBox1 = new QListWidget(this);
    ListBox1->setObjectName("ListBox1");
    // The card image lines up only in a fixed-pitch font.
    QFont font(QStringLiteral("ＭＳ ゴシック"));
    font.setPixelSize(13);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    ListBox1->setFont(font);
    Label1 = new QLabel(FromSjis(messages::Prompt()), this);
    Label1->setObjectName("Label1");
    btnOK = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), QStringLiteral("OK"), this);
    btnOK->setObjectName("btnOK");

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Label1, 1);
    buttons->addWidget(btnOK);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(ListBox1, 1);
    layout->addLayout(buttons);

    connect(btnOK, &QPushButton::clicked, this, &TfrmSheetrun::btnOKClick);
    FormCreate();
}

TfrmSheetrun::~TfrmSheetrun() = default;

void TfrmSheetrun::FormCreate()
{
    bool found = true;
    try {
        found = ReadSheetrunSettings(state_, reader_, paths_.varentaConfig, paths_.ownConfig);
    } catch (const common::IoError&) {
        found = false;  // unreadable: treated like a missing file, defaults used
    }
    if (!found)
        ShowMessage(messages::MissingConfig());
    resize(state_.form.Width, state_.form.Height);
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - QPoint(state_.form.Width / 2, state_.form.Height / 2));
    }
}

void TfrmSheetrun::btnOKClick()
{
    // One reading run per program: a second click while it runs (the
    // window stays responsive) must not start another on the same reader.
    if (running_)
        return;
    running_ = true;
    Label1->clear();
    ReadingRun run(state_, reader_, *this, paths_.handOffFile);
    end_ = run.Run();
    const int status = ExitStatus(end_);
    FormClose();
    emit runEnded(status);
    QCoreApplication::exit(status);
}

void TfrmSheetrun::closeEvent(QCloseEvent* event)
{
    if (running_) {
        // Closing mid-run would leave the reader and Varenta half way.
        event->ignore();
        return;
    }
    FormClose();
    event->accept();
}

void TfrmSheetrun::FormClose()
{
    if (geometryWritten_)
        return;
    geometryWritten_ = true;
    varenta::FormGeometry g;
    g.Left = x();
    g.Top = y();
    g.Width = width();
    g.Height = height();
    try {
        varenta::WriteFormGeometry(paths_.ownConfig, g);
    } catch (const std::exception&) {
        // The window's place is a convenience; losing it stops nothing.
    }
}

void TfrmSheetrun::ShowMessage(const std::string& sjisText)
{
    const QString text = FromSjis(sjisText);
    if (unattended_) {
        ListBox1->addItem(text);
        std::fprintf(stderr, "sheetrun: %s\n", text.toUtf8().constData());
        std::fflush(stderr);
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, windowTitle(), text, QMessageBox::Ok, isVisible() ? this : nullptr);
    box.exec();
}

void TfrmSheetrun::ShowCardImage(const std::vector<std::string>& lines)
{
    ListBox1->clear();
    for (const std::string& line : lines)
        ListBox1->addItem(FromSjis(line));
    QCoreApplication::processEvents();
}

void TfrmSheetrun::Pump(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(std::max(0, ms), &loop, &QEventLoop::quit);
    loop.exec();
}

void TfrmSheetrun::Delay(int ms)
{
    QCoreApplication::processEvents();
    sheetrun::Delay(ms, [this](int remaining) { Pump(remaining); });
}

void TfrmSheetrun::RunVarenta()
{
    if (unattended_)
        ::setenv("VARENTA_UNATTENDED", "1", 1);
    RunAndWait(paths_.varentaProgram, [this](int ms) { Pump(ms); });
}

}  // namespace sheetrun::forms
