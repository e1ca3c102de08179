#include "print_pages.h"

#include <algorithm>

namespace varenta {

std::vector<std::vector<std::size_t>> PaginateForPrint(const std::vector<std::string>& lines,
                                                       int linesPerPage)
{
    const std::size_t perPage = static_cast<std::size_t>(std::max(linesPerPage, 1));
    std::vector<std::vector<std::size_t>> pages;
    std::vector<std::size_t> page;
    auto endPage = [&] {
        bool blank = std::all_of(page.begin(), page.end(),
                                 [&](std::size_t i) { return lines[i].empty(); });
        if (!blank)
            pages.push_back(page);
        page.clear();
    };

    bool skipping = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        if (line == kStartPrintDirective) {
            skipping = false;
            continue;
        }
        if (skipping)
            continue;
        if (line == kSkipPrintDirective) {
            skipping = true;
            continue;
        }
        if (line == kNewPageDirective) {
            if (!page.empty())
                endPage();
            continue;
        }
        if (page.size() == perPage)
            endPage();
        page.push_back(i);
    }
    if (!page.empty())
        endPage();
    return pages;
}

std::vector<std::string> ReportLines(std::string_view bytes)
{
    std::vector<std::string> lines;
    std::string line;
    std::size_t i = 0;
    while (i < bytes.size()) {
        char c = bytes[i];
        if (c == '\r' || c == '\n') {
            lines.push_back(std::move(line));
            line.clear();
            char other = c == '\r' ? '\n' : '\r';
            i += (i + 1 < bytes.size() && bytes[i + 1] == other) ? 2 : 1;
            continue;
        }
        line += c;
        ++i;
    }
    if (!line.empty())
        lines.push_back(std::move(line));
    return lines;
}

}  // namespace varenta
