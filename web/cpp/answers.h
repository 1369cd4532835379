// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The parts of the page's answers (bindings.cpp): the desktop's words for a
// failed calculation, the prediction window's reading of its fields, and
// the design, the prediction and the tuning as JSON for the page.
#pragma once

#include "json.h"
#include "study.h"

#include "errors.h"

#include <optional>
#include <string>

namespace discone::web {

std::string capitalised(std::string text);

// The desktop's words for a calculation that failed (ui/errorreport.cpp).
std::string failureMessage(const CalculationError& error);

std::string mhzText(const study::Design& design, const Separators& sep);

// "frequency", "defaultHighest", "heading" and "fileStem" of the design.
void designFields(Json& json, const study::Design& design, const Separators& sep);

// The fields as typed: the cable is its id, or empty for none.
struct FieldTexts {
    const char *wires, *diameter, *highest, *points, *reference, *cable, *length;
};

// The fields' options, as the desktop's prediction window reads them, or
// the problem of each field that cannot be read.
struct Fields {
    std::optional<study::Options> options;
    std::optional<std::string> wires, diameter, highest, points, reference, length;
};
Fields readFields(const study::Design& design, const FieldTexts& typed, const Separators& sep);

// "problems": each field's, or null.
void problems(Json& json, const Fields& f);

// The prediction as the page shows it, for the design in the unit shown,
// with the measurement loaded, if any, on its Smith chart.
void predictionObject(Json& json, const study::Prediction& p, const study::Design& shown,
                      const study::Measurement* measurement, int region, const Separators& sep);

// The tuning's line while it is found.
std::string tuningLine(const study::Design& design, const Separators& sep);

// "line", "use" and "frequency" of a tuning.
void tunedFields(Json& json, const study::Tuned& tuned, const Separators& sep);

} // namespace discone::web
