#include "ToolFiles.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace bookformat {
namespace {

const char* FileType(mode_t mode)
{
    if (S_ISDIR(mode))
        return "a directory";
    if (S_ISFIFO(mode))
        return "a FIFO";
    return S_ISCHR(mode) || S_ISBLK(mode) ? "a device" : "a socket";
}

// Reads what the open file holds into bytes; the reason when it fails.
std::optional<std::string> ReadOpenFile(int fd, std::size_t limit, std::string& bytes)
{
    struct stat status;
    if (::fstat(fd, &status) != 0)
        return std::strerror(errno);
    if (!S_ISREG(status.st_mode))
        return std::string(FileType(status.st_mode)) + ", not a regular file";
    std::string tooLarge = "more than the limit of " + std::to_string(limit) + " bytes";
    if (static_cast<std::size_t>(status.st_size) > limit)
        return std::to_string(status.st_size) + " bytes, " + tooLarge;

    bytes.reserve(static_cast<std::size_t>(status.st_size));
    char buffer[65536];
    for (ssize_t got; (got = ::read(fd, buffer, sizeof buffer)) != 0;) {
        if (got < 0 && errno != EINTR)
            return std::strerror(errno);
        // A file that grows while it is read is held to the same limit.
        if (got > 0 && bytes.size() + static_cast<std::size_t>(got) > limit)
            return tooLarge;
        bytes.append(buffer, static_cast<std::size_t>(std::max<ssize_t>(got, 0)));
    }
    return std::nullopt;
}

// Writes all bytes and makes sure they are on disk; 0 or an errno value.
int WriteOnDisk(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno != EINTR)
            return errno;
        bytes.remove_prefix(static_cast<std::size_t>(std::max<ssize_t>(written, 0)));
    }
    return ::fsync(fd) == 0 ? 0 : errno;
}

}  // namespace

FileContent ReadRegularFile(const std::string& path, std::size_t limit)
{
    FileContent file;
    // Without O_NONBLOCK, opening a FIFO would wait for a writer.
    int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    std::optional<std::string> error =
        fd < 0 ? std::optional<std::string>(std::strerror(errno)) : ReadOpenFile(fd, limit, file.bytes);
    if (fd >= 0)
        ::close(fd);
    file.ok = !error;
    if (error) {
        file.bytes.clear();
        file.error = "cannot read " + path + ": " + *error;
    }
    return file;
}

std::optional<std::string> WriteWholeFile(const std::string& path, std::string_view bytes)
{
    std::filesystem::path target(path);
    std::string temporary = (target.parent_path() / ("." + target.filename().string() + ".XXXXXX")).string();
    int fd = ::mkstemp(temporary.data());
    if (fd < 0)
        return "cannot write " + path + ": " + std::strerror(errno);

    // mkstemp makes the file private; give it the mode that a new file gets.
    mode_t mask = ::umask(0);
    ::umask(mask);
    int error = ::fchmod(fd, 0666 & ~mask) == 0 ? WriteOnDisk(fd, bytes) : errno;
    if (::close(fd) != 0 && !error)
        error = errno;
    if (!error && ::rename(temporary.c_str(), path.c_str()) != 0)
        error = errno;
    if (!error)
        return std::nullopt;
    ::unlink(temporary.c_str());
    return "cannot write " + path + ": " + std::strerror(error);
}

}  // namespace bookformat
