#pragma once
// Entry points of the report windows, as the run driver's Qt side calls them.
#include "varenta/shell/run_state.h"

class QWidget;

namespace varenta::forms {

// TfrmProfile: the graphic profile, modal; saves BasePath + "_basic.bmp".
void ShowProfile(RunState& state, QWidget* parent);
// TfrmPrintImage: the report preview, modal.
void ShowPreview(RunState& state, QWidget* parent);
// The start-up instance of the preview window: removes work files that an
// earlier run left in the current directory.
void CleanUpAtStart(RunState& state);

}  // namespace varenta::forms
