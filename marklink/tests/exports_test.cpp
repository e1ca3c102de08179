// The library's dynamic symbol table holds exactly the OMR_ functions of its
// header, so programs bind to them by name and to nothing else.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <regex>
#include <set>
#include <string>

namespace {

const std::set<std::string> kExports = {
    // connection and transport
    "OMR_OpenDeviceUSB", "OMR_OpenDeviceSerial", "OMR_CloseDevice",
    "OMR_SetSendTimeOut", "OMR_GetSendTimeOut", "OMR_SetRecvTimeOut", "OMR_GetRecvTimeOut",
    "OMR_SetLogMode", "OMR_GetLogMode", "_OMR_InitialSystem",
    "_OMR_SendData", "_OMR_ReceiveData", "_OMR_SendDataUSB", "_OMR_ReceiveDataUSB",
    "_OMR_SendDataSerial", "_OMR_ReceiveDataSerial",
    // command protocol
    "_OMR_SendCommand", "_OMR_ReceiveACKorNAK", "_OMR_GetResponse", "_OMR_CheckStatus",
    "_OMR_SendCommandAndGetResponse", "_OMR_SendCommandBinaryAndGetResponse",
    "_OMR_ChangeStringToInt", "OMR_GetST", "OMR_GetNakST",
    // status codes and messages
    "OMR_GetLastError", "OMR_GetStatus", "OMR_FormatMessage",
    // sheet reading commands
    "OMR_FeedSheet", "OMR_ReadSheetAndGetData", "OMR_GetMarks", "OMR_MoveHopper", "OMR_EjectSheet",
    "OMR_SetReadingMethod", "OMR_GetReadingMethod", "OMR_SetNumberOfColumnsToRead",
    "OMR_GetNumberOfColumnsToRead", "OMR_GetDensityLevel", "OMR_Reset", "OMR_InitialSetting",
    "OMR_CancelError",
    // configuration commands
    "OMR_SetBarcodeReaderUnit", "OMR_GetBarcodeReaderUnit", "OMR_SetBarCodeArea", "OMR_GetBarCodeArea",
    "OMR_SetBarCodeReadType", "OMR_GetBarCodeReadType", "OMR_SetBarCodeCheckDigit", "OMR_GetBarCodeCheckDigit",
    "OMR_SetBarCodeOption", "OMR_GetBarCodeOption", "OMR_GetBarcodeInfo", "OMR_GetBarcodeData",
    "OMR_ControlBarcode",
    "OMR_SetPrinterUnit", "OMR_GetPrinterUnit", "OMR_SetPrintMode", "OMR_GetPrintMode",
    "OMR_SetPrintString", "OMR_GetPrintString", "OMR_SetPrintPosition", "OMR_GetPrintPosition",
    "OMR_SetPrintOrder", "OMR_GetPrintOrder", "OMR_SetPrintAngle", "OMR_GetPrintAngle",
    "OMR_SetPrintFontSize", "OMR_GetPrintFontSize", "OMR_SetPrintFontPitch", "OMR_GetPrintFontPitch",
    "OMR_SetDensityThreshold", "OMR_GetDensityThreshold", "OMR_SetDensityLevelShift", "OMR_GetDensityLevelShift",
    "OMR_SetSheetThreshold", "OMR_GetSheetThreshold", "OMR_SetSensorCorrection", "OMR_GetSensorCorrection",
    "OMR_SetSensorLevel", "OMR_GetSensorLevel", "OMR_SetBackSensorUnit", "OMR_GetBackSensorUnit",
    "OMR_SetSheetFeedMode", "OMR_GetSheetFeedMode", "OMR_SetSheetThickness", "OMR_GetSheetThickness",
    "OMR_SetWarningError", "OMR_GetWarningError", "OMR_SetPanelConfig", "OMR_GetPanelConfig",
    "OMR_SetBuzzerConfig", "OMR_GetBuzzerConfig", "OMR_SetID", "OMR_GetID",
    "OMR_SetSleepTime", "OMR_GetSleepTime", "OMR_SetIndividualData", "OMR_GetIndividualData",
    // diagnostic, motor and firmware commands
    "OMR_GetSensorInfo", "OMR_GetDeviceInfo", "OMR_GetMachineName", "OMR_GetVersion", "OMR_GetSkew",
    "OMR_GetFeedSpeed", "OMR_GetCheckSum", "OMR_GetMaintenanceInfo", "OMR_GetMemory",
    "OMR_GetReadSensorAD", "OMR_GetMarkAD", "OMR_GetDetectSensor", "_OMR_GetPositionSensorAd",
    "OMR_GetDfSensorVol", "OMR_InitialMaintenanceConfig", "OMR_SetDummyMark", "OMR_ControlDummyProccess",
    "OMR_DriveMotor", "_OMR_DriveMotorEx",
    "OMR_PrepareForDownload", "OMR_DownloadFirmware", "OMR_UpdateFirmware", "OMR_WriteDownloadDataToFlashROM",
};

std::set<std::string> DefinedDynamicSymbols()
{
    std::set<std::string> symbols;
    const std::string command = std::string("nm -D --defined-only ") + MARKLINK_LIBRARY_PATH;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr)
        return symbols;
    char line[1024];
    while (std::fgets(line, sizeof line, pipe) != nullptr) {
        std::string text(line);
        text.erase(text.find_last_not_of("\r\n") + 1);
        const auto space = text.rfind(' ');
        symbols.insert(space == std::string::npos ? text : text.substr(space + 1));
    }
    ::pclose(pipe);
    return symbols;
}

std::set<std::string> HeaderDeclarations()
{
    std::ifstream header(MARKLINK_HEADER_PATH);
    const std::regex declaration(R"(MARKLINK_API\s+[^(]*?\b(_?OMR_\w+)\s*\()");
    std::set<std::string> names;
    std::string text((std::istreambuf_iterator<char>(header)), std::istreambuf_iterator<char>());
    for (auto it = std::sregex_iterator(text.begin(), text.end(), declaration); it != std::sregex_iterator(); ++it)
        names.insert((*it)[1]);
    return names;
}

TEST(ExportsTest, ExactlyTheListedFunctionsAreExported)
{
    EXPECT_EQ(DefinedDynamicSymbols(), kExports);
    EXPECT_EQ(HeaderDeclarations(), kExports);
}

}  // namespace
