// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "bitmap.h"

#include <QFile>
#include <QResource>

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace discone::ui {
namespace {

constexpr int kFileHeaderSize = 14;
constexpr int kInfoHeaderSize = 40;
constexpr uint32_t kUncompressed = 0;

uint32_t u32(const QByteArray& d, qsizetype at) {
    const auto* p = reinterpret_cast<const unsigned char*>(d.constData() + at);
    return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

uint16_t u16(const QByteArray& d, qsizetype at) {
    const auto* p = reinterpret_cast<const unsigned char*>(d.constData() + at);
    return static_cast<uint16_t>(p[0] | (p[1] << 8));
}

} // namespace

Bitmap::Bitmap(const QByteArray& data) {
    if (data.size() < kFileHeaderSize + kInfoHeaderSize || !data.startsWith("BM"))
        return;
    const uint32_t pixelsAt = u32(data, 10);
    const uint32_t headerSize = u32(data, 14);
    const auto width = static_cast<int32_t>(u32(data, 18));
    const auto signedHeight = static_cast<int32_t>(u32(data, 22));
    const int bits = u16(data, 28);
    if (headerSize < kInfoHeaderSize || u32(data, 30) != kUncompressed || width <= 0 ||
        width > 8192 || signedHeight == 0 || std::abs(signedHeight) > 8192)
        return;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32)
        return;
    const int height = std::abs(signedHeight);

    if (bits <= 8) {
        const uint32_t used = u32(data, 46);
        const uint32_t entries = used == 0 || used > (1u << bits) ? (1u << bits) : used;
        const qsizetype paletteAt = kFileHeaderSize + headerSize;
        if (paletteAt + 4 * qsizetype(entries) > data.size())
            return;
        palette_.fill(qRgb(0, 0, 0), qsizetype(1) << bits);
        for (uint32_t i = 0; i < entries; ++i) {
            const qsizetype at = paletteAt + 4 * qsizetype(i);
            palette_[i] = qRgb(static_cast<unsigned char>(data[at + 2]),
                               static_cast<unsigned char>(data[at + 1]),
                               static_cast<unsigned char>(data[at]));
        }
    }
    // Rows are padded to whole 32-bit words.
    const qsizetype stride = ((qsizetype(width) * bits + 31) / 32) * 4;
    if (qsizetype(pixelsAt) + stride * height > data.size())
        return;

    data_ = data;
    pixelsAt_ = pixelsAt;
    stride_ = stride;
    width_ = width;
    height_ = height;
    bits_ = bits;
    bottomUp_ = signedHeight > 0;
}

void Bitmap::readRows(int top, QImage& out) const {
    const auto* pixels = reinterpret_cast<const unsigned char*>(data_.constData() + pixelsAt_);
    const int end = std::min(height_, top + out.height());
    for (int y = std::max(0, top); y < end; ++y) {
        const unsigned char* row = pixels + stride_ * (bottomUp_ ? height_ - 1 - y : y);
        auto* to = reinterpret_cast<QRgb*>(out.scanLine(y - top));
        switch (bits_) {
        case 1:
            for (int x = 0; x < width_; ++x)
                to[x] = palette_[(row[x / 8] >> (7 - x % 8)) & 1];
            break;
        case 4:
            for (int x = 0; x < width_; ++x)
                to[x] = palette_[(row[x / 2] >> (x % 2 == 0 ? 4 : 0)) & 0x0F];
            break;
        case 8:
            for (int x = 0; x < width_; ++x)
                to[x] = palette_[row[x]];
            break;
        default:
            for (int x = 0, bytes = bits_ / 8; x < width_; ++x)
                to[x] = qRgb(row[bytes * x + 2], row[bytes * x + 1], row[bytes * x]);
            break;
        }
    }
}

QImage decodeBitmap(const QByteArray& data) {
    const Bitmap bitmap(data);
    if (bitmap.isNull())
        return {};
    QImage image(bitmap.size(), QImage::Format_RGB32);
    bitmap.readRows(0, image);
    return image;
}

Bitmap loadBitmap(const QString& path) {
    // The pictures are embedded uncompressed, so a resource's bytes are the
    // program's own data: nothing is inflated or copied.
    if (const QResource resource(path);
        resource.isValid() && resource.compressionAlgorithm() == QResource::NoCompression)
        return Bitmap(QByteArray::fromRawData(reinterpret_cast<const char*>(resource.data()),
                                              resource.size()));
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? Bitmap(file.readAll()) : Bitmap();
}

} // namespace discone::ui
