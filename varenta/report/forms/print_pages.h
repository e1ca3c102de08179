#pragma once
// Which report lines a printed copy holds, and on which page.
//
// The report stream carries three directive lines (each alone on its line):
//   "\newpage"    the next printed line starts a new page;
//   "\skipprint"  the lines from here on are left out of the printed copy;
//   "\startprint" printing resumes with the next line.
// Directive lines are never printed themselves. Lines between "\skipprint"
// and "\startprint" are left out together with any "\newpage" among them.
// A page break never produces a blank sheet: "\newpage" on a page that has
// no printed line yet does nothing, and a page that would hold only empty
// lines is dropped. A page longer than linesPerPage continues on the next
// sheet. A "\skipprint" without its "\startprint" leaves out the rest of
// the report.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace varenta {

inline constexpr std::string_view kNewPageDirective = "\\newpage";
inline constexpr std::string_view kSkipPrintDirective = "\\skipprint";
inline constexpr std::string_view kStartPrintDirective = "\\startprint";

// The printed pages, each a list of indices into lines. linesPerPage below 1
// counts as 1.
std::vector<std::vector<std::size_t>> PaginateForPrint(const std::vector<std::string>& lines,
                                                       int linesPerPage);

// The lines of a report file's bytes. CR LF ends a line, and so do the two
// bytes LF CR with which interpretive texts separate their paragraphs; a
// lone CR or LF also breaks the line. A last line without a line end is
// still a line.
std::vector<std::string> ReportLines(std::string_view bytes);

}  // namespace varenta
