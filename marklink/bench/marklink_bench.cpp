// Exchange times through the emulated reader:
//  - one status exchange over the seqpacket socket (the USB stand-in);
//  - a 300-byte reply over a pseudo-terminal at 9600 baud, with the emulator
//    pacing its bytes at the line rate, against the line-rate time
//    (bytes x 10 / baud = 312.5 ms), and without pacing (library overhead).
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

#include "marklink.h"
#include "reader_emulator.h"

namespace {

std::string MakeTempDir()
{
    char pattern[] = "/tmp/marklink-bench-XXXXXX";
    const char* made = ::mkdtemp(pattern);
    return made != nullptr ? made : "/tmp";
}

void BM_UsbStatusExchange(benchmark::State& state)
{
    const std::string dir = MakeTempDir();
    auto reader = emulator::ReaderEmulator::ServeSocket(dir + "/omr0");
    ::setenv("MARKLINK_USB_PATH", (dir + "/omr%d").c_str(), 1);
    if (OMR_OpenDeviceUSB() != 0) {
        state.SkipWithError("open failed");
        return;
    }
    for (auto _ : state) {
        if (OMR_GetStatus() != 0) {
            state.SkipWithError("exchange failed");
            break;
        }
    }
    OMR_CloseDevice();
    reader.reset();
    std::filesystem::remove_all(dir);
}
BENCHMARK(BM_UsbStatusExchange)->Unit(benchmark::kMicrosecond)->Repetitions(10)->ReportAggregatesOnly(true);

void SerialReply300(benchmark::State& state, bool paced)
{
    constexpr int kBaud = 9600;
    constexpr int kReplyBytes = 300;
    auto reader = emulator::ReaderEmulator::ServePseudoTerminal();
    reader->SetPayload("DL", std::string(kReplyBytes - 6, '5'));
    reader->SetLinePacing(paced);
    if (OMR_OpenDeviceSerial(reader->Path().c_str(), kBaud) != 0) {
        state.SkipWithError("open failed");
        return;
    }
    OMR_SetRecvTimeOut(5000);
    for (auto _ : state) {
        if (_OMR_SendCommandAndGetResponse("DL0") != 0) {
            state.SkipWithError("exchange failed");
            break;
        }
    }
    OMR_CloseDevice();
    state.counters["line_rate_ms"] = kReplyBytes * 10.0 * 1000.0 / kBaud;
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * kReplyBytes);
}

void BM_SerialReply300At9600Paced(benchmark::State& state)
{
    SerialReply300(state, true);
}
BENCHMARK(BM_SerialReply300At9600Paced)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3)->Repetitions(3)->ReportAggregatesOnly(true);

void BM_SerialReply300Unpaced(benchmark::State& state)
{
    SerialReply300(state, false);
}
BENCHMARK(BM_SerialReply300Unpaced)->Unit(benchmark::kMicrosecond)->UseRealTime()->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
