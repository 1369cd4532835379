// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "picturefile.h"

#include "beamchart.h"
#include "drawingapp.h"
#include "impedancechart.h"
#include "patternchart.h"
#include "savefile.h"
#include "smithchart.h"
#include "swrchart.h"

#include <QBuffer>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QSvgGenerator>

#include <algorithm>
#include <cctype>
#include <functional>

namespace discone::plot {

namespace {

const QSize kPictureSize(960, 600);
const QSize kSquarePictureSize(760, 680); // the Smith chart, round

bool endsWithNoCase(std::string_view text, std::string_view suffix) {
    return text.size() >= suffix.size() &&
           std::equal(suffix.begin(), suffix.end(), text.end() - suffix.size(),
                      [](char a, char b) { return std::tolower(a) == std::tolower(b); });
}

[[noreturn]] void fail(const std::string& fileName, const std::string& why) {
    throw PlotError("cannot write " + fileName + ": " + why);
}

using Draw = std::function<void(QPainter&, const QRectF&)>;

// The picture's bytes, drawn in memory: nothing here touches the disk, so
// nothing here fails for want of space.
QByteArray render(bool svg, const QString& title, const Draw& draw, const std::string& fileName,
                  const QSize& size) {
    const QRectF area(QPointF(0, 0), size);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (svg) {
        QSvgGenerator generator;
        generator.setOutputDevice(&buffer);
        generator.setSize(size);
        generator.setViewBox(area);
        generator.setTitle(title);
        QPainter painter(&generator);
        draw(painter, area);
    } else {
        QImage image(size, QImage::Format_RGB32);
        {
            QPainter painter(&image);
            draw(painter, area);
        }
        QImageWriter writer(&buffer, "png");
        if (!writer.write(image))
            fail(fileName, "the picture cannot be encoded as PNG");
    }
    return buffer.data();
}

// The picture's bytes in the kind its name asks for.
std::string picture(const std::string& fileName, const QString& title, const Draw& draw,
                    const QSize& size = kPictureSize) {
    if (!isPictureName(fileName))
        fail(fileName, "a picture's name must end in .svg or .png");
    QByteArray bytes;
    {
        const DrawingApplication application;
        bytes = render(endsWithNoCase(fileName, ".svg"), title, draw, fileName, size);
    }
    return bytes.toStdString();
}

void write(const std::string& fileName, const QString& title, const Draw& draw, StopToken stop,
           const QSize& size = kPictureSize) {
    if (stop.stop_requested())
        throw SaveCancelled();
    const std::string bytes = picture(fileName, title, draw, size);
    try {
        saveFile(fileName, bytes, stop);
    } catch (const FileError& error) {
        throw PlotError(error.what());
    }
}

} // namespace

bool isPictureName(std::string_view fileName) {
    return endsWithNoCase(fileName, ".svg") || endsWithNoCase(fileName, ".png");
}

void checkPictureName(const std::string& fileName) {
    if (!isPictureName(fileName))
        fail(fileName, "a picture's name must end in .svg or .png");
    try {
        checkCanSave(fileName);
    } catch (const FileError& error) {
        throw PlotError(error.what());
    }
}

std::string swrChartPicture(const SwrChart& chart, const std::string& fileName) {
    if (chart.predicted.empty())
        fail(fileName, "there is no SWR to draw");
    return picture(fileName, chart.title, [&](QPainter& painter, const QRectF& area) {
        drawSwrChart(painter, area, chart);
    });
}

std::string patternChartPicture(const PatternChart& chart, const std::string& fileName) {
    if (chart.cuts.empty())
        fail(fileName, "there is no radiation pattern to draw");
    return picture(fileName, chart.title, [&](QPainter& painter, const QRectF& area) {
        drawPatternChart(painter, area, chart);
    });
}

std::string smithChartPicture(const SmithChart& chart, const std::string& fileName) {
    if (chart.predicted.empty())
        fail(fileName, "there is no impedance to draw");
    return picture(
        fileName, chart.title,
        [&](QPainter& painter, const QRectF& area) { drawSmithChart(painter, area, chart); },
        kSquarePictureSize);
}

void writeSwrChart(const SwrChart& chart, const std::string& fileName, StopToken stop) {
    if (chart.predicted.empty())
        fail(fileName, "there is no SWR to draw");
    write(
        fileName, chart.title,
        [&](QPainter& painter, const QRectF& area) { drawSwrChart(painter, area, chart); }, stop);
}

void writePatternChart(const PatternChart& chart, const std::string& fileName, StopToken stop) {
    if (chart.cuts.empty())
        fail(fileName, "there is no radiation pattern to draw");
    write(
        fileName, chart.title,
        [&](QPainter& painter, const QRectF& area) { drawPatternChart(painter, area, chart); },
        stop);
}

void writeBeamChart(const BeamChart& chart, const std::string& fileName, StopToken stop) {
    if (chart.points.empty())
        fail(fileName, "there is no beam to draw");
    write(
        fileName, chart.title,
        [&](QPainter& painter, const QRectF& area) { drawBeamChart(painter, area, chart); }, stop);
}

void writeImpedanceChart(const ImpedanceChart& chart, const std::string& fileName, StopToken stop) {
    if (chart.points.empty())
        fail(fileName, "there is no impedance to draw");
    write(
        fileName, chart.title,
        [&](QPainter& painter, const QRectF& area) { drawImpedanceChart(painter, area, chart); },
        stop);
}

void writeSmithChart(const SmithChart& chart, const std::string& fileName, StopToken stop) {
    if (chart.predicted.empty())
        fail(fileName, "there is no impedance to draw");
    write(
        fileName, chart.title,
        [&](QPainter& painter, const QRectF& area) { drawSmithChart(painter, area, chart); }, stop,
        kSquarePictureSize);
}

} // namespace discone::plot
