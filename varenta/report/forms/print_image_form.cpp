#include "print_image_form.h"

#include "common/errors.h"
#include "common/sjis.h"
#include "common/text_file.h"
#include "preview_placement.h"
#include "print_pages.h"
#include "report_printing.h"
#include "varenta/report/report_channel.h"
#include "varenta/shell/messages.h"
#include "work_files.h"

#include <QApplication>
#include <QFileDialog>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QScreen>
#include <QVBoxLayout>

#include <cerrno>

namespace varenta::forms {

namespace {

constexpr int kFormFontPixels = 12;
constexpr int kTextFontPixels = 19;

// A message of this window in Shift-JIS; a file name that Shift-JIS cannot
// hold gives the general wording instead.
std::string MessageText(const QString& text)
{
    if (auto converted = sjis::TryFromUtf8(text.toStdString()))
        return *converted;
    return sjis::FromUtf8("ファイルの入出力でエラーが発生しました。");
}

}  // namespace

TfrmPrintImage::TfrmPrintImage(RunState& state, PreviewOptions options, QWidget* parent)
    : QDialog(parent), state_(state), options_(std::move(options))
{
    setObjectName("frmPrintImage");
    setWindowFlag(Qt::WindowMinMaxButtonsHint, true);

    MainMenu1 = new QMenuBar(this);
    MainMenu1->setObjectName("MainMenu1");
    QMenu* file = MainMenu1->addMenu(QStringLiteral("ファイル(&F)"));
    SaveAs1 = file->addAction(QStringLiteral("名前をつけて保存(&A)"));
    SaveAs1->setObjectName("SaveAs1");
    Print1 = file->addAction(QStringLiteral("印刷(&P)"));
    Print1->setObjectName("Print1");
    Exit1 = file->addAction(QStringLiteral("終了(&X)"));
    Exit1->setObjectName("Exit1");
    connect(SaveAs1, &QAction::triggered, this, &TfrmPrintImage::SaveAs1Click);
    connect(Print1, &QAction::triggered, this, &TfrmPrintImage::Print1Click);
    connect(Exit1, &QAction::triggered, this, &TfrmPrintImage::Exit1Click);

    RichEdit1 = new QPlainTextEdit(this);
    RichEdit1->setObjectName("RichEdit1");

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(MainMenu1);
    layout->addWidget(RichEdit1);

    FormCreate();
}

TfrmPrintImage::~TfrmPrintImage() = default;

void TfrmPrintImage::FormCreate()
{
    setWindowTitle(QStringLiteral("プリンタ出力"));
    // The window's own font (a proportional Gothic); the menu keeps the
    // desktop's menu font.
    QFont formFont;
    formFont.setFamilies({QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic")});
    formFont.setPixelSize(kFormFontPixels);
    setFont(formFont);
    MainMenu1->setFont(QApplication::font(MainMenu1));

    applyPlacement();

    RichEdit1->setFont(FixedPitchFont(kTextFontPixels));
    QPalette text = RichEdit1->palette();
    text.setColor(QPalette::Text, Qt::black);
    RichEdit1->setPalette(text);
    RichEdit1->setLineWrapMode(QPlainTextEdit::NoWrap);
    RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    if (!loadPreviewFile())
        return;
    try {
        DeleteAllFiles(state_.BasePath);
    } catch (const common::IoError& failure) {
        showMessage(messages::DescribeFailure(failure));
    }
}

void TfrmPrintImage::applyPlacement()
{
    const WindowPlacement placement = ReadPlacement(options_.placementFile);
    resize(placement.Width, placement.Height);
    QPoint topLeft(placement.Left, placement.Top);
    const QRect wanted(topLeft, QSize(placement.Width, placement.Height));
    bool onScreen = false;
    for (QScreen* screen : QGuiApplication::screens())
        onScreen = onScreen || screen->availableGeometry().intersects(wanted);
    if (!placement.PositionStored || !onScreen) {
        if (QScreen* screen = QGuiApplication::primaryScreen())
            topLeft = screen->availableGeometry().center() -
                      QPoint(placement.Width / 2, placement.Height / 2);
    }
    move(topLeft);
}

bool TfrmPrintImage::loadPreviewFile()
{
    std::string bytes;
    try {
        bytes = common::ReadFile(std::string(kPreviewFile));
    } catch (const common::IoError& failure) {
        if (failure.operation() == "open" && failure.error() == ENOENT)
            return true;  // no report: the window opens empty
        showMessage(messages::DescribeFailure(failure));
        return false;
    }
    QStringList lines;
    for (const std::string& line : ReportLines(bytes))
        lines.push_back(QString::fromStdString(sjis::ToUtf8Lenient(line)));
    RichEdit1->setPlainText(lines.join(QLatin1Char('\n')));
    return true;
}

QStringList TfrmPrintImage::ShownLines() const
{
    const QString text = RichEdit1->toPlainText();
    if (text.isEmpty())
        return {};
    return text.split(QLatin1Char('\n'));
}

void TfrmPrintImage::SaveAs1Click()
{
    if (!SaveDialog1) {
        SaveDialog1 = new QFileDialog(this, QStringLiteral("名前をつけて保存"));
        SaveDialog1->setObjectName("SaveDialog1");
        SaveDialog1->setAcceptMode(QFileDialog::AcceptSave);
        const QString textFilter = QStringLiteral("テキストファイル (*.txt)");
        const QString pdfFilter = QStringLiteral("PDF ファイル (*.pdf)");
        SaveDialog1->setNameFilters({textFilter, pdfFilter, QStringLiteral("すべてのファイル (*)")});
        SaveDialog1->setDefaultSuffix(QStringLiteral("txt"));
        connect(SaveDialog1, &QFileDialog::filterSelected, SaveDialog1,
                [dialog = SaveDialog1, pdfFilter](const QString& filter) {
                    dialog->setDefaultSuffix(filter == pdfFilter ? QStringLiteral("pdf")
                                                                 : QStringLiteral("txt"));
                });
        const std::string dir = common::DirectoryOf(state_.BasePath);
        if (!dir.empty())
            SaveDialog1->setDirectory(QString::fromStdString(dir));
        const std::string name = common::FileNameOf(state_.BasePath);
        if (!name.empty())
            SaveDialog1->selectFile(QString::fromStdString(name) + QStringLiteral(".txt"));
    }
    if (SaveDialog1->exec() != QDialog::Accepted || SaveDialog1->selectedFiles().isEmpty())
        return;
    SaveReportAs(SaveDialog1->selectedFiles().constFirst());
}

bool TfrmPrintImage::SaveReportAs(const QString& path)
{
    if (!path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        return saveText(path);
    QPrinter printer(QPrinter::HighResolution);
    SetUpPdfPrinter(printer, path);
    PrintOutcome outcome = PrintReportLines(printer, ShownLines());
    if (!outcome.ok) {
        showMessage(MessageText(QStringLiteral("PDF ファイルを書き込めません：") + path));
        return false;
    }
    if (outcome.pages == 0) {
        showMessage(MessageText(QStringLiteral("印刷する内容がありません。")));
        return false;
    }
    return true;
}

bool TfrmPrintImage::saveText(const QString& path)
{
    std::vector<std::string> lines;
    const QStringList shown = ShownLines();
    for (int i = 0; i < shown.size(); ++i) {
        auto converted = sjis::TryFromUtf8(shown[i].toStdString());
        if (!converted) {
            showMessage(MessageText(
                QStringLiteral("シフトJISで表せない文字があるため保存できません（%1 行目）。")
                    .arg(i + 1)));
            return false;
        }
        lines.push_back(std::move(*converted));
    }
    try {
        common::WriteFileAtomically(path.toStdString(), common::JoinCrLfLines(lines));
    } catch (const common::IoError& failure) {
        showMessage(messages::DescribeFailure(failure));
        return false;
    }
    return true;
}

void TfrmPrintImage::Print1Click()
{
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    PrintReport(printer);
}

bool TfrmPrintImage::PrintReport(QPrinter& printer)
{
    PrintOutcome outcome = PrintReportLines(printer, ShownLines());
    if (!outcome.ok) {
        showMessage(MessageText(QStringLiteral("印刷できませんでした。")));
        return false;
    }
    if (outcome.pages == 0) {
        showMessage(MessageText(QStringLiteral("印刷する内容がありません。")));
        return false;
    }
    return true;
}

void TfrmPrintImage::Exit1Click()
{
    close();
}

void TfrmPrintImage::done(int result)
{
    FormClose();
    QDialog::done(result);
}

void TfrmPrintImage::FormClose()
{
    WindowPlacement placement;
    placement.Left = x();
    placement.Top = y();
    placement.Width = width();
    placement.Height = height();
    try {
        WritePlacement(options_.placementFile, placement);
    } catch (const common::IoError& failure) {
        showMessage(messages::DescribeFailure(failure));
    }
}

void TfrmPrintImage::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TfrmPrintImage::showMessage(const std::string& sjisText)
{
    if (options_.showMessage)
        options_.showMessage(sjisText);
    else
        ShowMessageBox(isVisible() ? this : parentWidget(), sjisText);
}

}  // namespace varenta::forms
