// What the configuration and service commands send, and what they refuse
// before sending anything.
#include <gtest/gtest.h>

#include <functional>

#include "reader_session.h"

namespace marklink_test {
namespace {

struct TextCase {
    const char* name;
    std::function<int32_t()> call;
    std::string expected;
};

std::string Repeat(const std::string& piece, int times)
{
    std::string text;
    for (int i = 0; i < times; ++i)
        text += piece;
    return text;
}

const int32_t kAreaFirstTwo[20] = {10, 20, 30, 40, 0, 5, 50, 60, 70, 80, 90, 100, 1, 1, 1, 1, 1, 1, 1, 1};
const int32_t kAreaSecondOnly[20] = {0, 0, 5, 5, 0, 0};
const int32_t kAreaFull[20] = {1234, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20};
const int32_t kAreaDefault[20] = {OMR_DEFAULT};
const char kId[20] = {'I', 'D', 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17};
const char kIndividual[4] = {'a', 'b', 0, 'c'};
const char kMarks[3] = {'1', 0, '9'};
const char kBarcodeData[3] = {1, 0, 'x'};

std::vector<TextCase> TextCases()
{
    return {
        {"barcode unit off", [] { return OMR_SetBarcodeReaderUnit(0); }, "BC1,1,0"},
        {"barcode unit default", [] { return OMR_SetBarcodeReaderUnit(OMR_DEFAULT); }, "BC3,1"},
        {"area stops at a pair with 0", [] { return OMR_SetBarCodeArea(kAreaFirstTwo); }, "BC1,2,010,020,030,040" + Repeat(",000,000", 8)},
        {"area first pair always sent", [] { return OMR_SetBarCodeArea(kAreaSecondOnly); }, "BC1,2,000,000,005,005" + Repeat(",000,000", 8)},
        {"area numbers above 999", [] { return OMR_SetBarCodeArea(kAreaFull); }, "BC1,2,1234,002,003,004,005,006,007,008,009,010,011,012,013,014,015,016,017,018,019,020"},
        {"area default", [] { return OMR_SetBarCodeArea(kAreaDefault); }, "BC3,2"},
        {"read type bits 0 and 7", [] { return OMR_SetBarCodeReadType(0x81); }, "BC1,3,1,0,0,0,0,0,0,1"},
        {"read type default", [] { return OMR_SetBarCodeReadType(OMR_DEFAULT); }, "BC3,3"},
        {"check digit", [] { return OMR_SetBarCodeCheckDigit('A', 1); }, "BC1,4,A,1"},
        {"check digit default", [] { return OMR_SetBarCodeCheckDigit('B', OMR_DEFAULT); }, "BC3,4,B"},
        {"option 0x23", [] { return OMR_SetBarCodeOption('A', 0x23); }, "BC1,5,A,2,1"},
        {"option fields clamped", [] { return OMR_SetBarCodeOption('C', 0xF0); }, "BC1,5,C,0,9"},
        {"option default", [] { return OMR_SetBarCodeOption('A', -1); }, "BC3,5,A"},
        {"barcode pass-through", [] { char reply[64]; int32_t n = 3; return OMR_ControlBarcode(kBarcodeData, reply, &n); }, std::string("MM\x01\x00x", 5)},
        {"printer unit", [] { return OMR_SetPrinterUnit(1); }, "PR1,8,1"},
        {"print mode", [] { return OMR_SetPrintMode(2); }, "PR1,7,2"},
        {"print mode default", [] { return OMR_SetPrintMode(OMR_DEFAULT); }, "PR3,7"},
        {"print string all lines to default", [] { return OMR_SetPrintString(0, "x"); }, "PR3,1"},
        {"print string empty", [] { return OMR_SetPrintString(2, ""); }, "PR3,1,2"},
        {"print string missing", [] { return OMR_SetPrintString(1, nullptr); }, "PR3,1,1"},
        {"print string", [] { return OMR_SetPrintString(3, "ABC"); }, "PR1,1,3,ABC"},
        {"print string is no format", [] { return OMR_SetPrintString(1, "%s%n%d"); }, "PR1,1,1,%s%n%d"},
        {"print string of 42", [] { return OMR_SetPrintString(1, std::string(42, 'x').c_str()); }, "PR1,1,1," + std::string(42, 'x')},
        {"print position", [] { return OMR_SetPrintPosition(0); }, "PR1,2,000"},
        {"print order", [] { return OMR_SetPrintOrder(1, 2, 3); }, "PR1,3,1,2,3"},
        {"print order default", [] { return OMR_SetPrintOrder(OMR_DEFAULT, 0, 0); }, "PR3,3"},
        {"print angle", [] { return OMR_SetPrintAngle(1); }, "PR1,4,1"},
        {"font size", [] { return OMR_SetPrintFontSize(5); }, "PR1,5,005"},
        {"font size default", [] { return OMR_SetPrintFontSize(OMR_DEFAULT); }, "PR3,5"},
        {"font pitch", [] { return OMR_SetPrintFontPitch(999); }, "PR1,6,999"},
        {"density threshold default", [] { return OMR_SetDensityThreshold(0, 999); }, "DT3"},
        {"density threshold", [] { return OMR_SetDensityThreshold(16, 255); }, "DT1,16,255"},
        {"level shift -5", [] { return OMR_SetDensityLevelShift(-5); }, "SH1,-005"},
        {"level shift 127", [] { return OMR_SetDensityLevelShift(127); }, "SH1,+127"},
        {"level shift -128", [] { return OMR_SetDensityLevelShift(-128); }, "SH1,-128"},
        {"level shift default", [] { return OMR_SetDensityLevelShift(9999); }, "SH3"},
        {"sheet threshold", [] { return OMR_SetSheetThreshold(3); }, "TF1,3"},
        {"sensor correction", [] { return OMR_SetSensorCorrection(2); }, "AR1,1"},
        {"sensor correction default", [] { return OMR_SetSensorCorrection(0); }, "AR3"},
        {"sensor level", [] { return OMR_SetSensorLevel(3); }, "WB1,1,0"},
        {"back sensor default", [] { return OMR_SetBackSensorUnit(OMR_DEFAULT); }, "BR3"},
        {"feed mode 1", [] { return OMR_SetSheetFeedMode(1, 5); }, "FM1,1,05"},
        {"feed mode 0 ignores the value", [] { return OMR_SetSheetFeedMode(0, 777); }, "FM1,0"},
        {"feed mode default", [] { return OMR_SetSheetFeedMode(OMR_DEFAULT, 0); }, "FM3"},
        {"sheet thickness", [] { return OMR_SetSheetThickness(5); }, "FT1,5"},
        {"warnings", [] { return OMR_SetWarningError(0x00290000 | 0x0F, 155, 16); }, "WE1,1,0,0,1,0,1,155,16"},
        {"warnings default", [] { return OMR_SetWarningError(0x10000000, 0, 99); }, "WE3"},
        {"panel", [] { return OMR_SetPanelConfig(1); }, "PO1,1"},
        {"buzzer", [] { return OMR_SetBuzzerConfig(5, 3); }, "BZ1,1,5,3"},
        {"buzzer off", [] { return OMR_SetBuzzerConfig(0, 9); }, "BZ1,0"},
        {"identification", [] { return OMR_SetID(kId); }, "ID1," + std::string(kId, 20)},
        {"identification default", [] { return OMR_SetID(nullptr); }, "ID3"},
        {"sleep time", [] { return OMR_SetSleepTime(0, 60); }, "SE1,00,60"},
        {"sleep time default", [] { return OMR_SetSleepTime(OMR_DEFAULT, 99); }, "SE3"},
        {"sleep time query", [] { int32_t x, y; return OMR_GetSleepTime(&x, &y); }, "ES2"},
        {"individual data", [] { return OMR_SetIndividualData(3, kIndividual, 4); }, std::string("IE3,ab\0c", 8)},
        {"individual data of 22", [] { return OMR_SetIndividualData(0, std::string(22, 'z').c_str(), 22); }, "IE0," + std::string(22, 'z')},
        {"individual data default", [] { return OMR_SetIndividualData(-1, nullptr, 0); }, "IE3"},
        {"mark levels", [] { char out[64]; return OMR_GetMarkAD(1, 7, 12, out); }, "AS1,12,007"},
        {"memory", [] { char out[64]; return OMR_GetMemory(1, 0xABC, 16, out); }, "MM1,00000ABC,16"},
        {"read sensor", [] { char out[64]; return OMR_GetReadSensorAD(1, 2, 99, out); }, "AE1,2"},
        {"version", [] { char out[64]; return OMR_GetVersion(5, out); }, "FV5"},
        {"position sensor", [] { return _OMR_GetPositionSensorAd(2); }, "AD2"},
        {"dummy marks", [] { return OMR_SetDummyMark(1, 3, kMarks); }, std::string("SP1,03,1\0" "9", 10)},
        {"dummy process", [] { return OMR_ControlDummyProccess(2); }, "IW2"},
        {"motors 0x201", [] { return OMR_DriveMotor(0x201); }, "EP1,0,2,0,0,0,0,0"},
        {"motors bit 28", [] { return OMR_DriveMotor(0x10000000); }, "EP0,0,0,0,0,0,0,1"},
        {"motors all", [] { return OMR_DriveMotor(0x11111111); }, "EP1,1,1,1,1,1,1,1"},
        {"motor field 3 only 1 or 2", [] { return OMR_DriveMotor(0x300); }, "EP0,0,0,0,0,0,0,0"},
        {"motor 1", [] { return _OMR_DriveMotorEx(1, 5); }, "EP5"},
        {"motor 3", [] { return _OMR_DriveMotorEx(3, 1); }, "EP,,1"},
        {"motor 11", [] { return _OMR_DriveMotorEx(11, 0); }, "EP0,0,0,0,0,0,0,0,0"},
        {"prepare download", [] { return OMR_PrepareForDownload(12); }, "PD12"},
        {"firmware line is no format", [] { return OMR_DownloadFirmware("S0%s%n\r", 7); }, "FDS0%s%n\r"},
        {"firmware line ends at a zero byte", [] { return OMR_DownloadFirmware("S1\0xx", 5); }, "FDS1"},
        {"maintenance reset", [] { return OMR_InitialMaintenanceConfig(); }, "IM"},
    };
}

class CommandTextTest : public ReaderTest {};

TEST_P(CommandTextTest, EachFunctionSendsItsCommand)
{
    for (const TextCase& c : TextCases()) {
        SCOPED_TRACE(c.name);
        Reader().ClearCommands();
        c.call();
        const auto sent = Reader().Commands();
        ASSERT_EQ(sent.size(), 1u);
        EXPECT_EQ(sent[0], c.expected);
    }
}

TEST_P(CommandTextTest, SetFunctionsReportTheExchange)
{
    EXPECT_EQ(OMR_SetPrintFontSize(12), 1);
    EXPECT_EQ(OMR_GetLastError(), 0);
    Reader().Misbehave(emulator::Fault::Nak('2'));
    EXPECT_EQ(OMR_SetPrintFontSize(12), 0);
    EXPECT_EQ(OMR_GetLastError(), OMR_ERR_NAK);
    // The reader's own objection shows in the status pairs; the set succeeded.
    Reader().SetStatus("F6", "@@");
    EXPECT_EQ(OMR_SetPrintFontSize(12), 1);
    EXPECT_EQ(OMR_GetLastError(), 0x1F060005);
}

struct RefusalCase {
    const char* name;
    std::function<int32_t()> call;
    int32_t failure;
};

TEST(CommandRefusalTest, OutOfRangeArgumentsAreRefusedBeforeSending)
{
    char buffer[8192] = {};
    int32_t value = 0;
    const std::string tooLongLine(4094, 'x');
    const std::string data(4095, 'd');
    const RefusalCase cases[] = {
        {"barcode unit 2", [] { return OMR_SetBarcodeReaderUnit(2); }, 0},
        {"area without pairs", [] { return OMR_SetBarCodeArea(nullptr); }, 0},
        {"barcode pass-through too long", [&] { int32_t n = 4095; return OMR_ControlBarcode(data.data(), buffer, &n); }, 0},
        {"printer unit -1", [] { return OMR_SetPrinterUnit(-1); }, 0},
        {"print mode 3", [] { return OMR_SetPrintMode(3); }, 0},
        {"print string line 4", [] { return OMR_SetPrintString(4, "x"); }, 0},
        {"print string of 43", [] { return OMR_SetPrintString(1, std::string(43, 'x').c_str()); }, 0},
        {"print string query line 0", [&] { return OMR_GetPrintString(0, buffer); }, 0},
        {"print position 1000", [] { return OMR_SetPrintPosition(1000); }, 0},
        {"print order (1,4,0)", [] { return OMR_SetPrintOrder(1, 4, 0); }, 0},
        {"print order (4,0,0)", [] { return OMR_SetPrintOrder(4, 0, 0); }, 0},
        {"print order default with 4", [] { return OMR_SetPrintOrder(OMR_DEFAULT, 0, 4); }, 0},
        {"print angle 0", [] { return OMR_SetPrintAngle(0); }, 0},
        {"font size 0", [] { return OMR_SetPrintFontSize(0); }, 0},
        {"font pitch -1", [] { return OMR_SetPrintFontPitch(-1); }, 0},
        {"threshold index 17", [] { return OMR_SetDensityThreshold(17, 0); }, 0},
        {"threshold 256", [] { return OMR_SetDensityThreshold(1, 256); }, 0},
        {"level shift 128", [] { return OMR_SetDensityLevelShift(128); }, 0},
        {"level shift -129", [] { return OMR_SetDensityLevelShift(-129); }, 0},
        {"sheet threshold 6", [] { return OMR_SetSheetThreshold(6); }, 0},
        {"sensor correction 3", [] { return OMR_SetSensorCorrection(3); }, 0},
        {"sensor level 5", [] { return OMR_SetSensorLevel(5); }, 0},
        {"sensor level query 0", [&] { return OMR_GetSensorLevel(0, buffer); }, 0},
        {"back sensor 2", [] { return OMR_SetBackSensorUnit(2); }, 0},
        {"feed mode value 100", [] { return OMR_SetSheetFeedMode(1, 100); }, 0},
        {"feed mode 2", [] { return OMR_SetSheetFeedMode(2, 0); }, 0},
        {"thickness 6", [] { return OMR_SetSheetThickness(6); }, 0},
        {"warning value 1 of 0", [] { return OMR_SetWarningError(0, 0, 1); }, 0},
        {"warning value 2 of 17", [] { return OMR_SetWarningError(0, 1, 17); }, 0},
        {"panel 2", [] { return OMR_SetPanelConfig(2); }, 0},
        {"buzzer 6", [] { return OMR_SetBuzzerConfig(6, 1); }, 0},
        {"buzzer option 4", [] { return OMR_SetBuzzerConfig(1, 4); }, 0},
        {"sleep time (61, 0)", [] { return OMR_SetSleepTime(61, 0); }, 0},
        {"sleep time (0, -1)", [] { return OMR_SetSleepTime(0, -1); }, 0},
        {"individual slot 6", [] { return OMR_SetIndividualData(6, "x", 1); }, 0},
        {"individual data of 23", [] { return OMR_SetIndividualData(0, std::string(23, 'z').c_str(), 23); }, 0},
        {"individual data negative", [] { return OMR_SetIndividualData(0, "x", -1); }, 0},
        {"identification query without room", [] { return OMR_GetID(nullptr); }, 0},
        {"sleep query without pointers", [] { return OMR_GetSleepTime(nullptr, nullptr); }, 0},
        {"version part 6", [&] { return OMR_GetVersion(6, buffer); }, 0},
        {"read sensor side 2", [&] { return OMR_GetReadSensorAD(2, 0, 0, buffer); }, 0},
        {"read sensor 3", [&] { return OMR_GetReadSensorAD(0, 3, 0, buffer); }, 0},
        {"mark levels side 2", [&] { return OMR_GetMarkAD(2, 0, 0, buffer); }, 0},
        {"dummy marks length 0", [] { return OMR_SetDummyMark(0, 0, "x"); }, 0},
        {"dummy marks length 49", [] { return OMR_SetDummyMark(0, 49, std::string(49, '1').c_str()); }, 0},
        {"dummy marks side 2", [] { return OMR_SetDummyMark(2, 1, "1"); }, 0},
        {"dummy process 3", [] { return OMR_ControlDummyProccess(3); }, 0},
        {"firmware line of 4094", [&] { return OMR_DownloadFirmware(tooLongLine.c_str(), 4094); }, 0},
        {"firmware line negative", [] { return OMR_DownloadFirmware("x", -1); }, 0},
        {"machine name without buffer", [] { return OMR_GetMachineName(nullptr); }, 0},
        {"area query without room", [] { return OMR_GetBarCodeArea(nullptr); }, 0},
        {"print order query without pointers", [&] { return OMR_GetPrintOrder(&value, nullptr, &value); }, 0},
    };
    ReaderSession session(Link::kUsb);
    ASSERT_TRUE(session.Opened());
    for (const RefusalCase& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_EQ(OMR_GetStatus(), 0);  // last error back to 0
        session.Reader().ClearCommands();
        EXPECT_EQ(c.call(), c.failure);
        EXPECT_EQ(OMR_GetLastError(), OMR_ERR_PARAMETER);
        EXPECT_TRUE(session.Reader().Commands().empty());
    }
}

TEST(CommandRefusalTest, CommandsNeedAConnection)
{
    _OMR_InitialSystem();
    int32_t value = 0;
    EXPECT_EQ(OMR_SetPrintFontSize(12), 0);
    EXPECT_EQ(OMR_GetLastError(), OMR_ERR_NOT_CONNECTED);
    EXPECT_EQ(OMR_GetPrintFontSize(&value), 0);
    EXPECT_EQ(OMR_GetDeviceInfo(), -1);
    EXPECT_EQ(OMR_GetDensityLevelShift(), 0x8000);
    EXPECT_EQ(OMR_GetLastError(), OMR_ERR_NOT_CONNECTED);
}

INSTANTIATE_TEST_SUITE_P(BothLinks, CommandTextTest, testing::Values(Link::kUsb, Link::kSerial), LinkName);

}  // namespace
}  // namespace marklink_test
