// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// A full file system for tests of what the program does when a disk fills:
// a 64 KiB tmpfs mounted on a fresh folder in its own mount namespace, so
// nothing outside the test process sees it. Needs root (or a user namespace
// that grants mounting); where it cannot be had, available() is false and
// the test skips.
#pragma once

#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

namespace discone::test {

class FullFileSystem {
public:
    FullFileSystem() {
        char pattern[] = "/tmp/discone-fullfs-XXXXXX";
        if (!::mkdtemp(pattern))
            return;
        path_ = pattern;
        // A private mount namespace: the mount goes away with the process.
        if (::unshare(CLONE_NEWNS) != 0 ||
            ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
            ::mount("tmpfs", path_.c_str(), "tmpfs", 0, "size=64k,mode=0777") != 0)
            return;
        mounted_ = true;
    }
    ~FullFileSystem() {
        if (mounted_)
            ::umount2(path_.c_str(), MNT_DETACH);
        if (!path_.empty())
            ::rmdir(path_.c_str());
    }
    FullFileSystem(const FullFileSystem&) = delete;
    FullFileSystem& operator=(const FullFileSystem&) = delete;

    bool available() const { return mounted_; }
    const std::string& path() const { return path_; }
    static constexpr std::size_t kBytes = 64 * 1024;

private:
    std::string path_;
    bool mounted_ = false;
};

} // namespace discone::test
