#include "form_support.h"

#include "common/sjis.h"

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

QString SjisToQString(std::string_view sjis)
{
    QString text = QString::fromStdString(sjis::ToUtf8Lenient(sjis));
    text.replace(QStringLiteral("\n\r"), QStringLiteral("\n"));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

void ShowMessageBox(QWidget* parent, const std::string& sjisText)
{
    // The caption every window of the program carries.
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("ヴァレンタシステム"),
                    SjisToQString(sjisText), QMessageBox::Ok, parent);
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
