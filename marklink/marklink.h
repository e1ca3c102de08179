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

/* ---- Sheet reading commands ---------------------------------------------
 * The library keeps the marks of the last fetch per side (0 front, 1 back):
 * rows x columns bytes, row after row, each the reader's mark character
 * minus '0'. The marks reply lists the rows separated by ","; the columns
 * are the characters before the first comma. A row shorter than the first
 * takes the characters of the next row; positions left at the end of the
 * reply are 0 (the library never reads beyond the reply).
 */

/* The caller's record of OMR_GetMarks. In: the rows and columns the
   caller's buffer can take. Out: size 16, and the rows and columns of the
   library's table (the copy is one block of the smaller of the two sizes,
   in the table's layout). */
typedef struct OmrMarkInfo {
    int32_t size;
    int32_t rows;
    int32_t columns;
} OmrMarkInfo;

/* "SF". 1 when the exchange succeeded: whether a sheet was read is in the
   status pairs (OMR_GetLastError: 0 read; e.g. 0x40110000 sheet empty). */
MARKLINK_API int32_t OMR_FeedSheet(void);
MARKLINK_API int32_t OMR_ReadSheetAndGetData(void);
/* "MD0" / "MD1". Over serial with an info record no query is made: the
   table of the previous fetch is copied. info and buffer may be null (then
   nothing is copied); a copy due without a buffer, or from a table that
   holds no marks (emptied by a close or a failed fetch), gives
   OMR_ERR_MEMORY. */
MARKLINK_API int32_t OMR_GetMarks(int32_t side, OmrMarkInfo* info, void* buffer);
/* position 0 or 1. */
MARKLINK_API int32_t OMR_MoveHopper(int32_t position);
/* destination 1 to 4. */
MARKLINK_API int32_t OMR_EjectSheet(int32_t destination);
/* (1, 1-9), (2, 2-9): "RM1,m,o"; 3-6 (option ignored): "RM1,m";
   OMR_DEFAULT: "RM3". */
MARKLINK_API int32_t OMR_SetReadingMethod(int32_t method, int32_t option);
/* Payload "m,o"; a character that is no digit gives OMR_ERR_RESPONSE. */
MARKLINK_API int32_t OMR_GetReadingMethod(int32_t* method, int32_t* option);
/* 1 to 48: "NC1,nn"; 0 restores the default ("NC3"). */
MARKLINK_API int32_t OMR_SetNumberOfColumnsToRead(int32_t count);
/* The count; 0 on failure (the last error tells it from a count of 0). */
MARKLINK_API int32_t OMR_GetNumberOfColumnsToRead(void);
/* Copies the payload and 6 zero bytes (the reply length in all). */
MARKLINK_API int32_t OMR_GetDensityLevel(int32_t side, char* buffer);
MARKLINK_API int32_t OMR_Reset(void);
MARKLINK_API int32_t OMR_InitialSetting(void);
/* Returns the exchange result (0 accepted); the last error is unchanged. */
MARKLINK_API int32_t OMR_CancelError(void);

/* ---- Configuration commands ---------------------------------------------
 * Set functions return 1 when the reader accepted the command (its own
 * refusal of a value shows in the status pairs, see OMR_GetLastError) and 0
 * on failure. Most restore the reader's default when given OMR_DEFAULT.
 * Queries returning a number give -1 on failure unless stated; queries with
 * output pointers return 1 / 0. A missing output pointer or buffer is
 * refused with OMR_ERR_PARAMETER before anything is sent.
 *
 * Decisions:
 * - OMR_SetPrintOrder(OMR_DEFAULT, ...) sends "PR3,3", the restore command
 *   of the print-order item like every other printer item, not the query
 *   "PR2,3": a query restores nothing, yet the function would report
 *   success. The second and third values are checked (0-3) in either case.
 * - OMR_GetSleepTime sends "ES2" and expects the echo "ES": this is the
 *   reader's sleep-time query code, although setting uses "SE".
 * - OMR_GetSensorCorrection and OMR_GetIndividualData stop at the end of
 *   the payload: they deliver payload length - 2 values or bytes (from the
 *   payload's third character on), and the caller's buffer needs no more
 *   room than that.
 * - OMR_SetIndividualData refuses more than 22 data bytes (OMR_ERR_PARAMETER);
 *   the reader keeps at most 22 bytes per slot.
 * - Barcode kinds are single characters.
 */
MARKLINK_API int32_t OMR_SetBarcodeReaderUnit(int32_t unit);
MARKLINK_API int32_t OMR_GetBarcodeReaderUnit(void);
/* pairs: 10 pairs (20 integers); the first pair is always sent, later pairs
   up to the first with a number <= 0, and ",000,000" for the rest. */
MARKLINK_API int32_t OMR_SetBarCodeArea(const int32_t* pairs);
/* 1 read; -1 reply too short; 0 other failures (wrong item echo or comma:
   pairs before it are already written). */
MARKLINK_API int32_t OMR_GetBarCodeArea(int32_t* pairs);
MARKLINK_API int32_t OMR_SetBarCodeReadType(int32_t bits);
MARKLINK_API int32_t OMR_GetBarCodeReadType(int32_t* bits);
MARKLINK_API int32_t OMR_SetBarCodeCheckDigit(char kind, int32_t setting);
MARKLINK_API int32_t OMR_GetBarCodeCheckDigit(char kind, int32_t* setting);
/* option: bits 0-3 and 4-7, each field v sent as the digit v - 1 (0-9). */
MARKLINK_API int32_t OMR_SetBarCodeOption(char kind, int32_t option);
MARKLINK_API int32_t OMR_GetBarCodeOption(char kind, int32_t* option);
MARKLINK_API int32_t OMR_GetBarcodeInfo(int32_t* first, int32_t* second);
/* length: in the capacity of buffer, out the number of characters copied. */
MARKLINK_API int32_t OMR_GetBarcodeData(int32_t number, char* kind, int32_t* length, char* buffer);
/* length: in the data length, out the reply length; the reply buffer needs
   the payload length + 6 bytes. */
MARKLINK_API int32_t OMR_ControlBarcode(const void* data, char* reply, int32_t* length);

MARKLINK_API int32_t OMR_SetPrinterUnit(int32_t unit);
MARKLINK_API int32_t OMR_GetPrinterUnit(void);
MARKLINK_API int32_t OMR_SetPrintMode(int32_t mode);
MARKLINK_API int32_t OMR_GetPrintMode(int32_t* mode);
/* line 0: all lines to default; 1-3 with a null or empty text: that line to
   default; otherwise at most 42 bytes of text. */
MARKLINK_API int32_t OMR_SetPrintString(int32_t line, const char* text);
/* Copies 42 characters (no terminator added). */
MARKLINK_API int32_t OMR_GetPrintString(int32_t line, char* buffer);
MARKLINK_API int32_t OMR_SetPrintPosition(int32_t position);
MARKLINK_API int32_t OMR_GetPrintPosition(int32_t* position);
MARKLINK_API int32_t OMR_SetPrintOrder(int32_t first, int32_t second, int32_t third);
MARKLINK_API int32_t OMR_GetPrintOrder(int32_t* first, int32_t* second, int32_t* third);
MARKLINK_API int32_t OMR_SetPrintAngle(int32_t angle);
MARKLINK_API int32_t OMR_GetPrintAngle(int32_t* angle);
MARKLINK_API int32_t OMR_SetPrintFontSize(int32_t size);
MARKLINK_API int32_t OMR_GetPrintFontSize(int32_t* size);
MARKLINK_API int32_t OMR_SetPrintFontPitch(int32_t pitch);
MARKLINK_API int32_t OMR_GetPrintFontPitch(int32_t* pitch);

/* index 0 restores all 16 thresholds. */
MARKLINK_API int32_t OMR_SetDensityThreshold(int32_t index, int32_t threshold);
MARKLINK_API int32_t OMR_GetDensityThreshold(int32_t* thresholds /* 16 */);
/* -128..127; 9999 restores the default. */
MARKLINK_API int32_t OMR_SetDensityLevelShift(int32_t shift);
/* The shift; 0x8000 on failure. */
MARKLINK_API int32_t OMR_GetDensityLevelShift(void);
MARKLINK_API int32_t OMR_SetSheetThreshold(int32_t level);
MARKLINK_API int32_t OMR_GetSheetThreshold(int32_t* levels /* 5 */);
MARKLINK_API int32_t OMR_SetSensorCorrection(int32_t mode);
/* values: one per payload character from the third on (payload length - 2). */
MARKLINK_API int32_t OMR_GetSensorCorrection(int32_t number, int32_t* values);
MARKLINK_API int32_t OMR_SetSensorLevel(int32_t selector);
MARKLINK_API int32_t OMR_GetSensorLevel(int32_t selector, char* buffer);
MARKLINK_API int32_t OMR_SetBackSensorUnit(int32_t unit);
MARKLINK_API int32_t OMR_GetBackSensorUnit(void);

MARKLINK_API int32_t OMR_SetSheetFeedMode(int32_t mode, int32_t value);
MARKLINK_API int32_t OMR_GetSheetFeedMode(int32_t* mode, int32_t* value);
MARKLINK_API int32_t OMR_SetSheetThickness(int32_t thickness);
MARKLINK_API int32_t OMR_GetSheetThickness(void);
/* flags: bits 16-21 the six warnings, bit 28 (0x10000000) restores the
   default; value1 1-155, value2 1-16. */
MARKLINK_API int32_t OMR_SetWarningError(int32_t flags, int32_t value1, int32_t value2);
MARKLINK_API int32_t OMR_GetWarningError(int32_t* flags, int32_t* value1, int32_t* value2);
MARKLINK_API int32_t OMR_SetPanelConfig(int32_t setting);
MARKLINK_API int32_t OMR_GetPanelConfig(void);
MARKLINK_API int32_t OMR_SetBuzzerConfig(int32_t setting, int32_t option);
MARKLINK_API int32_t OMR_GetBuzzerConfig(int32_t* setting, int32_t* option);
/* id: 20 bytes, or null to restore the default. */
MARKLINK_API int32_t OMR_SetID(const void* id);
MARKLINK_API int32_t OMR_GetID(void* id /* 20 bytes */);
/* minutes 0-60 each; OMR_DEFAULT as the first restores the default. */
MARKLINK_API int32_t OMR_SetSleepTime(int32_t first, int32_t second);
MARKLINK_API int32_t OMR_GetSleepTime(int32_t* first, int32_t* second);
/* slot 0-5 with at most 22 bytes; slot -1 restores the default. */
MARKLINK_API int32_t OMR_SetIndividualData(int32_t slot, const void* data, int32_t length);
/* buffer: payload length - 2 bytes, from the payload's third character on. */
MARKLINK_API int32_t OMR_GetIndividualData(int32_t slot, void* buffer);

/* ---- Diagnostic, motor and firmware commands ------------------------------
 * The text queries copy the payload and pad it with zero bytes to the reply
 * length, so their buffer needs the payload length + 6 bytes.
 *
 * Names: the Windows library exports two of these with 32-bit stdcall
 * decorations, "_OMR_DriveMotorEx@8" and "_OMR_GetPositionSensorAd@4". An
 * ELF symbol cannot carry them (an "@" there names a symbol version), so
 * they are exported as _OMR_DriveMotorEx and _OMR_GetPositionSensorAd.
 *
 * Firmware: lines of a firmware file end with a line feed; a carriage
 * return before it stays part of the line. A line may be up to 4093
 * characters over USB; over serial the frame leaves room for 4089.
 * OMR_UpdateFirmware checks the whole file before it sends anything and
 * refuses (0, last error OMR_ERR_PARAMETER) a file with a line that is too
 * long, a line holding a zero byte, text after the last line feed, or no
 * line at all; otherwise it sends every line and returns 1. File errors
 * return 0 without touching the last error.
 */
MARKLINK_API int32_t OMR_GetSensorInfo(void);
MARKLINK_API int32_t OMR_GetDeviceInfo(void);
MARKLINK_API int32_t OMR_GetMachineName(char* buffer);
MARKLINK_API int32_t OMR_GetVersion(int32_t part, char* buffer);
MARKLINK_API int32_t OMR_GetSkew(int32_t* first, int32_t* second);
MARKLINK_API int32_t OMR_GetFeedSpeed(void);
MARKLINK_API int32_t OMR_GetCheckSum(int32_t area);
MARKLINK_API int32_t OMR_GetMaintenanceInfo(char* buffer);
MARKLINK_API int32_t OMR_GetMemory(int32_t area, int32_t address, int32_t count, char* buffer);
/* The third argument is not used. */
MARKLINK_API int32_t OMR_GetReadSensorAD(int32_t side, int32_t sensor, int32_t unused, char* buffer);
MARKLINK_API int32_t OMR_GetMarkAD(int32_t side, int32_t valueA, int32_t valueB, char* buffer);
MARKLINK_API int32_t OMR_GetDetectSensor(void);
MARKLINK_API int32_t _OMR_GetPositionSensorAd(int32_t sensor);
MARKLINK_API int32_t OMR_GetDfSensorVol(void);
MARKLINK_API int32_t OMR_InitialMaintenanceConfig(void);
MARKLINK_API int32_t OMR_SetDummyMark(int32_t side, int32_t length, const void* data);
MARKLINK_API int32_t OMR_ControlDummyProccess(int32_t mode);
MARKLINK_API int32_t OMR_DriveMotor(int32_t flags);
MARKLINK_API int32_t _OMR_DriveMotorEx(int32_t motor, int32_t value);

/* Progress of OMR_UpdateFirmware: the file size and the bytes sent so far. */
typedef void (*OMR_FirmwareProgress)(int32_t fileSize, int32_t bytesDone);
MARKLINK_API int32_t OMR_PrepareForDownload(int32_t number);
/* Sends "FD" and the line unchanged (up to its first zero byte). */
MARKLINK_API int32_t OMR_DownloadFirmware(const char* line, int32_t length);
MARKLINK_API int32_t OMR_UpdateFirmware(const char* path, OMR_FirmwareProgress progress);
/* Over USB the connection is closed afterwards (the reader restarts). */
MARKLINK_API int32_t OMR_WriteDownloadDataToFlashROM(void);

#ifdef __cplusplus
}
#endif

#endif /* MARKLINK_H */
