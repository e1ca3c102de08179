#include "form_support.h"

#include "varenta/shell/forms/qt_text.h"

#include <QMessageBox>
#include <QStringList>

namespace varenta::forms {

namespace {

QFont FixedPitchBase()
{
    QFont font;
    font.setFamilies({QStringLiteral("IPAGothic"), QStringLiteral("Noto Sans Mono CJK JP"),
                      QStringLiteral("VL Gothic"), QStringLiteral("monospace")});
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    return font;
}

}  // namespace

void ShowMessageBox(QWidget* parent, const std::string& sjisText)
{
    QMessageBox box(QMessageBox::NoIcon, AppCaption(), FromSjis(sjisText), QMessageBox::Ok,
                    parent);
    box.exec();
}

QFont FixedPitchFont(int pixelSize)
{
    QFont font = FixedPitchBase();
    font.setPixelSize(pixelSize);
    return font;
}

QFont FixedPitchPointFont(qreal pointSize)
{
    QFont font = FixedPitchBase();
    font.setPointSizeF(pointSize);
    return font;
}

}  // namespace varenta::forms
