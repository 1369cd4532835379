// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "fileidentity.h"

#include "printable.h"

#include <filesystem>
#include <sys/stat.h>
#include <system_error>

namespace discone {
namespace {

namespace fs = std::filesystem;

struct Identity {
    bool exists = false;
    dev_t device = 0;
    ino_t inode = 0;
    std::string path; // of the file to be made

    bool operator==(const Identity& other) const {
        if (exists != other.exists)
            return false;
        return exists ? device == other.device && inode == other.inode : path == other.path;
    }
};

Identity identityOf(const std::string& name) {
    struct stat status {};
    if (::stat(name.c_str(), &status) == 0)
        return {true, status.st_dev, status.st_ino, {}};
    // The existing part resolved, the rest as written but for . and ..
    std::error_code error;
    fs::path path = fs::weakly_canonical(fs::absolute(name, error), error);
    if (error)
        path = fs::absolute(name, error).lexically_normal();
    return {false, 0, 0, path.string()};
}

} // namespace

bool sameFile(const std::string& a, const std::string& b) {
    return identityOf(a) == identityOf(b);
}

std::string SameFileNames::message() const {
    if (firstIsInput)
        return printable(second) + " would overwrite the input " + printable(first) +
               ": they are the same file";
    return printable(first) + " and " + printable(second) +
           " are the same file: each output needs a file of its own";
}

std::optional<SameFileNames> firstSameFile(const std::vector<std::string>& inputs,
                                           const std::vector<std::string>& outputs) {
    std::vector<Identity> read;
    for (const std::string& name : inputs)
        read.push_back(identityOf(name));
    std::vector<Identity> written;
    for (std::size_t i = 0; i < outputs.size(); ++i) {
        const Identity output = identityOf(outputs[i]);
        for (std::size_t j = 0; j < inputs.size(); ++j)
            if (read[j] == output)
                return SameFileNames{inputs[j], outputs[i], true};
        for (std::size_t j = 0; j < i; ++j)
            if (written[j] == output)
                return SameFileNames{outputs[j], outputs[i], false};
        written.push_back(output);
    }
    return std::nullopt;
}

} // namespace discone
