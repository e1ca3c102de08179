// Opening and closing the connection, timeouts, log mode, and the transfer
// dispatch by connection kind.
#include <cstdlib>
#include <cstring>
#include <string>
#include <unistd.h>

#include "marklink.h"
#include "state.h"
#include "transport.h"

using namespace marklink;

extern "C" {

int32_t OMR_OpenDeviceUSB(void)
{
    LibraryState& state = State();
    if (state.Logging())
        state.log.Write(LogKind::kEvent, "Open");
    if (state.Connected()) {
        if (state.Logging())
            state.log.Write(LogKind::kUntimed, "Open:Fail");
        return 1;
    }
    state.Reset();

    const char* configured = std::getenv(kUsbPathVariable);
    const std::string pattern = configured != nullptr && *configured != 0 ? configured : kUsbPathPattern;
    int fd = -1;
    for (int n = 0; n < kUsbNodeCount && fd < 0; ++n) {
        const std::string path = UsbNodePath(pattern, n);
        std::memset(state.devicePath, 0, sizeof state.devicePath);
        std::strncpy(state.devicePath, path.c_str(), sizeof state.devicePath - 1);
        if (path.size() < sizeof state.devicePath)
            fd = OpenUsbNode(state.devicePath);
    }
    if (fd < 0)
        return 1;

    state.fd = fd;
    state.connection = Connection::kUsb;
    state.SetPositions();
    if (state.Logging())
        state.log.Write(LogKind::kUntimed, state.devicePath);
    return 0;
}

int32_t OMR_OpenDeviceSerial(const char* port, int32_t baudRate)
{
    LibraryState& state = State();
    if (state.Connected())
        return 1;
    const int fd = OpenSerialPort(port, baudRate);
    if (fd < 0) {
        state.connection = Connection::kNone;
        return 1;
    }
    state.fd = fd;
    state.connection = Connection::kSerial;
    state.SetPositions();
    return 0;
}

int32_t OMR_CloseDevice(void)
{
    LibraryState& state = State();
    if (!state.Connected())
        return 1;
    for (MarkTable& table : state.marks)
        std::vector<std::uint8_t>().swap(table.data);
    if (state.connection == Connection::kSerial)
        ReleaseSerialPort(state.fd);
    // Linux releases the descriptor even when close() reports an error, so
    // the connection is forgotten either way: keeping the number would let a
    // later command write into whatever file reuses it.
    const bool closed = ::close(state.fd) == 0;
    state.Reset();
    return closed ? 0 : 1;
}

void OMR_SetSendTimeOut(int32_t milliseconds)
{
    State().sendTimeoutMs = milliseconds;
}

int32_t OMR_GetSendTimeOut(void)
{
    return State().sendTimeoutMs;
}

void OMR_SetRecvTimeOut(int32_t milliseconds)
{
    State().recvTimeoutMs = milliseconds;
}

int32_t OMR_GetRecvTimeOut(void)
{
    return State().recvTimeoutMs;
}

void OMR_SetLogMode(int32_t mode)
{
    State().logMode = mode;
}

int32_t OMR_GetLogMode(void)
{
    return State().logMode;
}

int32_t _OMR_InitialSystem(void)
{
    State().Reset();
    return 0;
}

int32_t _OMR_SendData(const void* buffer, int32_t* count)
{
    const LibraryState& state = State();
    switch (state.connection) {
    case Connection::kNone:
        return OMR_ERR_NOT_CONNECTED;
    case Connection::kUsb:
        return _OMR_SendDataUSB(buffer, count, state.sendTimeoutMs);
    case Connection::kSerial:
        return _OMR_SendDataSerial(buffer, count, state.sendTimeoutMs);
    }
    return OMR_ERR_UNSUCCESSFUL;
}

int32_t _OMR_ReceiveData(void* buffer, int32_t* count)
{
    const LibraryState& state = State();
    switch (state.connection) {
    case Connection::kNone:
        return OMR_ERR_NOT_CONNECTED;
    case Connection::kUsb:
        return _OMR_ReceiveDataUSB(buffer, count, state.recvTimeoutMs);
    case Connection::kSerial:
        return _OMR_ReceiveDataSerial(buffer, count, state.recvTimeoutMs);
    }
    return OMR_ERR_UNSUCCESSFUL;
}

}  // extern "C"
