#include "new_file_form.h"

#include "form_frame.h"
#include "varenta/shell/forms/qt_text.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace varenta::forms {

TfrmNewFile::TfrmNewFile(QWidget* parent) : QDialog(parent, admin::DialogWithoutCloseBox())
{
    setObjectName("frmNewFile");
    setWindowTitle(AppCaption());
    setFont(admin::GothicFont(admin::kFormFontPixels));

    Label1 = new QLabel(QStringLiteral("新しいファイルです！"), this);
    Label1->setObjectName("Label1");
    MaleOrFemale = new QGroupBox(QStringLiteral("被験者の性別は？"), this);
    MaleOrFemale->setObjectName("MaleOrFemale");
    items_ = new QButtonGroup(this);
    auto* male = new QRadioButton(QStringLiteral("男性"), MaleOrFemale);
    auto* female = new QRadioButton(QStringLiteral("女性"), MaleOrFemale);
    items_->addButton(male, 0);
    items_->addButton(female, 1);
    auto* groupLayout = new QVBoxLayout(MaleOrFemale);
    groupLayout->addWidget(male);
    groupLayout->addWidget(female);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(MaleOrFemale);
    btnOK = admin::AddCentredOkButton(*this, *layout, "btnOK");
    setFixedSize(sizeHint().expandedTo(QSize(260, 0)));
    admin::CentreOnScreen(*this);
}

int TfrmNewFile::ItemIndex() const
{
    return items_->checkedId();
}

}  // namespace varenta::forms
