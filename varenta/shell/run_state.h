#pragma once
// The run state of one Varenta (or Sheetrun) program run.
//
// One RunState is created at program start, filled during the single run and
// discarded at its end; nothing is ever reset. Every stage receives it by
// reference. Texts are Shift-JIS bytes exactly as the files hold them; paths
// (BasePath, TypedName, DataDirectory) are native file-system strings.
#include "common/text_file.h"
#include "varenta/shell/one_based.h"

#include <string>

namespace varenta {

inline constexpr int kItemCount = 70;
inline constexpr int kScaleCount = 8;
inline constexpr int kRemarkLines = 10;
inline constexpr int kRemarkBytes = 80;
inline constexpr int kRuleCapacity = 310;
inline constexpr int kMessageCapacity = 75;
inline constexpr int kFragmentCapacity = 30;

// Scale positions in the order every table lists them.
enum Scale : int {
    kUndecided = 1,  // ? 不応答
    kFrequency = 2,  // F 頻度
    kAttitude = 3,   // Att 建前
    kExtraversion = 4,
    kAgreeableness = 5,
    kConscientiousness = 6,
    kStability = 7,  // N 情緒安定性
    kOpenness = 8,
};

// Values read from varenta.ini ([Setup], [Page Design]); see settings.h.
struct Settings {
    std::string directory;
    std::string ai = "ON";
    std::string graphic = "ON";
    std::string connect = "ON";
    std::string onecolumn = "TRUE";
    std::string fontname;
    int number_of_letters = 80;
    int sidemargin = 80;
    int topmargin = 20;
    int headsep = 20;
    int headheight = 40;
    int footskip = 60;
    int footheight = 40;
    int columnsep = 20;
};

struct FormGeometry {
    int Left = 0;
    int Top = 0;
    int Width = 540;
    int Height = 420;
    bool operator==(const FormGeometry&) const = default;
};

struct RunState {
    // Captures StartDate and StartTime from the clock.
    RunState();

    OneBased<int, kItemCount> Answers;
    OneBased<int, kScaleCount> RawScores;
    OneBased<int, kScaleCount> StandardScores;
    int CurrentItem = 0;
    int SaveCount = 0;
    int Age = -1;
    std::string Sex;
    std::string BasePath;
    std::string TypedName;
    std::string DataDirectory;
    std::string ItemText;
    OneBased<std::string, kRemarkLines> Remarks;
    std::string HandOff;
    std::string OutputTarget;
    std::string StartDate;  // "2026/12/11"
    std::string StartTime;  // "9:21:39"
    std::string CodeType;
    bool TypeFound = false;
    std::string ImpressionText;
    OneBased<bool, kRuleCapacity> RuleFired;
    OneBased<int, kRuleCapacity> MessageRule;
    int MessageCount = 0;
    OneBased<std::string, kMessageCapacity> MessageSlots;
    // Scratch area in which every interpretive text is assembled (messlib.h).
    OneBased<std::string, kFragmentCapacity> Fragments;
    common::OutputFile ReportFile;

    Settings settings;
    FormGeometry form;
};

// The system's short date and long time as a Japanese desktop shows them:
// "2026/12/11" and "9:21:39" (hour without a leading zero).
std::string FormatShortDate(int year, int month, int day);
std::string FormatLongTime(int hour, int minute, int second);

}  // namespace varenta
