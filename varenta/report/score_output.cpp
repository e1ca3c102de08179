#include "score_output.h"

#include "common/errors.h"
#include "common/sjis.h"
#include "common/text_file.h"
#include "varenta/report/report_channel.h"

#include <array>
#include <string>

namespace varenta {

namespace {

std::string Spaces(int count)
{
    return std::string(static_cast<std::size_t>(count), ' ');
}

// `count` ideographic spaces (U+3000, Shift-JIS 0x81 0x40).
std::string Wide(int count)
{
    std::string out;
    for (int i = 0; i < count; ++i)
        out += "\u3000";
    return out;
}

// Labels in scale order: ASCII spaces, the scale letter, ASCII spaces, the
// scale name, then a filler of full-width and ASCII spaces.
const std::array<std::string, kScaleCount>& Labels()
{
    static const std::array<std::string, kScaleCount> labels{
        sjis::FromUtf8(Spaces(9) + "?"   + Spaces(7) + "不応答"     + Wide(11) + Spaces(1)),
        sjis::FromUtf8(Spaces(9) + "F"   + Spaces(7) + "頻度"       + Spaces(10) + Wide(1) + Spaces(2) + Wide(5) + Spaces(1)),
        sjis::FromUtf8(Spaces(9) + "Att" + Spaces(5) + "建前"       + Spaces(10) + Wide(1) + Spaces(2) + Wide(5) + Spaces(1)),
        sjis::FromUtf8(Spaces(9) + "E"   + Spaces(6) + "外向性"     + Wide(2) + Spaces(10) + Wide(4) + Spaces(1)),
        sjis::FromUtf8(Spaces(9) + "A"   + Spaces(6) + "協調性"     + Wide(6) + Spaces(11)),
        sjis::FromUtf8(Spaces(9) + "C"   + Spaces(6) + "良識性"     + Wide(11) + Spaces(1)),
        sjis::FromUtf8(Spaces(9) + "N"   + Spaces(6) + "情緒安定性" + Wide(9) + Spaces(1)),
        sjis::FromUtf8(Spaces(9) + "O"   + Spaces(6) + "知的好奇心" + Wide(9) + Spaces(1)),
    };
    return labels;
}

struct TableTexts {
    std::string header;         // 60 bytes
    std::string validityTitle;  // with its trailing space
    std::string basicTitle;
};

const TableTexts& Texts()
{
    static const TableTexts texts{
        sjis::FromUtf8(Spaces(46) + "素点" + Wide(1) + "標準得点"),
        sjis::FromUtf8("[  妥当性尺度  ] "),
        sjis::FromUtf8("[  基本尺度  ] "),
    };
    return texts;
}

void WriteRow(common::OutputFile& out, const RunState& state, int scale)
{
    out.Write(ScaleLabel(scale));
    out.Write(RightAligned(state.RawScores[scale], 4));
    out.Write(RightAligned(state.StandardScores[scale], 8));
    out.Write("    ");
    out.WriteLine(std::string(static_cast<std::size_t>(StarCount(state.StandardScores[scale])), '*'));
}

void WriteTable(RunState& state, const std::string& title, int firstScale, int lastScale)
{
    common::OutputFile& out = state.ReportFile;
    out.Write(SeparatorLine(LineWidth(state)));
    out.WriteLine(title);
    out.WriteLine();
    out.WriteLine(Texts().header);
    for (int scale = firstScale; scale <= lastScale; ++scale)
        WriteRow(out, state, scale);
    out.WriteLine();
}

}  // namespace

std::string RawScorePath(const std::string& basePath)
{
    return basePath + std::string(kRawScoreSuffix);
}

std::string StandardScorePath(const std::string& basePath)
{
    return basePath + std::string(kStandardScoreSuffix);
}

std::string ScoreFileLine(const OneBased<int, kScaleCount>& scores)
{
    std::string line;
    for (int score : scores)
        line += RightAligned(score, 4);
    line += common::kCrLf;
    return line;
}

const std::string& ScaleLabel(int scale)
{
    if (scale < kUndecided || scale > kOpenness)
        throw common::InternalError("scale position " + std::to_string(scale) + " outside 1..8");
    return Labels()[static_cast<std::size_t>(scale - 1)];
}

int StarCount(int standardScore)
{
    if (standardScore <= 0)
        return 0;
    // Whole part of T / 10 + 0.5 without floating point or overflow.
    const int stars = standardScore / 10 + (standardScore % 10 >= 5 ? 1 : 0);
    return stars < kMaxStars ? stars : kMaxStars;
}

void WriteScoreFiles(const RunState& state)
{
    common::WriteFileAtomically(RawScorePath(state.BasePath), ScoreFileLine(state.RawScores));
    common::WriteFileAtomically(StandardScorePath(state.BasePath),
                                ScoreFileLine(state.StandardScores));
}

void PrintScoreTables(RunState& state)
{
    WriteTable(state, Texts().validityTitle, kUndecided, kAttitude);
    WriteTable(state, Texts().basicTitle, kExtraversion, kOpenness);
    state.ReportFile.Write(SeparatorLine(LineWidth(state)));
    NewPage(state);
}

void OutputScores(RunState& state)
{
    state.ReportFile.Flush();
    WriteScoreFiles(state);
    PrintScoreTables(state);
}

}  // namespace varenta
