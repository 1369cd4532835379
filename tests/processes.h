// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// For tests that check nothing is left running: whether a process still
// runs, and the process ids a stand-in nec2c noted in a file, one a line.
#pragma once

#include <signal.h>
#include <sys/types.h>

#include <chrono>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

namespace discone::test {

// True while the process runs (a zombie nobody reaps has ended).
inline bool runningNow(pid_t pid) {
    if (::kill(pid, 0) != 0)
        return false;
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string text;
    std::getline(stat, text);
    const auto close = text.rfind(')');
    return close == std::string::npos || text.substr(close + 2, 1) != "Z";
}

// True if the process still runs a moment later: a killed process takes a
// little while to end.
inline bool running(pid_t pid) {
    for (int i = 0; i < 200 && runningNow(pid); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    return runningNow(pid);
}

inline std::vector<pid_t> pidsIn(const std::string& file) {
    std::vector<pid_t> pids;
    std::ifstream in(file);
    for (pid_t pid; in >> pid;)
        pids.push_back(pid);
    return pids;
}

} // namespace discone::test
