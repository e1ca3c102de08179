#pragma once
// An emulated KR-7700 mark reader for tests and for trying Marklink without
// hardware.
//
// It serves one reader either on a Unix SOCK_SEQPACKET socket at a given
// path (standing in for the reader's USB device node: one message per
// command, acknowledge and reply) or on a pseudo-terminal (standing in for a
// serial port: framed commands in, bare ACK / NAK bytes and framed replies
// out). It runs on a thread of its own; every method may be called from the
// test's thread while the library talks to it.
//
// For every command it records the command text (code and text, or code and
// data block for a data command), answers ACK and then one reply: the
// two-letter code, the two status pairs (default "@@" "@@") and a payload.
// The payload comes from a handler registered for the command code, else
// from the payload set for the longest matching command prefix (default
// empty). Faults queued with Misbehave() spoil the answers of the next
// commands, one fault per command.
#include <cstddef>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include <termios.h>

namespace emulator {

// What the reader sends back for one command.
struct Response {
    std::string acknowledge = "\x06";   // sent first; empty: nothing at all
    std::optional<std::string> reply;   // echo, status pairs and payload; none: no reply
    bool corruptCrc = false;            // serial only: the reply frame's CRC is wrong
};

// What a handler is given besides the command text.
struct ReplyContext {
    std::string pair0;
    std::string pair1;
    std::string payload;  // the payload configured for this command, if any

    // The ordinary answer: ACK, then code + pairs + payload.
    Response Answer(const std::string& command, const std::string& replyPayload) const;
};

using Handler = std::function<Response(const std::string& command, const ReplyContext& context)>;

// One misbehaviour, applied to the answer of one command.
struct Fault {
    enum class Kind {
        kNak,             // 0x15 and a status byte, no reply
        kOneByteNak,      // 0x15 alone, no reply
        kAcknowledge,     // these acknowledge bytes instead of ACK, no reply
        kSilence,         // no acknowledge and no reply
        kNoReply,         // ACK, then no reply
        kWrongEcho,       // the reply echoes another code
        kRawReply,        // these bytes as the whole reply
        kBadCrc,          // the reply frame's CRC is wrong (serial)
    };
    Kind kind;
    std::string bytes;

    static Fault Nak(char status) { return {Kind::kNak, std::string(1, status)}; }
    static Fault OneByteNak() { return {Kind::kOneByteNak, {}}; }
    static Fault Acknowledge(std::string bytes) { return {Kind::kAcknowledge, std::move(bytes)}; }
    static Fault Silence() { return {Kind::kSilence, {}}; }
    static Fault NoReply() { return {Kind::kNoReply, {}}; }
    static Fault WrongEcho(std::string echo) { return {Kind::kWrongEcho, std::move(echo)}; }
    static Fault RawReply(std::string bytes) { return {Kind::kRawReply, std::move(bytes)}; }
    static Fault BadCrc() { return {Kind::kBadCrc, {}}; }

    void ApplyTo(Response& response) const;
};

class ReaderEmulator {
public:
    // Listens on a seqpacket socket at `path` (replacing a stale socket
    // file). Throws std::system_error when it cannot.
    static std::unique_ptr<ReaderEmulator> ServeSocket(const std::string& path);
    // Opens a pseudo-terminal; Path() is its serial side.
    static std::unique_ptr<ReaderEmulator> ServePseudoTerminal();

    ~ReaderEmulator();
    ReaderEmulator(const ReaderEmulator&) = delete;
    ReaderEmulator& operator=(const ReaderEmulator&) = delete;

    // The socket path, or the pseudo-terminal's serial side.
    const std::string& Path() const { return path_; }

    void SetStatus(std::string pair0, std::string pair1);
    // Payload for every command starting with `commandPrefix` ("ST", "PR2,5").
    void SetPayload(std::string commandPrefix, std::string payload);
    // A handler for every command with this two-letter code.
    void SetHandler(std::string code, Handler handler);
    void Misbehave(Fault fault);

    // Serial: deliver reply bytes no faster than the line's baud rate allows
    // (10 bit times per byte at the rate the library set on the port).
    void SetLinePacing(bool paced);

    // Called on the emulator's thread with each command as it arrives.
    void OnCommand(std::function<void(const std::string&)> observer);

    std::vector<std::string> Commands() const;
    void ClearCommands();

    // Serial: the line settings as the library left them on the port.
    std::optional<termios> LineSettings() const;

private:
    enum class Link { kSocket, kPseudoTerminal };

    ReaderEmulator(Link link, std::string path, int listenFd, int masterFd, int slaveFd);

    void Run();
    void ServeSocketClient(int client);
    void ServeSerialBytes();
    Response Answer(const std::string& command);
    void SendSocket(int client, const Response& response);
    void SendSerial(const Response& response);
    void WritePaced(const std::string& bytes);

    const Link link_;
    const std::string path_;
    const int listenFd_;
    const int masterFd_;
    const int slaveFd_;  // kept open so the terminal never hangs up
    int wakeRead_ = -1;
    int wakeWrite_ = -1;
    std::string serialInput_;  // bytes of a serial frame received so far

    mutable std::mutex mutex_;
    std::string pair0_ = "@@";
    std::string pair1_ = "@@";
    std::map<std::string, std::string> payloads_;
    std::map<std::string, Handler> handlers_;
    std::deque<Fault> faults_;
    std::vector<std::string> commands_;
    bool paced_ = false;
    std::function<void(const std::string&)> observer_;

    std::thread thread_;
};

// The serial frame of a reply or command: STX, length (2 bytes, high
// first), the bytes, CRC-16/X-25 (high byte first).
std::string Frame(const std::string& bytes, std::size_t lengthField);

}  // namespace emulator
