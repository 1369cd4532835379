// Reading the embedded drawings straight into 32-bit images. The drawings
// are uncompressed Windows bitmaps, and 32 bits is what the picture boxes
// copy fastest. Measured offscreen against this reader, over alternating
// starts of the program: Qt's reader (which first looks through the image
// plugins) took the main window's first frame 1.9 ms longer with its
// 8-bit palette image painted as it is, and 2.9 ms longer with that image
// converted to 32 bits (Qt converts on worker threads it has to start).
// Anything this reader does not know goes to Qt's reader instead.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace discone::ui {

// An uncompressed bitmap (1, 4, 8, 24 or 32 bits per pixel, rows bottom-up
// or top-down) as an opaque RGB32 image; a null image for any other data.
QImage decodeBitmap(const QByteArray& data);

// The picture of a resource or file: decodeBitmap where it applies, else
// whatever Qt's reader makes of it; a null image if there is none.
QImage loadPicture(const QString& path);

} // namespace discone::ui
