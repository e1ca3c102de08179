#include "record_form.h"

#include "form_frame.h"
#include "varenta/administration/administration_texts.h"
#include "varenta/administration/subject_record.h"
#include "varenta/shell/forms/qt_text.h"
#include "varenta/shell/subject_files.h"

#include "common/ini_file.h"
#include "common/text_file.h"

#include <QFile>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace varenta::forms {

namespace {

// Field labels in remarks order; the blanks (ordinary and full-width) line
// the two-character names up with the four-character ones.
const char* const kFieldLabels[kRemarkLines] = {
    "氏     名", "年  　齢", "実 施 日", "実 施 者", "住 　 所",
    "学 　 歴", "職 　 業", "婚姻状態", "兄弟姉妹", "主 症 状",
};

// Label numbers of the fields' captions on the form (Label2 for 氏名, then
// Label4 to Label12).
const int kLabelNumbers[kRemarkLines] = {2, 4, 5, 6, 7, 8, 9, 10, 11, 12};

}  // namespace

TfrmRecFile::TfrmRecFile(RunState& state, QWidget* parent)
    : QDialog(parent, admin::DialogWithoutCloseBox()), state_(state)
{
    setObjectName("frmRecFile");
    setWindowTitle(AppCaption());
    setFont(admin::GothicFont(admin::kFormFontPixels));

    Label13 = new QLabel(QStringLiteral("被験者の記録"), this);
    Label13->setObjectName("Label13");
    QFont titleFont = admin::GothicFont(20);
    titleFont.setBold(true);
    Label13->setFont(titleFont);

    auto* Label1 = new QLabel(QStringLiteral("ファイル："), this);
    Label1->setObjectName("Label1");
    lblfilename = new QLabel(this);
    lblfilename->setObjectName("lblfilename");
    auto* Label3 = new QLabel(QStringLiteral("性  別"), this);
    Label3->setObjectName("Label3");
    lblgender = new QLabel(this);
    lblgender->setObjectName("lblgender");

    auto* grid = new QGridLayout;
    grid->addWidget(Label1, 0, 0);
    grid->addWidget(lblfilename, 0, 1, 1, 2);
    grid->addWidget(Label3, 1, 0);
    grid->addWidget(lblgender, 1, 1, 1, 2);
    for (int line = 1; line <= kRemarkLines; ++line) {
        const std::size_t i = static_cast<std::size_t>(line - 1);
        auto* label = new QLabel(QString::fromUtf8(kFieldLabels[i]), this);
        label->setObjectName(QStringLiteral("Label%1").arg(kLabelNumbers[i]));
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QStringLiteral("Edit%1").arg(line));
        label->setBuddy(edit);
        edits_[i] = edit;
        const int row = line + 1;
        grid->addWidget(label, row, 0);
        if (line == kAgeLine) {
            // A short number typed with the keyboard as it is: no input
            // method here.
            edit->setMaxLength(kAgeMaxLength);
            edit->setAttribute(Qt::WA_InputMethodEnabled, false);
            edit->setInputMethodHints(Qt::ImhDigitsOnly | Qt::ImhPreferLatin);
            edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 16);
            auto* Label15 = new QLabel(QStringLiteral("歳"), this);
            Label15->setObjectName("Label15");
            auto* ageRow = new QHBoxLayout;
            ageRow->addWidget(edit);
            ageRow->addWidget(Label15);
            ageRow->addStretch(1);
            grid->addLayout(ageRow, row, 1, 1, 2);
        } else {
            grid->addWidget(edit, row, 1, 1, 2);
        }
    }
    grid->setColumnStretch(2, 1);

    btnOK = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton),
                            QStringLiteral("OK"), this);
    btnOK->setObjectName("btnOK");
    btnOK->setAutoDefault(false);
    btnOK->setDefault(false);
    connect(btnOK, &QPushButton::clicked, this, &TfrmRecFile::btnOKClick);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btnOK);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label13, 0, Qt::AlignHCenter);
    layout->addLayout(grid);
    layout->addStretch(1);
    layout->addLayout(buttons);

    admin::PlaceFromFormSettings(*this, state_.form);
}

QLineEdit* TfrmRecFile::Edit(int line) const
{
    if (line < 1 || line > kRemarkLines)
        return nullptr;
    return edits_[static_cast<std::size_t>(line - 1)];
}

void TfrmRecFile::FormActivate()
{
    LoadRecord(state_);
    lblfilename->setText(QFile::decodeName(common::FileNameOf(state_.BasePath).c_str()));
    lblgender->setText(FromSjis(state_.Sex));
    for (int line = 1; line <= kRemarkLines; ++line)
        Edit(line)->setText(FromSjis(state_.Remarks[line]));

    // Straight to the age when the record is there but its age was refused.
    QLineEdit* first = Edit(1);
    if (!state_.Remarks[1].empty() && !common::ParseWholeNumber(state_.Remarks[kAgeLine]))
        first = Edit(kAgeLine);
    first->setFocus();
}

void TfrmRecFile::btnOKClick()
{
    RecordFields fields;
    for (int line = 1; line <= kRemarkLines; ++line) {
        std::string& field = fields[static_cast<std::size_t>(line - 1)];
        if (!ToSjis(Edit(line)->text(), field)) {
            // Cannot be stored in the remarks file: say where, keep the form.
            admin::ShowMessageBox(this, texts::UnstorableFieldMessage(line));
            Edit(line)->setFocus();
            return;
        }
    }
    switch (AcceptRecord(state_, fields)) {
    case AgeEntry::Accepted:
        break;
    case AgeEntry::Empty:
        admin::ShowMessageBox(this, texts::EnterAgeMessage());
        Edit(kAgeLine)->setFocus();
        break;
    case AgeEntry::NotANumber:
        admin::ShowMessageBox(this, texts::AgeNotNumberMessage());
        Edit(kAgeLine)->setFocus();
        break;
    }
    accept();
}

void TfrmRecFile::FormClose()
{
    WriteRemarksFile(state_);
}

void TfrmRecFile::keyPressEvent(QKeyEvent* event)
{
    // The fields pass Enter on to the form: it moves to the next field, and
    // only presses OK when OK has the focus.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (focusWidget() == btnOK)
            btnOK->click();
        else
            focusNextChild();
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace varenta::forms
