#include "varenta/report/forms/work_files.h"

#include "common/errors.h"
#include "temp_dir.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>
#include <vector>

namespace varenta {
namespace {

using testing::Exists;
using testing::ReadBytes;
using testing::WorkDir;
using testing::WriteBytes;

class DeleteAllFilesTest : public ::testing::Test {
protected:
    void SetUp() override { std::filesystem::create_directory(dir / "data"); }

    WorkDir dir;  // also the current directory: "$$$" and "VR.$$$" live here
    std::string base = dir / "data/TARO";
};

TEST_F(DeleteAllFilesTest, RemovesAllSixAndNothingElse)
{
    for (const char* ending : {".RAW", ".ZSC", ".AIM", "_basic.bmp", ".VRT", ".REM"})
        WriteBytes(base + ending, "content");
    WriteBytes(dir / "$$$", "report");
    WriteBytes(dir / "VR.$$$", "report");

    DeleteAllFiles(base);

    for (const char* ending : {".RAW", ".ZSC", ".AIM", "_basic.bmp"})
        EXPECT_FALSE(Exists(base + ending)) << ending;
    EXPECT_FALSE(Exists(dir / "$$$"));
    EXPECT_FALSE(Exists(dir / "VR.$$$"));
    EXPECT_EQ(ReadBytes(base + ".VRT"), "content");
    EXPECT_EQ(ReadBytes(base + ".REM"), "content");
}

TEST_F(DeleteAllFilesTest, MissingFilesLeaveNothingBehind)
{
    DeleteAllFiles(base);
    EXPECT_TRUE(std::filesystem::is_empty(dir / "data"));
    std::vector<std::string> left;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
        left.push_back(entry.path().filename().string());
    EXPECT_EQ(left, std::vector<std::string>{"data"});
}

TEST_F(DeleteAllFilesTest, EmptyBasePathClearsTheCurrentDirectory)
{
    WriteBytes(dir / "$$$", "earlier run");
    WriteBytes(dir / "VR.$$$", "earlier run");
    DeleteAllFiles("");
    for (const char* name : {"$$$", "VR.$$$", ".RAW", ".ZSC", ".AIM", "_basic.bmp"})
        EXPECT_FALSE(Exists(dir / name)) << name;
}

// "$$$" (the fifth file) cannot be emptied: the four before it are emptied,
// "VR.$$$" after it is left as it was, and nothing is deleted.
TEST_F(DeleteAllFilesTest, FileThatCannotBeEmptiedStopsBeforeTheRest)
{
    for (const char* ending : {".RAW", ".ZSC", ".AIM", "_basic.bmp"})
        WriteBytes(base + ending, "content");
    std::filesystem::create_directory(dir / "$$$");
    WriteBytes(dir / "VR.$$$", "the report");

    EXPECT_THROW(DeleteAllFiles(base), common::IoError);

    for (const char* ending : {".RAW", ".ZSC", ".AIM", "_basic.bmp"}) {
        EXPECT_TRUE(Exists(base + ending)) << ending;
        EXPECT_EQ(ReadBytes(base + ending), "") << ending;
    }
    EXPECT_EQ(ReadBytes(dir / "VR.$$$"), "the report");
}

// Makes a file read-only for the test's lifetime. The superuser ignores
// permissions, so there the file is also marked immutable where the file
// system allows it; Holds() tells whether writing is really refused.
class ReadOnlyFile {
public:
    explicit ReadOnlyFile(std::string path) : path_(std::move(path))
    {
        std::filesystem::permissions(path_, std::filesystem::perms::owner_read);
        if (::geteuid() != 0) {
            holds_ = true;
            return;
        }
        int fd = ::open(path_.c_str(), O_RDONLY | O_CLOEXEC);
        int flags = 0;
        if (fd >= 0 && ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0) {
            flags |= FS_IMMUTABLE_FL;
            immutable_ = holds_ = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
        }
        if (fd >= 0)
            ::close(fd);
    }
    ~ReadOnlyFile()
    {
        if (immutable_) {
            int fd = ::open(path_.c_str(), O_RDONLY | O_CLOEXEC);
            int flags = 0;
            if (fd >= 0 && ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0) {
                flags &= ~FS_IMMUTABLE_FL;
                ::ioctl(fd, FS_IOC_SETFLAGS, &flags);
            }
            if (fd >= 0)
                ::close(fd);
        }
        std::error_code ignored;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all, ignored);
    }
    bool Holds() const { return holds_; }

private:
    std::string path_;
    bool holds_ = false;
    bool immutable_ = false;
};

TEST_F(DeleteAllFilesTest, ReadOnlyFileStopsBeforeTheRest)
{
    WriteBytes(base + ".RAW", "raw");
    WriteBytes(base + ".ZSC", "zsc");
    ReadOnlyFile readOnly(base + ".ZSC");
    if (!readOnly.Holds())
        GTEST_SKIP() << "cannot make a file read-only for this user here";

    EXPECT_THROW(DeleteAllFiles(base), common::IoError);

    EXPECT_EQ(ReadBytes(base + ".RAW"), "");
    EXPECT_EQ(ReadBytes(base + ".ZSC"), "zsc");
    EXPECT_FALSE(Exists(base + ".AIM"));
}

}  // namespace
}  // namespace varenta
