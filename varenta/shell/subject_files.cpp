#include "subject_files.h"

#include "common/errors.h"
#include "common/ini_file.h"
#include "common/sjis.h"
#include "common/text_file.h"

namespace varenta {

std::string AnswerPath(const std::string& basePath) { return basePath + std::string(kAnswerSuffix); }
std::string RemarksPath(const std::string& basePath) { return basePath + std::string(kRemarksSuffix); }
std::string NameFilePath(const std::string& basePath) { return basePath + std::string(kNameSuffix); }

namespace {

bool isBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }

std::string firstLine(std::string_view bytes)
{
    std::size_t lf = bytes.find('\n');
    std::string_view line = bytes.substr(0, lf);
    if (lf != std::string_view::npos && !line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    return std::string(line);
}

}  // namespace

AnswerFileContent ParseAnswerFile(std::string_view bytes)
{
    AnswerFileContent content;
    std::size_t lf = bytes.find('\n');
    content.sex = firstLine(bytes);
    std::size_t pos = lf == std::string_view::npos ? bytes.size() : lf + 1;
    while (content.answers.size() < static_cast<std::size_t>(kItemCount)) {
        while (pos < bytes.size() && isBlank(bytes[pos]))
            ++pos;
        if (pos >= bytes.size())
            break;  // nothing left: the read reaches the end of the file
        std::size_t start = pos;
        while (pos < bytes.size() && !isBlank(bytes[pos]))
            ++pos;
        std::string_view token = bytes.substr(start, pos - start);
        auto value = common::ParseWholeNumber(token);
        if (!value)
            throw common::InputError("answer file: \"" + std::string(token) +
                                     "\" is not a whole number");
        if (pos >= bytes.size())
            break;  // the file ends right after this field: it is not stored
        content.answers.push_back(*value);
    }
    return content;
}

std::string FormatAnswerFile(std::string_view sex, const std::vector<int>& answers)
{
    std::string out(sex);
    out += common::kCrLf;
    for (int a : answers) {
        std::string field = std::to_string(a);
        if (field.size() < 4)
            field.insert(0, 4 - field.size(), ' ');
        out += field;
    }
    out += common::kCrLf;
    return out;
}

void WriteAnswerFile(const RunState& state, int count)
{
    std::vector<int> answers;
    for (int i = 1; i <= count && i <= kItemCount; ++i)
        answers.push_back(state.Answers[i]);
    common::WriteFileAtomically(AnswerPath(state.BasePath), FormatAnswerFile(state.Sex, answers));
}

void LoadAnswerFile(RunState& state)
{
    AnswerFileContent content = ParseAnswerFile(common::ReadFile(AnswerPath(state.BasePath)));
    state.Sex = content.sex;
    int n = 0;
    for (int a : content.answers)
        state.Answers[++n] = a;
    state.CurrentItem = n;
}

std::vector<std::string> ParseRemarks(std::string_view bytes)
{
    std::vector<std::string> lines = common::SplitLines(bytes);
    lines.resize(kRemarkLines);
    for (auto& line : lines)
        line = std::string(sjis::CutBytes(line, kRemarkBytes));
    return lines;
}

std::string FormatRemarks(const std::vector<std::string>& lines)
{
    std::string out;
    for (int i = 0; i < kRemarkLines; ++i) {
        if (static_cast<std::size_t>(i) < lines.size())
            out += sjis::CutBytes(lines[static_cast<std::size_t>(i)], kRemarkBytes);
        out += common::kCrLf;
    }
    return out;
}

void WriteRemarksFile(const RunState& state)
{
    std::vector<std::string> lines(state.Remarks.begin(), state.Remarks.end());
    common::WriteFileAtomically(RemarksPath(state.BasePath), FormatRemarks(lines));
}

void ReadRemarksInto(RunState& state)
{
    std::vector<std::string> lines = ParseRemarks(common::ReadFile(RemarksPath(state.BasePath)));
    for (int i = 1; i <= kRemarkLines; ++i)
        state.Remarks[i] = lines[static_cast<std::size_t>(i - 1)];
}

std::string ReadHandOffBasePath(const std::string& handOffPath)
{
    return sjis::ToUtf8(firstLine(common::ReadFile(handOffPath)));
}

void WriteHandOffFile(const std::string& handOffPath, const std::string& basePath, int cardNumber)
{
    common::WriteFileAtomically(
        handOffPath, common::JoinCrLfLines({sjis::FromUtf8(basePath), std::to_string(cardNumber)}));
}

std::string ReadNameFile(const std::string& basePath)
{
    const std::string path = NameFilePath(basePath);
    if (!common::FileExists(path))
        return {};
    return std::string(sjis::CutBytes(firstLine(common::ReadFile(path)), kRemarkBytes));
}

std::vector<std::string> LoadItemFile(const std::string& path)
{
    std::vector<std::string> items = common::SplitLines(common::ReadFile(path));
    if (items.size() < static_cast<std::size_t>(kItemCount))
        throw common::InputError("item file " + path + " holds " + std::to_string(items.size()) +
                                 " lines; 70 are needed");
    items.insert(items.begin(), std::string());
    return items;
}

}  // namespace varenta
