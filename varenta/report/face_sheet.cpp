#include "face_sheet.h"

#include "common/errors.h"
#include "common/sjis.h"
#include "common/text_file.h"
#include "varenta/report/report_channel.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string_view>

namespace varenta {

namespace {

// The title box, nine lines of 70 bytes once padded.
constexpr std::array<std::string_view, 9> kTitleBox{
    "",
    "",
    "",
    "              ヴァレンタシステム",
    "",
    "",
    "              五因子性格検査・自動解釈システム",
    "              作成  ヴァレンタシステム開発チーム",
    "",
};

constexpr std::string_view kDateLabel = "処理年月日 ";
constexpr std::string_view kTimeLabel = "    時  刻 ";
constexpr std::string_view kRecordHeading = "[  被験者の記録  ]";
constexpr std::string_view kFileLabel = "ファイル：";
constexpr std::string_view kAgeUnit = " 歳";

// The record block: each label is 10 bytes and is followed directly by its
// value, record line `remark` (1..10) of the remarks file, or the sex.
// U+3000 (ideographic space) is spelled out where it sits inside a label,
// so that each label's mix of ASCII and full-width spaces can be read.
constexpr int kSexLine = 0;
constexpr int kAgeLine = 2;
struct RecordRow {
    std::string_view label;
    int remark;
};
constexpr std::array<RecordRow, 11> kRecordRows{{
    {"氏  \u3000名：", 1},    // name
    {"性\u3000  別：", kSexLine},
    {"年  \u3000齢：", kAgeLine},  // age as typed, then " 歳"
    {"実 施 日：", 3},        // date of testing
    {"実 施 者：", 4},        // examiner
    {"住    所：", 5},        // address
    {"学    歴：", 6},        // education
    {"職    業：", 7},        // occupation
    {"婚姻状態：", 8},        // marital status
    {"兄弟姉妹：", 9},        // siblings
    {"主 症 状：", 10},       // main symptoms
}};

// The introduction, two paragraphs of one line each.
constexpr std::string_view kIntroduction =
    "ヴァレンタシステムは、欧米の性格理論にもとづき、外向性・協調性・良識性・情緒安定性・"
    "知的好奇心の五つを性格の基本的な次元とする70項目の性格検査です。住民基本台帳から"
    "無作為に抽出された有効回答者1169名の資料をもとに、青年期（12～22歳）、"
    "成人前期（23～39歳）、成人中期（40～59歳）、成人後期（60歳以上）の四つの年齢期ごとに"
    "標準化されています。";
constexpr std::string_view kCaution =
    "この報告書の自動解釈は、経験的に確かめられた規則にもとづいて客観的に作成されたもので、"
    "あなたを理解するうえで役に立つ情報を多く含んでいます。ただし、その内容はあくまでも"
    "仮説であり、すべての方に必ずあてはまるとは限りません。ご自分の性格や生き方を"
    "ふり返るための参考資料としてお読みください。";

constexpr std::string_view kGroupLinePrefix = "なお、あなたは<< ";
constexpr std::string_view kGroupLineSuffix = " >>で分析されました。";

// Every fixed text of the face sheet in Shift-JIS, converted once.
struct Texts {
    std::array<std::string, 9> box;
    std::string date, time, recordHeading, fileLabel, ageUnit;
    std::array<std::string, 11> recordLabels;
    std::string introduction, caution, groupPrefix, groupSuffix;
};

std::string PaddedBoxLine(std::string_view utf8)
{
    std::string line = sjis::FromUtf8(utf8);
    if (line.size() > static_cast<std::size_t>(kTitleBoxBytes))
        throw common::InternalError("title box line longer than 70 bytes");
    line.resize(kTitleBoxBytes, ' ');
    return line;
}

const Texts& FaceSheetTexts()
{
    static const Texts texts = [] {
        Texts t;
        for (std::size_t i = 0; i < kTitleBox.size(); ++i)
            t.box[i] = PaddedBoxLine(kTitleBox[i]);
        t.date = sjis::FromUtf8(kDateLabel);
        t.time = sjis::FromUtf8(kTimeLabel);
        t.recordHeading = sjis::FromUtf8(kRecordHeading);
        t.fileLabel = sjis::FromUtf8(kFileLabel);
        t.ageUnit = sjis::FromUtf8(kAgeUnit);
        for (std::size_t i = 0; i < kRecordRows.size(); ++i)
            t.recordLabels[i] = sjis::FromUtf8(kRecordRows[i].label);
        t.introduction = sjis::FromUtf8(kIntroduction);
        t.caution = sjis::FromUtf8(kCaution);
        t.groupPrefix = sjis::FromUtf8(kGroupLinePrefix);
        t.groupSuffix = sjis::FromUtf8(kGroupLineSuffix);
        return t;
    }();
    return texts;
}

void EmptyLines(common::OutputFile& out, int count)
{
    for (int i = 0; i < count; ++i)
        out.WriteLine();
}

// Length in bytes of the well-formed UTF-8 sequence at text[at], 0 if
// there is none.
std::size_t Utf8SequenceLength(std::string_view text, std::size_t at)
{
    const auto lead = static_cast<unsigned char>(text[at]);
    std::size_t length = lead < 0x80                   ? 1
                         : lead >= 0xC2 && lead <= 0xDF ? 2
                         : lead >= 0xE0 && lead <= 0xEF ? 3
                         : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                        : 0;
    if (at + length > text.size())
        return 0;
    for (std::size_t k = 1; k < length; ++k)
        if ((static_cast<unsigned char>(text[at + k]) & 0xC0) != 0x80)
            return 0;
    return length;
}

}  // namespace

BoxMargins TitleBoxMargins(int lineWidth)
{
    const int left = (lineWidth - kTitleBoxBytes) / 2;  // C++ truncates towards zero
    const int right = lineWidth - kTitleBoxBytes - left;
    return {left >= 3 ? left - 2 : 0, right >= 2 ? right - 2 : 0};
}

const std::string& FaceSheetGroupLabel(int age)
{
    static const std::array<std::string, 5> labels{
        sjis::FromUtf8("青年期基準"), sjis::FromUtf8("成人前期基準"),
        sjis::FromUtf8("成人中期基準"), sjis::FromUtf8("成人後期基準"),
        sjis::FromUtf8("コンピュータ基準(大学生)")};
    if (age >= 1 && age <= 22) return labels[0];
    if (age >= 23 && age <= 39) return labels[1];
    if (age >= 40 && age <= 59) return labels[2];
    if (age >= 60 && age <= 99) return labels[3];
    return labels[4];
}

std::string ReportFileName(const std::string& basePath)
{
    const std::string name = common::FileNameOf(basePath);
    // ASCII is the same in both encodings; most subject names are ASCII.
    if (std::all_of(name.begin(), name.end(), [](char c) { return (c & 0x80) == 0; }))
        return name;
    if (auto converted = sjis::TryFromUtf8(name))
        return *converted;
    std::string out;
    std::size_t i = 0;
    while (i < name.size()) {
        const std::size_t length = Utf8SequenceLength(name, i);
        if (length == 0) {  // a byte that opens no UTF-8 character
            out += '?';
            ++i;
            continue;
        }
        auto piece = sjis::TryFromUtf8(std::string_view(name).substr(i, length));
        out += piece ? *piece : "?";
        i += length;
    }
    return out;
}

void PrintFaceSheet(RunState& state)
{
    const Texts& t = FaceSheetTexts();
    common::OutputFile& out = state.ReportFile;
    const int width = LineWidth(state);
    const bool oneColumn = state.settings.onecolumn == "TRUE";

    const std::string doubleRule = SeparatorLine(width, '=');
    const std::string rule = SeparatorLine(width, '-');

    out.Write(doubleRule);
    const BoxMargins margins = TitleBoxMargins(width);
    const std::string leading(static_cast<std::size_t>(margins.leading), ' ');
    const std::string trailing(static_cast<std::size_t>(margins.trailing), ' ');
    for (const std::string& boxLine : t.box) {
        out.Write(leading);
        out.Write(boxLine);
        out.Write(trailing);
        out.WriteLine();
    }
    out.Write(doubleRule);
    EmptyLines(out, oneColumn ? 3 : 1);

    out.Write(t.date);
    out.WriteLine(state.StartDate);
    out.Write(t.time);
    out.WriteLine(state.StartTime);
    if (oneColumn)
        EmptyLines(out, 2);
    out.Write(rule);

    out.WriteLine(t.recordHeading);
    out.WriteLine();
    out.Write(t.fileLabel);
    out.WriteLine(ReportFileName(state.BasePath));
    out.WriteLine();
    for (std::size_t i = 0; i < kRecordRows.size(); ++i) {
        const int remark = kRecordRows[i].remark;
        out.Write(t.recordLabels[i]);
        out.Write(remark == kSexLine ? state.Sex : state.Remarks[remark]);
        if (remark == kAgeLine)
            out.Write(t.ageUnit);
        out.WriteLine();
    }
    out.Write(rule);
    EmptyLines(out, oneColumn ? 4 : 1);
    out.Write(rule);

    out.WriteLine(t.introduction);
    out.WriteLine(t.caution);
    out.Write(t.groupPrefix);
    out.Write(FaceSheetGroupLabel(state.Age));
    out.WriteLine(t.groupSuffix);
    out.Write(rule);
    NewPage(state);
}

}  // namespace varenta
