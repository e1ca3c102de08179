// Query functions decoding real replies of the emulated reader: values,
// item echo checks, and replies too short to decode (last error 7).
#include <gtest/gtest.h>

#include <array>
#include <cstring>

#include "reader_session.h"

namespace marklink_test {
namespace {

using emulator::Fault;

class DecoderTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(session_.Opened()); }
    // The payload the reader answers to the next commands starting with prefix.
    void Answer(const std::string& prefix, const std::string& payload) { session_.Reader().SetPayload(prefix, payload); }
    emulator::ReaderEmulator& Reader() { return session_.Reader(); }
    ReaderSession session_{Link::kUsb};
};

// Number queries: value on a good reply, failure value and last error on a
// bad one.
TEST_F(DecoderTest, NumberQueries)
{
    struct Case {
        const char* name;
        const char* prefix;
        std::string payload;
        std::function<int32_t()> call;
        int32_t expected;
        int32_t lastError;
    };
    const Case cases[] = {
        {"barcode unit on", "BC2,1", "1,1", OMR_GetBarcodeReaderUnit, 1, 0},
        {"barcode unit other", "BC2,1", "1,x", OMR_GetBarcodeReaderUnit, -1, 0},
        {"barcode unit short", "BC2,1", "1,", OMR_GetBarcodeReaderUnit, -1, 7},
        {"printer unit off", "PR2,8", "8,0", OMR_GetPrinterUnit, 0, 0},
        {"level shift -5", "SH2", "-005", OMR_GetDensityLevelShift, -5, 0},
        {"level shift +127", "SH2", "+127", OMR_GetDensityLevelShift, 127, 0},
        {"level shift short", "SH2", "+12", OMR_GetDensityLevelShift, 0x8000, 7},
        {"back sensor unit", "BR2", "1", OMR_GetBackSensorUnit, 1, 0},
        {"back sensor empty", "BR2", "", OMR_GetBackSensorUnit, -1, 7},
        {"thickness", "FT2", "3", OMR_GetSheetThickness, 3, 0},
        {"panel", "PO2", "1", OMR_GetPanelConfig, 1, 0},
        {"sensor info", "DS", "\x01\x02\x03\x04", OMR_GetSensorInfo, 0x01020304, 0},
        {"sensor info high byte sign-extends", "DS", "\x01\x80\x03\x04", OMR_GetSensorInfo, static_cast<int32_t>(0xFF800304), 0},
        {"device info", "DI", "1,2,1,3,2,0", OMR_GetDeviceInfo, 0x9810012, 0},
        {"device info unknown fields", "DI", "@,@,9,9,9,9", OMR_GetDeviceInfo, static_cast<int32_t>(0xFFFF008F), 0},
        {"device info no hex digit", "DI", "1,Z,0,0,0,0", OMR_GetDeviceInfo, static_cast<int32_t>(0x80000010), 0},
        {"device info short", "DI", "1,2,1,3,2,", OMR_GetDeviceInfo, -1, 7},
        {"feed speed", "TS", "01234", OMR_GetFeedSpeed, 1234, 0},
        {"feed speed short", "TS", "0123", OMR_GetFeedSpeed, -1, 7},
        {"checksum", "CS", "1F2e", [] { return OMR_GetCheckSum(3); }, 0x1F2E, 0},
        {"detect sensor", "AD", "\x01\xff", OMR_GetDetectSensor, 511, 0},
        {"position sensor", "AD2", "2,\x01\x02", [] { return _OMR_GetPositionSensorAd(2); }, 258, 0},
        {"position sensor short", "AD2", "2,\x01", [] { return _OMR_GetPositionSensorAd(2); }, -1, 7},
        {"double feed sensor", "SV", "123", OMR_GetDfSensorVol, 123, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Answer(c.prefix, c.payload);
        EXPECT_EQ(c.call(), c.expected);
        EXPECT_EQ(OMR_GetLastError(), c.lastError);
    }
}

TEST_F(DecoderTest, ShortReplyWithoutStatusPairs)
{
    // "DIB1": the echo matches, but there is no payload at all.
    Reader().Misbehave(Fault::RawReply("DIB1"));
    EXPECT_EQ(OMR_GetDeviceInfo(), -1);
    EXPECT_EQ(OMR_GetLastError(), OMR_ERR_RESPONSE);
    Reader().Misbehave(Fault::RawReply("PR"));
    int32_t size = 77;
    EXPECT_EQ(OMR_GetPrintFontSize(&size), 0);
    EXPECT_EQ(OMR_GetLastError(), OMR_ERR_RESPONSE);
    EXPECT_EQ(size, 77);
}

TEST_F(DecoderTest, PrinterItemsCheckTheirItemEcho)
{
    int32_t value = -9;
    Answer("PR2,5", "5,012");
    EXPECT_EQ(OMR_GetPrintFontSize(&value), 1);
    EXPECT_EQ(value, 12);
    Answer("PR2,5", "6,034");
    EXPECT_EQ(OMR_GetPrintFontSize(&value), 0);
    EXPECT_EQ(OMR_GetLastError(), OMR_ERR_RESPONSE);
    EXPECT_EQ(value, 12);

    Answer("PR2,6", "6,100");
    EXPECT_EQ(OMR_GetPrintFontPitch(&value), 1);
    EXPECT_EQ(value, 100);
    Answer("PR2,2", "2,123");
    EXPECT_EQ(OMR_GetPrintPosition(&value), 1);
    EXPECT_EQ(value, 123);

    Answer("PR2,7", "7,2");
    EXPECT_EQ(OMR_GetPrintMode(&value), 1);
    EXPECT_EQ(value, 2);
    Answer("PR2,7", "7,3");
    EXPECT_EQ(OMR_GetPrintMode(&value), 0);
    EXPECT_EQ(OMR_GetLastError(), OMR_ERR_RESPONSE);
    Answer("PR2,4", "4,1");
    EXPECT_EQ(OMR_GetPrintAngle(&value), 1);
    EXPECT_EQ(value, 1);

    int32_t first = -1, second = -1, third = -1;
    Answer("PR2,3", "3,1,0,2");
    EXPECT_EQ(OMR_GetPrintOrder(&first, &second, &third), 1);
    EXPECT_EQ((std::array{first, second, third}), (std::array{1, 0, 2}));
    Answer("PR2,3", "3,3,4,0");
    first = second = third = -1;
    EXPECT_EQ(OMR_GetPrintOrder(&first, &second, &third), 0);
    EXPECT_EQ(OMR_GetLastError(), OMR_ERR_RESPONSE);
    EXPECT_EQ((std::array{first, second, third}), (std::array{3, -1, -1}));

    char line[64];
    std::memset(line, '#', sizeof line);
    Answer("PR2,1,2", "1,2," + std::string(40, 'p') + "qr");
    EXPECT_EQ(OMR_GetPrintString(2, line), 1);
    EXPECT_EQ(std::string(line, 43), std::string(40, 'p') + "qr#");  // 42, no terminator
    Answer("PR2,1,2", "1,3," + std::string(42, 'p'));
    EXPECT_EQ(OMR_GetPrintString(2, line), 0);
    EXPECT_EQ(OMR_GetLastError(), OMR_ERR_RESPONSE);
}

TEST_F(DecoderTest, BarcodeQueries)
{
    std::string area = "2";
    for (int i = 1; i <= 10; ++i)
        area += "," + std::string(2, '0') + std::to_string(i % 10) + ",0" + std::to_string(10 + i);
    int32_t pairs[20] = {};
    Answer("BC2,2", area);
    EXPECT_EQ(OMR_GetBarCodeArea(pairs), 1);
    EXPECT_EQ(pairs[0], 1);
    EXPECT_EQ(pairs[1], 11);
    EXPECT_EQ(pairs[19], 20);
    Answer("BC2,2", area.substr(0, 80));
    EXPECT_EQ(OMR_GetBarCodeArea(pairs), -1);
    EXPECT_EQ(OMR_GetLastError(), OMR_ERR_RESPONSE);
    std::string broken = area;
    broken[1 + 8 * 3 + 4] = ';';  // the fourth pair's middle comma
    std::fill(std::begin(pairs), std::end(pairs), -1);
    Answer("BC2,2", broken);
    EXPECT_EQ(OMR_GetBarCodeArea(pairs), 0);
    EXPECT_EQ(OMR_GetLastError(), OMR_ERR_RESPONSE);
    EXPECT_EQ(pairs[5], 13);  // pairs before it are written
    EXPECT_EQ(pairs[6], -1);
    Answer("BC2,2", "3" + area.substr(1));
    EXPECT_EQ(OMR_GetBarCodeArea(pairs), 0);

    int32_t bits = -1;
    Answer("BC2,3", "3,1,0,0,0,0,0,0,1");
    EXPECT_EQ(OMR_GetBarCodeReadType(&bits), 1);
    EXPECT_EQ(bits, 0x81);
    Answer("BC2,3", "4,1,0,0,0,0,0,0,1");
    EXPECT_EQ(OMR_GetBarCodeReadType(&bits), 0);
    EXPECT_EQ(bits, 0);

    int32_t setting = -1;
    Answer("BC2,4", "4,A,1");
    EXPECT_EQ(OMR_GetBarCodeCheckDigit('A', &setting), 1);
    EXPECT_EQ(setting, 1);
    EXPECT_EQ(OMR_GetBarCodeCheckDigit('B', &setting), 0);  // another kind echoed
    EXPECT_EQ(OMR_GetLastError(), OMR_ERR_RESPONSE);

    int32_t option = 0;
    Answer("BC2,5", "5,A,2,1");
    EXPECT_EQ(OMR_GetBarCodeOption('A', &option), 1);
    EXPECT_EQ(option, 0x23);
    Answer("BC2,5", "5,A,x,1");
    EXPECT_EQ(OMR_GetBarCodeOption('A', &option), 1);
    EXPECT_EQ(option, 0x2F);

    int32_t first = 0, second = 0;
    Answer("BD1", "1,12,34");
    EXPECT_EQ(OMR_GetBarcodeInfo(&first, &second), 1);
    EXPECT_EQ(first, 12);
    EXPECT_EQ(second, 34);

    char kind = '?';
    char data[16];
    std::memset(data, '#', sizeof data);
    int32_t length = 3;
    Answer("BD2", "2,07,Q,HELLO");
    EXPECT_EQ(OMR_GetBarcodeData(7, &kind, &length, data), 1);
    EXPECT_EQ(kind, 'Q');
    EXPECT_EQ(length, 3);
    EXPECT_EQ(std::string(data, 4), "HEL#");
    length = 100;
    EXPECT_EQ(OMR_GetBarcodeData(7, &kind, &length, data), 1);
    EXPECT_EQ(length, 5);
    Answer("BD2", "2,07");
    EXPECT_EQ(OMR_GetBarcodeData(7, &kind, &length, data), 1);
    EXPECT_EQ(kind, 0);
    EXPECT_EQ(length, 0);

    char reply[32];
    std::memset(reply, '#', sizeof reply);
    int32_t replyLength = 2;
    Answer("MM", "xyz");
    EXPECT_EQ(OMR_ControlBarcode("ab", reply, &replyLength), 1);
    EXPECT_EQ(replyLength, 9);
    EXPECT_EQ(std::string(reply, 10), std::string("xyz\0\0\0\0\0\0#", 10));
}

TEST_F(DecoderTest, MarkDetectionQueries)
{
    int32_t thresholds[17];
    std::fill(std::begin(thresholds), std::end(thresholds), -1);
    std::string payload;
    for (int i = 1; i <= 16; ++i)
        payload += (i > 1 ? "," : "") + std::string(i < 10 ? "00" : "0") + std::to_string(i);
    Answer("DT2", payload);
    EXPECT_EQ(OMR_GetDensityThreshold(thresholds), 1);
    EXPECT_EQ(thresholds[0], 1);
    EXPECT_EQ(thresholds[15], 16);
    EXPECT_EQ(thresholds[16], -1);
    Answer("DT2", payload.substr(0, 62));
    EXPECT_EQ(OMR_GetDensityThreshold(thresholds), 0);
    EXPECT_EQ(OMR_GetLastError(), OMR_ERR_RESPONSE);

    int32_t levels[5];
    Answer("TF2", "001,002,003,004,005");
    EXPECT_EQ(OMR_GetSheetThreshold(levels), 1);
    EXPECT_EQ(levels[4], 5);

    // One value per payload character from the third; the list ends with
    // the payload.
    int32_t corrections[8];
    std::fill(std::begin(corrections), std::end(corrections), -1);
    Answer("AR2", "1,0123");
    EXPECT_EQ(OMR_GetSensorCorrection(1, corrections), 1);
    EXPECT_EQ((std::array{corrections[0], corrections[1], corrections[2], corrections[3], corrections[4]}),
              (std::array{0, 1, 2, 3, -1}));

    char buffer[16];
    std::memset(buffer, '#', sizeof buffer);
    Answer("WB2,0,1", "0,1,xxXYZ");
    EXPECT_EQ(OMR_GetSensorLevel(2, buffer), 1);
    EXPECT_EQ(std::string(buffer, 4), "XYZ#");
    Answer("WB2,0,1", "0,1,x");  // 5 characters: nothing from the 7th on
    std::memset(buffer, '#', sizeof buffer);
    EXPECT_EQ(OMR_GetSensorLevel(2, buffer), 1);
    EXPECT_EQ(buffer[0], '#');
}

TEST_F(DecoderTest, FeedingAndOperationQueries)
{
    int32_t a = -1, b = -1, c = -1;
    Answer("FM2", "1,05");
    EXPECT_EQ(OMR_GetSheetFeedMode(&a, &b), 1);
    EXPECT_EQ(a, 1);
    EXPECT_EQ(b, 5);

    Answer("WE2", "1,0,0,1,0,1,155,16");
    EXPECT_EQ(OMR_GetWarningError(&a, &b, &c), 1);
    EXPECT_EQ(a, 0x00290000);
    EXPECT_EQ(b, 155);
    EXPECT_EQ(c, 16);

    Answer("BZ2", "0,5,3");
    EXPECT_EQ(OMR_GetBuzzerConfig(&a, &b), 1);
    EXPECT_EQ(a, 0);
    EXPECT_EQ(b, 0);
    Answer("BZ2", "1,5,3");
    EXPECT_EQ(OMR_GetBuzzerConfig(&a, &b), 1);
    EXPECT_EQ(a, 5);
    EXPECT_EQ(b, 3);

    Answer("ES2", "1,05,30");
    EXPECT_EQ(OMR_GetSleepTime(&a, &b), 1);
    EXPECT_EQ(a, 5);
    EXPECT_EQ(b, 30);

    char id[21];
    std::memset(id, '#', sizeof id);
    const std::string identity("KR\0" "7700-0123456789ab", 20);
    Answer("ID2", identity + "tail");
    EXPECT_EQ(OMR_GetID(id), 1);
    EXPECT_EQ(std::string(id, 21), identity + "#");
    Answer("ID2", identity.substr(0, 19));
    EXPECT_EQ(OMR_GetID(id), 0);
    EXPECT_EQ(OMR_GetLastError(), OMR_ERR_RESPONSE);
    EXPECT_EQ(std::string(id, 20), std::string(20, '\0'));

    // Individual data: from the payload's third character to its end.
    char data[32];
    std::memset(data, '#', sizeof data);
    Answer("IE2", "2,abcdefghijklmnopqr");
    EXPECT_EQ(OMR_GetIndividualData(2, data), 1);
    EXPECT_EQ(std::string(data, 19), "abcdefghijklmnopqr#");
    Answer("IE2", "2,abcdefghijklmnopq");
    EXPECT_EQ(OMR_GetIndividualData(2, data), 0);
    EXPECT_EQ(OMR_GetLastError(), OMR_ERR_RESPONSE);
}

TEST_F(DecoderTest, TextAndRawQueries)
{
    char text[32];
    std::memset(text, '#', sizeof text);
    Answer("MN", "KR-7700");
    EXPECT_EQ(OMR_GetMachineName(text), 1);
    // The payload padded with zero bytes to the reply length (13).
    EXPECT_EQ(std::string(text, 14), std::string("KR-7700\0\0\0\0\0\0#", 14));

    std::memset(text, '#', sizeof text);
    Answer("FV", "V1.23");
    EXPECT_EQ(OMR_GetVersion(0, text), 1);
    EXPECT_STREQ(text, "V1.23");
    Answer("FV", "");
    EXPECT_EQ(OMR_GetVersion(0, text), 0);
    EXPECT_EQ(OMR_GetLastError(), OMR_ERR_RESPONSE);

    std::memset(text, '#', sizeof text);
    Answer("MI", "");
    EXPECT_EQ(OMR_GetMaintenanceInfo(text), 1);
    EXPECT_EQ(std::string(text, 7), std::string(6, '\0') + "#");

    int32_t a = 0, b = 0;
    Answer("SK", "-012,+034");
    EXPECT_EQ(OMR_GetSkew(&a, &b), 1);
    EXPECT_EQ(a, -12);
    EXPECT_EQ(b, 34);

    std::memset(text, '#', sizeof text);
    Answer("AE", std::string("1,2,AB\0D", 8));
    EXPECT_EQ(OMR_GetReadSensorAD(1, 2, 0, text), 1);
    EXPECT_EQ(std::string(text, 5), std::string("AB\0D#", 5));

    std::memset(text, '#', sizeof text);
    Answer("AS", std::string("1,\x10\x00\x20", 5));
    EXPECT_EQ(OMR_GetMarkAD(1, 7, 12, text), 1);
    EXPECT_EQ(std::string(text, 4), std::string("\x10\x00\x20#", 4));
}

}  // namespace
}  // namespace marklink_test
