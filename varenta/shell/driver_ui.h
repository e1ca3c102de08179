#pragma once
// Everything the run driver shows to people goes through this interface.
// The program implements it with the real forms; tests implement it with a
// scripted fake that records what was shown.
#include "varenta/shell/run_state.h"

#include <string>
#include <vector>

namespace varenta {

class DriverUi {
public:
    virtual ~DriverUi() = default;

    // A modal message box; text is Shift-JIS (lines may be LF CR separated).
    virtual void ShowMessage(const std::string& text) = 0;
    // The new-subject sex question; returns "MALE" or "FEMALE".
    virtual std::string AskSex(RunState& state) = 0;
    // The notice that the subject's answer file exists (closes by itself).
    virtual void ShowOldFileNotice(RunState& state) = 0;
    // Hides the main form for the rest of the run.
    virtual void HideMainForm() = 0;
    // The subject record form, modal; fills Remarks and Age and writes the
    // remarks file when it closes.
    virtual void ShowRecordForm(RunState& state) = 0;
    // Instructions, items from CurrentItem + 1, the repeat of undecided
    // items, the answer file and the end message. items[i] is item i.
    virtual void AdministerQuestionnaire(RunState& state,
                                         const std::vector<std::string>& items) = 0;
    // The graphic profile window, modal.
    virtual void ShowProfile(RunState& state) = 0;
    // The report preview window, modal.
    virtual void ShowPreview(RunState& state) = 0;
    // Hourglass cursor on or off.
    virtual void SetBusy(bool busy) = 0;
    // The item chosen in the main form's printer radio group.
    virtual int PrinterItem() = 0;
};

}  // namespace varenta
