#include "end_message_form.h"

#include "form_frame.h"
#include "varenta/shell/forms/qt_text.h"

#include <QLabel>
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
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addSpacing(12);
    BitBtn1 = admin::AddCentredOkButton(*this, *layout, "BitBtn1");
}

void TfrmEndMessage::ShowText(const std::string& sjisText)
{
    Label1->setText(FromSjis(sjisText));
    adjustSize();
    admin::CentreOnScreen(*this);
    exec();
}

}  // namespace varenta::forms
