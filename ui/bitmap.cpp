#include "bitmap.h"

#include <QFile>

#include <cstdint>
#include <cstdlib>
#include <vector>

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

QImage decodeBitmap(const QByteArray& data) {
    if (data.size() < kFileHeaderSize + kInfoHeaderSize || !data.startsWith("BM"))
        return {};
    const uint32_t pixelsAt = u32(data, 10);
    const uint32_t headerSize = u32(data, 14);
    const auto width = static_cast<int32_t>(u32(data, 18));
    const auto signedHeight = static_cast<int32_t>(u32(data, 22));
    const int bits = u16(data, 28);
    if (headerSize < kInfoHeaderSize || u32(data, 30) != kUncompressed || width <= 0 ||
        width > 8192 || signedHeight == 0 || std::abs(signedHeight) > 8192)
        return {};
    if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32)
        return {};
    const int height = std::abs(signedHeight);
    const bool bottomUp = signedHeight > 0;

    std::vector<QRgb> palette;
    if (bits <= 8) {
        const uint32_t used = u32(data, 46);
        const uint32_t entries = used == 0 || used > (1u << bits) ? (1u << bits) : used;
        const qsizetype paletteAt = kFileHeaderSize + headerSize;
        if (paletteAt + 4 * qsizetype(entries) > data.size())
            return {};
        for (uint32_t i = 0; i < entries; ++i) {
            const qsizetype at = paletteAt + 4 * qsizetype(i);
            palette.push_back(qRgb(static_cast<unsigned char>(data[at + 2]),
                                   static_cast<unsigned char>(data[at + 1]),
                                   static_cast<unsigned char>(data[at])));
        }
        palette.resize(size_t(1) << bits, qRgb(0, 0, 0));
    }
    // Rows are padded to whole 32-bit words.
    const qsizetype stride = ((qsizetype(width) * bits + 31) / 32) * 4;
    if (qsizetype(pixelsAt) + stride * height > data.size())
        return {};

    QImage image(width, height, QImage::Format_RGB32);
    const auto* pixels = reinterpret_cast<const unsigned char*>(data.constData() + pixelsAt);
    for (int y = 0; y < height; ++y) {
        const unsigned char* row = pixels + stride * (bottomUp ? height - 1 - y : y);
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            switch (bits) {
            case 1:
                out[x] = palette[(row[x / 8] >> (7 - x % 8)) & 1];
                break;
            case 4:
                out[x] = palette[(row[x / 2] >> (x % 2 == 0 ? 4 : 0)) & 0x0F];
                break;
            case 8:
                out[x] = palette[row[x]];
                break;
            case 24:
                out[x] = qRgb(row[3 * x + 2], row[3 * x + 1], row[3 * x]);
                break;
            default:
                out[x] = qRgb(row[4 * x + 2], row[4 * x + 1], row[4 * x]);
                break;
            }
        }
    }
    return image;
}

QImage loadPicture(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    // The pictures are embedded uncompressed, so a resource maps straight
    // onto the program's own data: nothing is inflated or copied.
    QByteArray data;
    if (const uchar* mapped = file.map(0, file.size()))
        data = QByteArray::fromRawData(reinterpret_cast<const char*>(mapped), file.size());
    else
        data = file.readAll();
    QImage image = decodeBitmap(data);
    if (image.isNull())
        image = QImage::fromData(data);
    return image;
}

} // namespace discone::ui
