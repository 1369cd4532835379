// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Small helpers shared by the calc tests: locales and error capture.
#pragma once

#include "errors.h"
#include "numtext.h"

#include <cstring>
#include <initializer_list>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

namespace calctest {

inline const discone::Separators kEnglish{".", ","};
inline const discone::Separators kCommaDecimal{",", "."};
// French: comma decimal, narrow no-break space (U+202F) as group separator.
inline const discone::Separators kFrench{",", "\u202f"};
// Arabic: U+066B ARABIC DECIMAL SEPARATOR, U+066C ARABIC THOUSANDS SEPARATOR.
inline const discone::Separators kArabic{"\u066b", "\u066c"};

// An outcome that prints well in gtest messages: either "ok" or the kind.
enum class Outcome { Ok, TypeMismatch, Overflow, DivisionByZero, OtherException };

inline Outcome outcomeOf(discone::ErrorKind kind) {
    switch (kind) {
    case discone::ErrorKind::TypeMismatch:
        return Outcome::TypeMismatch;
    case discone::ErrorKind::Overflow:
        return Outcome::Overflow;
    case discone::ErrorKind::DivisionByZero:
        return Outcome::DivisionByZero;
    }
    return Outcome::OtherException;
}

inline std::ostream& operator<<(std::ostream& os, Outcome o) {
    switch (o) {
    case Outcome::Ok:
        return os << "Ok";
    case Outcome::TypeMismatch:
        return os << "TypeMismatch";
    case Outcome::Overflow:
        return os << "Overflow";
    case Outcome::DivisionByZero:
        return os << "DivisionByZero";
    case Outcome::OtherException:
        return os << "OtherException";
    }
    return os;
}

// Runs fn and tells how it ended.
template <typename Fn> Outcome run(Fn&& fn) {
    try {
        fn();
    } catch (const discone::CalculationError& e) {
        return outcomeOf(e.kind());
    } catch (...) {
        return Outcome::OtherException;
    }
    return Outcome::Ok;
}

// The value with the same bits, as std::bit_cast (which Emscripten's libc++
// lacks) gives it.
template <typename To, typename From> To bitsAs(const From& from) {
    static_assert(sizeof(To) == sizeof(From));
    To to;
    std::memcpy(&to, &from, sizeof to);
    return to;
}

// Concatenation by appending (GCC 12 at -O3 warns falsely, -Wrestrict, on
// some operator+ chains of std::string).
inline std::string cat(std::initializer_list<std::string_view> parts) {
    std::string out;
    for (std::string_view p : parts)
        out.append(p);
    return out;
}

// Text with control and non-ASCII bytes escaped, for SCOPED_TRACE and names.
inline std::string visible(const std::string& text) {
    std::string out = "\"";
    static const char* hex = "0123456789abcdef";
    for (unsigned char c : text) {
        if (c >= 0x20 && c < 0x7f && c != '\\') {
            out += static_cast<char>(c);
        } else {
            out += "\\x";
            out += hex[c >> 4];
            out += hex[c & 15];
        }
    }
    if (out.size() > 80)
        out = out.substr(0, 60) + "...(" + std::to_string(text.size()) + " bytes)";
    return out + "\"";
}

} // namespace calctest
