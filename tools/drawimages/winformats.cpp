// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "winformats.h"

#include <cstddef>

namespace discone::draw {

namespace {

void put16(Bytes& out, unsigned v) {
    out.push_back(static_cast<std::uint8_t>(v & 0xff));
    out.push_back(static_cast<std::uint8_t>((v >> 8) & 0xff));
}

void put32(Bytes& out, unsigned long v) {
    put16(out, static_cast<unsigned>(v & 0xffff));
    put16(out, static_cast<unsigned>((v >> 16) & 0xffff));
}

// Bytes per row of `width` pixels at `bits` per pixel, padded to 4 bytes.
unsigned long stride(int width, int bits) {
    return static_cast<unsigned long>((width * bits + 31) / 32 * 4);
}

// Packs one row of small values, most significant bits first, padded.
void putRow(Bytes& out, const IndexedCanvas& image, int y, int bits) {
    Bytes row(stride(image.width(), bits), 0);
    const int perByte = 8 / bits;
    for (int x = 0; x < image.width(); ++x) {
        const int shift = 8 - bits * (x % perByte + 1);
        row[static_cast<std::size_t>(x / perByte)] |=
            static_cast<std::uint8_t>(image.at(x, y) << shift);
    }
    out.insert(out.end(), row.begin(), row.end());
}

void putPalette(Bytes& out, const Rgb* colours, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
        out.push_back(colours[i].b);
        out.push_back(colours[i].g);
        out.push_back(colours[i].r);
        out.push_back(0);
    }
}

// BITMAPINFOHEADER. An icon image declares twice its height: colour rows
// and mask rows.
void putInfoHeader(Bytes& out, int width, int height, int bits, unsigned long imageSize,
                   unsigned long coloursUsed, unsigned long pelsPerMetre) {
    put32(out, 40);
    put32(out, static_cast<unsigned long>(width));
    put32(out, static_cast<unsigned long>(height));
    put16(out, 1);
    put16(out, static_cast<unsigned>(bits));
    put32(out, 0); // uncompressed
    put32(out, imageSize);
    put32(out, pelsPerMetre);
    put32(out, pelsPerMetre);
    put32(out, coloursUsed);
    put32(out, 0);
}

constexpr unsigned long kPelsPerMetre96Dpi = 3780;

Bytes bitmapFile(int width, int height, int bits, const Rgb* palette, std::size_t paletteSize,
                 const Bytes& pixels) {
    const unsigned long offset = 14 + 40 + 4 * paletteSize;
    Bytes out;
    out.push_back('B');
    out.push_back('M');
    put32(out, offset + pixels.size());
    put32(out, 0);
    put32(out, offset);
    putInfoHeader(out, width, height, bits, pixels.size(), paletteSize, kPelsPerMetre96Dpi);
    putPalette(out, palette, paletteSize);
    out.insert(out.end(), pixels.begin(), pixels.end());
    return out;
}

Bytes iconBitmap(const IconImage& image) {
    const int w = image.colour.width();
    const int h = image.colour.height();
    Bytes pixels;
    for (int y = h - 1; y >= 0; --y)
        putRow(pixels, image.colour, y, image.bitsPerPixel);
    for (int y = h - 1; y >= 0; --y)
        putRow(pixels, image.mask, y, 1);
    Bytes out;
    putInfoHeader(out, w, 2 * h, image.bitsPerPixel, pixels.size(), 0, 0);
    putPalette(out, image.palette.data(), image.palette.size());
    out.insert(out.end(), pixels.begin(), pixels.end());
    return out;
}

// ICONDIR and its entries; `type` is 1 for icons, 2 for cursors, where the
// planes and bit-count fields carry the hot spot instead.
Bytes group(const std::vector<IconImage>& images, unsigned type, int hotX, int hotY) {
    std::vector<Bytes> bitmaps;
    for (const IconImage& image : images)
        bitmaps.push_back(iconBitmap(image));
    Bytes out;
    put16(out, 0);
    put16(out, type);
    put16(out, static_cast<unsigned>(images.size()));
    unsigned long offset = 6 + 16 * images.size();
    for (std::size_t i = 0; i < images.size(); ++i) {
        const IconImage& image = images[i];
        out.push_back(static_cast<std::uint8_t>(image.colour.width() & 0xff));
        out.push_back(static_cast<std::uint8_t>(image.colour.height() & 0xff));
        out.push_back(static_cast<std::uint8_t>(image.palette.size() & 0xff));
        out.push_back(0);
        if (type == 2) {
            put16(out, static_cast<unsigned>(hotX));
            put16(out, static_cast<unsigned>(hotY));
        } else {
            put16(out, 1);
            put16(out, static_cast<unsigned>(image.bitsPerPixel));
        }
        put32(out, bitmaps[i].size());
        put32(out, offset);
        offset += bitmaps[i].size();
    }
    for (const Bytes& b : bitmaps)
        out.insert(out.end(), b.begin(), b.end());
    return out;
}

} // namespace

Bytes bmp4(const IndexedCanvas& image, const Palette16& palette) {
    Bytes pixels;
    for (int y = image.height() - 1; y >= 0; --y)
        putRow(pixels, image, y, 4);
    return bitmapFile(image.width(), image.height(), 4, palette.data(), palette.size(), pixels);
}

Bytes bmp24(const RgbCanvas& image) {
    Bytes pixels;
    const unsigned long rowBytes = stride(image.width(), 24);
    for (int y = image.height() - 1; y >= 0; --y) {
        const std::size_t start = pixels.size();
        for (int x = 0; x < image.width(); ++x) {
            const Rgb c = image.at(x, y);
            pixels.push_back(c.b);
            pixels.push_back(c.g);
            pixels.push_back(c.r);
        }
        pixels.resize(start + rowBytes, 0);
    }
    return bitmapFile(image.width(), image.height(), 24, nullptr, 0, pixels);
}

Bytes ico(const std::vector<IconImage>& images) {
    return group(images, 1, 0, 0);
}

Bytes cur(const IconImage& image, int hotX, int hotY) {
    return group({image}, 2, hotX, hotY);
}

} // namespace discone::draw
