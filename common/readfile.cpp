// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "readfile.h"

#include "printable.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace discone {
namespace {

constexpr std::size_t kMegabyte = std::size_t{1} << 20;

[[noreturn]] void fail(const std::string& path, const std::string& reason) {
    throw FileError("cannot read " + printable(path) + ": " + reason);
}

[[noreturn]] void fail(const std::string& path, int error) {
    fail(path, std::strerror(error));
}

// What a name that is not a regular file names, for the refusal.
const char* kindOf(mode_t mode) {
    if (S_ISFIFO(mode))
        return "a named pipe";
    if (S_ISCHR(mode))
        return "a character device";
    if (S_ISBLK(mode))
        return "a block device";
    if (S_ISSOCK(mode))
        return "a socket";
    return "an unknown kind of file";
}

// Folders keep the system's own words; the rest say what they are.
[[noreturn]] void refuse(const std::string& path, mode_t mode) {
    if (S_ISDIR(mode))
        fail(path, EISDIR);
    fail(path, std::string("it is ") + kindOf(mode) + ", not a regular file");
}

[[noreturn]] void tooLarge(const std::string& path, std::size_t maxBytes) {
    const std::string bound = maxBytes % kMegabyte == 0 && maxBytes > 0
                                  ? std::to_string(maxBytes / kMegabyte) + " MB"
                                  : std::to_string(maxBytes) + " bytes";
    throw FileError(printable(path) + " is larger than " + bound);
}

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() { ::close(fd_); }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

} // namespace

std::string readFile(const std::string& path, std::size_t maxBytes) {
    // Not opened at all, where the name says it is no file: opening a
    // device can have effects of its own.
    struct stat status {};
    if (::stat(path.c_str(), &status) == 0 && !S_ISREG(status.st_mode))
        refuse(path, status.st_mode);
    // Not blocking, so that a pipe without a writer cannot hold the program
    // in open(); no terminal becomes the program's.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) {
        const int error = errno;
        // A socket cannot be opened at all (ENXIO): say what it is.
        if (::stat(path.c_str(), &status) == 0 && !S_ISREG(status.st_mode))
            refuse(path, status.st_mode);
        fail(path, error);
    }
    const Descriptor file(fd);
    // What was opened decides, not what the name said a moment before.
    if (::fstat(fd, &status) != 0)
        fail(path, errno);
    if (!S_ISREG(status.st_mode))
        refuse(path, status.st_mode);
    if (static_cast<std::uintmax_t>(status.st_size) > maxBytes)
        tooLarge(path, maxBytes);
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags < 0 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0)
        fail(path, errno);

    // The size can still grow while the file is read: the reading below
    // stops at the bound as well.
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(status.st_size));
    constexpr std::size_t kChunk = 64 * 1024;
    for (;;) {
        // Room for one byte past the bound, which tells a file that is too
        // large from one that fills the bound exactly.
        const std::size_t room = std::min(kChunk - 1, maxBytes - bytes.size()) + 1;
        const std::size_t done = bytes.size();
        bytes.resize(done + room);
        const ssize_t n = ::read(fd, bytes.data() + done, room);
        if (n < 0 && errno == EINTR) {
            bytes.resize(done);
            continue;
        }
        if (n < 0)
            fail(path, errno);
        bytes.resize(done + static_cast<std::size_t>(n));
        if (n == 0)
            return bytes;
        if (bytes.size() > maxBytes)
            tooLarge(path, maxBytes);
    }
}

} // namespace discone
