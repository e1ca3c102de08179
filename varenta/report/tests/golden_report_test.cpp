// Whole-byte comparisons of the face sheet and the score tables of a known
// subject with reviewed reports (Shift-JIS, CR LF) under golden/.
//
// On a mismatch the produced bytes are written beside the test's temporary
// files for review; VARENTA_UPDATE_GOLDEN=1 rewrites the golden files
// themselves (review them before committing).
#include "report_fixture.h"

#include "common/text_file.h"
#include "varenta/report/face_sheet.h"
#include "varenta/report/report_channel.h"
#include "varenta/report/score_output.h"
#include "varenta/scoring/scoring.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <string>

namespace varenta {
namespace {

const std::string kGoldenDir = VARENTA_REPORT_GOLDEN_DIR;

// Scores the subject and writes the face sheet and the score tables, as
// the run driver does, into the open report stream.
void WriteSections(RunState& state)
{
    ScoreRawScales(state);
    if (auto group = NormGroupForAge(state.Age))
        ConvertToStandardScores(state, *group);
    PrintFaceSheet(state);
    OutputScores(state);
}

void ExpectMatchesGolden(const std::string& actual, const std::string& name)
{
    const std::string goldenPath = kGoldenDir + "/" + name;
    if (const char* update = std::getenv("VARENTA_UPDATE_GOLDEN"); update && std::string(update) == "1")
        common::WriteFileAtomically(goldenPath, actual);
    const std::string golden = common::ReadFile(goldenPath);
    if (actual != golden) {
        const std::string actualPath = ::testing::TempDir() + name + ".actual";
        common::WriteFileAtomically(actualPath, actual);
        ADD_FAILURE() << name << " differs from its golden file; produced bytes are in "
                      << actualPath;
    }
}

struct Variant {
    std::string name;  // also the golden file name
    std::function<void(RunState&)> change;
};

void PrintTo(const Variant& variant, std::ostream* os)
{
    *os << variant.name;
}

class GoldenReport : public ::testing::TestWithParam<Variant> {};

TEST_P(GoldenReport, FaceSheetAndScoreTables)
{
    testing::TempWorkDir dir;
    RunState state;
    testing::LoadSampleSubject(state, dir / "YAMADA");
    GetParam().change(state);
    state.ReportFile.OpenMemory();
    WriteSections(state);
    ExpectMatchesGolden(state.ReportFile.Memory(), GetParam().name);
}

INSTANTIATE_TEST_SUITE_P(
    Variants, GoldenReport,
    ::testing::Values(
        Variant{"sample.golden", [](RunState&) {}},
        Variant{"onecolumn_off.golden", [](RunState& s) { s.settings.onecolumn = "true"; }},
        Variant{"width_100.golden", [](RunState& s) { s.settings.number_of_letters = 100; }},
        Variant{"width_0.golden", [](RunState& s) { s.settings.number_of_letters = 0; }},
        Variant{"age_without_group.golden",
                [](RunState& s) {
                    s.Age = 151;
                    s.Remarks[2] = "151";
                }}),
    [](const auto& info) {
        std::string name = info.param.name;
        return name.substr(0, name.find('.'));
    });

// The same sections written through the printer work file "$$$" give the
// same bytes.
TEST(GoldenReportFile, PrinterWorkFileHoldsTheSameBytes)
{
    testing::TempWorkDir dir;
    RunState state;
    testing::LoadSampleSubject(state, dir / "YAMADA");
    OpenReport(state);
    WriteSections(state);
    CloseReport(state);
    EXPECT_EQ(common::ReadFile(dir / "$$$"), common::ReadFile(kGoldenDir + "/sample.golden"));
    EXPECT_EQ(common::ReadFile(dir / "YAMADA.RAW").size(), 34u);
}

}  // namespace
}  // namespace varenta
