#pragma once
// Small helpers shared by the report windows: Shift-JIS text at the Qt
// edge, message boxes and the fixed-pitch Japanese font.
#include <QFont>
#include <QString>
#include <functional>
#include <string>
#include <string_view>

class QWidget;

namespace varenta::forms {

// Shows a Shift-JIS message to the examiner.
using MessageSink = std::function<void(const std::string& sjisText)>;

// Shift-JIS bytes to QString for display; bytes that are not CP932 show as
// U+FFFD. The paragraph separator LF CR and CR LF become one line break.
QString SjisToQString(std::string_view sjis);

// A modal message box with the program's caption.
void ShowMessageBox(QWidget* parent, const std::string& sjisText);

// A fixed-pitch font with Japanese glyphs (IPAGothic where installed): a
// half-width character is half as wide as a full-width one, so report
// columns line up. Sized in pixels, or in points for printing.
QFont FixedPitchFont(int pixelSize);
QFont FixedPitchPointFont(qreal pointSize);

}  // namespace varenta::forms
