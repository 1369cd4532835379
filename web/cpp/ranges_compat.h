// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The std::ranges algorithms the libraries use that the C++ library of
// Debian 12's Emscripten (libc++ 13) lacks: is_sorted, equal and
// upper_bound, with the standard's meaning for the forms the libraries call.
// cmake/WebAssembly.cmake includes this in every file of such a build only,
// so the libraries stay written in plain C++20.
#pragma once

#include <algorithm>
#include <functional>
#include <iterator>
#include <ranges>

#if defined(_LIBCPP_VERSION) && _LIBCPP_VERSION < 15000

namespace std::ranges {

template <class R, class Comp = ranges::less, class Proj = identity>
constexpr bool is_sorted(R&& r, Comp comp = {}, Proj proj = {}) {
    auto first = ranges::begin(r);
    const auto last = ranges::end(r);
    if (first == last)
        return true;
    for (auto next = std::next(first); next != last; first = next, ++next)
        if (std::invoke(comp, std::invoke(proj, *next), std::invoke(proj, *first)))
            return false;
    return true;
}

template <class R1, class R2, class Pred = ranges::equal_to, class Proj1 = identity,
          class Proj2 = identity>
constexpr bool equal(R1&& r1, R2&& r2, Pred pred = {}, Proj1 proj1 = {}, Proj2 proj2 = {}) {
    auto a = ranges::begin(r1);
    auto b = ranges::begin(r2);
    const auto aEnd = ranges::end(r1);
    const auto bEnd = ranges::end(r2);
    for (; a != aEnd && b != bEnd; ++a, ++b)
        if (!std::invoke(pred, std::invoke(proj1, *a), std::invoke(proj2, *b)))
            return false;
    return a == aEnd && b == bEnd;
}

template <class R, class T, class Comp = ranges::less, class Proj = identity>
constexpr auto upper_bound(R&& r, const T& value, Comp comp = {}, Proj proj = {}) {
    return std::upper_bound(ranges::begin(r), ranges::end(r), value,
                            [&](const T& v, const auto& element) {
                                return std::invoke(comp, v, std::invoke(proj, element));
                            });
}

} // namespace std::ranges

#endif
