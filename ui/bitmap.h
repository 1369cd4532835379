// Reading the embedded drawings straight into 32-bit images. The drawings
// are uncompressed Windows bitmaps; decoding them here, rather than through
// Qt's image reader and a pixmap conversion, keeps the main window's start
// short. Anything this reader does not know goes to Qt's reader instead.
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
