#pragma once
// A temporary directory that is also the current directory for the test,
// since the hand-off and report work files live in the current directory.
#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace varenta::testing {

class TempWorkDir {
public:
    TempWorkDir()
    {
        char pattern[] = "/tmp/varenta-test-XXXXXX";
        path_ = mkdtemp(pattern);
        previous_ = std::filesystem::current_path();
        std::filesystem::current_path(path_);
    }
    ~TempWorkDir()
    {
        std::filesystem::current_path(previous_);
        std::error_code ignored;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all, ignored);
        std::filesystem::remove_all(path_, ignored);
    }
    const std::string& path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
    std::filesystem::path previous_;
};

}  // namespace varenta::testing
