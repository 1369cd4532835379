// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The C interface of the views beside the SWR chart (web/views.js): the
// read-outs of the impedance, the Smith chart and the pattern, in the
// desktop's words; the pattern's frequency picked on the SWR chart; and
// the elevation pattern itself, which waits for the engine's workers and
// is called asynchronously.
#include "poolengine.h"
#include "readout.h"
#include "state.h"
#include "views.h"

#include <emscripten.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

using namespace discone;
using namespace discone::web;

extern "C" {

// The read-outs at `mhz`, at a computed point of the Smith chart, at an
// elevation of the pattern; empty where there is nothing to read.
EMSCRIPTEN_KEEPALIVE const char* discone_read_impedance(double mhz, const char* decimal,
                                                        const char* group) {
    static std::string buffer;
    const State& s = state();
    return s.prediction
               ? answer(buffer, web::impedanceReading(*s.prediction, mhz, {decimal, group}))
               : "";
}

EMSCRIPTEN_KEEPALIVE const char* discone_read_smith(int index, const char* decimal,
                                                    const char* group) {
    static std::string buffer;
    const State& s = state();
    return s.prediction && index >= 0
               ? answer(buffer, web::smithReading(*s.prediction, static_cast<std::size_t>(index),
                                                  {decimal, group}))
               : "";
}

EMSCRIPTEN_KEEPALIVE const char* discone_read_pattern(double elevation, const char* decimal,
                                                      const char* group) {
    static std::string buffer;
    const State& s = state();
    return s.pattern && !s.pattern->cuts.empty()
               ? answer(buffer,
                        web::patternReading(s.pattern->cuts.front(), elevation, {decimal, group}))
               : "";
}

EMSCRIPTEN_KEEPALIVE const char* discone_read_beam(double mhz, const char* decimal,
                                                   const char* group) {
    static std::string buffer;
    const State& s = state();
    return s.prediction
               ? answer(buffer, web::beamReading(s.prediction->sweep, mhz, {decimal, group}))
               : "";
}

// The elevation pattern of the last design at `at` MHz (the design
// frequency when empty) for the fields, as the desktop's Pattern view
// computes it: {"pattern": ...} (views.h), {"problem": line} for a
// frequency or a field it cannot take, {"cancelled": true}, or a failure.
EMSCRIPTEN_KEEPALIVE const char* discone_pattern(const char* at, const char* wires,
                                                 const char* diameter, const char* highest,
                                                 const char* points, const char* reference,
                                                 const char* cable, const char* length,
                                                 const char* decimal, const char* group) {
    static std::string buffer;
    const Separators sep{decimal, group};
    State& s = state();
    if (!s.design)
        return answer(buffer, failureJson("Calculate a design first."));
    const study::Design design = *s.design;
    Json json;
    json.open();
    std::optional<double> mhz = design.dimensions.LowestFrequency;
    if (std::string_view(at).find_first_not_of(" \t") != std::string_view::npos)
        mhz = readPlainNumber(at, sep);
    if (!mhz)
        return answer(buffer,
                      json.field("problem", "Type the pattern's frequency in MHz, such as " +
                                                mhzText(design, sep) + ".")
                          .close()
                          .text());
    const Fields fields =
        readFields(design, typed(wires, diameter, highest, points, reference, cable, length), sep);
    if (!fields.options) {
        problems(json, fields);
        return answer(buffer, json.close().text());
    }
    try {
        const study::Plan plan = study::plan(design, *fields.options, sep);
        const std::vector<double> frequencies =
            study::patternFrequencies(design, plan, {*mhz}, sep);
        const web::PoolEngine engine;
        StopSource stop;
        s.pattern.reset();
        s.pattern = study::patterns(design, plan, frequencies, engine, stop.get_token(), sep);
    } catch (const study::SettingError& error) {
        return answer(buffer, json.field("problem", capitalised(error.what())).close().text());
    } catch (const nec::Cancelled&) {
        return answer(buffer, json.field("cancelled", true).close().text());
    } catch (const nec::ModelError& error) {
        return answer(buffer, failureJson(error.message(sep)));
    } catch (const std::exception& error) {
        return answer(buffer, failureJson(error.what()));
    }
    patternObject(json.key("pattern"), *s.pattern, sep);
    return answer(buffer, json.close().text());
}

// A frequency chosen on the SWR chart as the pattern's field takes it: to
// the chart's four digits, within the sweep and from the design frequency.
EMSCRIPTEN_KEEPALIVE const char* discone_pattern_at(double chosen, const char* decimal,
                                                    const char* group) {
    static std::string buffer;
    const State& s = state();
    if (!s.design)
        return "";
    double at = std::stod(readableText(chosen, 4, Separators{".", ""}));
    if (s.prediction && !s.prediction->sweep.points.empty())
        at = std::clamp(at, s.prediction->sweep.points.front().frequencyMHz,
                        s.prediction->sweep.points.back().frequencyMHz);
    at = std::max(at, double(s.design->dimensions.LowestFrequency));
    return answer(buffer, readableText(at, 7, {decimal, group}));
}
}
