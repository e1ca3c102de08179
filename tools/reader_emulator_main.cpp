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
//   --deck FILE             mark sheets fed by "SF" and read by "MD0"
//                           (repeatable; files are fed in order); see
//                           --help for the deck format
#include <csignal>
#include <cstdio>
#include <cstring>
#include <exception>
#include <string>
#include <vector>

#include "reader_emulator.h"
#include "sheet_deck.h"

namespace {

int Usage()
{
    std::fprintf(stderr,
                 "usage: reader-emulator (--socket PATH | --pty) [--status P0P1] "
                 "[--payload PREFIX=TEXT]... [--deck FILE]... [--paced] [--verbose]\n"
                 "       reader-emulator --help\n");
    return 2;
}

int Help()
{
    std::printf(
        "reader-emulator: an emulated KR-7700 mark reader.\n"
        "\n"
        "  --socket PATH          serve on a seqpacket socket (USB stand-in; point\n"
        "                         MARKLINK_USB_PATH at it, e.g. PATH ending in 0 and\n"
        "                         the pattern's %%d in its place)\n"
        "  --pty                  serve on a pseudo-terminal (serial stand-in)\n"
        "  --status P0P1          status pairs of every reply, e.g. Q1@@\n"
        "  --payload PREFIX=TEXT  payload of replies to commands starting with PREFIX\n"
        "  --deck FILE            a deck of mark sheets (repeatable, fed in order)\n"
        "  --paced                serial: replies at the line's baud rate\n"
        "  --verbose              print every command received\n"
        "\n"
        "Deck files:\n"
        "  A card is 25 lines of 12 characters: the reader's mark characters of one\n"
        "  row each, as \"MD0\" returns them (\"0\" blank up to \"9\" darkest; the card\n"
        "  reader counts 0-3 as blank and 4 and above as a mark). Lines starting\n"
        "  with \"#\" and blank lines are ignored. A line \"!jam\" or \"!double-feed\"\n"
        "  stands for a sheet that jams (status H2) or double-feeds (status Q2).\n"
        "  \"SF\" takes the next sheet; when the deck is used up it answers with\n"
        "  status Q1 (sheet empty). \"MD0\" returns the rows of the sheet just fed,\n"
        "  separated by \",\"; \"MD1\" returns nothing.\n");
    return 0;
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
    std::vector<std::string> decks;
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
        } else if (arg == "--deck" && hasValue) {
            decks.push_back(argv[++i]);
        } else if (arg == "--help") {
            return Help();
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
        std::vector<emulator::DeckEntry> deck;
        for (const std::string& file : decks) {
            std::vector<emulator::DeckEntry> entries = emulator::LoadDeck(file);
            deck.insert(deck.end(), entries.begin(), entries.end());
        }
        auto reader = pty ? emulator::ReaderEmulator::ServePseudoTerminal() : emulator::ReaderEmulator::ServeSocket(socketPath);
        if (!status.empty())
            reader->SetStatus(status.substr(0, 2), status.substr(2, 2));
        for (const auto& [prefix, payload] : payloads)
            reader->SetPayload(prefix, payload);
        if (!decks.empty())
            emulator::SheetDeck::Install(*reader, std::move(deck));
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
