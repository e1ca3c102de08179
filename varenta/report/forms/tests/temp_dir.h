#pragma once
// A temporary directory for one test, removed afterwards. WorkDir also makes
// it the current directory, where the report work files "$$$" and "VR.$$$"
// live.
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdlib.h>
#include <string>

namespace varenta::testing {

class TempDir {
public:
    TempDir()
    {
        char pattern[] = "/tmp/varenta-report-forms-XXXXXX";
        path_ = ::mkdtemp(pattern);
    }
    ~TempDir()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

class WorkDir : public TempDir {
public:
    WorkDir() : previous_(std::filesystem::current_path()) { std::filesystem::current_path(path()); }
    ~WorkDir() { std::filesystem::current_path(previous_); }

private:
    std::filesystem::path previous_;
};

inline void WriteBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

inline std::string ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline bool Exists(const std::string& path)
{
    return std::filesystem::exists(std::filesystem::symlink_status(path));
}

}  // namespace varenta::testing
