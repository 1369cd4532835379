// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// WebAssembly starts no processes, and Emscripten's C library declares
// posix_spawnp without defining it. The nec library keeps its engine that
// runs the nec2c program (nec2cprogram.cpp); in this build starting it fails
// as on a system that cannot start one, so that engine reports that nec2c
// could not be started, and the page runs nec2c through its own engine.
#include <cerrno>
#include <spawn.h>

extern "C" int posix_spawnp(pid_t*, const char*, const posix_spawn_file_actions_t*,
                            const posix_spawnattr_t*, char* const*, char* const*) {
    return ENOSYS;
}
