// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "readfile.h"

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

[[noreturn]] void fail(const std::string& path, int error) {
    throw FileError("cannot read " + path + ": " + std::strerror(error));
}

[[noreturn]] void tooLarge(const std::string& path, std::size_t maxBytes) {
    const std::string bound = maxBytes % kMegabyte == 0 && maxBytes > 0
                                  ? std::to_string(maxBytes / kMegabyte) + " MB"
                                  : std::to_string(maxBytes) + " bytes";
    throw FileError(path + " is larger than " + bound);
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
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        fail(path, errno);
    const Descriptor file(fd);
    struct stat status {};
    if (::fstat(fd, &status) != 0)
        fail(path, errno);
    if (S_ISDIR(status.st_mode))
        fail(path, EISDIR);
    // A regular file says its size; pipes and devices say nothing useful,
    // so the reading below stops at the bound as well.
    const bool regular = S_ISREG(status.st_mode);
    if (regular && static_cast<std::uintmax_t>(status.st_size) > maxBytes)
        tooLarge(path, maxBytes);

    std::string bytes;
    if (regular)
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
