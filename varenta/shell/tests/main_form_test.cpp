// The main form on Qt's offscreen platform.
#include "common/ini_file.h"
#include "common/text_file.h"
#include "test_dir.h"
#include "varenta/shell/forms/main_form.h"
#include "varenta/shell/subject_files.h"

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>
#include <QtTest>

using varenta::testing::TempWorkDir;

class MainFormTest : public QObject {
    Q_OBJECT

private:
    varenta::forms::ProgramSetup preparePaths(const TempWorkDir& dir, const std::string& setup)
    {
        std::string items;
        for (int i = 1; i <= 70; ++i)
            items += std::to_string(i) + " item\r\n";
        common::WriteFileAtomically(dir / "varenta.TXT", items);
        common::WriteFileAtomically(dir / "varenta.ini",
                                    "[Setup]\r\n" + setup + "[Reader]\r\ndelaytime=3\r\n");
        varenta::forms::ProgramSetup paths;
        paths.configFile = dir / "varenta.ini";
        paths.itemFile = dir / "varenta.TXT";
        paths.helpFile = dir / "MAIN.HLP";
        return paths;
    }

private slots:
    void handOffRunPressesOkByItselfAndReports()
    {
        TempWorkDir dir;
        auto paths = preparePaths(dir, "graphic=OFF\r\nconnect=ON\r\n");
        const std::string base = dir / "s01";
        common::WriteFileAtomically(base + ".VRT",
                                    varenta::FormatAnswerFile("MALE", std::vector<int>(70, 1)));
        common::WriteFileAtomically(base + ".REM", varenta::FormatRemarks({"Name", "30"}));
        varenta::WriteHandOffFile("CARD.$$$", base, 1);

        varenta::RunState state;
        varenta::forms::TfrmMain form(state, paths);
        form.show();
        QSignalSpy ended(&form, &varenta::forms::TfrmMain::ProgramEnds);
        QTRY_COMPARE_WITH_TIMEOUT(ended.count(), 1, 10000);

        QVERIFY(!common::FileExists("CARD.$$$"));
        QVERIFY(common::FileExists("$$$"));
        QCOMPARE(state.Age, 30);
        // The main form closed at the end of the report and wrote [Form],
        // keeping the other sections.
        auto ini = common::IniFile::Load(paths.configFile);
        QCOMPARE(ini.ReadInteger("Form", "Width", -1), form.width());
        QCOMPARE(ini.ReadInteger("Reader", "delaytime", -1), 3);
    }

    void missingFilesAreReportedAndClosingWritesOnlyForm()
    {
        TempWorkDir dir;
        varenta::forms::ProgramSetup paths;
        paths.configFile = dir / "varenta.ini";
        paths.itemFile = dir / "varenta.TXT";
        paths.helpFile = dir / "MAIN.HLP";

        // Each start-up message is a modal box: read and close it.
        QStringList seen;
        QTimer closer;
        QObject::connect(&closer, &QTimer::timeout, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                seen << box->text();
                box->accept();
            }
        });
        closer.start(20);

        varenta::RunState state;
        {
            varenta::forms::TfrmMain form(state, paths);
            QCOMPARE(seen, QStringList({QStringLiteral("初期設定用ファイルがありません"),
                                        QStringLiteral("Varentaの項目ファイルがありません")}));
            QCOMPARE(state.settings.ai, std::string("OFF"));
            QCOMPARE(form.PrinterItemIndex(), 0);
            QCOMPARE(form.size(), QSize(540, 420));
            form.show();
            form.close();
        }
        auto text = common::ReadFile(paths.configFile);
        QVERIFY(text.rfind("[Form]\r\nLeft=", 0) == 0);
        QCOMPARE(QString::fromStdString(text).count('['), 1);
    }

    void unattendedMessagesDoNotWaitForAPerson()
    {
        TempWorkDir dir;
        varenta::forms::ProgramSetup setup;
        setup.configFile = dir / "varenta.ini";
        setup.itemFile = dir / "varenta.TXT";
        setup.unattended = true;
        varenta::RunState state;
        // Neither missing file may open a modal box: construction returns.
        varenta::forms::TfrmMain form(state, setup);
        QCOMPARE(state.settings.ai, std::string("OFF"));
        QVERIFY(QApplication::topLevelWidgets().size() == 1);
    }

    void connectSettingPreselectsThePrinterItem()
    {
        struct Case {
            const char* connect;
            int item;
        } cases[] = {{"ON", 0}, {"OFF", 1}, {"off", 0}};
        for (const auto& c : cases) {
            TempWorkDir dir;
            auto paths = preparePaths(dir, std::string("connect=") + c.connect + "\r\n");
            varenta::RunState state;
            varenta::forms::TfrmMain form(state, paths);
            QCOMPARE(form.PrinterItemIndex(), c.item);
            QCOMPARE(form.windowTitle(), QStringLiteral("ヴァレンタシステム"));
            QCOMPARE(form.size(), QSize(540, 420));
            form.edtFileName->setText(QStringLiteral("abc"));
            QCOMPARE(state.TypedName, std::string("abc"));
        }
    }
};

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    MainFormTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "main_form_test.moc"
