#include "qt_text.h"

#include "common/sjis.h"

namespace varenta::forms {

QString FromSjis(std::string_view sjis)
{
    QString text = QString::fromStdString(sjis::ToUtf8Lenient(sjis));
    text.replace(QStringLiteral("\n\r"), QStringLiteral("\n"));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

bool ToSjis(const QString& text, std::string& out)
{
    auto converted = sjis::TryFromUtf8(text.toStdString());
    if (!converted)
        return false;
    out = std::move(*converted);
    return true;
}

QString AppCaption()
{
    return QStringLiteral("ヴァレンタシステム");
}

}  // namespace varenta::forms
