// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Helpers for the image tests: the embedded images by resource name, a
// reader for the headers of bitmaps and for icon and cursor groups (their
// masks are checked bit by bit, which QImage does not expose), and small
// pixel queries.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QString>

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace imagetest {

inline QByteArray resourceBytes(const char* name) {
    QFile f(QStringLiteral(":/images/") + QLatin1String(name));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

inline QImage resourceImage(const char* name) {
    return QImage(QStringLiteral(":/images/") + QLatin1String(name));
}

inline unsigned le16(const QByteArray& b, int at) {
    return static_cast<unsigned char>(b[at]) | static_cast<unsigned char>(b[at + 1]) << 8;
}
inline unsigned le32(const QByteArray& b, int at) {
    return le16(b, at) | le16(b, at + 2) << 16;
}
inline int les32(const QByteArray& b, int at) {
    return static_cast<int>(le32(b, at));
}

// The fields of a BITMAPINFOHEADER at `at`.
struct InfoHeader {
    int width, height, planes, bits, compression;
};
inline InfoHeader infoHeader(const QByteArray& b, int at) {
    return {les32(b, at + 4), les32(b, at + 8), static_cast<int>(le16(b, at + 12)),
            static_cast<int>(le16(b, at + 14)), les32(b, at + 16)};
}

// One image of an icon or cursor group, rows top-down.
struct GroupImage {
    // Directory entry: for a cursor `planes` and `bitCount` hold the hot spot.
    int width, height, colourCount, planes, bitCount;
    InfoHeader header;
    std::vector<QRgb> palette;
    std::vector<int> colour; // palette index per pixel
    std::vector<int> mask;   // 1 where the screen shows through or is inverted

    int index(int x, int y) const { return colour[static_cast<std::size_t>(y * width + x)]; }
    bool clear(int x, int y) const { return mask[static_cast<std::size_t>(y * width + x)] != 0; }
    QRgb rgb(int x, int y) const { return palette[static_cast<std::size_t>(index(x, y))]; }
};

struct Group {
    int type = 0;
    std::vector<GroupImage> images;
};

inline int bitAt(const QByteArray& b, int rowStart, int x, int bits) {
    const int byte = static_cast<unsigned char>(b[rowStart + x * bits / 8]);
    const int shift = 8 - bits - (x * bits) % 8;
    return (byte >> shift) & ((1 << bits) - 1);
}

inline Group readGroup(const QByteArray& b) {
    Group g;
    g.type = static_cast<int>(le16(b, 2));
    const int count = static_cast<int>(le16(b, 4));
    for (int i = 0; i < count; ++i) {
        const int e = 6 + 16 * i;
        GroupImage im{};
        im.width = static_cast<unsigned char>(b[e]);
        im.height = static_cast<unsigned char>(b[e + 1]);
        im.colourCount = static_cast<unsigned char>(b[e + 2]);
        im.planes = static_cast<int>(le16(b, e + 4));
        im.bitCount = static_cast<int>(le16(b, e + 6));
        const int at = les32(b, e + 12);
        im.header = infoHeader(b, at);
        const int bits = im.header.bits;
        const int paletteAt = at + les32(b, at);
        for (int k = 0; k < (1 << bits); ++k)
            im.palette.push_back(qRgb(static_cast<unsigned char>(b[paletteAt + 4 * k + 2]),
                                      static_cast<unsigned char>(b[paletteAt + 4 * k + 1]),
                                      static_cast<unsigned char>(b[paletteAt + 4 * k])));
        const int colourAt = paletteAt + 4 * (1 << bits);
        const int colourStride = (im.width * bits + 31) / 32 * 4;
        const int maskAt = colourAt + colourStride * im.height;
        const int maskStride = (im.width + 31) / 32 * 4;
        for (int y = 0; y < im.height; ++y)
            for (int x = 0; x < im.width; ++x) {
                const int row = im.height - 1 - y; // stored bottom-up
                im.colour.push_back(bitAt(b, colourAt + row * colourStride, x, bits));
                im.mask.push_back(bitAt(b, maskAt + row * maskStride, x, 1));
            }
        g.images.push_back(std::move(im));
    }
    return g;
}

// A named rectangle x0-x1, y0-y1 (inclusive): one row of a pixel table.
struct Area {
    const char* tag;
    int x0, y0, x1, y1;
};

// Test names from the tags, so each table row reports on its own.
template <class Row> std::string tagOf(const testing::TestParamInfo<Row>& info) {
    return info.param.tag;
}

inline std::ostream& operator<<(std::ostream& os, const Area& a) {
    return os << a.tag << " x " << a.x0 << "-" << a.x1 << ", y " << a.y0 << "-" << a.y1;
}

} // namespace imagetest
