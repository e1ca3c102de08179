#include "varenta/report/forms/print_pages.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace varenta {
namespace {

using Lines = std::vector<std::string>;
using Pages = std::vector<Lines>;

Pages Printed(const Lines& lines, int linesPerPage)
{
    Pages pages;
    for (const auto& page : PaginateForPrint(lines, linesPerPage)) {
        Lines texts;
        for (std::size_t i : page)
            texts.push_back(lines[i]);
        pages.push_back(texts);
    }
    return pages;
}

struct PaginationCase {
    const char* name;
    Lines lines;
    int linesPerPage;
    Pages expected;
};

TEST(PaginateForPrint, HonoursTheDirectives)
{
    const PaginationCase cases[] = {
        {"no directives", {"a", "b"}, 50, {{"a", "b"}}},
        {"nothing", {}, 50, {}},
        {"sections, the last newpage makes no blank sheet",
         {"face", "\\newpage", "body", "", "\\newpage"}, 50, {{"face"}, {"body", ""}}},
        {"chart framed for the graphic profile",
         {"face", "\\newpage", "\\skipprint", "chart", "\\newpage", "\\startprint", "text",
          "\\newpage", "scores", "\\newpage"},
         50, {{"face"}, {"text"}, {"scores"}}},
        {"skipprint without startprint leaves out the rest",
         {"a", "\\skipprint", "b", "\\newpage", "c"}, 50, {{"a"}}},
        {"a section longer than a sheet runs on",
         {"1", "2", "3", "4", "5"}, 2, {{"1", "2"}, {"3", "4"}, {"5"}}},
        {"newpage right after a full sheet",
         {"1", "2", "\\newpage", "3"}, 2, {{"1", "2"}, {"3"}}},
        {"a page of blank lines is not printed",
         {"a", "\\newpage", "", "", "\\newpage", "b"}, 50, {{"a"}, {"b"}}},
        {"only whole lines are directives",
         {"\\newpage ", " \\skipprint", "\\NEWPAGE"}, 50, {{"\\newpage ", " \\skipprint", "\\NEWPAGE"}}},
        {"lines per page below one count as one", {"a", "b"}, 0, {{"a"}, {"b"}}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Printed(c.lines, c.linesPerPage), c.expected) << c.name;
}

TEST(ReportLines, SplitsAtEveryKindOfLineEnd)
{
    struct Case {
        std::string bytes;
        Lines expected;
    };
    const Case cases[] = {
        {"", {}},
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\r\n\r\nb", {"a", "", "b"}},
        // Paragraphs of a type description are separated by LF CR.
        {"para one\n\rpara two\r\n", {"para one", "para two"}},
        {"lf\nonly\rcr", {"lf", "only", "cr"}},
        // A Shift-JIS character whose second byte is a backslash stays whole.
        {"\x95\x5c\r\n\\newpage\r\n", {"\x95\x5c", "\\newpage"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ReportLines(c.bytes), c.expected) << c.bytes;
}

}  // namespace
}  // namespace varenta
