// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "png.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <string_view>

namespace discone::draw {

namespace {

std::uint32_t crc32(const std::uint8_t* data, std::size_t size) {
    static const std::array<std::uint32_t, 256> table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t n = 0; n < 256; ++n) {
            std::uint32_t c = n;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xedb88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    std::uint32_t c = 0xffffffffu;
    for (std::size_t i = 0; i < size; ++i)
        c = table[(c ^ data[i]) & 0xff] ^ (c >> 8);
    return c ^ 0xffffffffu;
}

std::uint32_t adler32(const Bytes& data) {
    std::uint32_t a = 1;
    std::uint32_t b = 0;
    for (std::uint8_t v : data) {
        a = (a + v) % 65521;
        b = (b + a) % 65521;
    }
    return (b << 16) | a;
}

void putBe32(Bytes& out, std::uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<std::uint8_t>((v >> shift) & 0xff));
}

void chunk(Bytes& out, std::string_view type, const Bytes& body) {
    putBe32(out, static_cast<std::uint32_t>(body.size()));
    const std::size_t start = out.size();
    out.insert(out.end(), type.begin(), type.end());
    out.insert(out.end(), body.begin(), body.end());
    putBe32(out, crc32(out.data() + start, out.size() - start));
}

// A zlib stream of stored deflate blocks (at most 65535 bytes each).
Bytes zlibStored(const Bytes& raw) {
    Bytes out{0x78, 0x01};
    std::size_t pos = 0;
    do {
        const std::size_t len = std::min<std::size_t>(65535, raw.size() - pos);
        const bool last = pos + len == raw.size();
        out.push_back(last ? 1 : 0);
        out.push_back(static_cast<std::uint8_t>(len & 0xff));
        out.push_back(static_cast<std::uint8_t>(len >> 8));
        out.push_back(static_cast<std::uint8_t>(~len & 0xff));
        out.push_back(static_cast<std::uint8_t>((~len >> 8) & 0xff));
        out.insert(out.end(), raw.begin() + static_cast<std::ptrdiff_t>(pos),
                   raw.begin() + static_cast<std::ptrdiff_t>(pos + len));
        pos += len;
    } while (pos < raw.size());
    putBe32(out, adler32(raw));
    return out;
}

} // namespace

Bytes pngIndexed(const IndexedCanvas& image, const std::vector<Rgb>& palette,
                 const std::vector<std::uint8_t>& alpha) {
    Bytes out{0x89, 'P', 'N', 'G', 0x0d, 0x0a, 0x1a, 0x0a};

    Bytes header;
    putBe32(header, static_cast<std::uint32_t>(image.width()));
    putBe32(header, static_cast<std::uint32_t>(image.height()));
    header.insert(header.end(), {8, 3, 0, 0, 0}); // 8 bits, palette, no interlace
    chunk(out, "IHDR", header);

    Bytes plte;
    for (const Rgb& c : palette)
        plte.insert(plte.end(), {c.r, c.g, c.b});
    chunk(out, "PLTE", plte);
    chunk(out, "tRNS", Bytes(alpha.begin(), alpha.end()));

    Bytes raw;
    for (int y = 0; y < image.height(); ++y) {
        raw.push_back(0); // no filter
        for (int x = 0; x < image.width(); ++x)
            raw.push_back(image.at(x, y));
    }
    chunk(out, "IDAT", zlibStored(raw));
    chunk(out, "IEND", {});
    return out;
}

} // namespace discone::draw
