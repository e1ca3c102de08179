// Scoring and the report of one subject written to memory, as the run
// driver produces it after the answers are loaded; and, separately, the two
// score files that go beside the subject.
#include "varenta/interpretation/chkcode.h"
#include "varenta/interpretation/chkrule.h"
#include "varenta/report/face_sheet.h"
#include "varenta/report/profile_chart.h"
#include "varenta/report/report_channel.h"
#include "varenta/report/score_output.h"
#include "varenta/scoring/scoring.h"
#include "../tests/report_fixture.h"

#include <benchmark/benchmark.h>

namespace varenta {
namespace {

// Everything of the report stream; the interpretation section is left out
// because its writer also writes the interpretation file beside the subject.
void BM_ScoreAndReportToMemory(benchmark::State& bench)
{
    testing::TempWorkDir dir;
    for (auto _ : bench) {
        RunState state;
        testing::LoadSampleSubject(state, dir / "YAMADA");
        state.settings.graphic = "OFF";
        ScoreRawScales(state);
        if (auto group = NormGroupForAge(state.Age))
            ConvertToStandardScores(state, *group);
        state.ReportFile.OpenMemory();
        PrintFaceSheet(state);
        RunRules(state);
        ClassifyType(state);
        PrintProfileChart(state);
        PrintScoreTables(state);
        CloseReport(state);
        benchmark::DoNotOptimize(state.ReportFile.Memory().data());
    }
}
BENCHMARK(BM_ScoreAndReportToMemory);

// The two score files, each replaced atomically (written, synced, renamed).
void BM_WriteScoreFiles(benchmark::State& bench)
{
    testing::TempWorkDir dir;
    RunState state;
    testing::LoadSampleSubject(state, dir / "YAMADA");
    ScoreRawScales(state);
    ConvertToStandardScores(state, NormGroup::Adult1);
    for (auto _ : bench)
        WriteScoreFiles(state);
}
BENCHMARK(BM_WriteScoreFiles)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace varenta

BENCHMARK_MAIN();
