#pragma once
// The files that cross between Varenta runs and between Sheetrun and
// Varenta: answer file (.VRT), remarks file (.REM), hand-off file
// "CARD.$$$", name file (.TXT beside the subject) and the item file.
//
// All are Shift-JIS with CR LF line ends. Answer and remarks files are
// replaced atomically. Both programs write them through these functions,
// so their bytes are identical for the same data.
#include "varenta/shell/run_state.h"

#include <string>
#include <string_view>
#include <vector>

namespace varenta {

inline constexpr std::string_view kAnswerSuffix = ".VRT";
inline constexpr std::string_view kRemarksSuffix = ".REM";
inline constexpr std::string_view kNameSuffix = ".TXT";
inline constexpr std::string_view kHandOffFile = "CARD.$$$";

std::string AnswerPath(const std::string& basePath);
std::string RemarksPath(const std::string& basePath);
std::string NameFilePath(const std::string& basePath);

// --- answer file -----------------------------------------------------------

struct AnswerFileContent {
    std::string sex;           // line 1 as it stands
    std::vector<int> answers;  // at most 70, item 1 first
};

// Reads like the questionnaire's reader: line 1 is the sex; then up to 70
// integers, each after blanks, CR and LF; an integer after which the file
// ends is not stored (so a last line without CR LF loses its last answer).
// A token that is not a whole number throws common::InputError.
AnswerFileContent ParseAnswerFile(std::string_view bytes);

// "sex" CR LF, each answer right-aligned in 4 columns, CR LF.
std::string FormatAnswerFile(std::string_view sex, const std::vector<int>& answers);

// Writes Sex and Answers 1..count of the state atomically to
// BasePath + ".VRT".
void WriteAnswerFile(const RunState& state, int count);

// Reads BasePath + ".VRT" into Sex, Answers and CurrentItem.
void LoadAnswerFile(RunState& state);

// --- remarks file ----------------------------------------------------------

// Ten lines, each at most 80 bytes (cut at the last whole character); the
// rest of a longer line is skipped; missing lines are empty.
std::vector<std::string> ParseRemarks(std::string_view bytes);

// Ten lines, each cut to 80 bytes, each ending CR LF.
std::string FormatRemarks(const std::vector<std::string>& lines);

// Writes Remarks 1..10 atomically to BasePath + ".REM".
void WriteRemarksFile(const RunState& state);

// Reads BasePath + ".REM" into Remarks 1..10. Throws IoError.
void ReadRemarksInto(RunState& state);

// --- hand-off file -------------------------------------------------------------

// Line 1 of "CARD.$$$" (a Shift-JIS path) as a native path.
std::string ReadHandOffBasePath(const std::string& handOffPath);

// Replaces handOffPath with the base path and the card number.
void WriteHandOffFile(const std::string& handOffPath, const std::string& basePath,
                      int cardNumber);

// --- name file and item file -------------------------------------------------

// First line of BasePath + ".TXT" cut to 80 bytes; empty when the file does
// not exist. An existing file that cannot be read throws IoError.
std::string ReadNameFile(const std::string& basePath);

// The item file with one empty line in front, so that element i is item i.
// Throws IoError when it cannot be read, common::InputError when it holds
// fewer than 70 lines.
std::vector<std::string> LoadItemFile(const std::string& path);

}  // namespace varenta
