#include "text_file.h"

#include "errors.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace common {

namespace {

void writeAll(int fd, std::string_view bytes, const std::string& path)
{
    while (!bytes.empty()) {
        ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            throw IoError("write", path, errno);
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
}

}  // namespace

bool FileExists(const std::string& path)
{
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

std::string ReadFile(const std::string& path)
{
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        throw IoError("open", path, errno);
    std::string content;
    char chunk[65536];
    for (;;) {
        ssize_t n = ::read(fd, chunk, sizeof chunk);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            int e = errno;
            ::close(fd);
            throw IoError("read", path, e);
        }
        if (n == 0)
            break;
        content.append(chunk, static_cast<std::size_t>(n));
    }
    if (::close(fd) != 0)
        throw IoError("close", path, errno);
    return content;
}

std::vector<std::string> SplitLines(std::string_view text)
{
    std::vector<std::string> lines;
    while (!text.empty()) {
        std::size_t lf = text.find('\n');
        std::string_view line = text.substr(0, lf);
        if (lf != std::string_view::npos && !line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        lines.emplace_back(line);
        if (lf == std::string_view::npos)
            break;
        text.remove_prefix(lf + 1);
    }
    return lines;
}

void WriteFileAtomically(const std::string& path, std::string_view bytes)
{
    std::string temp = path + ".tmp-XXXXXX";
    int fd = ::mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0)
        throw IoError("create", temp, errno);
    try {
        writeAll(fd, bytes, temp);
        // The replaced file keeps ordinary permissions, not mkstemp's 0600.
        mode_t mask = ::umask(0);
        ::umask(mask);
        if (::fchmod(fd, 0666 & ~mask) != 0)
            throw IoError("chmod", temp, errno);
        if (::fsync(fd) != 0)
            throw IoError("sync", temp, errno);
    } catch (...) {
        ::close(fd);
        ::unlink(temp.c_str());
        throw;
    }
    if (::close(fd) != 0) {
        int e = errno;
        ::unlink(temp.c_str());
        throw IoError("close", temp, e);
    }
    if (::rename(temp.c_str(), path.c_str()) != 0) {
        int e = errno;
        ::unlink(temp.c_str());
        throw IoError("rename", path, e);
    }
}

void CreateEmptyFile(const std::string& path)
{
    int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0)
        throw IoError("create", path, errno);
    if (::close(fd) != 0)
        throw IoError("close", path, errno);
}

void RemoveFile(const std::string& path)
{
    if (::unlink(path.c_str()) != 0)
        throw IoError("delete", path, errno);
}

std::string JoinCrLfLines(const std::vector<std::string>& lines)
{
    std::string out;
    for (const auto& line : lines) {
        out += line;
        out += kCrLf;
    }
    return out;
}

std::string DirectoryOf(const std::string& path)
{
    std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return {};
    if (slash == 0)
        return "/";
    return path.substr(0, slash);
}

std::string FileNameOf(const std::string& path)
{
    std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string ExecutableDirectory()
{
    char buf[PATH_MAX];
    ssize_t n = ::readlink("/proc/self/exe", buf, sizeof buf - 1);
    if (n <= 0)
        return ".";
    return DirectoryOf(std::string(buf, static_cast<std::size_t>(n)));
}

OutputFile::~OutputFile()
{
    if (fd_ >= 0) {
        // Destroyed without Close (a stage failed): keep what was written.
        try {
            Flush();
        } catch (const IoError&) {
        }
        ::close(fd_);
    }
}

void OutputFile::Open(const std::string& path)
{
    if (open_)
        Close();
    int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0)
        throw IoError("create", path, errno);
    fd_ = fd;
    path_ = path;
    buffer_.clear();
    memory_ = false;
    open_ = true;
}

void OutputFile::OpenMemory()
{
    if (open_)
        Close();
    path_.clear();
    buffer_.clear();
    memory_ = true;
    open_ = true;
}

void OutputFile::Write(std::string_view bytes)
{
    if (!open_)
        throw IoError("write", path_.empty() ? "(closed stream)" : path_, EBADF);
    buffer_.append(bytes);
    if (!memory_ && buffer_.size() >= 65536)
        Flush();
}

void OutputFile::Flush()
{
    if (memory_ || fd_ < 0 || buffer_.empty())
        return;
    std::string pending;
    pending.swap(buffer_);
    writeAll(fd_, pending, path_);
}

void OutputFile::Close()
{
    if (!open_)
        return;
    open_ = false;
    if (memory_)
        return;
    int fd = fd_;
    fd_ = -1;
    try {
        std::string pending;
        pending.swap(buffer_);
        writeAll(fd, pending, path_);
    } catch (...) {
        ::close(fd);
        throw;
    }
    if (::close(fd) != 0)
        throw IoError("close", path_, errno);
}

}  // namespace common
