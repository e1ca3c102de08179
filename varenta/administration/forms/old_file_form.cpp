#include "old_file_form.h"

#include "form_frame.h"
#include "varenta/shell/forms/qt_text.h"

#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

namespace varenta::forms {

TfrmOldFile::TfrmOldFile(QWidget* parent) : QDialog(parent, admin::DialogWithoutCloseBox())
{
    setObjectName("frmOldFile");
    setWindowTitle(AppCaption());
    setFont(admin::GothicFont(admin::kFormFontPixels));
    Label1 = new QLabel(QStringLiteral("ファイルがありました！"), this);
    Label1->setObjectName("Label1");
    Label1->setAlignment(Qt::AlignCenter);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    setFixedSize(sizeHint().expandedTo(QSize(260, 80)));
    admin::CentreOnScreen(*this);

    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    Timer1->setInterval(kShowMilliseconds);
    Timer1->setSingleShot(true);
    connect(Timer1, &QTimer::timeout, this, &QDialog::accept);
}

void TfrmOldFile::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    Timer1->start();
}

}  // namespace varenta::forms
