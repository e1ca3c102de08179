#include "ini_file.h"

#include "errors.h"
#include "text_file.h"

#include <climits>

namespace common {

namespace {

constexpr std::size_t npos = std::string::npos;

std::string_view trim(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

bool equalNoCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        unsigned char x = static_cast<unsigned char>(a[i]);
        unsigned char y = static_cast<unsigned char>(b[i]);
        if (x >= 'A' && x <= 'Z') x = static_cast<unsigned char>(x + 32);
        if (y >= 'A' && y <= 'Z') y = static_cast<unsigned char>(y + 32);
        if (x != y)
            return false;
    }
    return true;
}

// The name of a "[name]" line, or nullopt.
std::optional<std::string_view> sectionName(std::string_view line)
{
    line = trim(line);
    if (line.size() < 2 || line.front() != '[')
        return std::nullopt;
    std::size_t close = line.find(']');
    if (close == npos)
        return std::nullopt;
    return trim(line.substr(1, close - 1));
}

}  // namespace

std::optional<int> ParseWholeNumber(std::string_view text)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty())
        return std::nullopt;
    long long value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > static_cast<long long>(INT_MAX) + 1)
            return std::nullopt;
    }
    if (negative)
        value = -value;
    if (value < INT_MIN || value > INT_MAX)
        return std::nullopt;
    return static_cast<int>(value);
}

IniFile IniFile::Load(const std::string& path)
{
    if (!FileExists(path))
        return IniFile{};
    IniFile ini = Parse(ReadFile(path));
    ini.exists_ = true;
    return ini;
}

IniFile IniFile::Parse(std::string_view text)
{
    IniFile ini;
    ini.lines_ = SplitLines(text);
    ini.exists_ = true;
    return ini;
}

std::size_t IniFile::findSection(std::string_view section) const
{
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        auto name = sectionName(lines_[i]);
        if (name && equalNoCase(*name, section))
            return i;
    }
    return npos;
}

std::size_t IniFile::findKey(std::size_t sectionLine, std::string_view key) const
{
    for (std::size_t i = sectionLine + 1; i < lines_.size(); ++i) {
        if (sectionName(lines_[i]))
            break;
        std::string_view line = lines_[i];
        std::size_t eq = line.find('=');
        if (eq == npos)
            continue;
        std::string_view name = trim(line.substr(0, eq));
        if (!name.empty() && name.front() == ';')
            continue;
        if (equalNoCase(name, key))
            return i;
    }
    return npos;
}

std::optional<std::string> IniFile::Value(std::string_view section, std::string_view key) const
{
    std::size_t s = findSection(section);
    if (s == npos)
        return std::nullopt;
    std::size_t k = findKey(s, key);
    if (k == npos)
        return std::nullopt;
    std::string_view line = lines_[k];
    return std::string(trim(line.substr(line.find('=') + 1)));
}

std::string IniFile::ReadString(std::string_view section, std::string_view key,
                                std::string_view fallback) const
{
    auto v = Value(section, key);
    return v ? *v : std::string(fallback);
}

int IniFile::ReadInteger(std::string_view section, std::string_view key, int fallback) const
{
    auto v = Value(section, key);
    if (!v)
        return fallback;
    return ParseWholeNumber(*v).value_or(fallback);
}

void IniFile::WriteString(std::string_view section, std::string_view key, std::string_view value)
{
    std::string entry = std::string(key) + "=" + std::string(value);
    std::size_t s = findSection(section);
    if (s == npos) {
        if (!lines_.empty() && !trim(lines_.back()).empty())
            lines_.emplace_back();
        lines_.push_back("[" + std::string(section) + "]");
        lines_.push_back(entry);
        return;
    }
    std::size_t k = findKey(s, key);
    if (k != npos) {
        // Keep the key's spelling as the file has it.
        std::string_view line = lines_[k];
        lines_[k] = std::string(trim(line.substr(0, line.find('=')))) + "=" + std::string(value);
        return;
    }
    // Append after the section's last non-blank line.
    std::size_t insertAt = s + 1;
    for (std::size_t i = s + 1; i < lines_.size() && !sectionName(lines_[i]); ++i)
        if (!trim(lines_[i]).empty())
            insertAt = i + 1;
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(insertAt), entry);
}

void IniFile::WriteInteger(std::string_view section, std::string_view key, int value)
{
    WriteString(section, key, std::to_string(value));
}

std::string IniFile::Text() const
{
    return JoinCrLfLines(lines_);
}

void IniFile::Save(const std::string& path) const
{
    WriteFileAtomically(path, Text());
}

}  // namespace common
