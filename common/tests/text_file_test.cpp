#include "common/errors.h"
#include "common/text_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

class TextFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/textfile-XXXXXX";
        dir = mkdtemp(pattern);
    }
    void TearDown() override
    {
        chmod(dir.c_str(), 0755);
        fs::remove_all(dir);
    }
    std::string dir;
};

TEST_F(TextFile, SplitLinesHandlesCrLfBareLfAndAMissingLastBreak)
{
    using V = std::vector<std::string>;
    EXPECT_EQ(common::SplitLines(""), V{});
    EXPECT_EQ(common::SplitLines("a\r\nb\r\n"), (V{"a", "b"}));
    EXPECT_EQ(common::SplitLines("a\nb"), (V{"a", "b"}));
    EXPECT_EQ(common::SplitLines("\r\n\r\n"), (V{"", ""}));
}

TEST_F(TextFile, AtomicWriteReplacesAndLeavesNoTemporaryFile)
{
    const std::string path = dir + "/f.txt";
    common::WriteFileAtomically(path, "old\r\n");
    common::WriteFileAtomically(path, "new\r\n");
    EXPECT_EQ(common::ReadFile(path), "new\r\n");
    int entries = 0;
    for ([[maybe_unused]] auto& e : fs::directory_iterator(dir))
        ++entries;
    EXPECT_EQ(entries, 1);
}

TEST_F(TextFile, FailedAtomicWriteKeepsTheOldFile)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "root ignores directory permissions";
    const std::string path = dir + "/f.txt";
    common::WriteFileAtomically(path, "kept\r\n");
    chmod(dir.c_str(), 0555);
    EXPECT_THROW(common::WriteFileAtomically(path, "lost"), common::IoError);
    EXPECT_EQ(common::ReadFile(path), "kept\r\n");
}

TEST_F(TextFile, WriteToAFullDiskIsReported)
{
    if (!fs::exists("/dev/full"))
        GTEST_SKIP();
    common::OutputFile out;
    out.Open("/dev/full");
    out.WriteLine("x");
    EXPECT_THROW(out.Close(), common::IoError);
}

TEST_F(TextFile, OutputFileWritesCrLfLinesAndReportsAMissingDirectory)
{
    common::OutputFile out;
    out.Open(dir + "/r.txt");
    out.Write("a");
    out.WriteLine();
    out.WriteLine("b");
    out.Close();
    EXPECT_EQ(common::ReadFile(dir + "/r.txt"), "a\r\nb\r\n");
    EXPECT_THROW(out.Open(dir + "/missing/r.txt"), common::IoError);
    EXPECT_THROW(out.Write("x"), common::IoError);  // closed stream
}

TEST_F(TextFile, PathParts)
{
    EXPECT_EQ(common::DirectoryOf("/a/b/c.txt"), "/a/b");
    EXPECT_EQ(common::DirectoryOf("/c.txt"), "/");
    EXPECT_EQ(common::DirectoryOf("c.txt"), "");
    EXPECT_EQ(common::FileNameOf("/a/b/c.txt"), "c.txt");
}

}  // namespace
