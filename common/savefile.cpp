// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "savefile.h"

#include "printable.h"

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
    throw FileError("cannot write " + printable(path) + ": " + std::strerror(error));
}

// The folder part of `path`, with its slash ("" for the current folder).
std::string folderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// A name beside `path` that starts with a dot, so that file managers do not
// show it, and ends in a random suffix.
std::string hiddenNameBeside(const std::string& path, std::random_device& random) {
    const auto slash = path.rfind('/');
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    char suffix[16];
    std::snprintf(suffix, sizeof suffix, ".%08x", static_cast<unsigned>(random()));
    return folderOf(path) + "." + name + suffix;
}

void refuseFolder(const std::string& path) {
    struct stat existing {};
    if (::stat(path.c_str(), &existing) == 0 && S_ISDIR(existing.st_mode))
        fail(path, EISDIR);
}

// A new file beside `path` that nobody else has opened.
class TemporaryFile {
public:
    explicit TemporaryFile(const std::string& path) {
        std::random_device random;
        for (int attempt = 0; attempt < 100; ++attempt) {
            path_ = hiddenNameBeside(path, random);
            fd_ = ::open(path_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (fd_ >= 0 || errno != EEXIST)
                break;
        }
        if (fd_ < 0) {
            const int error = errno;
            path_.clear();
            fail(path, error);
        }
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

// A second name for the old target while a batch replaces it, so that it
// can be put back; removed with the object.
class Backup {
public:
    // False where the file system has no hard links.
    bool make(const std::string& target) {
        std::random_device random;
        for (int attempt = 0; attempt < 100; ++attempt) {
            const std::string name = hiddenNameBeside(target, random);
            if (::link(target.c_str(), name.c_str()) == 0) {
                path_ = name;
                return true;
            }
            if (errno == EPERM || errno == ENOTSUP || errno == EOPNOTSUPP || errno == EMLINK ||
                errno == ENOSYS)
                return false;
            if (errno != EEXIST)
                fail(target, errno);
        }
        fail(target, EEXIST);
    }
    ~Backup() {
        if (!path_.empty())
            ::unlink(path_.c_str());
    }
    // Puts the old file back under `target`.
    void restore(const std::string& target) {
        if (!path_.empty() && ::rename(path_.c_str(), target.c_str()) == 0)
            path_.clear();
    }

private:
    std::string path_;
};

} // namespace

struct SaveBatch::Entry {
    Entry(const std::string& path, bool replacesTarget)
        : target(path), file(path), replaces(replacesTarget) {}
    std::string target;
    TemporaryFile file;
    bool replaces; // the target existed as a regular file
    Backup backup;
    bool backedUp = false;
};

SaveBatch::SaveBatch() = default;
SaveBatch::~SaveBatch() = default;

void SaveBatch::discard() {
    entries_.clear();
    spent_ = true;
}

void SaveBatch::add(const std::string& path, std::string_view bytes) {
    if (spent_)
        throw std::logic_error("SaveBatch::add after a failure or commit");
    try {
        refuseFolder(path);
        struct stat existing {};
        const bool replaces = ::stat(path.c_str(), &existing) == 0 && S_ISREG(existing.st_mode);
        auto entry = std::make_unique<Entry>(path, replaces);
        const int fd = entry->file.fd();
        for (std::size_t done = 0; done < bytes.size();) {
            const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                fail(path, n < 0 ? errno : EIO);
            done += static_cast<std::size_t>(n);
        }
        if (replaces && ::fchmod(fd, existing.st_mode & 07777) != 0)
            fail(path, errno);
        // Some file systems report a full disk only when the data reaches it.
        if (::fsync(fd) != 0 && errno != EINVAL && errno != EROFS)
            fail(path, errno);
        if (const int error = entry->file.close())
            fail(path, error);
        entries_.push_back(std::move(entry));
    } catch (...) {
        discard();
        throw;
    }
}

void SaveBatch::commit(StopToken stop) {
    if (spent_)
        throw std::logic_error("SaveBatch::commit after a failure or commit");
    try {
        if (stop.stop_requested())
            throw SaveCancelled();
        // One rename is all or nothing by itself; several need the old
        // targets kept until the last one is in place.
        if (entries_.size() > 1)
            for (auto& entry : entries_)
                if (entry->replaces)
                    entry->backedUp = entry->backup.make(entry->target);
        for (std::size_t i = 0; i < entries_.size(); ++i) {
            Entry& entry = *entries_[i];
            if (::rename(entry.file.path().c_str(), entry.target.c_str()) == 0) {
                entry.file.release();
                continue;
            }
            const int error = errno;
            for (std::size_t j = i; j-- > 0;) {
                Entry& done = *entries_[j];
                if (done.backedUp)
                    done.backup.restore(done.target);
                else if (!done.replaces)
                    ::unlink(done.target.c_str());
            }
            fail(entry.target, error);
        }
    } catch (...) {
        discard();
        throw;
    }
    discard();
}

void saveFiles(std::span<const FileToSave> files, StopToken stop) {
    SaveBatch batch;
    for (const FileToSave& file : files)
        batch.add(file.path, file.bytes);
    batch.commit(stop);
}

void saveFile(const std::string& path, std::string_view bytes, StopToken stop) {
    const FileToSave file{path, bytes};
    saveFiles({&file, 1}, stop);
}

void checkCanSave(const std::string& path) {
    refuseFolder(path);
    // Making the temporary file is the only honest test: permission bits,
    // read-only mounts and access lists all have their say.
    TemporaryFile probe(path);
}

} // namespace discone
