#include "chkmeta.h"

#include "section_texts.h"
#include "varenta/report/report_channel.h"

namespace varenta {

namespace {

// The five rules of each basic scale, E first: 11-15, 16-20, ... 31-35.
constexpr int kFirstScaleRule = 11;
constexpr int kRulesPerScale = 5;
constexpr int kBasicScales = 5;

}  // namespace

std::string InterpretationPath(const std::string& basePath)
{
    return basePath + std::string(kInterpretationSuffix);
}

SectionWriter::SectionWriter(const RunState& state, common::OutputFile& report,
                             common::OutputFile& file)
    : state_(state), report_(report), file_(file)
{
}

void SectionWriter::WriteBoth(std::string_view text)
{
    report_.Write(text);
    report_.Flush();
    file_.Write(text);
    file_.Flush();
}

void SectionWriter::EndLineBoth()
{
    WriteBoth(common::kCrLf);
}

void SectionWriter::WriteRule(int rule)
{
    if (!state_.RuleFired[rule])  // checked: 1..310
        return;
    for (int message = 1; message <= kMessageCapacity; ++message) {
        if (state_.MessageRule[message] == rule)
            WriteBoth(state_.MessageSlots[message]);
    }
}

int AttitudeLevel(const RunState& state)
{
    const auto& fired = state.RuleFired;
    if (fired[1] || fired[2] || fired[3] || fired[10])
        return 1;
    if (fired[8] || fired[9])
        return 2;
    return 3;
}

void WriteAttitude(SectionWriter& out)
{
    const SectionTexts& texts = InterpretationTexts();
    const RunState& state = out.State();
    const auto& fired = state.RuleFired;

    out.WriteBoth(SeparatorLine(LineWidth(state), '-'));
    out.WriteBoth(texts.title);
    for (int i = 0; i < 3; ++i)
        out.EndLineBoth();
    out.WriteBoth(texts.attitudeHeading);
    out.EndLineBoth();
    out.EndLineBoth();

    switch (AttitudeLevel(state)) {
    case 1:
        out.WriteBoth(texts.veryDoubtfulOpening);
        out.WriteRule(1);
        out.WriteRule(2);
        out.WriteRule(3);
        // "また、" joins a yes/no pattern remark to the Att remark; after the
        // "？" remark the Att remark follows directly.
        if (fired[10] && (fired[1] || fired[2]))
            out.WriteBoth(texts.moreover);
        out.WriteRule(10);
        out.EndLineBoth();
        out.WriteBoth(texts.veryDoubtfulClosing);
        break;
    case 2:
        out.WriteBoth(texts.somewhatDoubtfulOpening);
        out.WriteRule(8);
        out.WriteRule(9);
        out.EndLineBoth();
        out.WriteBoth(texts.somewhatDoubtfulClosing);
        break;
    default:
        // An F score outside the middle band is a reservation: "ただし、".
        out.WriteBoth(fired[6] ? texts.trustworthyOpening
                               : texts.trustworthyOpening + texts.however);
        for (int rule = 4; rule <= 7; ++rule)
            out.WriteRule(rule);
        break;
    }
}

void WriteBasicCharacter(SectionWriter& out)
{
    const SectionTexts& texts = InterpretationTexts();
    out.EndLineBoth();
    out.EndLineBoth();
    out.WriteBoth(texts.characterHeading);
    out.EndLineBoth();
    out.EndLineBoth();
    for (int scale = 0; scale < kBasicScales; ++scale) {
        out.WriteBoth(texts.scaleHeadings[static_cast<std::size_t>(scale)]);
        out.EndLineBoth();
        out.EndLineBoth();
        out.WriteBoth(texts.indent);
        const int first = kFirstScaleRule + scale * kRulesPerScale;
        for (int rule = first; rule < first + kRulesPerScale; ++rule)
            out.WriteRule(rule);
        out.EndLineBoth();
        out.EndLineBoth();
    }
}

void WriteImpression(SectionWriter& out)
{
    out.WriteBoth(InterpretationTexts().impressionHeading);
    out.EndLineBoth();
    out.EndLineBoth();
    out.WriteBoth(out.State().ImpressionText);
    out.EndLineBoth();
}

void WriteInterpretation(RunState& state)
{
    common::OutputFile file;
    file.Open(InterpretationPath(state.BasePath));
    SectionWriter out(state, state.ReportFile, file);
    WriteAttitude(out);
    WriteBasicCharacter(out);
    WriteImpression(out);
    file.Close();
}

}  // namespace varenta
