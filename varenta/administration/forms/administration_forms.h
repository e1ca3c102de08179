#pragma once
// Entry points of the test administration forms, as the run driver's Qt
// side calls them. Each shows its form modally over parent.
#include "varenta/shell/run_state.h"

#include <string>
#include <vector>

class QWidget;

namespace varenta::forms {

// TfrmNewFile: asks the sex until one is chosen; "MALE" or "FEMALE".
std::string AskSex(RunState& state, QWidget* parent);
// TfrmOldFile: the notice that closes itself.
void ShowOldFileNotice(RunState& state, QWidget* parent);
// TfrmRecFile: the subject record; writes the remarks file when it closes.
void ShowRecordForm(RunState& state, QWidget* parent);
// Instructions, items, repeat pass, answer file, end message.
void AdministerQuestionnaire(RunState& state, const std::vector<std::string>& items,
                             QWidget* parent);

}  // namespace varenta::forms
