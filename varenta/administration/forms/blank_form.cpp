#include "blank_form.h"

#include "form_frame.h"
#include "varenta/shell/forms/qt_text.h"

#include <QCloseEvent>

namespace varenta::forms {

TfrmBlank::TfrmBlank(const FormGeometry& geometry, QWidget* parent)
    : QWidget(parent, admin::WindowWithoutCloseBox())
{
    setObjectName("frmBlank");
    setWindowTitle(AppCaption());
    admin::PlaceFromFormSettings(*this, geometry);
}

void TfrmBlank::closeEvent(QCloseEvent* event)
{
    event->ignore();
}

}  // namespace varenta::forms
