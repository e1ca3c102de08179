#ifndef MARKLINK_H
#define MARKLINK_H
/*
 * Marklink: device library of the KR-7700 optical mark reader.
 *
 * One reader per process. All state is process-global and lives in the
 * library; there is no handle. Every function takes and returns 32-bit
 * integers, pointers to caller-owned buffers, or caller-owned records; the
 * library never keeps a caller's pointer after a call returns. Callers
 * serialise their calls (the library takes no locks).
 *
 * Set and action functions return 1 on success and 0 on failure; the reason
 * is then read with OMR_GetLastError. Arguments out of range are refused
 * (last error OMR_ERR_PARAMETER) before anything is sent.
 *
 * Connections on Linux
 * --------------------
 * USB: the reader's driver exposes one device node per reader. The library
 *   tries "/dev/usbrdomr0" to "/dev/usbrdomr126" in order and keeps the
 *   first that opens. The environment variable MARKLINK_USB_PATH, holding a
 *   pattern with one "%d" (for example "/run/kr7700/omr%d"), replaces
 *   "/dev/usbrdomr%d"; the "%d" is replaced by the number and nothing else
 *   of the pattern is interpreted. A node may be a character device or a
 *   Unix SOCK_SEQPACKET socket; either way one read delivers one device
 *   message (ACK, NAK with its status byte, or a reply). Time limits are
 *   applied with poll(); a transfer that runs out of time gives
 *   OMR_ERR_TIMEOUT and the connection stays usable. No event object is
 *   needed, so the USB transfers never give OMR_ERR_MEMORY.
 *
 * Serial: a POSIX serial port through termios: the given baud rate (one of
 *   the standard rates 50 ... 4000000; any other rate makes the open fail),
 *   8 data bits, no parity, one stop bit, raw bytes, no hardware or software
 *   flow control, DTR and RTS on, both queues purged at open, the port held
 *   exclusively (TIOCEXCL) while open. A port without modem lines (a
 *   pseudo-terminal) is opened without DTR/RTS instead of being refused.
 *   Every read call waits at most 1000 ms; a message must be complete within
 *   the receive timeout.
 *   Serial reception: the reader sends ACK (0x06) and NAK (0x15 and its
 *   status byte) as bare bytes, and frames every reply like a command: STX,
 *   length high, length low, the reply bytes, CRC-16/X-25 high byte first.
 *   _OMR_ReceiveDataSerial reads one message per call, checks the CRC and
 *   hands back the unframed reply, so replies sit at the start of the
 *   receive buffer on both connections. A reply whose CRC does not match is
 *   reported as OMR_ERR_UNSUCCESSFUL; a reply longer than the capacity is
 *   read off the line whole but only the capacity is kept. A byte that opens
 *   no message is handed back alone (so an acknowledge check refuses it).
 *   Serial traffic is not logged.
 *
 * Limits
 * ------
 * The send buffer holds 4096 bytes. A command text longer than 4095
 * characters over USB or 4091 over serial, and a data block longer than
 * 4094 bytes over USB or 4089 over serial, is refused with
 * OMR_ERR_PARAMETER and nothing is sent. Every read is bounded by the
 * buffer it fills; _OMR_GetResponse never reads more than the 8192-byte
 * receive buffer holds, whatever capacity it is given. A missing buffer or
 * a zero count given to any transfer function (serial ones included) gives
 * OMR_ERR_PARAMETER.
 *
 * Traffic log
 * -----------
 * With bit 0 of the log mode set, USB traffic is appended line by line to
 * marklink_YYMMDD.log in the directory of the host program's executable
 * (Log_YYMMDD.log in the current directory when that cannot be found).
 * Failures to write it are silent.
 */
#include <stdint.h>

#if defined(MARKLINK_BUILDING)
#define MARKLINK_API __attribute__((visibility("default")))
#else
#define MARKLINK_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Library result codes (the last error; texts through OMR_FormatMessage). */
#define OMR_NORMAL 0
#define OMR_ERR_UNSUCCESSFUL 1   /* transfer failed, unexpected acknowledge, echo mismatch */
#define OMR_ERR_NOT_CONNECTED 2  /* no connection open */
#define OMR_ERR_PARAMETER 3      /* argument out of range, no buffer, zero length */
#define OMR_ERR_MEMORY 4         /* a buffer was not obtained */
#define OMR_ERR_TIMEOUT 5        /* the time limit of a transfer ran out */
#define OMR_ERR_NAK 6            /* the reader answered NAK */
#define OMR_ERR_RESPONSE 7       /* the reply was too short or malformed */

/* Selector "restore the reader's default" of the configuration commands. */
#define OMR_DEFAULT ((int32_t)(-2147483647 - 1))

/* Device condition code of a status pair the library does not recognise. */
#define OMR_UNKNOWN_STATUS ((int32_t)-1)

/* ---- Connection and transport ------------------------------------------ */

/* 0 opened; 1 not opened (already connected, or no device node opened).
   Resets the library first, so both timeouts are 60000 ms afterwards. */
MARKLINK_API int32_t OMR_OpenDeviceUSB(void);
/* 0 opened; 1 not opened. Keeps the timeouts in force. */
MARKLINK_API int32_t OMR_OpenDeviceSerial(const char* port, int32_t baudRate);
/* 0 closed (the library is reset); 1 nothing open or the close failed. */
MARKLINK_API int32_t OMR_CloseDevice(void);

MARKLINK_API void OMR_SetSendTimeOut(int32_t milliseconds);
MARKLINK_API int32_t OMR_GetSendTimeOut(void);
MARKLINK_API void OMR_SetRecvTimeOut(int32_t milliseconds);
MARKLINK_API int32_t OMR_GetRecvTimeOut(void);
/* Bit 0 switches the traffic log on. The mode survives resets. */
MARKLINK_API void OMR_SetLogMode(int32_t mode);
MARKLINK_API int32_t OMR_GetLogMode(void);

/* Resets the library state (not the log mode); does not close a handle. */
MARKLINK_API int32_t _OMR_InitialSystem(void);

/* Raw transfers. count: in the number of bytes to send, or the capacity to
   receive into; out the number of bytes moved (receiving). */
MARKLINK_API int32_t _OMR_SendData(const void* buffer, int32_t* count);
MARKLINK_API int32_t _OMR_ReceiveData(void* buffer, int32_t* count);
MARKLINK_API int32_t _OMR_SendDataUSB(const void* buffer, int32_t* count, int32_t timeoutMs);
MARKLINK_API int32_t _OMR_ReceiveDataUSB(void* buffer, int32_t* count, int32_t timeoutMs);
/* 0 written; 1 failed. The count is not changed. */
MARKLINK_API int32_t _OMR_SendDataSerial(const void* buffer, int32_t* count, int32_t timeoutMs);
/* 0 one message received (count = its length); 5 nothing complete in time;
   1 a reply frame with a wrong CRC or a failed read. */
MARKLINK_API int32_t _OMR_ReceiveDataSerial(void* buffer, int32_t* count, int32_t timeoutMs);

/* ---- Command protocol --------------------------------------------------- */

/* Formats a command (printf-style) into the send buffer, sends it and reads
   the acknowledge: 0 ACK, 6 NAK, 1 any other acknowledge, 2 not connected,
   3 a text too long for the send buffer, or a transfer result. When format
   is the send buffer's command text position itself it is sent unchanged. */
MARKLINK_API int32_t _OMR_SendCommand(const char* format, ...) __attribute__((format(printf, 1, 2)));
/* 0 ACK; 6 NAK (status byte kept for OMR_GetNakST); 1 neither. */
MARKLINK_API int32_t _OMR_ReceiveACKorNAK(void);
/* Reads one reply into the library's receive buffer (buffer is not used);
   *capacity in: at most this many bytes (never more than 8192); out: the
   reply length. 0 echo matches, 1 echo differs, or a transfer result. */
MARKLINK_API int32_t _OMR_GetResponse(void* buffer, int32_t* capacity);
/* 1 when the reply echoes the command code, else 0; copies the status pairs. */
MARKLINK_API int32_t _OMR_CheckStatus(void);
MARKLINK_API int32_t _OMR_SendCommandAndGetResponse(const char* format, ...) __attribute__((format(printf, 1, 2)));
MARKLINK_API int32_t _OMR_SendCommandBinaryAndGetResponse(const char* code, const void* data, int32_t length);
/* Parses exactly count characters (an optional leading sign counts as one);
   0x80000000 when a character is no digit. */
MARKLINK_API int32_t _OMR_ChangeStringToInt(const char* text, int32_t count, int32_t hexadecimal);
/* Status pair 0 or 1 of the last reply as a zero-terminated 2-character
   text; any other index gives "". */
MARKLINK_API const char* OMR_GetST(int32_t index);
/* The status byte that followed the last NAK. */
MARKLINK_API const char* OMR_GetNakST(void);

/* ---- Status codes and messages ------------------------------------------ */

/* The last error if it is not 0, else the device condition code of the
   status pairs of the last reply (0 when both are normal). Compare all 32
   bits with 0: many device codes have a low half of zero. */
MARKLINK_API int32_t OMR_GetLastError(void);
/* Queries the reader's status ("ST"); returns what OMR_GetLastError gives. */
MARKLINK_API int32_t OMR_GetStatus(void);
/* Text of a code: language 0 or 1 English, 2 Japanese (Shift-JIS). */
MARKLINK_API const char* OMR_FormatMessage(int32_t code, int32_t language);

#ifdef __cplusplus
}
#endif

#endif /* MARKLINK_H */
