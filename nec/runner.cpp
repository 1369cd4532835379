// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "runner.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <spawn.h>
#include <sstream>
#include <string_view>
#include <sys/wait.h>

extern char** environ;

namespace discone::nec {

namespace fs = std::filesystem;

namespace {

// A folder only this process uses, removed with everything in it.
class TemporaryFolder {
public:
    TemporaryFolder() {
        std::error_code error;
        const fs::path base = fs::temp_directory_path(error);
        if (error)
            throw NecError("no temporary folder for nec2c: " + error.message());
        std::string pattern = (base / "discone-nec-XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            throw NecError(std::string("cannot create a temporary folder for nec2c: ") +
                           std::strerror(errno));
        path_ = pattern;
    }
    ~TemporaryFolder() {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;
    const fs::path& path() const { return path_; }

private:
    fs::path path_;
};

std::string readFile(const fs::path& path, bool& ok) {
    std::ifstream in(path, std::ios::binary);
    ok = static_cast<bool>(in);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string_view trimmed(std::string_view s) {
    const auto first = s.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos)
        return {};
    return s.substr(first, s.find_last_not_of(" \t\r\n") - first + 1);
}

// The first line with text, to quote in a message.
std::string firstLine(const std::string& text) {
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        if (!trimmed(line).empty())
            return std::string(trimmed(line).substr(0, 160));
    return {};
}

bool readNumber(std::string_view text, double& value) {
    text = trimmed(text);
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() && std::isfinite(value);
}

std::vector<std::string_view> fields(std::string_view line) {
    std::vector<std::string_view> out;
    std::size_t i = 0;
    while ((i = line.find_first_not_of(' ', i)) != std::string_view::npos) {
        const std::size_t end = std::min(line.find(' ', i), line.size());
        out.push_back(line.substr(i, end - i));
        i = end;
    }
    return out;
}

} // namespace

std::vector<Impedance> parseImpedances(const std::string& output) {
    std::vector<Impedance> result;
    std::istringstream in(output);
    double frequency = NAN;
    for (std::string line; std::getline(in, line);) {
        if (line.find("ERROR") != std::string::npos)
            throw NecError("nec2c reported: " + std::string(trimmed(line)));
        if (const auto at = line.find("FREQUENCY :"); at != std::string::npos) {
            std::string_view rest = std::string_view(line).substr(at + 11);
            rest = rest.substr(0, rest.find("MHz"));
            if (!readNumber(rest, frequency))
                throw NecError("nec2c's output has an unreadable frequency: " +
                               std::string(trimmed(line)));
            continue;
        }
        if (line.find("ANTENNA INPUT PARAMETERS") == std::string::npos)
            continue;
        // Two heading lines, then one row per source up to a blank line.
        std::string row;
        std::getline(in, row);
        std::getline(in, row);
        std::complex<double> admittance;
        int sources = 0;
        while (std::getline(in, row) && !trimmed(row).empty()) {
            const auto f = fields(row);
            double g = 0, b = 0;
            if (f.size() < 10 || !readNumber(f[8], g) || !readNumber(f[9], b))
                throw NecError("nec2c's output has an unreadable impedance line: " +
                               std::string(trimmed(row)));
            admittance += std::complex<double>(g, b);
            ++sources;
        }
        if (sources == 0 || std::isnan(frequency) || admittance == 0.0)
            throw NecError("nec2c's output has an input impedance table without values");
        result.push_back({frequency, 1.0 / admittance});
        frequency = NAN;
    }
    if (result.empty())
        throw NecError("nec2c's output holds no input impedance: " +
                       (output.empty() ? std::string("it is empty") : firstLine(output)));
    return result;
}

NecResult runNec(const std::string& deck) {
    TemporaryFolder folder;
    const std::string input = (folder.path() / "deck.nec").string();
    const std::string output = (folder.path() / "deck.out").string();
    const std::string messages = (folder.path() / "messages").string();
    {
        std::ofstream out(input, std::ios::binary);
        out << deck;
        if (!out.flush())
            throw NecError("cannot write the deck for nec2c into " + folder.path().string());
    }

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addchdir_np(&actions, folder.path().c_str());
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, messages.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0600);
    posix_spawn_file_actions_adddup2(&actions, 1, 2);
    std::string program = "nec2c", inputFlag = "-i", outputFlag = "-o";
    std::string in = input, out = output;
    char* argv[] = {program.data(),    inputFlag.data(), in.data(),
                    outputFlag.data(), out.data(),       nullptr};
    pid_t pid = 0;
    const int spawned = posix_spawnp(&pid, "nec2c", &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned == ENOENT)
        throw NecError("nec2c was not found on PATH: install the nec2c package");
    if (spawned != 0)
        throw NecError(std::string("cannot start nec2c: ") + std::strerror(spawned));

    int status = 0;
    while (waitpid(pid, &status, 0) < 0)
        if (errno != EINTR)
            throw NecError(std::string("cannot wait for nec2c: ") + std::strerror(errno));
    bool ok = false;
    const std::string said = firstLine(readFile(messages, ok));
    if (WIFSIGNALED(status))
        throw NecError("nec2c was ended by signal " + std::to_string(WTERMSIG(status)));
    if (WEXITSTATUS(status) != 0)
        throw NecError("nec2c failed with exit status " + std::to_string(WEXITSTATUS(status)) +
                       (said.empty() ? std::string() : ": " + said));

    NecResult result;
    result.output = readFile(output, ok);
    if (!ok)
        throw NecError("nec2c wrote no output file" + (said.empty() ? "" : ": " + said));
    result.impedances = parseImpedances(result.output);
    return result;
}

} // namespace discone::nec
