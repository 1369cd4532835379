// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The prediction's views beside the SWR's and the beam's, as the page draws
// them (web/views.js and web/polar.js): the match as return loss, the SWR
// at the radio end of the feed line, the impedance, the reflections of the
// Smith chart with its frequency marks, and the elevation pattern; with the
// words the desktop's charts use for their axes and guides. The page only
// places these numbers; nothing is worked out there.
#pragma once

#include "json.h"
#include "study.h"

#include <vector>

namespace discone::web {

// "reference", "labels", "returnLoss", "radioEnd", "impedance" and "smith"
// of the prediction, with the measurement's impedances within the sweep on
// the Smith chart.
void viewFields(Json& json, const study::Prediction& p, const study::Measurement* measurement,
                const Separators& sep);

// The pattern as the page draws it: "title", "frequency" (its legend),
// "top" (the outer ring, dBi) and "points", [elevation, dBi] by rising
// elevation.
void patternObject(Json& json, const study::Patterns& patterns, const Separators& sep);

} // namespace discone::web
