#include "instruction_form.h"

#include "form_frame.h"
#include "varenta/administration/administration_texts.h"
#include "varenta/shell/forms/qt_text.h"

#include <QLabel>
#include <QVBoxLayout>

namespace varenta::forms {

TfrmInstruction::TfrmInstruction(const FormGeometry& geometry, QWidget* parent)
    : QDialog(parent, admin::DialogWithoutCloseBox())
{
    static_assert(texts::kInstructionLines == 7);
    setObjectName("frmInstruction");
    setWindowTitle(AppCaption());
    setFont(admin::GothicFont(admin::kFormFontPixels));

    auto* layout = new QVBoxLayout(this);
    layout->addStretch(1);
    for (int line = 1; line <= texts::kInstructionLines; ++line) {
        auto* label = new QLabel(this);
        label->setObjectName(QStringLiteral("Label%1").arg(line));
        if (line < texts::kInstructionLines)
            label->setFont(admin::MinchoFont(admin::kReadingFontPixels));
        else
            layout->addSpacing(12);  // the question stands apart from the text
        labels_[static_cast<std::size_t>(line - 1)] = label;
        layout->addWidget(label);
    }
    layout->addStretch(1);

    BitBtn1 = admin::AddCentredOkButton(*this, *layout, "BitBtn1");

    admin::PlaceFromFormSettings(*this, geometry);
}

QLabel* TfrmInstruction::Label(int line) const
{
    if (line < 1 || line > texts::kInstructionLines)
        return nullptr;
    return labels_[static_cast<std::size_t>(line - 1)];
}

void TfrmInstruction::showEvent(QShowEvent* event)
{
    FormActivate();
    QDialog::showEvent(event);
}

void TfrmInstruction::FormActivate()
{
    for (int line = 1; line <= texts::kInstructionLines; ++line)
        Label(line)->setText(FromSjis(texts::InstructionLine(line)));
}

}  // namespace varenta::forms
