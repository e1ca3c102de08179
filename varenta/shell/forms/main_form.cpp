#include "main_form.h"

#include "common/errors.h"
#include "common/ini_file.h"
#include "common/text_file.h"
#include "qt_text.h"
#include "varenta/administration/forms/administration_forms.h"
#include "varenta/report/forms/report_forms.h"
#include "varenta/shell/messages.h"
#include "varenta/shell/settings.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QFileDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

#include <cstdio>

namespace varenta::forms {

TfrmMain::TfrmMain(RunState& state, ProgramSetup setup, QWidget* parent)
    : QWidget(parent), state_(state), setup_(std::move(setup)),
      driver_(state_, *this, setup_.itemFile, setup_.handOffFile)
{
    setObjectName("frmMain");
    Label1 = new QLabel(QStringLiteral("ファイル名："), this);
    edtFileName = new QLineEdit(this);
    edtFileName->setObjectName("edtFileName");
    Label1->setBuddy(edtFileName);
    btnDirectory = new QPushButton(style()->standardIcon(QStyle::SP_DirOpenIcon), QString(), this);
    btnDirectory->setObjectName("btnDirectory");
    btnDirectory->setToolTip(QStringLiteral("ファイルを選ぶ"));

    rgPrinterSelect = new QGroupBox(QStringLiteral("プリンタ"), this);
    rgPrinterSelect->setObjectName("rgPrinterSelect");
    printerGroup_ = new QButtonGroup(this);
    printerItems_[0] = new QRadioButton(QStringLiteral("出力する"), rgPrinterSelect);
    printerItems_[1] = new QRadioButton(QStringLiteral("出力しない(VR.$$$)"), rgPrinterSelect);
    auto* groupLayout = new QVBoxLayout(rgPrinterSelect);
    for (int i = 0; i < 2; ++i) {
        printerGroup_->addButton(printerItems_[i], i);
        groupLayout->addWidget(printerItems_[i]);
    }
    printerItems_[0]->setChecked(true);

    btnOK = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), QStringLiteral("OK"), this);
    btnOK->setObjectName("btnOK");
    btnOK->setDefault(false);
    btnOK->setAutoDefault(false);
    btnPrinterSetup = new QPushButton(style()->standardIcon(QStyle::SP_FileDialogDetailedView),
                                      QStringLiteral("プリンタの設定"), this);
    btnPrinterSetup->setObjectName("btnPrinterSetup");
    btnHelp = new QPushButton(style()->standardIcon(QStyle::SP_DialogHelpButton),
                              QStringLiteral("ヘルプ"), this);
    btnHelp->setObjectName("btnHelp");

    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(Label1);
    nameRow->addWidget(edtFileName, 1);
    nameRow->addWidget(btnDirectory);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btnOK);
    buttons->addWidget(btnPrinterSetup);
    buttons->addWidget(btnHelp);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(nameRow);
    layout->addWidget(rgPrinterSelect);
    layout->addStretch(1);
    layout->addLayout(buttons);

    connect(edtFileName, &QLineEdit::textChanged, this, [this](const QString& text) {
        state_.TypedName = text.toStdString();
    });
    // Enter in the name field stores the text and does nothing else.
    connect(edtFileName, &QLineEdit::returnPressed, this, [this] {
        state_.TypedName = edtFileName->text().toStdString();
    });
    connect(btnOK, &QPushButton::clicked, this, &TfrmMain::btnOKClick);
    connect(btnDirectory, &QPushButton::clicked, this, &TfrmMain::btnDirectoryClick);
    connect(btnPrinterSetup, &QPushButton::clicked, this, &TfrmMain::btnPrinterSetupClick);
    connect(btnHelp, &QPushButton::clicked, this, &TfrmMain::btnHelpClick);

    FormCreate();
}

TfrmMain::~TfrmMain() = default;

void TfrmMain::FormCreate()
{
    setWindowTitle(AppCaption());
    common::IniFile ini;
    bool configReadable = true;
    try {
        ini = common::IniFile::Load(setup_.configFile);
    } catch (const common::IoError& e) {
        configReadable = false;
        ShowMessage(messages::DescribeFailure(e));
    }
    if (configReadable && !ini.Exists())
        ShowMessage(messages::MissingConfig());
    ReadSettings(state_, ini);
    resize(state_.form.Width, state_.form.Height);
    // Centred on the screen, as every form of the administration is.
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect area = screen->availableGeometry();
        move(area.center() - QPoint(state_.form.Width / 2, state_.form.Height / 2));
    }
    if (state_.settings.connect == "ON")
        SetPrinterItemIndex(0);
    else if (state_.settings.connect == "OFF")
        SetPrinterItemIndex(1);
    if (!common::FileExists(setup_.itemFile)) {
        ShowMessage(messages::MissingItemFile());
        state_.settings.ai = "OFF";
    }
}

int TfrmMain::PrinterItemIndex() const
{
    return printerGroup_->checkedId();
}

void TfrmMain::SetPrinterItemIndex(int index)
{
    printerItems_[index == 0 ? 0 : 1]->setChecked(true);
}

void TfrmMain::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (shown_)
        return;
    shown_ = true;
    // Run once the window is on screen, outside the show event itself.
    QTimer::singleShot(0, this, &TfrmMain::FormShow);
}

void TfrmMain::FormShow()
{
    if (driver_.ShowSequence())
        btnOKClick();
}

void TfrmMain::btnOKClick()
{
    if (busy_ || runEnded_)
        return;
    busy_ = true;
    RunOutcome outcome = driver_.OkSequence();
    busy_ = false;
    finish(outcome);
}

void TfrmMain::finish(RunOutcome outcome)
{
    switch (outcome) {
    case RunOutcome::Abandoned:
        return;
    case RunOutcome::ReportDone:
        // The main form closes: its geometry is written as on any close.
        runEnded_ = true;
        FormClose();
        hide();
        emit ProgramEnds();
        return;
    case RunOutcome::ProgramEnds:
        // Ends without the main form's close handling: [Form] stays as it was.
        runEnded_ = true;
        hide();
        emit ProgramEnds();
        return;
    }
}

void TfrmMain::closeEvent(QCloseEvent* event)
{
    if (!runEnded_)
        FormClose();
    event->accept();
}

void TfrmMain::FormClose()
{
    FormGeometry g;
    g.Left = x();
    g.Top = y();
    g.Width = width();
    g.Height = height();
    try {
        WriteFormGeometry(setup_.configFile, g);
    } catch (const std::exception& e) {
        ShowMessage(messages::DescribeFailure(e));
    }
}

void TfrmMain::btnDirectoryClick()
{
    QString start = QString::fromStdString(state_.DataDirectory);
    QString name = QFileDialog::getOpenFileName(this, QString(), start,
                                                QStringLiteral("Varenta  Data File (*.VRT)"));
    if (!name.isEmpty())
        edtFileName->setText(name);
}

void TfrmMain::btnPrinterSetupClick()
{
    QPrinter printer;
    QPrintDialog dialog(&printer, this);
    dialog.exec();  // the choice is not used by the report path
}

void TfrmMain::btnHelpClick()
{
    if (!common::FileExists(setup_.helpFile)) {
        ShowMessage(messages::NoHelpFile());
        return;
    }
    QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(setup_.helpFile)));
}

void TfrmMain::Notify(const std::string& text)
{
    ShowMessage(text);
}

void TfrmMain::ShowMessage(const std::string& text)
{
    if (setup_.unattended) {
        std::fprintf(stderr, "varenta: %s\n", FromSjis(text).toUtf8().constData());
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, AppCaption(), FromSjis(text), QMessageBox::Ok,
                    isVisible() ? this : nullptr);
    box.exec();
}

std::string TfrmMain::AskSex(RunState& state) { return forms::AskSex(state, this); }
void TfrmMain::ShowOldFileNotice(RunState& state) { forms::ShowOldFileNotice(state, this); }
void TfrmMain::HideMainForm() { hide(); }
void TfrmMain::ShowRecordForm(RunState& state) { forms::ShowRecordForm(state, nullptr); }
void TfrmMain::AdministerQuestionnaire(RunState& state, const std::vector<std::string>& items)
{
    forms::AdministerQuestionnaire(state, items, nullptr);
}
void TfrmMain::ShowProfile(RunState& state)
{
    forms::ShowProfile(state, nullptr, [this](const std::string& text) { ShowMessage(text); });
}
void TfrmMain::ShowPreview(RunState& state)
{
    if (!setup_.unattended)
        forms::ShowPreview(state, nullptr);
}

void TfrmMain::SetBusy(bool busy)
{
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        while (QApplication::overrideCursor())
            QApplication::restoreOverrideCursor();
}

int TfrmMain::PrinterItem() { return PrinterItemIndex(); }

}  // namespace varenta::forms
