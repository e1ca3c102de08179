// The reader window on Qt's offscreen platform against the emulated reader:
// the card image in the list, a second OK refused while Varenta runs, the
// window answering events during the wait, messages in unattended mode.
#include "card_fixture.h"
#include "common/text_file.h"
#include "deck_text.h"
#include "reader_emulator.h"
#include "sheet_deck.h"
#include "sheetrun/forms/sheetrun_form.h"
#include "varenta/shell/tests/test_dir.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <algorithm>
#include <sys/stat.h>

namespace {

using sheetrun::testing::CardBuilder;

class SheetrunFormTest : public QObject {
    Q_OBJECT
private slots:
    void secondOkIsRefusedWhileVarentaRuns()
    {
        varenta::testing::TempWorkDir dir;
        auto reader = emulator::ReaderEmulator::ServeSocket(dir / "omr0");
        ::setenv("MARKLINK_USB_PATH", (dir / "omr%d").c_str(), 1);
        CardBuilder card;
        card.FileNumber({4, 2}).Age(3, 3).Sex(true, false);
        emulator::SheetDeck::Install(*reader, emulator::ParseDeck(sheetrun::testing::DeckCard(card)));
        // A stand-in Varenta that takes a while.
        common::WriteFileAtomically(dir / "slow-varenta", "#!/bin/sh\nsleep 0.6\n");
        ::chmod((dir / "slow-varenta").c_str(), 0755);
        common::WriteFileAtomically(dir / "varenta.ini",
                                    "[Setup]\r\ndirectory=" + dir.path() + "\r\n[Reader]\r\ndelaytime=0\r\n");

        varenta::RunState state;
        sheetrun::forms::ProgramPaths paths;
        paths.varentaConfig = dir / "varenta.ini";
        paths.ownConfig = dir / "sheetrun.ini";
        paths.varentaProgram = dir / "slow-varenta";
        sheetrun::forms::TfrmSheetrun form(state, paths, true);
        QCOMPARE(form.windowTitle(), QStringLiteral("Card Reader KR-7700 for Varenta"));
        QCOMPARE(form.Label1->text(), QStringLiteral("マークカードをセットしてください。"));
        form.show();

        int statusSeen = -1;
        QObject::connect(&form, &sheetrun::forms::TfrmSheetrun::runEnded, [&](int s) { statusSeen = s; });
        bool wasRunning = false;
        QStringList imageDuringWait;
        QTimer::singleShot(300, [&] {
            wasRunning = form.Running();
            for (int i = 0; i < form.ListBox1->count(); ++i)
                imageDuringWait << form.ListBox1->item(i)->text();
            QTest::mouseClick(form.btnOK, Qt::LeftButton);  // refused
        });
        QTest::mouseClick(form.btnOK, Qt::LeftButton);

        QVERIFY(wasRunning);
        QCOMPARE(statusSeen, 0);
        QVERIFY(imageDuringWait.size() >= 18);
        QCOMPARE(imageDuringWait[0], QStringLiteral("1枚目"));
        QCOMPARE(imageDuringWait[1], QStringLiteral("[ Card Image ] "));
        // Row 1 digit 4 (position 6) and row 2 digit 2 (position 8).
        QCOMPARE(imageDuringWait[7 + 4], QStringLiteral("I").leftJustified(25, ' '));
        QCOMPARE(imageDuringWait[7 + 2], QStringLiteral(" I").leftJustified(25, ' '));
        QVERIFY(form.Label1->text().isEmpty());
        // Unattended: the end-of-stack message is in the list.
        QCOMPARE(form.ListBox1->item(form.ListBox1->count() - 1)->text(),
                 QStringLiteral("シート送りに失敗しました。"));
        const auto commands = reader->Commands();
        QCOMPARE(std::count(commands.begin(), commands.end(), std::string("HU1")), 1L);
        QVERIFY(common::FileExists(dir / "42.VRT"));
        // The geometry was written to sheetrun.ini at the end of the run.
        QVERIFY(common::ReadFile(dir / "sheetrun.ini").find("Width=") != std::string::npos);
    }
};

}  // namespace

QTEST_MAIN(SheetrunFormTest)
#include "sheetrun_form_test.moc"
