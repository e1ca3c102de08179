#include "reading_run.h"

#include "card_image.h"
#include "common/errors.h"
#include "marklink.h"
#include "messages.h"
#include "varenta/shell/subject_files.h"

namespace sheetrun {

namespace {

constexpr int32_t kSheetEmpty = 0x40110000;

}  // namespace

int ExitStatus(RunEnd end)
{
    switch (end) {
    case RunEnd::kStackEnded:
        return 0;
    case RunEnd::kCardRejected:
    case RunEnd::kCardFatal:
    case RunEnd::kFileFailed:
        return 1;
    case RunEnd::kReaderNotReady:
        return 2;
    case RunEnd::kFeedFailed:
    case RunEnd::kNoMarks:
        return 3;
    }
    return 1;
}

ReadingRun::ReadingRun(varenta::RunState& state, const ReaderSettings& settings, ReadingUi& ui,
                       std::string handOffPath)
    : state_(state), settings_(settings), ui_(ui), handOffPath_(std::move(handOffPath)),
      buffer_(kMarkBufferBytes)
{
}

RunEnd ReadingRun::Run()
{
    RunEnd end = RunEnd::kStackEnded;
    if (!OpenReader(end)) {
        StopReading(true);
        return end;
    }
    const ShowMessage show = [this](const std::string& text) { ui_.ShowMessage(text); };
    for (;;) {
        ++cardCount_;
        if (!ReadCard(end)) {
            StopReading(end != RunEnd::kCardFatal);
            return end;
        }
        ui_.ShowCardImage(CardImageLines(grid_, cardCount_));
        if (DecodeHeader(grid_, state_, cardError_, show) == CardCheck::kEndAtOnce) {
            StopReading(false);
            return RunEnd::kCardFatal;
        }
        DecodeAnswers(grid_, state_, cardError_, show);
        if (cardError_) {
            StopReading(true);
            return RunEnd::kCardRejected;
        }
        if (!WriteCard(end)) {
            StopReading(true);
            return end;
        }
        ui_.RunVarenta();
        ui_.Delay(settings_.delaytime);
    }
}

bool ReadingRun::OpenReader(RunEnd& end)
{
    cardCount_ = 0;
    cardError_ = false;
    end = RunEnd::kReaderNotReady;
    if (OMR_OpenDeviceUSB() != 0) {
        ui_.ShowMessage(messages::CannotOpenReader());
        return false;
    }
    OMR_MoveHopper(1);
    if (OMR_SetReadingMethod(3, 0) == 0) {
        ui_.ShowMessage(messages::ReadingMethodRefused());
        return false;
    }
    if (OMR_SetNumberOfColumnsToRead(kCardPositions) == 0) {
        ui_.ShowMessage(messages::ColumnCountRefused());
        return false;
    }
    return true;
}

bool ReadingRun::ReadCard(RunEnd& end)
{
    std::fill(buffer_.begin(), buffer_.end(), 0);
    OMR_FeedSheet();
    const int32_t fed = OMR_GetLastError();
    if (fed != 0) {
        ui_.ShowMessage(messages::FeedFailed());
        end = fed == kSheetEmpty ? RunEnd::kStackEnded : RunEnd::kFeedFailed;
        return false;
    }
    OmrMarkInfo info{0, kInfoRows, kInfoColumns};
    if (OMR_GetMarks(0, &info, buffer_.data()) == 0 || info.rows != kCardRows) {
        ui_.ShowMessage(messages::NoMarkCard());
        end = RunEnd::kNoMarks;
        return false;
    }
    grid_ = MarkGrid::FromBuffer(buffer_.data());
    if (CheckCardType(grid_, [this](const std::string& text) { ui_.ShowMessage(text); }) ==
        CardCheck::kEndAtOnce) {
        end = RunEnd::kCardFatal;
        return false;
    }
    return true;
}

bool ReadingRun::WriteCard(RunEnd& end)
{
    try {
        WriteCardAnswers(state_);
        WriteCardRemarks(state_);
        varenta::WriteHandOffFile(handOffPath_, state_.BasePath, cardCount_);
    } catch (const common::IoError&) {
        ui_.ShowMessage(messages::CannotWriteFile());
        end = RunEnd::kFileFailed;
        return false;
    } catch (const common::InputError&) {
        // A data directory whose name Shift-JIS cannot hold.
        ui_.ShowMessage(messages::CannotWriteFile());
        end = RunEnd::kFileFailed;
        return false;
    }
    return true;
}

void ReadingRun::StopReading(bool returnHopper)
{
    if (returnHopper)
        OMR_MoveHopper(0);
    OMR_CloseDevice();
}

}  // namespace sheetrun
