#include "errors.h"

#include <cstring>

namespace common {

namespace {
std::string describe(const std::string& operation, const std::string& path, int error)
{
    std::string text = operation + " failed: " + path;
    if (error != 0) {
        text += ": ";
        text += std::strerror(error);
    }
    return text;
}
}  // namespace

IoError::IoError(std::string operation, std::string path, int error)
    : std::runtime_error(describe(operation, path, error)),
      operation_(std::move(operation)),
      path_(std::move(path)),
      error_(error)
{
}

}  // namespace common
