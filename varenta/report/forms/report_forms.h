#pragma once
// Entry points of the report windows, as the run driver's Qt side calls them.
#include "form_support.h"
#include "varenta/shell/run_state.h"

#include <string>

class QWidget;

namespace varenta::forms {

// TfrmProfile: the graphic profile, modal, closed by its own timer; saves
// BasePath + "_basic.bmp". A bitmap that cannot be written is reported in a
// message box once the window has closed (or handed to showMessage, where
// nobody is at the screen to close a box); the run goes on.
void ShowProfile(RunState& state, QWidget* parent);
void ShowProfile(RunState& state, QWidget* parent, const MessageSink& showMessage);

// TfrmPrintImage: the report preview, modal. placementFile is its
// "PrintImage.ini" (by default beside the executable). While it is shown the
// run's hourglass gives way to the ordinary cursors, and returns after.
void ShowPreview(RunState& state, QWidget* parent);
void ShowPreview(RunState& state, QWidget* parent, const std::string& placementFile);

// The start-up instance of the preview window, created and never shown:
// removes the work files that an earlier run left in the current directory.
// A failure is shown in a message box, or handed to showMessage.
void CleanUpAtStart(RunState& state);
void CleanUpAtStart(RunState& state, const MessageSink& showMessage);
void CleanUpAtStart(RunState& state, const std::string& placementFile,
                    const MessageSink& showMessage = {});

}  // namespace varenta::forms
