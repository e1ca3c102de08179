// The command exchange through the C interface: what goes on the wire, the
// acknowledge and reply edge cases, the send buffer limits and the shared
// number parser.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <unistd.h>

#include "reader_session.h"

namespace marklink_test {
namespace {

using emulator::Fault;

class ProtocolTest : public ReaderTest {};

// The bytes a serial command leaves the library as, read straight off the
// other side of a pseudo-terminal.
TEST(SerialFrameTest, StatusQueryGoesOutAsItsSevenByteFrame)
{
    const int master = ::posix_openpt(O_RDWR | O_NOCTTY);
    ASSERT_GE(master, 0);
    ASSERT_EQ(::grantpt(master), 0);
    ASSERT_EQ(::unlockpt(master), 0);
    ASSERT_EQ(OMR_OpenDeviceSerial(::ptsname(master), 9600), 0);
    OMR_SetRecvTimeOut(50);
    EXPECT_EQ(_OMR_SendCommand("ST"), OMR_ERR_TIMEOUT);  // nobody answers

    unsigned char frame[16] = {};
    pollfd ready{master, POLLIN, 0};
    ASSERT_EQ(::poll(&ready, 1, 1000), 1);
    const ssize_t n = ::read(master, frame, sizeof frame);
    const unsigned char expected[] = {0x02, 0x00, 0x02, 0x53, 0x54, 0x81, 0x79};
    ASSERT_EQ(n, 7);
    EXPECT_EQ(std::memcmp(frame, expected, sizeof expected), 0);
    OMR_CloseDevice();
    ::close(master);
}

TEST_P(ProtocolTest, CommandTextIsFormattedAndTheReplyDecoded)
{
    Reader().SetPayload("NC", "12");
    ASSERT_EQ(_OMR_SendCommandAndGetResponse("NC1,%02d", 7), 0);
    EXPECT_EQ(Reader().Commands(), std::vector<std::string>{"NC1,07"});
    int32_t capacity = 8192;
    // _OMR_GetResponse reads the next reply: ask for one first.
    ASSERT_EQ(_OMR_SendCommand("NC2"), 0);
    ASSERT_EQ(_OMR_GetResponse(nullptr, &capacity), 0);
    EXPECT_EQ(capacity, 8);  // "NC@@@@12"
}

// Data blocks travel byte for byte, including bytes that look like frame
// control characters or terminators.
TEST_P(ProtocolTest, DataCommandCarriesAnyBytes)
{
    const std::string data("0,\x00\x02\x06\x15\xff" "ab", 9);
    ASSERT_EQ(_OMR_SendCommandBinaryAndGetResponse("SP", data.data(), static_cast<int32_t>(data.size())), 0);
    ASSERT_EQ(Reader().Commands().size(), 1u);
    EXPECT_EQ(Reader().Commands()[0], "SP" + data);
    EXPECT_EQ(OMR_GetLastError(), 0);
}

TEST_P(ProtocolTest, NakKeepsItsStatusByte)
{
    Reader().Misbehave(Fault::Nak('3'));
    EXPECT_EQ(_OMR_SendCommandAndGetResponse("ST"), OMR_ERR_NAK);
    EXPECT_STREQ(OMR_GetNakST(), "3");
    EXPECT_EQ(_OMR_SendCommandAndGetResponse("ST"), 0);  // nothing left over
    EXPECT_STREQ(OMR_GetNakST(), "3");                 // kept until the next NAK
}

// Acknowledges of the wrong form. Over USB each device message arrives as
// one read, so a lone 0x15 or an ACK with a trailing byte is seen as such.
TEST(UsbAcknowledgeTest, MalformedAcknowledgesGiveOne)
{
    struct Case {
        const char* name;
        Fault fault;
        int32_t expected;
    };
    const Case cases[] = {
        {"one-byte NAK", Fault::OneByteNak(), OMR_ERR_UNSUCCESSFUL},
        {"06 00", Fault::Acknowledge(std::string("\x06\x00", 2)), OMR_ERR_UNSUCCESSFUL},
        {"foreign byte", Fault::Acknowledge("A"), OMR_ERR_UNSUCCESSFUL},
        {"NAK with status", Fault::Nak('9'), OMR_ERR_NAK},
    };
    ReaderSession session(Link::kUsb);
    ASSERT_TRUE(session.Opened());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        session.Reader().Misbehave(c.fault);
        EXPECT_EQ(_OMR_SendCommandAndGetResponse("ST"), c.expected);
        EXPECT_EQ(_OMR_SendCommandAndGetResponse("ST"), 0);
    }
}

// The 4-byte reply "MDB1": the echo matches, pair 0 is "B1", pair 1 empty.
TEST_P(ProtocolTest, ShortReplyStillUpdatesTheStatusPairs)
{
    Reader().Misbehave(Fault::RawReply("MDB1"));
    ASSERT_EQ(_OMR_SendCommand("MD%01d", 0), 0);
    int32_t capacity = 8192;
    EXPECT_EQ(_OMR_GetResponse(nullptr, &capacity), 0);
    EXPECT_EQ(capacity, 4);
    EXPECT_STREQ(OMR_GetST(0), "B1");
    EXPECT_STREQ(OMR_GetST(1), "");
}

TEST_P(ProtocolTest, WrongEchoGivesOneButTheStatusPairsAreTaken)
{
    Reader().SetStatus("Q1", "H2");
    Reader().Misbehave(Fault::WrongEcho("XX"));
    EXPECT_EQ(_OMR_SendCommandAndGetResponse("ST"), OMR_ERR_UNSUCCESSFUL);
    EXPECT_STREQ(OMR_GetST(0), "Q1");
    EXPECT_STREQ(OMR_GetST(1), "H2");
}

// A reply longer than the capacity asked for is cut there; nothing past it
// is written and the next exchange is not disturbed by the rest.
TEST_P(ProtocolTest, ReplyIsBoundedByTheCapacity)
{
    Reader().Misbehave(Fault::RawReply("SF@@@@" + std::string(300, 'x')));
    ASSERT_EQ(_OMR_SendCommand("SF"), 0);
    int32_t capacity = 16;
    EXPECT_EQ(_OMR_GetResponse(nullptr, &capacity), 0);
    EXPECT_EQ(capacity, 16);
    Reader().SetPayload("ST", "ok");
    ASSERT_EQ(_OMR_SendCommand("ST"), 0);
    capacity = 100000;  // more than the receive buffer: held to its size
    EXPECT_EQ(_OMR_GetResponse(nullptr, &capacity), 0);
    EXPECT_EQ(capacity, 8);
}

TEST(SerialReplyTest, ReplyWithAWrongCrcGivesOne)
{
    ReaderSession session(Link::kSerial);
    ASSERT_TRUE(session.Opened());
    session.Reader().Misbehave(Fault::BadCrc());
    EXPECT_EQ(_OMR_SendCommandAndGetResponse("ST"), OMR_ERR_UNSUCCESSFUL);
    EXPECT_EQ(_OMR_SendCommandAndGetResponse("ST"), 0);
}

TEST(SerialReplyTest, LoneNakByteRunsIntoTheTimeout)
{
    // Without message boundaries a NAK waits for its status byte.
    ReaderSession session(Link::kSerial);
    ASSERT_TRUE(session.Opened());
    session.Reader().Misbehave(Fault::OneByteNak());
    EXPECT_EQ(_OMR_SendCommandAndGetResponse("ST"), OMR_ERR_TIMEOUT);
}

// What fits the 4096-byte send buffer is sent; one byte more is refused
// with 3 before anything goes out.
TEST_P(ProtocolTest, CommandsThatDoNotFitTheSendBufferAreRefused)
{
    const bool usb = GetLink() == Link::kUsb;
    const int32_t maxData = usb ? 4094 : 4089;
    const int maxText = usb ? 4095 : 4091;
    const std::string data(maxData + 1, 'd');
    const std::string text(maxText + 1, 't');
    struct Case {
        const char* name;
        std::function<int32_t()> send;
        int32_t expected;
        std::size_t sentLength;
    };
    const Case cases[] = {
        {"largest data block", [&] { return _OMR_SendCommandBinaryAndGetResponse("SP", data.data(), maxData); }, 0, 2u + maxData},
        {"data block one too long", [&] { return _OMR_SendCommandBinaryAndGetResponse("SP", data.data(), maxData + 1); }, OMR_ERR_PARAMETER, 0},
        {"negative data length", [&] { return _OMR_SendCommandBinaryAndGetResponse("SP", data.data(), -1); }, OMR_ERR_PARAMETER, 0},
        {"longest text", [&] { return _OMR_SendCommandAndGetResponse("%.*s", maxText, text.c_str()); }, 0, std::size_t(maxText)},
        {"text one too long", [&] { return _OMR_SendCommandAndGetResponse("%s", text.c_str()); }, OMR_ERR_PARAMETER, 0},
        {"text grown by formatting", [&] { return _OMR_SendCommand("TT%*d", maxText, 1); }, OMR_ERR_PARAMETER, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Reader().ClearCommands();
        EXPECT_EQ(c.send(), c.expected);
        const auto sent = Reader().Commands();
        if (c.sentLength == 0) {
            EXPECT_TRUE(sent.empty());
        } else {
            ASSERT_EQ(sent.size(), 1u);
            EXPECT_EQ(sent[0].size(), c.sentLength);
        }
    }
}

TEST(StatusPairTest, PairsReadAtSignsAfterResetAndIndexesOutsideGiveEmpty)
{
    _OMR_InitialSystem();
    EXPECT_STREQ(OMR_GetST(0), "@@");
    EXPECT_STREQ(OMR_GetST(1), "@@");
    EXPECT_STREQ(OMR_GetST(2), "");
    EXPECT_STREQ(OMR_GetST(-1), "");
}

TEST(ChangeStringToIntTest, ParsesExactlyTheGivenCharacters)
{
    struct Case {
        const char* text;
        int32_t count;
        int32_t hexadecimal;
        int32_t expected;
    };
    const Case cases[] = {
        {"012", 3, 0, 12},
        {"-05", 3, 0, -5},
        {"+127", 4, 0, 127},
        {"1F", 2, 1, 31},
        {"1A", 2, 0, 20},  // letters count 10-15 in either base
        {"ff", 2, 1, 255},
        {" 12", 3, 0, INT32_MIN},
        {"1x", 2, 0, INT32_MIN},
        {"12345", 2, 0, 12},  // no terminator needed
        {"", 0, 0, 0},
        {"+", 1, 0, 0},
        {"-", 1, 0, 0},
        {"99999999999", 11, 0, static_cast<int32_t>(99999999999LL & 0xFFFFFFFF)},  // wraps, no overflow
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(_OMR_ChangeStringToInt(c.text, c.count, c.hexadecimal), c.expected);
    }
}

INSTANTIATE_TEST_SUITE_P(BothLinks, ProtocolTest, testing::Values(Link::kUsb, Link::kSerial), LinkName);

}  // namespace
}  // namespace marklink_test
