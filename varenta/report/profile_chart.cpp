#include "profile_chart.h"

#include "common/sjis.h"
#include "report_channel.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace varenta {

namespace {

constexpr int kColumns = 71;
constexpr int kTopBand = 27;
constexpr int kBottomBand = 7;
constexpr std::array<int, 3> kBars = {3, 28, 67};
// Mark column of each scale, in scale order ? F Att E A C N O.
constexpr std::array<int, kScaleCount> kMarkColumns = {8, 16, 24, 32, 40, 48, 56, 64};

struct RuledLine {
    int band;
    std::string_view label;
};
constexpr std::array<RuledLine, 6> kRuledLines = {{
    {27, " 80"}, {22, " 65"}, {19, " 55"}, {15, " 45"}, {12, " 35"}, {7, " 20"},
}};

constexpr std::size_t kCodeLineLimit = 15;
constexpr int kFigureWidth = 8;

int BandOfScore(int score)
{
    return (score + 2) / 3;
}

std::string ChartLine(int band)
{
    std::string line(kColumns, ' ');
    for (const RuledLine& ruled : kRuledLines) {
        if (ruled.band != band)
            continue;
        line.replace(0, 3, ruled.label);
        line.replace(kColumns - 3, 3, ruled.label);
        for (int column = 4; column <= 66; ++column)
            line[static_cast<std::size_t>(column)] = '-';
    }
    for (int bar : kBars)
        line[static_cast<std::size_t>(bar)] = '|';
    return line;
}

// The grid lines, top band first, with the marks of the standard scores.
std::vector<std::string> ChartLines(const RunState& state)
{
    std::vector<std::string> lines;
    for (int band = kTopBand; band >= kBottomBand; --band)
        lines.push_back(ChartLine(band));
    for (int scale = 1; scale <= kScaleCount; ++scale) {
        int band = BandOfScore(state.StandardScores[scale]);
        if (band > kTopBand)
            band = kTopBand;
        if (band < kBottomBand)
            continue;
        lines[static_cast<std::size_t>(kTopBand - band)]
             [static_cast<std::size_t>(kMarkColumns[static_cast<std::size_t>(scale - 1)])] = '*';
    }
    return lines;
}

std::string Figures(const OneBased<int, kScaleCount>& scores)
{
    std::string line;
    for (int score : scores)
        line += RightAligned(score, kFigureWidth);
    return line;
}

}  // namespace

void PrintProfileChart(RunState& state)
{
    static const std::string kMale = sjis::FromUtf8("     男性");
    static const std::string kFemale = sjis::FromUtf8("     女性");
    const bool framed = state.settings.graphic == "ON";
    common::OutputFile& out = state.ReportFile;

    if (framed)
        SkipPrint(state);
    out.WriteLine();
    out.WriteLine();
    out.WriteLine("                               [ Varenta Profile ] ");
    out.WriteLine(state.Sex == "MALE" ? kMale : kFemale);
    const std::string code = "     Code: " + state.CodeType;
    out.WriteLine(sjis::CutBytes(code, kCodeLineLimit));
    for (const std::string& line : ChartLines(state))
        out.WriteLine(line);
    out.WriteLine();
    out.WriteLine("       ?       F     Att       1       2       3       4       5");
    out.WriteLine();
    out.WriteLine("                               E       A       C       N       O");
    out.WriteLine();
    out.WriteLine();
    out.WriteLine("T-scores");
    out.WriteLine(Figures(state.StandardScores));
    out.WriteLine();
    out.WriteLine("Raw scores");
    out.WriteLine(Figures(state.RawScores));
    out.WriteLine();
    NewPage(state);
    if (framed)
        StartPrint(state);
}

}  // namespace varenta
