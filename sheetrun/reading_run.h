#pragma once
// The reading run: open and set up the reader, then per card feed, read,
// show, decode, write the subject files and the hand-off file, run Varenta
// and pause, until the reader reports a failure (normally the end of the
// stack), a card is rejected or a file cannot be written.
//
// The device is reached through libmarklink's exported functions; what the
// run shows and how it waits is the ReadingUi's (the form, or a test).
//
// Decisions:
// - How a run ended is kept apart (RunEnd), so that unattended use can tell
//   the end of the stack (status "Sheet Empty") from a jam, a double feed
//   or a sheet without marks: the same message, a different exit status.
// - The library is linked at load time; it is not loaded a second time by
//   name for each run.
#include "card.h"
#include "settings.h"
#include "varenta/shell/run_state.h"

#include <string>
#include <vector>

namespace sheetrun {

class ReadingUi {
public:
    virtual ~ReadingUi() = default;
    // A message (Shift-JIS); returns when it has been seen.
    virtual void ShowMessage(const std::string& sjisText) = 0;
    // Replaces the card image (Shift-JIS lines).
    virtual void ShowCardImage(const std::vector<std::string>& lines) = 0;
    // Starts Varenta and returns when it has ended (or could not start).
    virtual void RunVarenta() = 0;
    // Waits at least ms milliseconds, keeping the window responsive.
    virtual void Delay(int ms) = 0;
};

enum class RunEnd {
    kStackEnded,     // the reader reported "Sheet Empty"
    kFeedFailed,     // any other feed failure (jam, double feed, line fault)
    kNoMarks,        // no marks, or not 25 rows
    kCardRejected,   // CardError after the whole card was examined
    kCardFatal,      // wrong card type or a fatal age fault: ends at once
    kFileFailed,     // an answer, remarks or hand-off file not written
    kReaderNotReady, // not opened, reading method or column count refused
};

// Exit status of an unattended run: 0 end of the stack; 1 card rejected
// (also the immediate ends) or a file not written; 2 reader not opened or
// not set up; 3 the reader failed during the run (jam, double feed, no
// marks).
int ExitStatus(RunEnd end);

// Mark buffer size and the capacity announced in OmrMarkInfo.
inline constexpr int kMarkBufferBytes = 7441;
inline constexpr int kInfoRows = 25;
inline constexpr int kInfoColumns = 12;

class ReadingRun {
public:
    ReadingRun(varenta::RunState& state, const ReaderSettings& settings, ReadingUi& ui,
               std::string handOffPath);

    // The whole run, StopReading included (hopper returned and the device
    // closed, except after an immediate end). Returns how it ended.
    RunEnd Run();

    int CardCount() const { return cardCount_; }

private:
    bool OpenReader(RunEnd& end);
    bool ReadCard(RunEnd& end);
    bool WriteCard(RunEnd& end);
    void StopReading(bool returnHopper);

    varenta::RunState& state_;
    const ReaderSettings& settings_;
    ReadingUi& ui_;
    std::string handOffPath_;
    int cardCount_ = 0;
    bool cardError_ = false;
    std::vector<unsigned char> buffer_;
    MarkGrid grid_;
};

}  // namespace sheetrun
