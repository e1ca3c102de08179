#include "end_message_form.h"

#include "form_frame.h"
#include "varenta/shell/forms/qt_text.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace varenta::forms {

TfrmEndMessage::TfrmEndMessage(QWidget* parent) : QDialog(parent, admin::DialogWithoutCloseBox())
{
    setObjectName("frmEndMessage");
    setWindowTitle(AppCaption());
    setFont(admin::GothicFont(admin::kReadingFontPixels));
    Label1 = new QLabel(this);
    Label1->setObjectName("Label1");
    Label1->setTextFormat(Qt::PlainText);
    BitBtn1 = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton),
                              QStringLiteral("OK"), this);
    BitBtn1->setObjectName("BitBtn1");
    BitBtn1->setDefault(true);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(BitBtn1);
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addSpacing(12);
    layout->addLayout(buttons);
}

void TfrmEndMessage::ShowText(const std::string& sjisText)
{
    Label1->setText(FromSjis(sjisText));
    adjustSize();
    admin::CentreOnScreen(*this);
    exec();
}

}  // namespace varenta::forms
