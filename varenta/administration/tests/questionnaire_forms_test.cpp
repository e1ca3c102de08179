// The questionnaire on screen: instruction, item, message and end forms
// driven through AdministerQuestionnaire by clicking and typing.
#include "common/sjis.h"
#include "common/text_file.h"
#include "modal_driver.h"
#include "varenta/administration/administration_texts.h"
#include "varenta/administration/forms/administration_forms.h"
#include "varenta/administration/forms/blank_form.h"
#include "varenta/administration/forms/end_message_form.h"
#include "varenta/administration/forms/instruction_form.h"
#include "varenta/administration/forms/presentation_form.h"
#include "varenta/shell/subject_files.h"

#include <QFontInfo>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

namespace varenta::forms {

using testing::ModalDriver;

namespace {

QString Utf8(const std::string& sjis) { return QString::fromStdString(sjis::ToUtf8(sjis)); }

// Item i reads "itemNN ..." so the form on screen tells which item it shows.
std::vector<std::string> ItemList()
{
    std::vector<std::string> items{""};
    for (int i = 1; i <= kItemCount; ++i)
        items.push_back(std::to_string(i) + " item" + (i < 10 ? "0" : "") + std::to_string(i) +
                        sjis::FromUtf8(" 人と話すのが好きだ"));
    // Item 1 is long: its first row ends before a character that would
    // straddle byte 60.
    items[1] = "1 item01" + std::string(53, '.') + sjis::FromUtf8("あいうえお");
    return items;
}

int ItemOnScreen(const TfrmPresentation* form)
{
    return form->Label1->text().mid(4, 2).toInt();
}

bool BackdropVisible()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (qobject_cast<TfrmBlank*>(w) && w->isVisible())
            return true;
    return false;
}

}  // namespace

class QuestionnaireFormsTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;

    void NewSubject(RunState& state, const char* name)
    {
        state.BasePath = (dir_.path() + "/" + name).toStdString();
        state.Sex = "MALE";
    }

private slots:
    void wholeQuestionnaireByMouseAndKeyboard()
    {
        RunState state;
        NewSubject(state, "full");
        const std::vector<std::string> items = ItemList();
        const QList<int> undecided{3, 6, 9, 12, 15};

        QStringList instructionLines;
        QString instructionFamily;
        int instructionPixels = 0;
        QStringList item1Rows;
        bool backDisabledAtFirst = false, enterIgnored = false, backdrop = false;
        QList<int> firstPass, repeatPass;
        bool repeatCannotInterrupt = true;
        QStringList messages, endTexts;

        ModalDriver driver;
        driver.Handle([&](QWidget* modal) {
            if (auto* form = qobject_cast<TfrmInstruction*>(modal)) {
                for (int line = 1; line <= 7; ++line)
                    instructionLines << form->Label(line)->text();
                QFontInfo info(form->Label(1)->font());
                instructionFamily = info.family();
                instructionPixels = info.pixelSize();
                driver.Click(form->BitBtn1);
            } else if (auto* form = qobject_cast<TfrmPresentation*>(modal)) {
                if (!form->isActiveWindow())
                    return;  // keys reach the form once it is active
                const int item = ItemOnScreen(form);
                const bool repeating = firstPass.contains(kItemCount);
                (repeating ? repeatPass : firstPass) << item;
                if (repeating) {
                    repeatCannotInterrupt &= !form->btnCancel->isEnabled();
                    driver.Click(form->btnNo);
                } else if (item == 1) {
                    item1Rows << form->Label1->text() << form->Label2->text()
                              << form->Label3->text();
                    backDisabledAtFirst = !form->btnBack->isEnabled();
                    backdrop = BackdropVisible();
                    QTest::keyClick(form, Qt::Key_Return);
                    enterIgnored = form->isVisible();
                    QTest::keyClick(form, Qt::Key_Y);
                } else if (undecided.contains(item)) {
                    driver.Click(form->btnQuestion);
                } else if (item == 20 && !firstPass.mid(0, firstPass.size() - 1).contains(20)) {
                    driver.Click(form->btnBack);  // item 19 comes again
                } else if (item % 2 == 0) {
                    QTest::keyClick(form, Qt::Key_N);
                } else {
                    driver.Click(form->btnYes);
                }
            } else if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                messages << box->text();
                driver.Click(box->button(QMessageBox::Ok));
            } else if (auto* form = qobject_cast<TfrmEndMessage*>(modal)) {
                endTexts << form->Label1->text();
                driver.Click(form->BitBtn1);
            }
        });
        AdministerQuestionnaire(state, items, nullptr);

        QCOMPARE(instructionLines.size(), 7);
        QCOMPARE(instructionLines[6],
                 QStringLiteral("  質問を始めたいと思いますが、よろしいでしょうか？"));
        QCOMPARE(instructionFamily, QStringLiteral("IPAMincho"));
        QCOMPARE(instructionPixels, 16);

        QCOMPARE(item1Rows, (QStringList{QStringLiteral("item01") + QString(53, '.'),
                                         QStringLiteral("あいうえお"), QString()}));
        QVERIFY(backDisabledAtFirst);
        QVERIFY(enterIgnored);
        QVERIFY(backdrop);

        QList<int> expectedFirst;
        for (int i = 1; i <= 20; ++i)
            expectedFirst << i;
        expectedFirst << 19;
        for (int i = 20; i <= kItemCount; ++i)
            expectedFirst << i;
        QCOMPARE(firstPass.mid(0, expectedFirst.size()), expectedFirst);
        QCOMPARE(repeatPass, undecided);
        QVERIFY(repeatCannotInterrupt);
        QCOMPARE(messages, QStringList{Utf8(texts::UndecidedMessage()).replace("\n\r", "\n")});
        QCOMPARE(endTexts, QStringList{QStringLiteral(
                               "質問はこれで終りです。\n長時間、ご協力ありがとうございました。")});

        std::string expected = "MALE\r\n";
        for (int i = 1; i <= kItemCount; ++i)
            expected += (i == 1 || (i % 2 && !undecided.contains(i))) ? "   1" : "  -1";
        expected += "\r\n";
        QCOMPARE(common::ReadFile(AnswerPath(state.BasePath)), expected);
        QVERIFY(!BackdropVisible());
    }

    void interruptionByButtonSavesTheItemsBefore()
    {
        RunState state;
        NewSubject(state, "interrupted");
        QStringList questions, endTexts;
        bool cancelIsDefault = false;
        ModalDriver driver;
        driver.Handle([&](QWidget* modal) {
            if (auto* form = qobject_cast<TfrmInstruction*>(modal)) {
                driver.Click(form->BitBtn1);
            } else if (auto* form = qobject_cast<TfrmPresentation*>(modal)) {
                if (ItemOnScreen(form) == 3)
                    driver.Click(form->btnCancel);
                else
                    driver.Click(form->btnYes);
            } else if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                questions << box->text();
                cancelIsDefault = box->defaultButton() == box->button(QMessageBox::Cancel);
                driver.Click(box->button(QMessageBox::Ok));
            } else if (auto* form = qobject_cast<TfrmEndMessage*>(modal)) {
                endTexts << form->Label1->text();
                driver.Click(form->BitBtn1);
            }
        });
        AdministerQuestionnaire(state, ItemList(), nullptr);

        QCOMPARE(questions, QStringList{QStringLiteral(
                                "中断すると今の質問までの回答しか保存しません。\n"
                                "Varentaの実施を中断してよろしいですか？")});
        QVERIFY(cancelIsDefault);
        QCOMPARE(endTexts, QStringList{QStringLiteral("Varentaの実施を中断しました。\n"
                                                      "作業結果は保存しましたから、\n"
                                                      "別の機会にこの続きができます。")});
        QCOMPARE(common::ReadFile(AnswerPath(state.BasePath)), std::string("MALE\r\n   1   1\r\n"));
    }
};

}  // namespace varenta::forms

QTEST_MAIN(varenta::forms::QuestionnaireFormsTest)
#include "questionnaire_forms_test.moc"
