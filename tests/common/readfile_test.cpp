// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Reading a whole regular file within a bound, refusing anything else at
// once, and a failure told in one line.
#include "readfile.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace fs = std::filesystem;
using discone::FileError;
using discone::readFile;

namespace {

// A socket bound to `path`, for as long as the object lives.
class BoundSocket {
public:
    explicit BoundSocket(const std::string& path) : fd_(::socket(AF_UNIX, SOCK_STREAM, 0)) {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        path.copy(address.sun_path, sizeof address.sun_path - 1);
        EXPECT_EQ(::bind(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    }
    ~BoundSocket() { ::close(fd_); }
    BoundSocket(const BoundSocket&) = delete;
    BoundSocket& operator=(const BoundSocket&) = delete;

private:
    int fd_;
};

} // namespace

// The file, one filling the bound exactly, and the refusals: a file one byte
// over, a missing file, a folder, and whatever is no regular file, which
// would block (a pipe without a writer) or never end (/dev/zero): each
// refused at once, naming what it is.
TEST(ReadFile, ReadsWholeRegularFilesWithinTheBound) {
    const fs::path folder =
        fs::temp_directory_path() / ("discone-readfile-" + std::to_string(::getpid()));
    fs::remove_all(folder);
    fs::create_directories(folder / "folder");
    const std::string file = (folder / "a.s1p").string();
    std::ofstream(file, std::ios::binary) << "146 0.5 0\n";
    const std::string missing = (folder / "missing.s1p").string();
    const std::string directory = (folder / "folder").string();
    const std::string lonePipe = (folder / "alone").string();
    const std::string pipe = (folder / "pipe").string();
    ASSERT_EQ(::mkfifo(lonePipe.c_str(), 0600), 0);
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    const int writer = ::open(pipe.c_str(), O_RDWR | O_NONBLOCK);
    ASSERT_GE(writer, 0);
    const std::string socket = (folder / "socket").string();
    const BoundSocket bound(socket);
    const std::string brokenName = (folder / "no\nsuch\xe9.s1p").string();
    const std::string notRegular = ", not a regular file";

    struct Case {
        std::string path;
        std::size_t maxBytes;
        std::string bytes; // or the error
        std::string error;
    };
    const Case cases[] = {
        {file, 100, "146 0.5 0\n", ""},
        {file, 10, "146 0.5 0\n", ""},
        {file, 9, "", file + " is larger than 9 bytes"},
        {missing, 100, "", "cannot read " + missing + ": No such file or directory"},
        {directory, 100, "", "cannot read " + directory + ": Is a directory"},
        {lonePipe, 100, "", "cannot read " + lonePipe + ": it is a named pipe" + notRegular},
        {pipe, 100, "", "cannot read " + pipe + ": it is a named pipe" + notRegular},
        {"/dev/zero", 1 << 20, "", "cannot read /dev/zero: it is a character device" + notRegular},
        {"/dev/null", 100, "", "cannot read /dev/null: it is a character device" + notRegular},
        {socket, 100, "", "cannot read " + socket + ": it is a socket" + notRegular},
        {brokenName, 100, "",
         "cannot read " + (folder / "no\\x0asuch\\xe9.s1p").string() +
             ": No such file or directory"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path + " within " + std::to_string(c.maxBytes));
        try {
            EXPECT_EQ(readFile(c.path, c.maxBytes), c.bytes);
            EXPECT_EQ(c.error, "");
        } catch (const FileError& e) {
            EXPECT_EQ(std::string(e.what()), c.error);
        }
    }
    ::close(writer);
    fs::remove_all(folder);
}
