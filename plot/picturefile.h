// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The charts as picture files, 960 × 600 (the Smith chart 760 × 680): SVG or PNG by the file name's
// suffix (.svg or .png in any case). The picture is drawn in memory and
// written through discone::saveFile, so a failure leaves any old file as it
// was and is reported as one PlotError line naming the file; SaveCancelled
// passes through. Without an application object the drawing happens on
// Qt's offscreen platform (see drawingapp.h): the command line needs no
// display. Call from the main thread.
#pragma once

#include "charts.h"
#include "ploterror.h"

#include "portable.h"
#include <string>
#include <string_view>

namespace discone::plot {

// Whether `fileName` ends in .svg or .png, in any case.
bool isPictureName(std::string_view fileName);

// Finds out before any work whether a picture can be written as `fileName`:
// its name (isPictureName) and its folder (discone::checkCanSave). Throws
// PlotError.
void checkPictureName(const std::string& fileName);

// The picture's bytes, for a caller that writes several files at once.
// Throws PlotError for a name that is not a picture's, a chart with nothing
// to draw, or a program whose application object cannot draw.
std::string swrChartPicture(const SwrChart& chart, const std::string& fileName);
std::string patternChartPicture(const PatternChart& chart, const std::string& fileName);
std::string smithChartPicture(const SmithChart& chart, const std::string& fileName);

// Throws PlotError for a name that is not a picture's, a chart with nothing
// to draw, a program whose application object cannot draw, or a file that
// cannot be written.
void writeSwrChart(const SwrChart& chart, const std::string& fileName, StopToken stop = {});
void writePatternChart(const PatternChart& chart, const std::string& fileName, StopToken stop = {});
void writeBeamChart(const BeamChart& chart, const std::string& fileName, StopToken stop = {});
void writeImpedanceChart(const ImpedanceChart& chart, const std::string& fileName,
                         StopToken stop = {});
void writeSmithChart(const SmithChart& chart, const std::string& fileName, StopToken stop = {});

} // namespace discone::plot
