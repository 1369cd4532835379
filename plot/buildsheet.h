// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The build sheet: one PDF page a builder takes into the workshop, drawn
// from a prediction and from what the study does not hold (the seven texts
// as the main window shows them, the tuning line, the date and the
// program's version). It gives the design frequency and unit, the seven
// results under the main window's names, the rods to cut and the hub, the
// SWR chart, the summary and the tuning, in large type. A4, or US Letter
// where the country prints on it. Drawn in memory with QPdfWriter, without
// a display; call from the main thread.
#pragma once

#include "formatter.h"
#include "ploterror.h"
#include "portable.h"
#include "study.h"
#include "sweepchart.h"

#include <QDate>
#include <QPageSize>

#include <string>
#include <string_view>

namespace discone::plot {

struct SheetFacts {
    ResultTexts texts;       // as the main window shows them for the design, in its unit
    std::string tuning = {}; // "for SWR below 2 from 146 MHz, cut for 128.73 MHz"; empty: none
    QDate date = {};         // the day on the sheet; null: today
    std::string version = DISCONE_VERSION;
    QPageSize::PageSizeId paper = QPageSize::A4;
};

// US Letter where the country prints on it (an ISO 3166 code in any case:
// the United States, Canada, Mexico, the Philippines and a few more in the
// Americas), A4 everywhere else and for anything that is not a code.
QPageSize::PageSizeId paperOfCountry(std::string_view country);

// The paper of the system locale's country (LC_ALL, LC_MESSAGES, LANG).
QPageSize::PageSizeId systemPaper();

// The sheet's PDF bytes, the chart drawn for `reader` (separators and ITU
// region; the reference is the prediction's). Throws PlotError, naming
// `fileName`, for a prediction without a sweep or a program whose
// application object cannot draw.
std::string buildSheet(const study::Prediction& prediction, const SheetFacts& facts,
                       const Reader& reader, const std::string& fileName);

// The sheet written as `fileName` through the checked file writer: a
// failure leaves any old file as it was. Throws PlotError, or SaveCancelled.
void writeBuildSheet(const study::Prediction& prediction, const SheetFacts& facts,
                     const Reader& reader, const std::string& fileName, StopToken stop = {});

} // namespace discone::plot
