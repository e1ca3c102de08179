// Converts a UTF-8 text file into Shift-JIS with CR LF line ends.
// Usage: to_sjis_crlf <input.utf8> <output>
#include "common/errors.h"
#include "common/sjis.h"
#include "common/text_file.h"

#include <cstdio>
#include <exception>

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <input.utf8> <output>\n", argv[0]);
        return 2;
    }
    try {
        std::string out;
        for (const auto& line : common::SplitLines(common::ReadFile(argv[1]))) {
            out += sjis::FromUtf8(line);
            out += common::kCrLf;
        }
        common::WriteFileAtomically(argv[2], out);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s: %s\n", argv[1], e.what());
        return 1;
    }
    return 0;
}
