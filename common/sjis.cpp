#include "sjis.h"

#include "errors.h"

#include <cerrno>
#include <iconv.h>

namespace sjis {

namespace {

// Converts with glibc iconv. On failure returns false and the offset of the
// offending input byte.
bool convert(const char* to, const char* from, std::string_view in, std::string& out,
             std::size_t& badOffset, bool lenient)
{
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1))
        throw common::InputError(std::string("no converter from ") + from + " to " + to);
    out.clear();
    out.resize(in.size() * 4 + 16);
    char* inPtr = const_cast<char*>(in.data());
    std::size_t inLeft = in.size();
    char* outPtr = out.data();
    std::size_t outLeft = out.size();
    bool ok = true;
    while (inLeft > 0) {
        std::size_t r = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
        if (r != static_cast<std::size_t>(-1))
            break;
        if (errno == E2BIG) {
            std::size_t used = static_cast<std::size_t>(outPtr - out.data());
            out.resize(out.size() * 2);
            outPtr = out.data() + used;
            outLeft = out.size() - used;
            continue;
        }
        if (lenient) {
            // Show the undecodable byte as U+FFFD and go on after it.
            static const char replacement[] = "\xEF\xBF\xBD";
            if (outLeft < 3) {
                std::size_t used = static_cast<std::size_t>(outPtr - out.data());
                out.resize(out.size() * 2);
                outPtr = out.data() + used;
                outLeft = out.size() - used;
            }
            for (char c : std::string_view(replacement, 3)) {
                *outPtr++ = c;
                --outLeft;
            }
            ++inPtr;
            --inLeft;
            continue;
        }
        badOffset = static_cast<std::size_t>(inPtr - in.data());
        ok = false;
        break;
    }
    out.resize(static_cast<std::size_t>(outPtr - out.data()));
    iconv_close(cd);
    return ok;
}

std::string hexByte(unsigned char b)
{
    static const char digits[] = "0123456789ABCDEF";
    return {digits[b >> 4], digits[b & 15]};
}

}  // namespace

std::string FromUtf8(std::string_view utf8)
{
    std::string out;
    std::size_t bad = 0;
    if (!convert("CP932", "UTF-8", utf8, out, bad, false)) {
        // Name the character that has no CP932 form.
        std::size_t len = 1;
        unsigned char lead = static_cast<unsigned char>(utf8[bad]);
        if (lead >= 0xF0) len = 4;
        else if (lead >= 0xE0) len = 3;
        else if (lead >= 0xC0) len = 2;
        throw common::InputError("character not representable in Shift-JIS: \"" +
                                 std::string(utf8.substr(bad, len)) + "\"");
    }
    return out;
}

std::optional<std::string> TryFromUtf8(std::string_view utf8)
{
    std::string out;
    std::size_t bad = 0;
    if (!convert("CP932", "UTF-8", utf8, out, bad, false))
        return std::nullopt;
    return out;
}

std::string ToUtf8(std::string_view cp932)
{
    std::string out;
    std::size_t bad = 0;
    if (!convert("UTF-8", "CP932", cp932, out, bad, false))
        throw common::InputError("invalid Shift-JIS byte 0x" +
                                 hexByte(static_cast<unsigned char>(cp932[bad])) +
                                 " at offset " + std::to_string(bad));
    return out;
}

std::string ToUtf8Lenient(std::string_view cp932)
{
    std::string out;
    std::size_t bad = 0;
    convert("UTF-8", "CP932", cp932, out, bad, true);
    return out;
}

std::string_view CutBytes(std::string_view text, std::size_t maxBytes)
{
    if (text.size() <= maxBytes)
        return text;
    std::size_t end = 0;
    while (end < text.size()) {
        std::size_t width = IsLeadByte(static_cast<unsigned char>(text[end])) ? 2 : 1;
        if (end + width > maxBytes)
            break;
        end += width;
    }
    return text.substr(0, end);
}

std::size_t RowEnd(std::string_view text, std::size_t from, std::size_t rowBytes)
{
    if (from >= text.size())
        return text.size();
    return from + CutBytes(text.substr(from), rowBytes).size();
}

}  // namespace sjis
