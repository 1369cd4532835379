// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "chartstyle.h"

#include <QFontMetricsF>

#include <algorithm>
#include <array>
#include <cmath>

namespace discone::plot::style {

Sizes::Sizes(const QRectF& area)
    : text(std::clamp(std::min(area.width() / 68, area.height() / 43), 9.0, 24.0)),
      line(std::max(1.0, text / 14)), curve(text * 0.18) {
    font.setPixelSize(qRound(text));
    heading = font;
    heading.setPixelSize(qRound(text * 1.3));
    heading.setBold(true);
}

QString number(double value, const Separators& sep, int digits) {
    if (std::isnan(value))
        return QStringLiteral("?");
    if (std::isinf(value))
        return value > 0 ? QStringLiteral("∞") : QStringLiteral("−∞");
    // Whole digits are never rounded away: 12873 stays 12873 at 4 digits.
    const int whole = value == 0 ? 1 : int(std::floor(std::log10(std::abs(value)))) + 1;
    QString text = QString::fromStdString(
        readableText(value, std::clamp(std::max(digits, whole), 1, 17), sep));
    if (text.startsWith(u'-'))
        text[0] = QChar(0x2212);
    return text;
}

QColor cutColour(int index) {
    static const std::array<QColor, 8> colours = {
        kPredicted,           QColor(230, 110, 0), QColor(0, 140, 60),   QColor(200, 0, 0),
        QColor(130, 50, 170), QColor(140, 90, 40), QColor(210, 60, 150), QColor(0, 150, 160)};
    return colours[static_cast<std::size_t>(index) % colours.size()];
}

void drawUpwardText(QPainter& painter, const QPointF& centre, const QString& text) {
    painter.save();
    painter.translate(centre);
    painter.rotate(-90);
    const double width = QFontMetricsF(painter.font()).horizontalAdvance(text) + 4;
    const double height = QFontMetricsF(painter.font()).height();
    painter.drawText(QRectF(-width / 2, -height / 2, width, height), Qt::AlignCenter, text);
    painter.restore();
}

double drawTitle(QPainter& painter, const QRectF& area, const Sizes& sizes, const QString& title) {
    painter.setFont(sizes.heading);
    painter.setPen(kText);
    const QFontMetricsF metrics(sizes.heading);
    const double height = metrics.height() + 2 * sizes.gap();
    painter.drawText(QRectF(area.left(), area.top(), area.width(), height), Qt::AlignCenter,
                     metrics.elidedText(title, Qt::ElideRight, area.width() - 2 * sizes.gap()));
    painter.setFont(sizes.font);
    return height;
}

} // namespace discone::plot::style
