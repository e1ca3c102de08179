#pragma once
// Small helpers shared by the report windows: message boxes and the
// fixed-pitch Japanese font. Shift-JIS text crosses into Qt through
// varenta/shell/forms/qt_text.h.
#include <QFont>
#include <QString>
#include <functional>
#include <string>

class QWidget;

namespace varenta::forms {

// Shows a Shift-JIS message to the examiner.
using MessageSink = std::function<void(const std::string& sjisText)>;

// A modal message box with the program's caption.
void ShowMessageBox(QWidget* parent, const std::string& sjisText);

// A fixed-pitch font with Japanese glyphs (IPAGothic where installed): a
// half-width character is half as wide as a full-width one, so report
// columns line up. Sized in pixels, or in points for printing.
QFont FixedPitchFont(int pixelSize);
QFont FixedPitchPointFont(qreal pointSize);

}  // namespace varenta::forms
