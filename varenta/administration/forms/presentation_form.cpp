#include "presentation_form.h"

#include "form_frame.h"
#include "varenta/shell/forms/qt_text.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QStyle>
#include <QVBoxLayout>

namespace varenta::forms {

TfrmPresentation::TfrmPresentation(const FormGeometry& geometry, QWidget* parent)
    : QDialog(parent, admin::DialogWithoutCloseBox())
{
    setObjectName("frmPresentation");
    setWindowTitle(AppCaption());
    setFont(admin::GothicFont(admin::kFormFontPixels));

    auto makeRow = [this](const char* name) {
        auto* label = new QLabel(this);
        label->setObjectName(QString::fromLatin1(name));
        label->setFont(admin::MinchoFont(admin::kReadingFontPixels));
        label->setTextFormat(Qt::PlainText);
        return label;
    };
    Label1 = makeRow("Label1");
    Label2 = makeRow("Label2");
    Label3 = makeRow("Label3");

    auto makeButton = [this](QStyle::StandardPixmap icon, const QString& text, const char* name,
                             ItemChoice choice) {
        auto* button = new QPushButton(style()->standardIcon(icon), text, this);
        button->setObjectName(QString::fromLatin1(name));
        // No default button: Enter must not answer.
        button->setAutoDefault(false);
        button->setDefault(false);
        connect(button, &QPushButton::clicked, this, [this, choice] { choose(choice); });
        return button;
    };
    btnYes = makeButton(QStyle::SP_DialogYesButton, QStringLiteral("はい(&Y)"), "btnYes",
                        ItemChoice::Yes);
    btnNo = makeButton(QStyle::SP_DialogNoButton, QStringLiteral("いいえ(&N)"), "btnNo",
                       ItemChoice::No);
    btnQuestion = makeButton(QStyle::SP_MessageBoxQuestion, QStringLiteral("？"), "btnQuestion",
                             ItemChoice::Undecided);
    btnBack = makeButton(QStyle::SP_BrowserReload, QStringLiteral("戻る"), "btnBack",
                         ItemChoice::Back);
    btnCancel = makeButton(QStyle::SP_DialogCancelButton, QStringLiteral("中断"), "btnCancel",
                           ItemChoice::Interrupt);
    btnBack->setEnabled(false);

    // Y and N alone, as in the standard Yes/No buttons; Alt+Y and Alt+N come
    // with the captions' accelerators.
    auto* yesKey = new QShortcut(QKeySequence(Qt::Key_Y), this);
    connect(yesKey, &QShortcut::activated, btnYes, &QPushButton::click);
    auto* noKey = new QShortcut(QKeySequence(Qt::Key_N), this);
    connect(noKey, &QShortcut::activated, btnNo, &QPushButton::click);

    auto* rows = new QVBoxLayout;
    rows->addWidget(Label1);
    rows->addWidget(Label2);
    rows->addWidget(Label3);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnYes);
    buttons->addWidget(btnNo);
    buttons->addWidget(btnQuestion);
    buttons->addStretch(1);
    buttons->addWidget(btnBack);
    buttons->addWidget(btnCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addStretch(1);
    layout->addLayout(rows);
    layout->addStretch(1);
    layout->addLayout(buttons);

    admin::PlaceFromFormSettings(*this, geometry);
}

ItemChoice TfrmPresentation::Present(const ItemView& view)
{
    Label1->setText(FromSjis(view.rows[0]));
    Label2->setText(FromSjis(view.rows[1]));
    Label3->setText(FromSjis(view.rows[2]));
    btnBack->setEnabled(view.backEnabled);
    btnCancel->setEnabled(view.interruptEnabled);
    choice_ = ItemChoice::Undecided;
    exec();
    return choice_;
}

void TfrmPresentation::choose(ItemChoice choice)
{
    choice_ = choice;
    accept();
}

void TfrmPresentation::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace varenta::forms
