// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Text from outside the program, above all a file's name, made safe to show
// in a one-line message: whatever bytes a name holds, the message stays one
// line that a terminal shows as it is written, and no two names look alike.
#pragma once

#include <string>
#include <string_view>

namespace discone {

// `text` with every byte that is not part of printable UTF-8 written as
// \xNN (two lower-case hex digits) and each backslash as \\; printable
// UTF-8, letters such as é included, stays as it is. Escaped are control
// characters (C0, DEL and C1), the line and paragraph separators and the
// marks that reorder text (U+202A to U+202E, U+2066 to U+2069), and bytes
// that are not valid UTF-8: a lone continuation byte such as Latin-1's é
// (0xE9), a cut-off sequence, an overlong form, a surrogate or a code above
// U+10FFFF.
std::string printable(std::string_view text);

} // namespace discone
