// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli.h"

#include "commandline.h"
#include "separators.h"

#include <cstdio>
#include <string_view>
#include <vector>

namespace discone::ui {
namespace {

bool write(std::FILE* stream, const std::string& text) {
    return std::fwrite(text.data(), 1, text.size(), stream) == text.size() &&
           std::fflush(stream) == 0;
}

} // namespace

int commandLineMain(int argc, char** argv) {
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    const CommandLineResult result = runCommandLine(args, systemSeparators());
    if (!write(stdout, result.out)) {
        write(stderr, "discone: the output cannot be written\n");
        return kExitCalculationFailed;
    }
    write(stderr, result.err);
    return result.status;
}

} // namespace discone::ui
