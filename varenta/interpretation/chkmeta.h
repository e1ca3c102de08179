#pragma once
// The interpretation section writer.
//
// The section goes to the report stream and, byte for byte the same, to the
// subject's interpretation file (BasePath + ".AIM"), created anew for each
// scored run. Every write goes to the report first, then to the file; each
// stream is flushed and checked right after the write, so the first I/O
// error (common::IoError) stops the section with both streams holding
// exactly what was written before it.
//
// The writer only reads the run state: which rules fired, the stored
// messages and ImpressionText. What the section says was decided by
// RunRules and ClassifyType.
#include "common/text_file.h"
#include "varenta/shell/run_state.h"

#include <string>
#include <string_view>

namespace varenta {

inline constexpr std::string_view kInterpretationSuffix = ".AIM";

std::string InterpretationPath(const std::string& basePath);

// Writes each text to two streams at once: the report and the
// interpretation file.
class SectionWriter {
public:
    SectionWriter(const RunState& state, common::OutputFile& report, common::OutputFile& file);

    const RunState& State() const { return state_; }

    // text, without a line end, to the report, then to the file.
    void WriteBoth(std::string_view text);
    // CR LF to the report, then to the file.
    void EndLineBoth();
    // Every message stored by rule `rule` (1..310), in message order, with
    // nothing between them; nothing for an unfired rule. A rule number
    // outside 1..310 is an InternalError.
    void WriteRule(int rule);

private:
    const RunState& state_;
    common::OutputFile& report_;
    common::OutputFile& file_;
};

// Validity level of the test-taking attitude, decided by the fired rules:
// 1 very doubtful (rule 1, 2, 3 or 10), 2 somewhat doubtful (rule 8 or 9),
// 3 trustworthy.
int AttitudeLevel(const RunState& state);

// Separator line, section title and the test-taking attitude paragraph,
// which ends without a line end.
void WriteAttitude(SectionWriter& out);
// Heading and the five basic-scale paragraphs, E, A, C, N, O.
void WriteBasicCharacter(SectionWriter& out);
// Heading and the type description (ImpressionText), then a line end.
void WriteImpression(SectionWriter& out);

// Creates BasePath + ".AIM" and writes the whole section to the report
// stream (RunState::ReportFile, already open) and to that file.
void WriteInterpretation(RunState& state);

}  // namespace varenta
