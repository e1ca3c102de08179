#pragma once
// A temporary directory for one test, removed afterwards. WorkDir also makes
// it the current directory, where the report work files "$$$" and "VR.$$$"
// live.
#include "common/testing/temp_dir.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace varenta::testing {

using testsupport::TempDir;
using testsupport::WorkDir;

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
