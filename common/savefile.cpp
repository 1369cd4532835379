// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "savefile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace discone {
namespace {

[[noreturn]] void fail(const std::string& path, int error) {
    throw FileError("cannot write " + path + ": " + std::strerror(error));
}

// The folder part of `path`, with its slash ("" for the current folder).
std::string folderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// A new file beside `path` that nobody else has opened; its name starts
// with a dot so that file managers do not show it while it is written.
class TemporaryFile {
public:
    explicit TemporaryFile(const std::string& path) {
        const auto slash = path.rfind('/');
        const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
        std::random_device random;
        for (int attempt = 0; attempt < 100; ++attempt) {
            char suffix[16];
            std::snprintf(suffix, sizeof suffix, ".%08x", static_cast<unsigned>(random()));
            path_ = folderOf(path) + "." + name + suffix;
            fd_ = ::open(path_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (fd_ >= 0 || errno != EEXIST)
                break;
        }
        if (fd_ < 0)
            fail(path, errno);
    }
    ~TemporaryFile() {
        if (fd_ >= 0)
            ::close(fd_);
        if (!path_.empty())
            ::unlink(path_.c_str());
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    int fd() const { return fd_; }
    const std::string& path() const { return path_; }
    // Closes the file; returns 0 or the error.
    int close() {
        const int result = ::close(fd_);
        fd_ = -1;
        return result == 0 ? 0 : errno;
    }
    // The file now has another name: nothing to remove.
    void release() { path_.clear(); }

private:
    std::string path_;
    int fd_ = -1;
};

} // namespace

void saveFile(const std::string& path, std::string_view bytes, StopToken stop) {
    struct stat existing {};
    if (::stat(path.c_str(), &existing) == 0 && S_ISDIR(existing.st_mode))
        fail(path, EISDIR);
    const bool replaces = ::stat(path.c_str(), &existing) == 0 && S_ISREG(existing.st_mode);

    TemporaryFile file(path);
    for (std::size_t done = 0; done < bytes.size();) {
        const ssize_t n = ::write(file.fd(), bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            fail(path, n < 0 ? errno : EIO);
        done += static_cast<std::size_t>(n);
    }
    if (replaces && ::fchmod(file.fd(), existing.st_mode & 07777) != 0)
        fail(path, errno);
    // Some file systems report a full disk only when the data reaches it.
    if (::fsync(file.fd()) != 0 && errno != EINVAL && errno != EROFS)
        fail(path, errno);
    if (const int error = file.close())
        fail(path, error);
    if (stop.stop_requested())
        throw SaveCancelled();
    if (::rename(file.path().c_str(), path.c_str()) != 0)
        fail(path, errno);
    file.release();
}

void checkCanSave(const std::string& path) {
    struct stat existing {};
    if (::stat(path.c_str(), &existing) == 0 && S_ISDIR(existing.st_mode))
        fail(path, EISDIR);
    // Making the temporary file is the only honest test: permission bits,
    // read-only mounts and access lists all have their say.
    TemporaryFile probe(path);
}

} // namespace discone
