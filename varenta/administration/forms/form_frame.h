#pragma once
// What every administration form shares: the window frame without a close
// box, the size from [Form] centred on the screen, fonts of fixed pixel size
// (the forms keep their layout whatever the desktop's font size) and the
// program's message boxes.
#include "varenta/shell/run_state.h"

#include <QFont>
#include <Qt>
#include <string>

class QDialog;
class QPushButton;
class QVBoxLayout;
class QWidget;

namespace varenta::forms::admin {

// A title bar without close box or system menu, for a dialog or a window.
Qt::WindowFlags DialogWithoutCloseBox();
Qt::WindowFlags WindowWithoutCloseBox();

// Width and height from [Form]; the form appears centred on the screen, so
// Left and Top are not used.
void PlaceFromFormSettings(QWidget& form, const FormGeometry& geometry);
void CentreOnScreen(QWidget& form);

// The forms' own font, and the Mincho font of the instructions and items.
QFont GothicFont(int pixelSize);
QFont MinchoFont(int pixelSize);
inline constexpr int kFormFontPixels = 14;
inline constexpr int kReadingFontPixels = 16;

// Adds an OK button, centred in a row of its own at the end of layout, that
// accepts the form and is its default button (Enter presses it).
QPushButton* AddCentredOkButton(QDialog& form, QVBoxLayout& layout, const char* objectName);

// A modal message with the program's caption and an OK button (Shift-JIS
// text; LF CR and CR LF break lines).
void ShowMessageBox(QWidget* parent, const std::string& sjisText);

// A modal OK/Cancel question; true for OK. Cancel is the default, so Enter
// or Escape pressed by accident does not confirm.
bool AskOkCancel(QWidget* parent, const std::string& sjisText);

}  // namespace varenta::forms::admin
