#pragma once
// Shared pieces of the report tests: a temporary working directory (the
// report work files "$$$" and "VR.$$$" live in the current directory) and a
// known sample subject.
#include "common/sjis.h"
#include "common/testing/temp_dir.h"
#include "varenta/shell/run_state.h"

#include <array>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace varenta::testing {

using TempWorkDir = testsupport::WorkDir;

// Answers of the sample subject, items 1..70: 1 はい, -1 いいえ, 0 ？.
// Raw scores ? 3, F 4, Att 4, E 10, A 3, C 5, N 7, O 6.
inline constexpr std::array<int, 70> kSampleAnswers{
     1, -1,  1, -1, -1,  1, -1,  1,  1,  1,   //  1-10
     1,  1, -1, -1, -1,  1,  1, -1, -1, -1,   // 11-20
    -1, -1, -1, -1,  1,  1, -1,  1,  1,  1,   // 21-30
     1,  1,  1,  1, -1,  1, -1,  1,  1, -1,   // 31-40
     1,  1, -1, -1, -1, -1, -1,  1,  1, -1,   // 41-50
    -1, -1, -1, -1,  1, -1,  1, -1,  1, -1,   // 51-60
    -1,  0,  1,  0, -1,  1,  1, -1,  1,  0,   // 61-70
};

// The sample subject "YAMADA", 35 years old, with a fixed start moment and
// the report stream open in memory. basePath is the subject's base path.
inline void LoadSampleSubject(RunState& state, const std::string& basePath)
{
    for (int item = 1; item <= kItemCount; ++item)
        state.Answers[item] = kSampleAnswers[static_cast<std::size_t>(item - 1)];
    state.Age = 35;
    state.Sex = "FEMALE";
    state.BasePath = basePath;
    state.StartDate = "2026/12/11";
    state.StartTime = "9:05:07";
    // Converted once: benchmarks load the subject on every iteration.
    static const std::array<std::string, 10> remarks = [] {
        const std::array<const char*, 10> utf8{
            "山田　花子", "35", "2026/12/10", "佐藤", "東京都杉並区",
            "大学卒", "会社員", "既婚", "兄1人、妹1人", "",
        };
        std::array<std::string, 10> converted;
        for (std::size_t i = 0; i < utf8.size(); ++i)
            converted[i] = sjis::FromUtf8(utf8[i]);
        return converted;
    }();
    for (int line = 1; line <= kRemarkLines; ++line)
        state.Remarks[line] = remarks[static_cast<std::size_t>(line - 1)];
    state.CurrentItem = kItemCount;
    state.HandOff = "OFF";
    state.OutputTarget = "PRN";
}

}  // namespace varenta::testing
