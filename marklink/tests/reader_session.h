#pragma once
// Test scaffolding: a temporary directory, and an emulated reader that the
// library is connected to over a real seqpacket socket (USB) or a real
// pseudo-terminal (serial).
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "marklink.h"
#include "reader_emulator.h"

namespace marklink_test {

class TempDir {
public:
    TempDir()
    {
        char pattern[] = "/tmp/marklink-XXXXXX";
        const char* made = ::mkdtemp(pattern);
        if (made == nullptr)
            throw std::runtime_error("mkdtemp failed");
        path_ = made;
    }
    ~TempDir()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::string& Path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

enum class Link { kUsb, kSerial };

inline std::string LinkName(const testing::TestParamInfo<Link>& info)
{
    return info.param == Link::kUsb ? "Usb" : "Serial";
}

// Points the library's USB scan at numbered sockets in dir.
inline void UseUsbNodesIn(const TempDir& dir)
{
    ::setenv("MARKLINK_USB_PATH", (dir / "omr%d").c_str(), 1);
}

// Short enough to keep timeout tests quick, long enough for a loaded machine.
constexpr int kTestReceiveTimeoutMs = 1000;

// An emulated reader with the library connected to it.
class ReaderSession {
public:
    explicit ReaderSession(Link link) : link_(link)
    {
        if (link == Link::kUsb) {
            reader_ = emulator::ReaderEmulator::ServeSocket(dir_ / "omr0");
            UseUsbNodesIn(dir_);
            opened_ = OMR_OpenDeviceUSB() == 0;
        } else {
            reader_ = emulator::ReaderEmulator::ServePseudoTerminal();
            opened_ = OMR_OpenDeviceSerial(reader_->Path().c_str(), 115200) == 0;
        }
        OMR_SetRecvTimeOut(kTestReceiveTimeoutMs);
    }
    ~ReaderSession()
    {
        OMR_CloseDevice();
        OMR_SetLogMode(0);
        _OMR_InitialSystem();
    }
    bool Opened() const { return opened_; }
    Link GetLink() const { return link_; }
    emulator::ReaderEmulator& Reader() { return *reader_; }
    const TempDir& Dir() const { return dir_; }

private:
    Link link_;
    TempDir dir_;
    std::unique_ptr<emulator::ReaderEmulator> reader_;
    bool opened_ = false;
};

// Parameterised over both kinds of connection.
class ReaderTest : public testing::TestWithParam<Link> {
protected:
    void SetUp() override
    {
        session_ = std::make_unique<ReaderSession>(GetParam());
        ASSERT_TRUE(session_->Opened());
    }
    void TearDown() override { session_.reset(); }
    emulator::ReaderEmulator& Reader() { return session_->Reader(); }
    Link GetLink() const { return GetParam(); }

private:
    std::unique_ptr<ReaderSession> session_;
};

}  // namespace marklink_test
