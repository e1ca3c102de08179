#include "run_driver.h"

#include "common/errors.h"
#include "common/ini_file.h"
#include "common/text_file.h"
#include "varenta/interpretation/chkcode.h"
#include "varenta/interpretation/chkrule.h"
#include "varenta/interpretation/messlib.h"
#include "varenta/report/face_sheet.h"
#include "varenta/report/profile_chart.h"
#include "varenta/report/report_channel.h"
#include "varenta/report/score_output.h"
#include "varenta/scoring/scoring.h"
#include "varenta/shell/messages.h"
#include "varenta/shell/subject_files.h"

namespace varenta {

namespace {

// Ends the program after showing message (nothing shown when empty).
struct EndProgram {
    std::string message;
};

}  // namespace

std::string BasePathFromTypedName(const std::string& typedName, std::string& dataDirectory)
{
    std::size_t slash = typedName.rfind('/');
    std::string fileName = slash == std::string::npos ? typedName : typedName.substr(slash + 1);
    if (fileName.empty())
        return {};
    if (slash != std::string::npos)
        dataDirectory = slash == 0 ? "/" : typedName.substr(0, slash);
    std::size_t dot = fileName.rfind('.');
    if (dot != std::string::npos && dot > 0)
        fileName.erase(dot);
    if (dataDirectory.empty())
        return fileName;
    if (dataDirectory.back() == '/')
        return dataDirectory + fileName;
    return dataDirectory + "/" + fileName;
}

RunDriver::RunDriver(RunState& state, DriverUi& ui, std::string itemFilePath,
                     std::string handOffPath)
    : state_(state), ui_(ui), itemFilePath_(std::move(itemFilePath)),
      handOffPath_(std::move(handOffPath))
{
}

void RunDriver::ReadTemporaryFile()
{
    if (!common::FileExists(handOffPath_)) {
        state_.HandOff = "OFF";
        return;
    }
    state_.BasePath = ReadHandOffBasePath(handOffPath_);
    state_.HandOff = "ON";
    common::RemoveFile(handOffPath_);
    ReadRemarksInto(state_);
    // The number that line 2 begins with; whether the whole line is a valid
    // age is decided by ReadRemarksFile when the run goes on.
    const std::string& line = state_.Remarks[2];
    std::size_t end = line.find_first_not_of(' ');
    if (end != std::string::npos && (line[end] == '+' || line[end] == '-'))
        ++end;
    while (end < line.size() && line[end] >= '0' && line[end] <= '9')
        ++end;
    if (auto age = common::ParseWholeNumber(line.substr(0, end)))
        state_.Age = *age;
}

bool RunDriver::ShowSequence()
{
    try {
        ReadTemporaryFile();
    } catch (const std::exception& e) {
        // The main form stays open with the hand-off state as far as it got;
        // OK then runs the hand-off sequence and stops at the remarks file.
        ui_.ShowMessage(messages::DescribeFailure(e));
        return false;
    }
    return state_.HandOff == "ON";
}

void RunDriver::ResolveFileName()
{
    if (state_.HandOff != "ON") {
        std::string directory = state_.DataDirectory;
        std::string basePath = BasePathFromTypedName(state_.TypedName, directory);
        if (basePath.empty())
            throw EndProgram{messages::EmptyFileName()};
        state_.DataDirectory = directory;
        state_.BasePath = basePath;
    }
    const std::string answerPath = AnswerPath(state_.BasePath);
    if (!common::FileExists(answerPath)) {
        try {
            common::CreateEmptyFile(answerPath);
            common::RemoveFile(answerPath);
        } catch (const common::IoError&) {
            throw EndProgram{messages::BadFileName()};
        }
    }
}

void RunDriver::LoadAnswers()
{
    if (common::FileExists(AnswerPath(state_.BasePath))) {
        if (state_.HandOff != "ON")
            ui_.ShowOldFileNotice(state_);
        LoadAnswerFile(state_);
    } else {
        state_.Sex = ui_.AskSex(state_);
        state_.CurrentItem = 0;
    }
}

void RunDriver::LoadItems()
{
    items_ = LoadItemFile(itemFilePath_);
}

void RunDriver::ReadRemarksFile()
{
    try {
        ReadRemarksInto(state_);
    } catch (const common::IoError&) {
        throw EndProgram{messages::UnreadableRemarks()};
    }
    auto age = common::ParseWholeNumber(state_.Remarks[2]);
    if (!age)
        throw EndProgram{messages::UnreadableRemarks()};
    state_.Age = *age;
}

RunOutcome RunDriver::OkSequence()
{
    try {
        ResolveFileName();
        LoadAnswers();
        SelectOutputTarget(state_, ui_.PrinterItem());
        LoadItems();
        if (state_.HandOff == "ON") {
            ReadRemarksFile();
        } else {
            ui_.HideMainForm();
            noWayBack_ = true;
            do {
                ui_.ShowRecordForm(state_);
            } while (state_.Age < 0);
            if (state_.CurrentItem < kItemCount) {
                ui_.AdministerQuestionnaire(state_, items_);
                return RunOutcome::ProgramEnds;
            }
            if (state_.settings.ai == "OFF")
                return RunOutcome::ProgramEnds;
        }
        scoreAndReport();
        return RunOutcome::ReportDone;
    } catch (const EndProgram& end) {
        ui_.SetBusy(false);
        if (!end.message.empty())
            ui_.ShowMessage(end.message);
        return RunOutcome::ProgramEnds;
    } catch (const std::exception& failure) {
        // A failed file operation or bad file content. Before the main form
        // is hidden and before the report is begun, the examiner can correct
        // and press OK again. Later there is nothing to return to (and a
        // hand-off run has nobody to press OK), so the program ends; what
        // was written stays.
        ui_.SetBusy(false);
        ui_.ShowMessage(messages::DescribeFailure(failure));
        if (noWayBack_ || state_.HandOff == "ON")
            return RunOutcome::ProgramEnds;
        return RunOutcome::Abandoned;
    }
}

void RunDriver::scoreAndReport()
{
    noWayBack_ = true;
    ui_.SetBusy(true);
    ScoreRawScales(state_);
    if (auto group = NormGroupForAge(state_.Age))
        ConvertToStandardScores(state_, *group);
    OpenReport(state_);
    PrintFaceSheet(state_);
    RunRules(state_);
    ClassifyType(state_);
    if (state_.settings.graphic == "OFF" || state_.OutputTarget == kPreviewTarget)
        PrintProfileChart(state_);
    if (state_.settings.graphic == "ON")
        ui_.ShowProfile(state_);
    WriteInterpretation(state_);
    OutputScores(state_);
    CloseReport(state_);
    if (state_.OutputTarget != kPrinterTarget)
        ui_.ShowPreview(state_);
    ui_.SetBusy(false);
}

}  // namespace varenta
