#include "report_channel.h"

#include "common/text_file.h"

namespace varenta {

void SelectOutputTarget(RunState& state, int printerItem)
{
    if (printerItem == 0) {
        state.OutputTarget = kPrinterTarget;
        return;
    }
    state.OutputTarget = kPreviewTarget;
    common::CreateEmptyFile(std::string(kPreviewFile));
}

void OpenReport(RunState& state)
{
    const std::string_view name =
        state.OutputTarget == kPrinterTarget ? kPrinterWorkFile : kPreviewFile;
    state.ReportFile.Open(std::string(name));
}

void CloseReport(RunState& state)
{
    state.ReportFile.Close();
}

void NewPage(RunState& state)
{
    state.ReportFile.WriteLine("\\newpage");
    state.ReportFile.Flush();
}

void SkipPrint(RunState& state)
{
    state.ReportFile.WriteLine("\\skipprint");
}

void StartPrint(RunState& state)
{
    state.ReportFile.WriteLine("\\startprint");
}

int LineWidth(const RunState& state)
{
    return state.settings.number_of_letters;
}

std::string SeparatorLine(int count, char ch)
{
    std::string line(count > 0 ? static_cast<std::size_t>(count) : 0, ch);
    line += common::kCrLf;
    return line;
}

std::string RightAligned(long long value, int width)
{
    std::string digits = std::to_string(value);
    if (static_cast<long long>(digits.size()) >= width)
        return digits;
    return std::string(static_cast<std::size_t>(width) - digits.size(), ' ') + digits;
}

}  // namespace varenta
