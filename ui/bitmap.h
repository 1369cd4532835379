// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The embedded drawings, read in place. They are uncompressed Windows
// bitmaps, embedded as they are, so a picture box keeps only the program's
// own bytes and turns the rows it paints into 32-bit pixels a strip at a
// time: a whole 32-bit copy of a drawing costs more to fault in than its
// rows cost to convert. Qt's own reader is slower still at start: it looks
// through the image plugins first, and its 8-bit palette image is slower to
// paint or, converted to 32 bits, is converted on worker threads it has to
// start. bench/NOTES.md has the figures.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QSize>
#include <QString>

namespace discone::ui {

// An uncompressed bitmap (1, 4, 8, 24 or 32 bits per pixel, rows bottom-up
// or top-down); null for any other data.
class Bitmap {
public:
    Bitmap() = default;
    explicit Bitmap(const QByteArray& data);

    bool isNull() const { return width_ == 0; }
    QSize size() const { return {width_, height_}; }

    // Writes rows top to top + out.height() - 1 (those that exist) as opaque
    // 32-bit pixels into out, a Format_RGB32 image as wide as the bitmap.
    void readRows(int top, QImage& out) const;

private:
    QByteArray data_;
    QList<QRgb> palette_;
    qsizetype pixelsAt_ = 0;
    qsizetype stride_ = 0;
    int width_ = 0;
    int height_ = 0;
    int bits_ = 0;
    bool bottomUp_ = true;
};

// The whole bitmap as an opaque RGB32 image; a null image for other data.
QImage decodeBitmap(const QByteArray& data);

// The bitmap of a resource or file, read in place where the resource is
// stored uncompressed; null if it is not an uncompressed bitmap.
Bitmap loadBitmap(const QString& path);

} // namespace discone::ui
