// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Names made printable: printable UTF-8 kept, every other byte as \xNN.
#include "printable.h"

#include <gtest/gtest.h>

#include <string>

// The expected bytes follow from UTF-8's rules by hand: a lead byte says
// how many continuation bytes (10xxxxxx) follow, and the code they carry
// must need that many.
TEST(Printable, KeepsPrintableUtf8AndEscapesEveryOtherByte) {
    struct Case {
        const char* tag;
        std::string text;
        std::string shown;
    };
    const Case cases[] = {
        {"ASCII", "m 1.s1p", "m 1.s1p"},
        {"e acute as UTF-8", "caf\xc3\xa9.s1p", "caf\xc3\xa9.s1p"},
        {"no-break space, the first code after the C1 controls", "\xc2\xa0", "\xc2\xa0"},
        {"four bytes: U+1F4E1", "\xf0\x9f\x93\xa1", "\xf0\x9f\x93\xa1"},
        {"line break, tab, escape, DEL", "a\nb\t\x1b\x7f", "a\\x0ab\\x09\\x1b\\x7f"},
        {"NUL", std::string("a\0b", 3), "a\\x00b"},
        {"backslash", "a\\x0a", "a\\\\x0a"},
        {"e acute as Latin-1", "caf\xe9.s1p", "caf\\xe9.s1p"},
        {"lone continuation byte", "\x80z", "\\x80z"},
        {"sequence cut short by a letter", "\xe2\x82z", "\\xe2\\x82z"},
        {"sequence cut short by the end", "a\xc3", "a\\xc3"},
        {"overlong slash", "\xc0\xaf", "\\xc0\\xaf"},
        {"overlong slash in three bytes", "\xe0\x80\xaf", "\\xe0\\x80\\xaf"},
        {"surrogate U+D800", "\xed\xa0\x80", "\\xed\\xa0\\x80"},
        {"above U+10FFFF", "\xf4\x90\x80\x80", "\\xf4\\x90\\x80\\x80"},
        {"C1 control U+0085", "\xc2\x85", "\\xc2\\x85"},
        {"line separator U+2028", "a\xe2\x80\xa8z", "a\\xe2\\x80\\xa8z"},
        {"right-to-left override U+202E", "\xe2\x80\xae", "\\xe2\\x80\\xae"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tag);
        EXPECT_EQ(discone::printable(c.text), c.shown);
    }
}
