// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "look.h"

#include <QFile>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QHash>
#include <QRawFont>

#include <cmath>

namespace discone::ui {
namespace {

constexpr const char* kWineFontDir = "/usr/share/wine/fonts/";

// Windows metrics (usWinAscent, usWinDescent) of the face's OS/2 table.
bool winMetrics(const QRawFont& raw, int& ascent, int& descent) {
    const QByteArray os2 = raw.fontTable("OS/2");
    if (os2.size() < 78)
        return false;
    auto u16 = [&](int at) {
        return (static_cast<unsigned char>(os2[at]) << 8) | static_cast<unsigned char>(os2[at + 1]);
    };
    ascent = u16(74);
    descent = u16(76);
    return ascent > 0;
}

// The families installed on the system, listed once: looking a name up here
// spares the alias resolution that QFontDatabase::hasFamily() has
// fontconfig do first, and a second pass over every family.
const QStringList& systemFamilies() {
    static const QStringList families = QFontDatabase::families();
    return families;
}

} // namespace

int pointsToPixels(double points) {
    return static_cast<int>(std::lround(points * 96.0 / 72.0));
}

void loadClassicFonts() {
    static bool loaded = false;
    if (loaded)
        return;
    loaded = true;
    if (systemFamilies().contains(QStringLiteral("Tahoma"), Qt::CaseInsensitive))
        return;
    for (const char* file : {"tahoma.ttf", "tahomabd.ttf"}) {
        const QString path = QLatin1String(kWineFontDir) + QLatin1String(file);
        if (QFile::exists(path))
            QFontDatabase::addApplicationFont(path);
    }
}

QStringList classicFamilies() {
    static const QStringList families = [] {
        QStringList list;
        // The original face only where it scales: the bitmap-only copies on
        // Linux have none of the sizes the windows use.
        for (const char* face : {"MS Sans Serif", "Microsoft Sans Serif"}) {
            if (systemFamilies().contains(QLatin1String(face), Qt::CaseInsensitive) &&
                QFontDatabase::isSmoothlyScalable(QLatin1String(face)))
                list << QLatin1String(face);
        }
        // Tahoma's widths let every caption fit its box; the condensed face
        // comes closest where it is missing.
        list << QStringLiteral("Tahoma") << QStringLiteral("DejaVu Sans Condensed")
             << QStringLiteral("DejaVu Sans") << QStringLiteral("sans-serif");
        return list;
    }();
    return families;
}

QFont classicFont(const FontStyle& style) {
    QFont font;
    font.setFamilies(classicFamilies());
    font.setStyleHint(QFont::SansSerif);
    // Pixels, not points: the layout is in pixels and must not follow the
    // screen's dpi (the offscreen platform and real desktops differ).
    font.setPixelSize(pointsToPixels(style.points));
    font.setBold(style.bold);
    font.setItalic(style.italic);
    font.setUnderline(style.underline);
    return font;
}

CellMetrics classicCellMetrics(const QFont& font) {
    static QHash<QString, CellMetrics> cache;
    const QString key = font.key();
    if (auto it = cache.constFind(key); it != cache.constEnd())
        return *it;
    const QFontMetrics fm(font);
    CellMetrics cell{fm.ascent(), fm.height()};
    const QRawFont raw = QRawFont::fromFont(font);
    int winAscent = 0;
    int winDescent = 0;
    if (raw.isValid() && raw.unitsPerEm() > 0 && winMetrics(raw, winAscent, winDescent)) {
        const double scale = raw.pixelSize() / raw.unitsPerEm();
        const int ascent = static_cast<int>(std::lround(winAscent * scale));
        const int descent = static_cast<int>(std::lround(winDescent * scale));
        // Never tighter than Qt's own metrics: descenders must not be cut.
        cell.ascent = std::max(ascent, fm.ascent());
        cell.height = std::max(ascent + descent, fm.height());
    }
    cache.insert(key, cell);
    return cell;
}

QPalette classicPalette() {
    const QColor face(0xF0, 0xF0, 0xF0);
    QPalette p(Qt::black, face, Qt::white, QColor(0xA0, 0xA0, 0xA0), QColor(0xA0, 0xA0, 0xA0),
               Qt::black, Qt::white, Qt::white, face);
    p.setColor(QPalette::Midlight, QColor(0xE3, 0xE3, 0xE3));
    p.setColor(QPalette::Shadow, QColor(0x69, 0x69, 0x69));
    p.setColor(QPalette::ButtonText, Qt::black);
    p.setColor(QPalette::Highlight, QColor(0x00, 0x78, 0xD7));
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::ToolTipBase, QColor(0xFF, 0xFF, 0xE1));
    p.setColor(QPalette::ToolTipText, Qt::black);
    p.setColor(QPalette::PlaceholderText, QColor(0x80, 0x80, 0x80));
    p.setColor(QPalette::Link, QColor(0x00, 0x00, 0xFF));
    p.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0x6D, 0x6D, 0x6D));
    p.setColor(QPalette::Disabled, QPalette::Text, QColor(0x6D, 0x6D, 0x6D));
    p.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(0x6D, 0x6D, 0x6D));
    return p;
}

} // namespace discone::ui
