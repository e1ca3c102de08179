#include "varenta/report/forms/print_image_form.h"

#include "common/sjis.h"
#include "temp_dir.h"
#include "varenta/report/forms/report_forms.h"
#include "varenta/shell/forms/qt_text.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace varenta::forms {
namespace {

using testing::Exists;
using testing::ReadBytes;
using testing::TempDir;
using testing::WorkDir;
using testing::WriteBytes;

std::string Sjis(const char* utf8)
{
    return sjis::FromUtf8(utf8);
}

// A report as the report stream writes it: Shift-JIS, CR LF, the text chart
// framed for the graphic profile.
const std::string kReport = Sjis(
    "ヴァレンタ　性格検査\r\n"
    "氏名：山田　太郎\r\n"
    "\\newpage\r\n"
    "\\skipprint\r\n"
    "プロフィール\r\n"
    "\\newpage\r\n"
    "\\startprint\r\n"
    "自動解釈\r\n"
    "\\newpage\r\n"
    "得点表\r\n"
    "\\newpage\r\n");

// Pages of a PDF written by Qt: one "/Type /Page" dictionary per page.
int PdfPageCount(const std::string& path)
{
    const QByteArray pdf = QByteArray::fromStdString(ReadBytes(path));
    if (!pdf.startsWith("%PDF"))
        return -1;
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?![a-zA-Z])"));
    return static_cast<int>(QString::fromLatin1(pdf).count(page));
}

class PreviewWindowTest : public ::testing::Test {
protected:
    PreviewWindowTest() { std::filesystem::create_directory(work / "data"); }

    PreviewOptions options()
    {
        return {placement.path() + "/PrintImage.ini",
                [this](const std::string& text) { messages.push_back(sjis::ToUtf8(text)); }};
    }

    WorkDir work;       // the current directory
    TempDir placement;  // stands in for the executable's directory
    RunState state;
    std::vector<std::string> messages;
};

TEST_F(PreviewWindowTest, ShowsTheReportAndClearsAwayTheRunsFiles)
{
    state.BasePath = work / "data/TARO";
    for (const char* ending : {".RAW", ".ZSC", ".AIM", "_basic.bmp", ".VRT"})
        WriteBytes(state.BasePath + ending, "x");
    WriteBytes(work / "VR.$$$", kReport);

    TfrmPrintImage form(state, options());

    EXPECT_EQ(form.windowTitle(), QStringLiteral("プリンタ出力"));
    EXPECT_EQ(form.RichEdit1->toPlainText(),
              QStringLiteral("ヴァレンタ　性格検査\n氏名：山田　太郎\n\\newpage\n\\skipprint\n"
                             "プロフィール\n\\newpage\n\\startprint\n自動解釈\n\\newpage\n"
                             "得点表\n\\newpage"));
    for (const char* ending : {".RAW", ".ZSC", ".AIM", "_basic.bmp"})
        EXPECT_FALSE(Exists(state.BasePath + ending)) << ending;
    EXPECT_FALSE(Exists(work / "VR.$$$"));
    EXPECT_TRUE(Exists(state.BasePath + ".VRT"));
    EXPECT_TRUE(messages.empty());
}

TEST_F(PreviewWindowTest, MissingPreviewFileOpensEmpty)
{
    TfrmPrintImage form(state, options());
    EXPECT_TRUE(form.RichEdit1->toPlainText().isEmpty());
    EXPECT_TRUE(messages.empty());
}

// A work file that cannot be emptied is reported; the files after it stay
// and the window still comes up with the report.
TEST_F(PreviewWindowTest, FileInTheWayIsReported)
{
    state.BasePath = work / "data/TARO";
    std::filesystem::create_directory(work / "$$$");
    WriteBytes(work / "VR.$$$", kReport);

    TfrmPrintImage form(state, options());

    EXPECT_EQ(messages.size(), 1u);
    EXPECT_EQ(ReadBytes(work / "VR.$$$"), kReport);
    EXPECT_FALSE(form.RichEdit1->toPlainText().isEmpty());
}

// A preview file that exists but cannot be read: the report must not be
// cleared away unseen.
TEST_F(PreviewWindowTest, UnreadablePreviewFileKeepsTheWorkFiles)
{
    state.BasePath = work / "data/TARO";
    WriteBytes(state.BasePath + ".RAW", "raw scores");
    std::filesystem::create_directory(work / "VR.$$$");

    TfrmPrintImage form(state, options());

    EXPECT_EQ(messages.size(), 1u);
    EXPECT_EQ(ReadBytes(state.BasePath + ".RAW"), "raw scores");
}

TEST_F(PreviewWindowTest, StartUpInstanceRemovesAnEarlierRunsWorkFiles)
{
    WriteBytes(work / "$$$", kReport);
    WriteBytes(work / "VR.$$$", kReport);

    CleanUpAtStart(state, placement.path() + "/PrintImage.ini");

    EXPECT_FALSE(Exists(work / "$$$"));
    EXPECT_FALSE(Exists(work / "VR.$$$"));
    EXPECT_FALSE(Exists(placement.path() + "/PrintImage.ini"));  // never shown, never closed
}

// At start-up nobody may be at the screen (cards read unattended): a work
// file in the way is handed to the caller's message sink.
TEST_F(PreviewWindowTest, StartUpInstanceHandsAFailureToTheMessageSink)
{
    std::filesystem::create_directory(work / "$$$");
    WriteBytes(work / "VR.$$$", kReport);

    CleanUpAtStart(state, placement.path() + "/PrintImage.ini", options().showMessage);

    EXPECT_EQ(messages.size(), 1u);
    EXPECT_EQ(ReadBytes(work / "VR.$$$"), kReport);
}

TEST_F(PreviewWindowTest, PlacementRoundTripsThroughTheIniFile)
{
    const std::string ini = placement.path() + "/PrintImage.ini";
    const std::function<void(TfrmPrintImage&)> closeBy[] = {
        [](TfrmPrintImage& f) { f.Exit1->trigger(); },
        [](TfrmPrintImage& f) { f.close(); },  // the close box
    };
    int left = 30;
    for (const auto& close : closeBy) {
        std::filesystem::remove(ini);
        {
            TfrmPrintImage first(state, options());
            EXPECT_EQ(first.size(), QSize(680, 530));
            first.show();
            first.move(left, 40);
            first.resize(500, 400);
            close(first);
            EXPECT_FALSE(first.isVisible());
        }
        TfrmPrintImage second(state, options());
        EXPECT_EQ(second.pos(), QPoint(left, 40));
        EXPECT_EQ(second.size(), QSize(500, 400));
        left += 20;
    }
    EXPECT_TRUE(messages.empty());
}

TEST_F(PreviewWindowTest, EscapeDoesNotDiscardTheReport)
{
    TfrmPrintImage form(state, options());
    form.show();
    QTest::keyClick(&form, Qt::Key_Escape);
    EXPECT_TRUE(form.isVisible());
}

TEST_F(PreviewWindowTest, SavesTheTextAsShown)
{
    WriteBytes(work / "VR.$$$", kReport);
    TfrmPrintImage form(state, options());

    ASSERT_TRUE(form.SaveReportAs(QString::fromStdString(work / "report.txt")));
    EXPECT_EQ(ReadBytes(work / "report.txt"), kReport);

    form.RichEdit1->setPlainText(QStringLiteral("所見を追記\n"));
    ASSERT_TRUE(form.SaveReportAs(QString::fromStdString(work / "report.txt")));
    EXPECT_EQ(ReadBytes(work / "report.txt"), Sjis("所見を追記\r\n\r\n"));
}

TEST_F(PreviewWindowTest, TextThatShiftJisCannotHoldIsNotSaved)
{
    TfrmPrintImage form(state, options());
    form.RichEdit1->setPlainText(QStringLiteral("一行目\n絵文字 \U0001F600"));
    EXPECT_FALSE(form.SaveReportAs(QString::fromStdString(work / "report.txt")));
    EXPECT_FALSE(Exists(work / "report.txt"));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find("2 行目"), std::string::npos);
}

// Printing, rendered to PDF: one sheet per page the directives make.
TEST_F(PreviewWindowTest, PrintedCopyHasThePagesTheDirectivesMake)
{
    const struct {
        const char* name;
        QString text;
        int pages;
    } cases[] = {
        {"report with the chart left out", FromSjis(kReport), 3},
        {"no directives", QStringLiteral("一\n二\n三"), 1},
        {"newpage at the top and twice in a row",
         QStringLiteral("\\newpage\n一\n\\newpage\n\\newpage\n二"), 2},
        {"everything skipped", QStringLiteral("\\skipprint\n一\n\\newpage\n二"), 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TfrmPrintImage form(state, options());
        form.RichEdit1->setPlainText(c.text);
        const std::string pdf = work / "printed.pdf";
        std::filesystem::remove(pdf);
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(pdf));
        EXPECT_EQ(form.PrintReport(printer), c.pages > 0);
        if (c.pages > 0)
            EXPECT_EQ(PdfPageCount(pdf), c.pages);
        else
            EXPECT_FALSE(Exists(pdf));
    }
}

TEST_F(PreviewWindowTest, LongSectionRunsOnToFurtherSheets)
{
    QStringList lines;
    for (int i = 1; i <= 300; ++i)
        lines << QStringLiteral("行 %1").arg(i);
    TfrmPrintImage form(state, options());
    form.RichEdit1->setPlainText(lines.join('\n') + QStringLiteral("\n\\newpage\n最後"));
    const std::string pdf = work / "long.pdf";
    ASSERT_TRUE(form.SaveReportAs(QString::fromStdString(pdf)));
    const int pages = PdfPageCount(pdf);
    EXPECT_GT(pages, 2);

    // A page range chosen in the print dialog prints just those sheets.
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(work / "range.pdf"));
    printer.setPrintRange(QPrinter::PageRange);
    printer.setFromTo(2, 3);
    ASSERT_TRUE(form.PrintReport(printer));
    EXPECT_EQ(PdfPageCount(work / "range.pdf"), 2);
}

TEST_F(PreviewWindowTest, SavesAPdfWhenTheNameSaysSo)
{
    WriteBytes(work / "VR.$$$", kReport);
    TfrmPrintImage form(state, options());
    ASSERT_TRUE(form.SaveReportAs(QString::fromStdString(work / "report.PDF")));
    EXPECT_EQ(PdfPageCount(work / "report.PDF"), 3);

    EXPECT_FALSE(form.SaveReportAs(QString::fromStdString(work / "missing/report.pdf")));
    EXPECT_EQ(messages.size(), 1u);
}

// The driver's entry point: modal until the examiner closes it, with the
// ordinary cursor instead of the run's hourglass, and the placement stored
// on the way out.
TEST_F(PreviewWindowTest, ShowPreviewRunsUntilClosed)
{
    WriteBytes(work / "VR.$$$", kReport);
    const std::string ini = placement.path() + "/PrintImage.ini";
    QApplication::setOverrideCursor(Qt::WaitCursor);
    bool hourglassWhileShown = true;
    QTimer::singleShot(100, [&] {
        hourglassWhileShown = QApplication::overrideCursor() != nullptr;
        if (QWidget* modal = QApplication::activeModalWidget())
            modal->close();
    });

    ShowPreview(state, nullptr, ini);

    EXPECT_FALSE(hourglassWhileShown);
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    QApplication::restoreOverrideCursor();
    EXPECT_TRUE(Exists(ini));
    EXPECT_FALSE(Exists(work / "VR.$$$"));
}

}  // namespace
}  // namespace varenta::forms
