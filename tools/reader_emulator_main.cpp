// reader-emulator: serves an emulated KR-7700 reader until interrupted.
//
//   reader-emulator --socket PATH [options]   USB stand-in: set
//                                             MARKLINK_USB_PATH to a pattern
//                                             that names PATH (e.g. PATH
//                                             ending in 0 and the pattern's
//                                             "%d" in its place)
//   reader-emulator --pty [options]           serial stand-in: prints the
//                                             port to pass to
//                                             OMR_OpenDeviceSerial
// Options:
//   --status P0P1           status pairs of every reply, e.g. Q1@@
//   --payload PREFIX=TEXT   payload of the replies to commands starting
//                           with PREFIX (repeatable)
//   --paced                 serial: replies at the line's baud rate
//   --verbose               print every command received
#include <csignal>
#include <cstdio>
#include <cstring>
#include <exception>
#include <string>
#include <vector>

#include "reader_emulator.h"

namespace {

int Usage()
{
    std::fprintf(stderr,
                 "usage: reader-emulator (--socket PATH | --pty) [--status P0P1] "
                 "[--payload PREFIX=TEXT]... [--paced] [--verbose]\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv)
{
    std::string socketPath;
    bool pty = false;
    bool paced = false;
    bool verbose = false;
    std::string status;
    std::vector<std::pair<std::string, std::string>> payloads;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--socket" && hasValue) {
            socketPath = argv[++i];
        } else if (arg == "--pty") {
            pty = true;
        } else if (arg == "--status" && hasValue && std::strlen(argv[i + 1]) == 4) {
            status = argv[++i];
        } else if (arg == "--payload" && hasValue && std::strchr(argv[i + 1], '=') != nullptr) {
            const std::string value = argv[++i];
            const auto equals = value.find('=');
            payloads.emplace_back(value.substr(0, equals), value.substr(equals + 1));
        } else if (arg == "--paced") {
            paced = true;
        } else if (arg == "--verbose") {
            verbose = true;
        } else {
            return Usage();
        }
    }
    if (pty == !socketPath.empty())
        return Usage();

    // Signals are taken synchronously below, so block them before the
    // emulator's thread starts (it inherits the mask).
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

    try {
        auto reader = pty ? emulator::ReaderEmulator::ServePseudoTerminal() : emulator::ReaderEmulator::ServeSocket(socketPath);
        if (!status.empty())
            reader->SetStatus(status.substr(0, 2), status.substr(2, 2));
        for (const auto& [prefix, payload] : payloads)
            reader->SetPayload(prefix, payload);
        reader->SetLinePacing(paced);
        if (verbose) {
            reader->OnCommand([](const std::string& command) {
                std::printf("< %s\n", command.c_str());
                std::fflush(stdout);
            });
        }
        std::printf("%s\n", reader->Path().c_str());
        std::fflush(stdout);
        int signal = 0;
        sigwait(&stopSignals, &signal);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "reader-emulator: %s\n", error.what());
        return 1;
    }
    return 0;
}
