#pragma once
// Shift-JIS (code page 932) text handling.
//
// Every text of the run state and of every file is a byte string in CP932.
// Literals in the source are UTF-8 and pass through here once; the GUI
// converts at its edge. Nothing is ever replaced silently: a character that
// has no counterpart makes the conversion fail.
#include <optional>
#include <string>
#include <string_view>

namespace sjis {

// UTF-8 to CP932. Throws common::InputError naming the first character that
// CP932 cannot hold, or malformed UTF-8.
std::string FromUtf8(std::string_view utf8);

// Like FromUtf8, but reports failure as an empty optional.
std::optional<std::string> TryFromUtf8(std::string_view utf8);

// CP932 to UTF-8. Throws common::InputError on bytes that are not CP932.
std::string ToUtf8(std::string_view cp932);

// CP932 to UTF-8 for display: a byte that cannot be decoded is shown as
// U+FFFD instead of failing (used where a damaged file must still be shown).
std::string ToUtf8Lenient(std::string_view cp932);

// True when the byte opens a double-byte character.
constexpr bool IsLeadByte(unsigned char byte)
{
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

// The longest prefix of text that is at most maxBytes long and does not end
// in the middle of a double-byte character.
std::string_view CutBytes(std::string_view text, std::size_t maxBytes);

// The rows of at most rowBytes bytes each into which text breaks when every
// row ends at the last whole character (used for item rows).
// Returns the byte offset where the row starting at `from` ends.
std::size_t RowEnd(std::string_view text, std::size_t from, std::size_t rowBytes);

}  // namespace sjis

// Defines `const std::string& name()`: the system's fixed text utf8,
// converted to CP932 once, on first use (a text that CP932 cannot hold
// throws there, which the tests over every text catch).
#define SJIS_FIXED_TEXT(name, utf8)                               \
    const std::string& name()                                     \
    {                                                             \
        static const std::string text = ::sjis::FromUtf8(utf8);   \
        return text;                                              \
    }
