#pragma once
// Profile (ini) files as the configuration files use them.
//
// Section and key names match without regard to ASCII case; values are the
// bytes after "=", with surrounding blanks removed, and are compared by the
// caller exactly. Writing a key edits only that line (or adds it), so every
// other section, key, comment and blank line of the file stays as it was.
// Lines are written back with CR LF.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace common {

class IniFile {
public:
    IniFile() = default;

    // Reads path; a missing file gives an empty profile (Exists() false).
    // Any other read failure throws IoError.
    static IniFile Load(const std::string& path);
    static IniFile Parse(std::string_view text);

    bool Exists() const { return exists_; }

    std::optional<std::string> Value(std::string_view section, std::string_view key) const;
    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view fallback) const;
    // A missing value or one that is not a whole number in int range gives
    // the fallback.
    int ReadInteger(std::string_view section, std::string_view key, int fallback) const;

    void WriteString(std::string_view section, std::string_view key, std::string_view value);
    void WriteInteger(std::string_view section, std::string_view key, int value);

    std::string Text() const;
    // Replaces path atomically with Text().
    void Save(const std::string& path) const;

private:
    // Index of the section header line, or npos.
    std::size_t findSection(std::string_view section) const;
    std::size_t findKey(std::size_t sectionLine, std::string_view key) const;

    std::vector<std::string> lines_;
    bool exists_ = false;
};

// Parses an optional blank prefix, sign and decimal digits filling the whole
// text; nullopt for anything else or a value outside int range.
std::optional<int> ParseWholeNumber(std::string_view text);

}  // namespace common
