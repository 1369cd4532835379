// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// JSON text for the page's answers, written by hand: objects, arrays,
// strings and numbers. Numbers keep every digit a double has (17
// significant), with a point; an infinite one is written 1e999, which
// JSON.parse reads back as Infinity (an SWR where all the power is
// reflected), and a missing one null.
#pragma once

#include "portable.h"

#include <cmath>
#include <optional>
#include <string>
#include <string_view>

namespace discone::web {

class Json {
public:
    Json& open() { return put("{"); }
    Json& close() { return end("}"); }
    Json& openArray() { return put("["); }
    Json& closeArray() { return end("]"); }
    // "key": before a value inside an object.
    Json& key(std::string_view name) {
        string(name);
        out_ += ':';
        fresh_ = true;
        return *this;
    }
    Json& string(std::string_view text) {
        separate();
        out_ += '"';
        for (const char c : text) {
            const auto u = static_cast<unsigned char>(c);
            if (c == '"' || c == '\\') {
                out_ += '\\';
                out_ += c;
            } else if (c == '\n') {
                out_ += "\\n";
            } else if (u < 0x20) {
                static const char hex[] = "0123456789abcdef";
                out_ += "\\u00";
                out_ += hex[u >> 4];
                out_ += hex[u & 15];
            } else {
                out_ += c; // UTF-8 passes as it is
            }
        }
        out_ += '"';
        return *this;
    }
    Json& number(double value) {
        separate();
        if (std::isnan(value)) {
            out_ += "null";
        } else if (std::isinf(value)) {
            out_ += value > 0 ? "1e999" : "-1e999";
        } else {
            char buffer[32];
            const auto [end, ec] = portable::toChars(buffer, buffer + sizeof buffer, value,
                                                     std::chars_format::general, 17);
            out_.append(buffer, ec == std::errc() ? end : buffer);
        }
        return *this;
    }
    Json& number(const std::optional<double>& value) { return number(value.value_or(NAN)); }
    Json& boolean(bool value) { return put(value ? "true" : "false", false); }
    Json& null() { return put("null", false); }

    // One entry of an object.
    Json& field(std::string_view name, std::string_view text) { return key(name).string(text); }
    Json& field(std::string_view name, const char* text) { return key(name).string(text); }
    Json& field(std::string_view name, double value) { return key(name).number(value); }
    Json& field(std::string_view name, bool value) { return key(name).boolean(value); }
    Json& fieldOrNull(std::string_view name, const std::optional<std::string>& text) {
        key(name);
        return text ? string(*text) : null();
    }

    const std::string& text() const { return out_; }

private:
    void separate() {
        if (!fresh_)
            out_ += ',';
        fresh_ = false;
    }
    Json& put(const char* text, bool opens = true) {
        separate();
        out_ += text;
        fresh_ = opens;
        return *this;
    }
    Json& end(const char* text) {
        out_ += text;
        fresh_ = false;
        return *this;
    }

    std::string out_;
    bool fresh_ = true; // nothing written since the last opening or key
};

} // namespace discone::web
