// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "printable.h"

#include <cstddef>
#include <cstdint>

namespace discone {
namespace {

void escapeByte(std::string& out, unsigned char byte) {
    static constexpr char kHex[] = "0123456789abcdef";
    out += "\\x";
    out += kHex[byte >> 4];
    out += kHex[byte & 15];
}

// The length of the valid UTF-8 sequence of a printable character at the
// start of `text`, or 0.
std::size_t printableLength(std::string_view text) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    if (lead >= 0x20 && lead < 0x7f)
        return 1;
    std::size_t length = 0;
    std::uint32_t code = 0;
    std::uint32_t lowest = 0; // below it the form is overlong
    if (lead >= 0xc2 && lead <= 0xdf) {
        length = 2;
        code = lead & 0x1f;
        lowest = 0x80;
    } else if (lead >= 0xe0 && lead <= 0xef) {
        length = 3;
        code = lead & 0x0f;
        lowest = 0x800;
    } else if (lead >= 0xf0 && lead <= 0xf4) {
        length = 4;
        code = lead & 0x07;
        lowest = 0x10000;
    } else {
        return 0; // ASCII controls, continuation bytes, 0xC0, 0xC1, 0xF5 on
    }
    if (text.size() < length)
        return 0;
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xc0) != 0x80)
            return 0;
        code = code << 6 | (byte(i) & 0x3f);
    }
    const bool invalid = code < lowest || code > 0x10ffff || (code >= 0xd800 && code <= 0xdfff);
    const bool control = code <= 0x9f || code == 0x2028 || code == 0x2029 ||
                         (code >= 0x202a && code <= 0x202e) || (code >= 0x2066 && code <= 0x2069);
    return invalid || control ? 0 : length;
}

} // namespace

std::string printable(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    while (!text.empty()) {
        if (text[0] == '\\') {
            out += "\\\\";
            text.remove_prefix(1);
            continue;
        }
        const std::size_t length = printableLength(text);
        if (length == 0) {
            // One byte at a time, so that a good character after a broken
            // sequence is kept.
            escapeByte(out, static_cast<unsigned char>(text[0]));
            text.remove_prefix(1);
            continue;
        }
        out.append(text.substr(0, length));
        text.remove_prefix(length);
    }
    return out;
}

} // namespace discone
