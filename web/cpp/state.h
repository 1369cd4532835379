// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// What the page's C interface keeps between calls, as the desktop's windows
// keep it (the design, the prediction, the measurement, the tuning and the
// pattern shown), and the helpers its files share: bindings.cpp has the
// calculator, the prediction and the files, viewbindings.cpp the views'
// read-outs and the pattern.
#pragma once

#include "answers.h"
#include "json.h"
#include "study.h"

#include <optional>
#include <string>

namespace discone::web {

struct State {
    std::optional<study::Design> design;
    std::optional<study::Prediction> prediction;
    std::optional<study::Measurement> measurement;
    std::optional<study::Tuned> tuned;
    study::Options tunedFor;
    std::optional<study::Patterns> pattern;
};

State& state();

// Each entry point answers in a buffer of its own, read by the page before
// the next call to the same entry point.
inline const char* answer(std::string& buffer, std::string text) {
    buffer = std::move(text);
    return buffer.c_str();
}

inline std::string failureJson(const std::string& message) {
    return Json().open().field("failure", message).close().text();
}

// The fields as the page passes them, in the order of the C functions'
// parameters.
inline FieldTexts typed(const char* wires, const char* diameter, const char* highest,
                        const char* points, const char* reference, const char* cable,
                        const char* length) {
    return {wires, diameter, highest, points, reference, cable, length};
}

inline const study::Measurement* measurement(const State& s) {
    return s.measurement ? &*s.measurement : nullptr;
}

} // namespace discone::web
