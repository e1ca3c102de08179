#pragma once
// The fixed sequence that takes one subject from a typed file name to a
// finished report (or to a saved questionnaire).
//
// Nothing here ends the process: every path returns a RunOutcome that the
// program's top turns into the end of the program, or into a main form that
// stays usable.
#include "varenta/shell/driver_ui.h"
#include "varenta/shell/run_state.h"

#include <string>
#include <vector>

namespace varenta {

enum class RunOutcome {
    // The run ended without closing the main form: after the questionnaire,
    // with ai "OFF", or after a fatal message (any failure of a hand-off
    // run). [Form] is not written.
    ProgramEnds,
    // The report was produced; the main form closes (and writes [Form]).
    ReportDone,
    // A failure was reported while the main form was still shown in an
    // interactive run; it stays usable and OK can be pressed again. (A
    // hand-off run has nobody to press OK: its failures end the program.)
    Abandoned,
};

class RunDriver {
public:
    RunDriver(RunState& state, DriverUi& ui, std::string itemFilePath,
              std::string handOffPath = "CARD.$$$");

    // The show sequence. Returns true when a hand-off run must press OK at once.
    bool ShowSequence();

    // The OK sequence.
    RunOutcome OkSequence();

    // Steps of the OK sequence, public for tests and for Sheetrun's reuse.
    void ResolveFileName();
    void LoadAnswers();
    void LoadItems();
    void ReadRemarksFile();
    void ReadTemporaryFile();

    const std::vector<std::string>& ItemList() const { return items_; }

private:
    void scoreAndReport();

    RunState& state_;
    DriverUi& ui_;
    std::string itemFilePath_;
    std::string handOffPath_;
    std::vector<std::string> items_;
    bool noWayBack_ = false;
};

// BasePath from a typed name (Linux paths: "/" separates directories) and
// the current data directory; updates dataDirectory when the typed name has
// a directory part. Returns an empty string when the file-name part is empty.
std::string BasePathFromTypedName(const std::string& typedName, std::string& dataDirectory);

}  // namespace varenta
