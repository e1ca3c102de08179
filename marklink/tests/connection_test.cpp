// Opening, closing and the transfer time limits, through the C interface
// against the emulated reader.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include "reader_session.h"

namespace marklink_test {
namespace {

class ConnectionTest : public testing::Test {
protected:
    void TearDown() override
    {
        OMR_CloseDevice();
        _OMR_InitialSystem();
    }
    TempDir dir_;
};

TEST_F(ConnectionTest, SecondOpenIsRefusedAndTheFirstConnectionStaysUsable)
{
    auto reader = emulator::ReaderEmulator::ServeSocket(dir_ / "omr0");
    UseUsbNodesIn(dir_);
    ASSERT_EQ(OMR_OpenDeviceUSB(), 0);
    EXPECT_EQ(OMR_OpenDeviceUSB(), 1);
    EXPECT_EQ(OMR_OpenDeviceSerial("/dev/null", 9600), 1);
    EXPECT_EQ(OMR_GetStatus(), 0);
    EXPECT_EQ(reader->Commands(), std::vector<std::string>{"ST"});
    EXPECT_EQ(OMR_CloseDevice(), 0);
    EXPECT_EQ(OMR_CloseDevice(), 1);
    EXPECT_EQ(OMR_GetStatus(), OMR_ERR_NOT_CONNECTED);
}

TEST_F(ConnectionTest, UsbScanTriesTheNumbersZeroTo126)
{
    struct Case {
        int node;
        int32_t expected;
    };
    for (const Case& c : {Case{0, 0}, Case{126, 0}, Case{127, 1}}) {
        SCOPED_TRACE(c.node);
        auto reader = emulator::ReaderEmulator::ServeSocket(dir_ / ("omr" + std::to_string(c.node)));
        UseUsbNodesIn(dir_);
        ASSERT_EQ(OMR_OpenDeviceUSB(), c.expected);
        EXPECT_EQ(OMR_GetStatus(), c.expected == 0 ? 0 : OMR_ERR_NOT_CONNECTED);
        OMR_CloseDevice();
    }
}

TEST_F(ConnectionTest, UsbScanSkipsNodesThatAreNeitherDevicesNorSockets)
{
    // A stray regular file at number 0 is passed over for the socket at 1.
    { std::FILE* stray = std::fopen((dir_ / "omr0").c_str(), "w"); ASSERT_NE(stray, nullptr); std::fclose(stray); }
    auto reader = emulator::ReaderEmulator::ServeSocket(dir_ / "omr1");
    UseUsbNodesIn(dir_);
    ASSERT_EQ(OMR_OpenDeviceUSB(), 0);
    EXPECT_EQ(OMR_GetStatus(), 0);
    EXPECT_EQ(reader->Commands().size(), 1u);
}

TEST_F(ConnectionTest, UsbOpenResetsTimeoutsSerialOpenKeepsThem)
{
    auto usb = emulator::ReaderEmulator::ServeSocket(dir_ / "omr0");
    UseUsbNodesIn(dir_);
    OMR_SetRecvTimeOut(1234);
    OMR_SetSendTimeOut(4321);
    ASSERT_EQ(OMR_OpenDeviceUSB(), 0);
    EXPECT_EQ(OMR_GetRecvTimeOut(), 60000);
    EXPECT_EQ(OMR_GetSendTimeOut(), 60000);
    ASSERT_EQ(OMR_CloseDevice(), 0);

    auto serial = emulator::ReaderEmulator::ServePseudoTerminal();
    OMR_SetRecvTimeOut(1234);
    OMR_SetSendTimeOut(4321);
    ASSERT_EQ(OMR_OpenDeviceSerial(serial->Path().c_str(), 9600), 0);
    EXPECT_EQ(OMR_GetRecvTimeOut(), 1234);
    EXPECT_EQ(OMR_GetSendTimeOut(), 4321);
    ASSERT_EQ(OMR_CloseDevice(), 0);
    EXPECT_EQ(OMR_GetRecvTimeOut(), 60000);
    EXPECT_EQ(OMR_GetSendTimeOut(), 60000);
}

TEST_F(ConnectionTest, CloseResetsStatusPairsAndLastError)
{
    auto reader = emulator::ReaderEmulator::ServeSocket(dir_ / "omr0");
    UseUsbNodesIn(dir_);
    ASSERT_EQ(OMR_OpenDeviceUSB(), 0);
    reader->SetStatus("Q1", "H2");
    EXPECT_EQ(OMR_GetStatus(), 0x30080001);
    EXPECT_STREQ(OMR_GetST(0), "Q1");
    ASSERT_EQ(OMR_CloseDevice(), 0);
    EXPECT_STREQ(OMR_GetST(0), "@@");
    EXPECT_STREQ(OMR_GetST(1), "@@");
    EXPECT_EQ(OMR_GetLastError(), 0);
}

TEST_F(ConnectionTest, SerialPortIsSetToRaw8N1AtTheGivenRateWithoutFlowControl)
{
    auto reader = emulator::ReaderEmulator::ServePseudoTerminal();
    ASSERT_EQ(OMR_OpenDeviceSerial(reader->Path().c_str(), 9600), 0);
    const auto line = reader->LineSettings();
    ASSERT_TRUE(line.has_value());
    EXPECT_EQ(cfgetospeed(&*line), B9600);
    EXPECT_EQ(cfgetispeed(&*line), B9600);
    EXPECT_EQ(line->c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
    EXPECT_EQ(line->c_cflag & (PARENB | CSTOPB | CRTSCTS), 0u);
    EXPECT_NE(line->c_cflag & CREAD, 0u);
    EXPECT_EQ(line->c_iflag & (IXON | IXOFF | IXANY | ICRNL | ISTRIP), 0u);
    EXPECT_EQ(line->c_lflag & (ICANON | ECHO | ISIG | IEXTEN), 0u);
    EXPECT_EQ(line->c_oflag & OPOST, 0u);
    EXPECT_EQ(OMR_GetStatus(), 0);
}

TEST_F(ConnectionTest, SerialOpenFailsForUnknownPortsRatesAndNonTerminals)
{
    auto reader = emulator::ReaderEmulator::ServePseudoTerminal();
    EXPECT_EQ(OMR_OpenDeviceSerial(reader->Path().c_str(), 12345), 1);
    EXPECT_EQ(OMR_OpenDeviceSerial((dir_ / "missing").c_str(), 9600), 1);
    EXPECT_EQ(OMR_OpenDeviceSerial("/dev/null", 9600), 1);
    EXPECT_EQ(OMR_OpenDeviceSerial(nullptr, 9600), 1);
    EXPECT_EQ(OMR_GetStatus(), OMR_ERR_NOT_CONNECTED);
    // The port refused at a wrong rate opens at a right one.
    EXPECT_EQ(OMR_OpenDeviceSerial(reader->Path().c_str(), 19200), 0);
    EXPECT_EQ(OMR_GetStatus(), 0);
}

TEST_F(ConnectionTest, SerialPortIsReleasedAtClose)
{
    auto reader = emulator::ReaderEmulator::ServePseudoTerminal();
    for (int round = 0; round < 2; ++round) {
        ASSERT_EQ(OMR_OpenDeviceSerial(reader->Path().c_str(), 9600), 0) << round;
        EXPECT_EQ(OMR_GetStatus(), 0);
        ASSERT_EQ(OMR_CloseDevice(), 0);
    }
}

TEST_F(ConnectionTest, NothingHappensWithoutAConnection)
{
    UseUsbNodesIn(dir_);
    EXPECT_EQ(OMR_OpenDeviceUSB(), 1);
    EXPECT_EQ(_OMR_SendCommand("ST"), OMR_ERR_NOT_CONNECTED);
    EXPECT_EQ(_OMR_SendCommandAndGetResponse("ST"), OMR_ERR_NOT_CONNECTED);
    EXPECT_EQ(_OMR_SendCommandBinaryAndGetResponse("SP", "x", 1), OMR_ERR_NOT_CONNECTED);
    char buffer[4] = "ST";
    int32_t count = 2;
    EXPECT_EQ(_OMR_SendData(buffer, &count), OMR_ERR_NOT_CONNECTED);
    EXPECT_EQ(_OMR_ReceiveData(buffer, &count), OMR_ERR_NOT_CONNECTED);
    EXPECT_EQ(OMR_GetStatus(), OMR_ERR_NOT_CONNECTED);
    EXPECT_EQ(OMR_GetLastError(), OMR_ERR_NOT_CONNECTED);
}

TEST_F(ConnectionTest, TransfersRefuseAMissingBufferOrZeroCount)
{
    auto reader = emulator::ReaderEmulator::ServeSocket(dir_ / "omr0");
    UseUsbNodesIn(dir_);
    ASSERT_EQ(OMR_OpenDeviceUSB(), 0);
    char buffer[4] = {};
    int32_t zero = 0;
    int32_t two = 2;
    EXPECT_EQ(_OMR_SendData(nullptr, &two), OMR_ERR_PARAMETER);
    EXPECT_EQ(_OMR_SendData(buffer, &zero), OMR_ERR_PARAMETER);
    EXPECT_EQ(_OMR_ReceiveData(nullptr, &two), OMR_ERR_PARAMETER);
    EXPECT_EQ(_OMR_ReceiveData(buffer, &zero), OMR_ERR_PARAMETER);
    EXPECT_EQ(_OMR_SendDataSerial(nullptr, &two, 0), OMR_ERR_PARAMETER);
    EXPECT_EQ(_OMR_ReceiveDataSerial(buffer, &zero, 0), OMR_ERR_PARAMETER);
    EXPECT_TRUE(reader->Commands().empty());
}

class TransferTimeoutTest : public ReaderTest {};

// Silence from the reader runs out the receive timeout; the connection is
// still usable for the next command.
TEST_P(TransferTimeoutTest, TimeoutGivesFiveAndLeavesTheConnectionUsable)
{
    for (const auto& fault : {emulator::Fault::Silence(), emulator::Fault::NoReply()}) {
        Reader().Misbehave(fault);
        EXPECT_EQ(OMR_GetStatus(), OMR_ERR_TIMEOUT);
        EXPECT_STREQ(OMR_FormatMessage(OMR_GetLastError(), 0), "Communication Timeout");
        Reader().SetStatus("Q1", "@@");
        EXPECT_EQ(OMR_GetStatus(), 0x40110000);
        Reader().SetStatus("@@", "@@");
    }
    EXPECT_EQ(Reader().Commands().size(), 4u);
}

INSTANTIATE_TEST_SUITE_P(BothLinks, TransferTimeoutTest, testing::Values(Link::kUsb, Link::kSerial), LinkName);

}  // namespace
}  // namespace marklink_test
