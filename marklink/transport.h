#pragma once
// Opening the two kinds of connection. The byte transfers themselves are
// the exported _OMR_SendData... and _OMR_ReceiveData... functions.
#include <cstdint>
#include <string>

namespace marklink {

constexpr int kUsbNodeCount = 127;
constexpr const char* kUsbPathPattern = "/dev/usbrdomr%d";
constexpr const char* kUsbPathVariable = "MARKLINK_USB_PATH";

// The node path for number n: the first "%d" of the pattern replaced by n.
std::string UsbNodePath(const std::string& pattern, int n);

// Opens a USB node (a character device or a Unix seqpacket socket) for
// non-blocking reading and writing; -1 when it cannot be opened.
int OpenUsbNode(const char* path);

// Opens and sets up a serial port; -1 when it cannot be opened or set up.
int OpenSerialPort(const char* port, std::int32_t baudRate);

// Gives up the exclusive hold on a serial port before it is closed.
void ReleaseSerialPort(int fd);

}  // namespace marklink
