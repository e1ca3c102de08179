// The subject registration forms on screen: new-file form, existing-file
// notice and the subject record form, driven through their entry points.
#include "common/sjis.h"
#include "common/text_file.h"
#include "modal_driver.h"
#include "varenta/administration/administration_texts.h"
#include "varenta/administration/forms/administration_forms.h"
#include "varenta/administration/forms/new_file_form.h"
#include "varenta/administration/forms/record_form.h"
#include "varenta/administration/subject_record.h"
#include "varenta/shell/forms/qt_text.h"
#include "varenta/shell/subject_files.h"

#include <QGroupBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

namespace varenta::forms {

using testing::ModalDriver;

class RecordFormsTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;

    void NewSubject(RunState& state, const char* name)
    {
        state.BasePath = (dir_.path() + "/" + name).toStdString();
        state.Sex = "MALE";
    }

    // Japanese text arrives as the input method's committed string.
    static void CommitText(QWidget* field, const QString& text)
    {
        QInputMethodEvent event;
        event.setCommitString(text);
        QApplication::sendEvent(field, &event);
    }

    static std::vector<std::string> RemarksLines(const RunState& state)
    {
        return common::SplitLines(common::ReadFile(RemarksPath(state.BasePath)));
    }

    // Shows the record form once; `fill` types into it before OK is clicked.
    // Returns the texts of the message boxes that came up.
    static QStringList ShowRecordOnce(RunState& state, std::function<void(TfrmRecFile*)> fill)
    {
        QStringList messages;
        bool filled = false;
        ModalDriver driver;
        driver.Handle([&](QWidget* modal) {
            if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                messages << box->text();
                driver.Click(box->button(QMessageBox::Ok));
            } else if (auto* form = qobject_cast<TfrmRecFile*>(modal); form && !filled) {
                filled = true;
                fill(form);
                driver.Click(form->btnOK);
            }
        });
        ShowRecordForm(state, nullptr);
        return messages;
    }

private slots:
    void newSubjectWithEmptyAgeIsAskedAgainWithItsFieldsSaved()
    {
        RunState state;
        NewSubject(state, "abc");
        QString shownName, shownSex;
        QStringList emptyFields;
        QString fifty(50, QChar(0x6F22));  // 漢 x 50: 100 bytes in Shift-JIS
        QStringList messages = ShowRecordOnce(state, [&](TfrmRecFile* form) {
            shownName = form->lblfilename->text();
            shownSex = form->lblgender->text();
            for (int line = 1; line <= kRemarkLines; ++line)
                if (form->Edit(line)->text().isEmpty())
                    emptyFields << form->Edit(line)->objectName();
            CommitText(form->Edit(1), fifty);
            CommitText(form->Edit(4), QStringLiteral("鈴木"));
        });
        QCOMPARE(shownName, QStringLiteral("abc"));
        QCOMPARE(shownSex, QStringLiteral("MALE"));
        QCOMPARE(emptyFields.size(), kRemarkLines);
        QCOMPARE(messages, QStringList{QStringLiteral("年齢を入力してください")});
        QCOMPARE(state.Age, -1);

        std::vector<std::string> lines = RemarksLines(state);
        QCOMPARE(lines.size(), std::size_t(kRemarkLines));
        QCOMPARE(lines[0], sjis::FromUtf8(fifty.left(40).toStdString()));  // first 80 bytes
        QCOMPARE(lines[3], sjis::FromUtf8("鈴木"));

        // The driver shows the form again: the saved fields are there, the
        // focus waits in the age field.
        QString nameAgain;
        bool ageFocused = false;
        messages = ShowRecordOnce(state, [&](TfrmRecFile* form) {
            nameAgain = form->Edit(1)->text();
            ageFocused = form->focusWidget() == form->Edit(kAgeLine);
            QTest::keyClicks(form->Edit(kAgeLine), QStringLiteral("35"));
        });
        QCOMPARE(nameAgain, fifty.left(40));
        QVERIFY(ageFocused);
        QVERIFY(messages.isEmpty());
        QCOMPARE(state.Age, 35);
        QCOMPARE(RemarksLines(state)[1], std::string("35"));
    }

    void ageFieldRefusals_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("age");
        QTest::newRow("negative: silently again") << QStringLiteral("-5") << QString() << -5;
        QTest::newRow("letters") << QStringLiteral("ab") << QString::fromStdString(
            sjis::ToUtf8(texts::AgeNotNumberMessage())) << -1;
        QTest::newRow("lone sign") << QStringLiteral("-") << QString::fromStdString(
            sjis::ToUtf8(texts::AgeNotNumberMessage())) << -1;
        QTest::newRow("zero accepted") << QStringLiteral("0") << QString() << 0;
    }

    void ageFieldRefusals()
    {
        QFETCH(QString, typed);
        QFETCH(QString, message);
        QFETCH(int, age);
        RunState state;
        NewSubject(state, QTest::currentDataTag());
        QStringList messages = ShowRecordOnce(state, [&](TfrmRecFile* form) {
            QTest::keyClicks(form->Edit(1), QStringLiteral("Taro"));
            QTest::keyClicks(form->Edit(kAgeLine), typed);
        });
        QCOMPARE(messages, message.isEmpty() ? QStringList() : QStringList{message});
        QCOMPARE(state.Age, age);
        QCOMPARE(RemarksLines(state)[0], std::string("Taro"));
    }

    void ageFieldTakesThreeCharactersWithoutInputMethod()
    {
        RunState state;
        NewSubject(state, "three");
        bool imeOff = false;
        ShowRecordOnce(state, [&](TfrmRecFile* form) {
            imeOff = !form->Edit(kAgeLine)->testAttribute(Qt::WA_InputMethodEnabled);
            QTest::keyClicks(form->Edit(kAgeLine), QStringLiteral("1234"));
        });
        QVERIFY(imeOff);
        QCOMPARE(state.Age, 123);
    }

    void enterMovesOnInsteadOfClosing()
    {
        RunState state;
        NewSubject(state, "enter");
        bool stillOpen = false;
        bool onAge = false;
        ShowRecordOnce(state, [&](TfrmRecFile* form) {
            form->Edit(1)->setFocus();
            QTest::keyClicks(form->Edit(1), QStringLiteral("Hanako"));
            QTest::keyClick(form->Edit(1), Qt::Key_Return);
            stillOpen = form->isVisible();
            onAge = form->focusWidget() == form->Edit(kAgeLine);
            QTest::keyClicks(form->Edit(kAgeLine), QStringLiteral("20"));
        });
        QVERIFY(stillOpen);
        QVERIFY(onAge);
        QCOMPARE(state.Age, 20);
    }

    void characterOutsideShiftJisKeepsTheFormOpen()
    {
        RunState state;
        NewSubject(state, "emoji");
        QStringList messages;
        int okClicks = 0;
        ModalDriver driver;
        driver.Handle([&](QWidget* modal) {
            if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                messages << box->text();
                driver.Click(box->button(QMessageBox::Ok));
            } else if (auto* form = qobject_cast<TfrmRecFile*>(modal)) {
                if (okClicks == 0) {
                    form->Edit(1)->setText(QStringLiteral("花子 \U0001F600"));
                    form->Edit(kAgeLine)->setText(QStringLiteral("30"));
                } else {
                    QVERIFY(form->isVisible());  // still there, text as typed
                    QCOMPARE(form->Edit(1)->text(), QStringLiteral("花子 \U0001F600"));
                    form->Edit(1)->setText(QStringLiteral("花子"));
                }
                ++okClicks;
                driver.Click(form->btnOK);
            }
        });
        ShowRecordForm(state, nullptr);
        QCOMPARE(okClicks, 2);
        QCOMPARE(messages.size(), 1);
        QVERIFY(messages[0].contains(QStringLiteral("氏名")));
        QCOMPARE(state.Age, 30);
        QCOMPARE(RemarksLines(state)[0], sjis::FromUtf8("花子"));
    }

    void sexIsAskedUntilChosen()
    {
        RunState state;
        QStringList messages;
        int showings = 0;
        bool noneAtFirst = false;
        ModalDriver driver;
        driver.Handle([&](QWidget* modal) {
            if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                messages << box->text();
                driver.Click(box->button(QMessageBox::Ok));
            } else if (auto* form = qobject_cast<TfrmNewFile*>(modal)) {
                if (++showings == 1) {
                    noneAtFirst = form->ItemIndex() == -1;
                    QTest::keyClick(form, Qt::Key_Escape);  // does not get away
                } else {
                    form->MaleOrFemale->findChildren<QRadioButton*>().at(1)->click();
                }
                driver.Click(form->btnOK);
            }
        });
        QCOMPARE(AskSex(state, nullptr), std::string("FEMALE"));
        QVERIFY(noneAtFirst);
        QCOMPARE(showings, 2);
        QCOMPARE(messages, QStringList{QStringLiteral("男性か女性か、選択してください")});
    }

    void oldFileNoticeClosesItself()
    {
        RunState state;
        ShowOldFileNotice(state, nullptr);  // returns without any click
        QVERIFY(QApplication::activeModalWidget() == nullptr);
    }
};

}  // namespace varenta::forms

QTEST_MAIN(varenta::forms::RecordFormsTest)
#include "record_forms_test.moc"
