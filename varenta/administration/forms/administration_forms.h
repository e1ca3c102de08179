#pragma once
// Entry points of the test administration forms, as the run driver's Qt
// side calls them. Each shows its form modally.
#include "varenta/shell/run_state.h"

#include <string>
#include <vector>

class QWidget;

namespace varenta::forms {

// TfrmNewFile: asks the sex until one is chosen; "MALE" or "FEMALE".
std::string AskSex(RunState& state, QWidget* parent);
// TfrmOldFile: the notice that closes itself after 2 seconds.
void ShowOldFileNotice(RunState& state, QWidget* parent);
// TfrmRecFile: the subject record; fills Remarks (and Age when a whole
// number was typed) and writes the remarks file when it closes. Throws
// common::IoError when the remarks file cannot be read or written.
void ShowRecordForm(RunState& state, QWidget* parent);
// Backdrop, instructions, items from CurrentItem + 1, repeat of undecided
// items, answer file, end message. Returns when the program is to end, also
// after a confirmed interruption. The questionnaire's windows stand on their
// own backdrop, so parent is not used.
void AdministerQuestionnaire(RunState& state, const std::vector<std::string>& items,
                             QWidget* parent);

}  // namespace varenta::forms
