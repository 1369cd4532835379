// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// What the plain C++ libraries take from a standard library that not every
// C++20 library has yet (the WebAssembly build's lacks these): stop tokens,
// for work that can be asked to stop, and floating-point numbers written and
// read as C-locale text. Where the standard library has them, these are its
// own (so that std::jthread hands its token straight on); elsewhere a small
// stand-in with the same meaning and, for numbers, the same digits.
#pragma once

#include <version>

#include <charconv>
#include <system_error>

#if !defined(__cpp_lib_to_chars) || defined(DISCONE_PORTABLE_NUMBER_FALLBACK)
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>
#include <type_traits>
#endif

#if defined(__cpp_lib_jthread)
#include <stop_token>
#else
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <utility>
#include <vector>
#endif

namespace discone {

#if defined(__cpp_lib_jthread)

using StopToken = std::stop_token;
using StopSource = std::stop_source;
// A class rather than an alias, so that its callback type is deduced with
// compilers that deduce no alias template's arguments (clang before 19).
template <class Callback> class StopCallback : public std::stop_callback<Callback> {
public:
    using std::stop_callback<Callback>::stop_callback;
};

#else

namespace portable {

// The state a source and its tokens share: the request, and the callbacks
// to run when it comes.
struct StopState {
    std::mutex mutex;
    bool requested = false;
    std::uint64_t next = 0;
    std::vector<std::pair<std::uint64_t, std::function<void()>>> callbacks;
};

} // namespace portable

class StopToken {
public:
    StopToken() = default;
    bool stop_requested() const noexcept {
        if (!state_)
            return false;
        const std::lock_guard lock(state_->mutex);
        return state_->requested;
    }
    bool stop_possible() const noexcept { return state_ != nullptr; }

private:
    friend class StopSource;
    template <class> friend class StopCallback;
    explicit StopToken(std::shared_ptr<portable::StopState> state) : state_(std::move(state)) {}
    std::shared_ptr<portable::StopState> state_;
};

class StopSource {
public:
    StopSource() : state_(std::make_shared<portable::StopState>()) {}
    StopToken get_token() const noexcept { return StopToken(state_); }
    bool stop_requested() const noexcept { return get_token().stop_requested(); }
    // True for the call that made the request.
    bool request_stop() {
        std::vector<std::pair<std::uint64_t, std::function<void()>>> callbacks;
        {
            const std::lock_guard lock(state_->mutex);
            if (state_->requested)
                return false;
            state_->requested = true;
            callbacks.swap(state_->callbacks);
        }
        for (auto& [id, callback] : callbacks)
            callback();
        return true;
    }

private:
    std::shared_ptr<portable::StopState> state_;
};

// Runs `callback` once when the token's stop is requested, at once if it
// already is; never after the callback object is gone.
template <class Callback> class StopCallback {
public:
    template <class C>
    explicit StopCallback(const StopToken& token, C&& callback) : state_(token.state_) {
        if (!state_)
            return;
        std::unique_lock lock(state_->mutex);
        if (state_->requested) {
            lock.unlock();
            std::forward<C>(callback)();
            return;
        }
        id_ = ++state_->next;
        state_->callbacks.emplace_back(id_, std::function<void()>(std::forward<C>(callback)));
    }
    ~StopCallback() {
        if (!state_ || id_ == 0)
            return;
        const std::lock_guard lock(state_->mutex);
        std::erase_if(state_->callbacks, [this](const auto& entry) { return entry.first == id_; });
    }
    StopCallback(const StopCallback&) = delete;
    StopCallback& operator=(const StopCallback&) = delete;

private:
    std::shared_ptr<portable::StopState> state_;
    std::uint64_t id_ = 0;
};

#endif

template <class Callback> StopCallback(StopToken, Callback) -> StopCallback<Callback>;

namespace portable {

// Numbers as C-locale text: a point, no digit groups, whatever the process's
// locale (a Qt program sets LC_NUMERIC from the user's). Written as
// std::to_chars with a precision writes them (printf's %.*e, %.*f and %.*g:
// the exact binary value rounded, ties to even); `format` is scientific,
// fixed or general. A float is written through the double of the same value,
// as to_chars does.
inline std::to_chars_result toChars(char* first, char* last, double value, std::chars_format format,
                                    int precision);

// Read as std::from_chars reads in its general format: an optional '-' (no
// '+', no blanks), digits with an optional point and exponent, or "inf",
// "infinity", "nan"; `ptr` is the end of the number. A number too large or
// too small for the type, even as a subnormal, is result_out_of_range.
// `value` is only written on success.
inline std::from_chars_result fromChars(const char* first, const char* last, double& value);
inline std::from_chars_result fromChars(const char* first, const char* last, float& value);

#if !defined(__cpp_lib_to_chars) || defined(DISCONE_PORTABLE_NUMBER_FALLBACK)

// The stand-in, on snprintf and strtod/strtof, which round correctly (glibc's
// and musl's alike) but follow LC_NUMERIC: the decimal point is made a '.'
// on the way out and never handed in. Tests define
// DISCONE_PORTABLE_NUMBER_FALLBACK to hold it against the standard library.
namespace fallback {

inline bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

inline std::to_chars_result copy(char* first, char* last, const char* text, std::size_t size) {
    if (static_cast<std::size_t>(last - first) < size)
        return {last, std::errc::value_too_large};
    for (std::size_t i = 0; i < size; ++i)
        first[i] = text[i];
    return {first + size, std::errc()};
}

inline std::to_chars_result toChars(char* first, char* last, double value, std::chars_format format,
                                    int precision) {
    if (!std::isfinite(value)) {
        const char* text = std::isnan(value) ? (std::signbit(value) ? "-nan" : "nan")
                                             : (value < 0 ? "-inf" : "inf");
        return copy(first, last, text, std::char_traits<char>::length(text));
    }
    const char* conversion = format == std::chars_format::scientific ? "%.*e"
                             : format == std::chars_format::fixed    ? "%.*f"
                                                                     : "%.*g";
    char small[64];
    std::string large;
    const char* text = small;
    const int size = std::snprintf(small, sizeof small, conversion, precision, value);
    if (size < 0)
        return {last, std::errc::value_too_large};
    if (static_cast<std::size_t>(size) >= sizeof small) {
        large.resize(static_cast<std::size_t>(size) + 1);
        std::snprintf(large.data(), large.size(), conversion, precision, value);
        text = large.data();
    }
    // Whatever is neither digit, sign nor exponent is the locale's decimal
    // point, one or more bytes.
    std::string out;
    out.reserve(static_cast<std::size_t>(size));
    bool inPoint = false;
    for (int i = 0; i < size; ++i) {
        const char c = text[i];
        const bool plain = isDigit(c) || c == '-' || c == '+' || c == 'e';
        if (!plain && !inPoint)
            out += '.';
        else if (plain)
            out += c;
        inPoint = !plain;
    }
    return copy(first, last, out.data(), out.size());
}

inline bool startsWithNoCase(const char* first, const char* last, const char* word) {
    for (; *word; ++first, ++word) {
        if (first == last || (*first | 0x20) != *word)
            return false;
    }
    return true;
}

template <class Float>
std::from_chars_result fromChars(const char* first, const char* last, Float& value) {
    const char* p = first;
    const bool negative = p != last && *p == '-';
    if (negative)
        ++p;
    const Float sign = negative ? Float(-1) : Float(1);
    if (startsWithNoCase(p, last, "inf")) {
        p += startsWithNoCase(p, last, "infinity") ? 8 : 3;
        value = sign * std::numeric_limits<Float>::infinity();
        return {p, std::errc()};
    }
    if (startsWithNoCase(p, last, "nan")) {
        p += 3;
        const char* q = p;
        if (q != last && *q == '(') {
            ++q;
            while (q != last &&
                   (isDigit(*q) || *q == '_' || ((*q | 0x20) >= 'a' && (*q | 0x20) <= 'z')))
                ++q;
            if (q != last && *q == ')')
                p = q + 1;
        }
        value = std::copysign(std::numeric_limits<Float>::quiet_NaN(), sign);
        return {p, std::errc()};
    }
    // The digits go to strtod without their point, the exponent made up for
    // it, so that the locale's decimal point never matters.
    std::string text = negative ? "-" : "";
    long long exponent = 0;
    bool digits = false, nonZero = false;
    for (; p != last && isDigit(*p); ++p) {
        text += *p;
        digits = true;
        nonZero = nonZero || *p != '0';
    }
    if (p != last && *p == '.') {
        for (++p; p != last && isDigit(*p); ++p) {
            text += *p;
            --exponent;
            digits = true;
            nonZero = nonZero || *p != '0';
        }
    }
    if (!digits)
        return {first, std::errc::invalid_argument};
    if (p != last && (*p == 'e' || *p == 'E')) {
        const char* q = p + 1;
        const bool negativeExponent = q != last && *q == '-';
        if (q != last && (*q == '-' || *q == '+'))
            ++q;
        if (q != last && isDigit(*q)) {
            long long written = 0; // far beyond any double's range, and no overflow
            for (; q != last && isDigit(*q); ++q)
                written = written < 1000000000000000LL ? written * 10 + (*q - '0') : written;
            exponent += negativeExponent ? -written : written;
            p = q;
        }
    }
    text += 'e';
    text += std::to_string(exponent);
    const int savedErrno = errno;
    Float read;
    if constexpr (std::is_same_v<Float, float>)
        read = std::strtof(text.c_str(), nullptr);
    else
        read = std::strtod(text.c_str(), nullptr);
    errno = savedErrno;
    if (std::isinf(read) || (read == 0 && nonZero))
        return {p, std::errc::result_out_of_range};
    value = read;
    return {p, std::errc()};
}

} // namespace fallback

#endif

#if defined(__cpp_lib_to_chars)

inline std::to_chars_result toChars(char* first, char* last, double value, std::chars_format format,
                                    int precision) {
    return std::to_chars(first, last, value, format, precision);
}

template <class Float>
std::from_chars_result fromCharsOf(const char* first, const char* last, Float& value) {
    Float read{};
    const auto result = std::from_chars(first, last, read);
    if (result.ec == std::errc())
        value = read;
    return result;
}
inline std::from_chars_result fromChars(const char* first, const char* last, double& value) {
    return fromCharsOf(first, last, value);
}
inline std::from_chars_result fromChars(const char* first, const char* last, float& value) {
    return fromCharsOf(first, last, value);
}

#else

inline std::to_chars_result toChars(char* first, char* last, double value, std::chars_format format,
                                    int precision) {
    return fallback::toChars(first, last, value, format, precision);
}
inline std::from_chars_result fromChars(const char* first, const char* last, double& value) {
    return fallback::fromChars(first, last, value);
}
inline std::from_chars_result fromChars(const char* first, const char* last, float& value) {
    return fallback::fromChars(first, last, value);
}

#endif

} // namespace portable

} // namespace discone
