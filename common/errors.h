#pragma once
// Typed failures shared by every program of the system.
//
// A stage never ends the process itself: it throws one of these and the top
// of the program (the run driver, a form handler, a test) decides what the
// user sees.
#include <stdexcept>
#include <string>

namespace common {

// A file could not be opened, read, written, closed, renamed or deleted.
// what() is an English diagnostic; path() and error() (an errno value, 0 if
// none applies) let the caller phrase a Japanese message.
class IoError : public std::runtime_error {
public:
    IoError(std::string operation, std::string path, int error);
    const std::string& operation() const { return operation_; }
    const std::string& path() const { return path_; }
    int error() const { return error_; }

private:
    std::string operation_;
    std::string path_;
    int error_;
};

// Text that should have been a number, or bytes that are not valid in the
// expected encoding.
class InputError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A limit of a fixed-size table of the run state was violated: a fault of
// the program, never of the user's data.
class InternalError : public std::logic_error {
public:
    using std::logic_error::logic_error;
};

}  // namespace common
