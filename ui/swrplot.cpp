// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "swrplot.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QSaveFile>
#include <QSvgGenerator>

#include <algorithm>
#include <cmath>
#include <memory>
#include <optional>

namespace discone::ui {

namespace {

constexpr int kWidth = 960, kHeight = 600;
constexpr double kLowestTop = 5;   // the SWR axis reaches at least this
constexpr double kHighestTop = 10; // and at most this; higher SWR is clipped
const QMarginsF kMargins(70, 56, 30, 60);

QString megahertz(double value) {
    return QString::number(value, 'g', 4) + QStringLiteral(" MHz");
}

// Frequencies 1 to 9 times a power of ten inside the range; 1, 2 and 5 are
// labelled.
struct Tick {
    double mhz;
    bool labelled;
};
std::vector<Tick> frequencyTicks(double low, double high) {
    std::vector<Tick> ticks;
    for (double decade = std::pow(10.0, std::floor(std::log10(low))); decade <= high; decade *= 10)
        for (int step = 1; step <= 9; ++step)
            if (const double f = step * decade; f >= low * 0.999 && f <= high * 1.001)
                ticks.push_back({f, step == 1 || step == 2 || step == 5});
    return ticks;
}

void draw(QPainter& p, const nec::Sweep& sweep, const QString& title) {
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(QRectF(0, 0, kWidth, kHeight), Qt::white);
    const QRectF plot = QRectF(0, 0, kWidth, kHeight).marginsRemoved(kMargins);
    const double low = sweep.points.front().frequencyMHz;
    const double high = std::max(sweep.points.back().frequencyMHz, low * 1.0001);
    double most = kLowestTop;
    for (const auto& point : sweep.points)
        if (std::isfinite(point.swr))
            most = std::max(most, point.swr);
    const double top = std::min(std::ceil(most), kHighestTop);
    const auto x = [&](double f) {
        return plot.left() + plot.width() * std::log(f / low) / std::log(high / low);
    };
    const auto y = [&](double s) {
        return plot.bottom() - plot.height() * (std::clamp(s, 1.0, top) - 1) / (top - 1);
    };

    QFont font = p.font();
    font.setPixelSize(14);
    p.setFont(font);
    const QPen grid(QColor(220, 220, 220), 1);
    const QPen text(Qt::black);
    for (int s = 1; s <= top; ++s) {
        p.setPen(grid);
        p.drawLine(QPointF(plot.left(), y(s)), QPointF(plot.right(), y(s)));
        p.setPen(text);
        p.drawText(QRectF(0, y(s) - 10, plot.left() - 8, 20), Qt::AlignRight | Qt::AlignVCenter,
                   QString::number(s));
    }
    const QPen minorGrid(QColor(238, 238, 238), 1);
    for (const Tick& t : frequencyTicks(low, high)) {
        p.setPen(t.labelled ? grid : minorGrid);
        p.drawLine(QPointF(x(t.mhz), plot.top()), QPointF(x(t.mhz), plot.bottom()));
        if (!t.labelled)
            continue;
        p.setPen(text);
        p.drawText(QRectF(x(t.mhz) - 40, plot.bottom() + 4, 80, 20), Qt::AlignCenter,
                   QString::number(t.mhz, 'g', 6));
    }
    p.drawText(QRectF(plot.left(), kHeight - 28, plot.width(), 24), Qt::AlignCenter,
               QStringLiteral("frequency (MHz, logarithmic)"));
    p.save();
    p.translate(18, plot.center().y());
    p.rotate(-90);
    p.drawText(QRectF(-100, -12, 200, 24), Qt::AlignCenter, QStringLiteral("SWR (50 Ω)"));
    p.restore();
    QFont heading = font;
    heading.setPixelSize(18);
    heading.setBold(true);
    p.setFont(heading);
    p.drawText(QRectF(0, 8, kWidth, 32), Qt::AlignCenter, title);
    p.setFont(font);

    // SWR 2, and the entered frequency.
    p.setPen(QPen(QColor(200, 0, 0), 1.5, Qt::DashLine));
    p.drawLine(QPointF(plot.left(), y(2)), QPointF(plot.right(), y(2)));
    p.drawText(QRectF(plot.right() - 80, y(2) - 22, 76, 20), Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("SWR 2"));
    p.setPen(QPen(QColor(0, 130, 0), 1.5, Qt::DashDotLine));
    const double entered = x(sweep.designMHz);
    p.drawLine(QPointF(entered, plot.top()), QPointF(entered, plot.bottom()));
    p.drawText(QRectF(entered + 6, plot.top() + 4, 200, 20), Qt::AlignLeft | Qt::AlignVCenter,
               megahertz(sweep.designMHz));

    QPainterPath curve;
    for (std::size_t i = 0; i < sweep.points.size(); ++i) {
        const QPointF at(x(sweep.points[i].frequencyMHz), y(sweep.points[i].swr));
        if (i == 0)
            curve.moveTo(at);
        else
            curve.lineTo(at);
    }
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(plot);
    // Over the frame, so that SWR 1 and clipped peaks stay visible.
    p.setClipRect(plot.marginsAdded(QMarginsF(0, 3, 0, 3)));
    p.setPen(QPen(QColor(0, 60, 180), 2.5));
    p.drawPath(curve);
}

// Qt's start-up notes on a command line (a locale that is not UTF-8, no
// runtime folder) are not the program's to print: its standard error
// carries only its own lines. Fatal messages still reach Qt's handler.
class QuietQt {
public:
    QuietQt() { previous() = qInstallMessageHandler(&QuietQt::handle); }
    ~QuietQt() { qInstallMessageHandler(previous()); }
    QuietQt(const QuietQt&) = delete;
    QuietQt& operator=(const QuietQt&) = delete;

private:
    static void handle(QtMsgType type, const QMessageLogContext& context, const QString& text) {
        if (type == QtFatalMsg && previous() != nullptr)
            previous()(type, context, text);
    }
    static QtMessageHandler& previous() {
        static QtMessageHandler handler = nullptr;
        return handler;
    }
};

} // namespace

void writeSwrPlot(const nec::Sweep& sweep, const QString& title, const QString& fileName) {
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (suffix != QLatin1String("svg") && suffix != QLatin1String("png"))
        throw PlotError("the plot file's name must end in .svg or .png: " + fileName.toStdString());
    if (sweep.points.empty())
        throw PlotError("there is no sweep to plot");

    // Fonts need a GUI application; without a display the offscreen
    // platform draws just as well.
    std::unique_ptr<QGuiApplication> own;
    std::optional<QuietQt> quiet;
    int argc = 3;
    char name[] = "discone", option[] = "-platform", platform[] = "offscreen";
    char* argv[] = {name, option, platform, nullptr};
    if (!QCoreApplication::instance()) {
        quiet.emplace();
        own = std::make_unique<QGuiApplication>(argc, argv);
    } else if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        throw PlotError("drawing the plot needs a GUI application object");

    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        throw PlotError("cannot write " + fileName.toStdString() + ": " +
                        file.errorString().toStdString());
    if (suffix == QLatin1String("svg")) {
        QSvgGenerator svg;
        svg.setOutputDevice(&file);
        svg.setSize(QSize(kWidth, kHeight));
        svg.setViewBox(QRect(0, 0, kWidth, kHeight));
        svg.setTitle(title);
        QPainter painter(&svg);
        draw(painter, sweep, title);
    } else {
        QImage image(kWidth, kHeight, QImage::Format_RGB32);
        {
            QPainter painter(&image);
            draw(painter, sweep, title);
        }
        if (!image.save(&file, "PNG"))
            throw PlotError("cannot encode the plot as PNG for " + fileName.toStdString());
    }
    if (!file.commit())
        throw PlotError("cannot write " + fileName.toStdString() + ": " +
                        file.errorString().toStdString());
}

} // namespace discone::ui
