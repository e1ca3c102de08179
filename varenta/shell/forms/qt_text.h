#pragma once
// Conversion at the GUI's edge: the run state holds Shift-JIS bytes, Qt
// holds UTF-16.
#include <QString>
#include <string>
#include <string_view>

namespace varenta::forms {

// Shift-JIS to QString; the message separator LF CR becomes one line break.
QString FromSjis(std::string_view sjis);

// QString to Shift-JIS; nullopt-like failure is reported by returning false.
bool ToSjis(const QString& text, std::string& out);

// The caption every form of the program carries.
QString AppCaption();

}  // namespace varenta::forms
