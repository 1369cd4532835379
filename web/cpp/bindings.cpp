// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The page's way into the project's C++: a small C interface whose answers
// are JSON text (json.h), called from web/study.js, keeping what the
// desktop's windows keep (state.h). This file has the calculator, the
// prediction, the tuning and the files; viewbindings.cpp the views' read-outs
// and the pattern. Every text for people is made here or in the study, with
// the separators the page passes in (the browser language's), so the page
// says what the desktop says. discone_predict and discone_tune wait for the
// engine's workers (poolengine.h) and are called asynchronously; the others
// return at once and may be called meanwhile.
#include "answers.h"
#include "json.h"
#include "poolengine.h"
#include "readout.h"
#include "state.h"
#include "study.h"

#include "bands.h"
#include "errors.h"

#include <emscripten.h>

#include <cmath>
#include <optional>
#include <string>

using namespace discone;
using namespace discone::web;

namespace discone::web {

State& state() {
    static State s;
    return s;
}

} // namespace discone::web

namespace {

// Progress to the page: work done of all, by the study's weights.
// clang-format off
EM_JS(void, reportProgress, (int done, int total), {
    Module.discone.progress(done, total);
});
// clang-format on

} // namespace

extern "C" {

// The seven result texts of `text` in the unit (0 inches, 1 centimetres),
// keyed by the command line's names, or the desktop's message.
EMSCRIPTEN_KEEPALIVE const char* discone_calculate(int unit, const char* text, const char* decimal,
                                                   const char* group) {
    static std::string buffer;
    const Separators sep{decimal, group};
    const Unit u = unit == 0 ? Unit::Inches : Unit::Centimetres;
    Json json;
    json.open();
    try {
        const DisconeDimensions dimensions = calculateDimensions(readSingle(text, sep));
        const ResultTexts texts = formatDimensions(dimensions, u, sep);
        json.key("results").open();
        for (const DimensionDescriptor& row : descriptors(u))
            json.field(row.key, texts[row.dimension]);
        json.close();
        State& s = state();
        const bool sameAntenna = s.design && s.design->dimensions == dimensions;
        s.design = study::Design{dimensions, u};
        json.field("sameAntenna", sameAntenna);
        json.key("design").open();
        designFields(json, *s.design, sep);
        json.close();
    } catch (const CalculationError& error) {
        json.field("error", failureMessage(error));
    }
    return answer(buffer, json.close().text());
}

// The fields' limits and defaults from the settings table.
EMSCRIPTEN_KEEPALIVE const char* discone_settings(const char* decimal, const char* group) {
    static std::string buffer;
    const Separators sep{decimal, group};
    Json json;
    json.open();
    const std::pair<const char*, study::Setting> rows[] = {
        {"wires", study::Setting::Radials},
        {"diameter", study::Setting::WireDiameter},
        {"highest", study::Setting::Highest},
        {"points", study::Setting::Points}};
    for (const auto& [name, id] : rows) {
        const study::SettingDescriptor& row = study::setting(id);
        json.key(name).open().field("low", row.low).field("high", row.high);
        json.field("byDefault",
                   std::isnan(row.byDefault) ? std::string() : readableText(row.byDefault, 6, sep));
        json.field("help", std::string(row.help)).field("wanted", study::wanted(row, sep)).close();
    }
    // The desktop's choices: 50 and 75 ohms, and the cables by their names.
    json.key("references").openArray();
    for (const double ohms : {50.0, 75.0})
        json.openArray().number(ohms).string(readableText(ohms, 3, sep)).closeArray();
    json.closeArray().key("cables").openArray();
    for (const study::Cable& c : study::cables())
        json.openArray().string(c.id).string(c.name).closeArray();
    json.closeArray().field("length", "10");
    json.field("noDesign", "Calculate a design first: type the lowest frequency in the main window "
                           "and press CALCULATE Inches or CALCULATE CM.");
    return answer(buffer, json.close().text());
}

// What the status line says while the sweep runs.
EMSCRIPTEN_KEEPALIVE const char* discone_running(const char* highest, const char* decimal,
                                                 const char* group) {
    static std::string buffer;
    const Separators sep{decimal, group};
    const State& s = state();
    if (!s.design)
        return "";
    return answer(buffer, "Predicting the SWR from " + mhzText(*s.design, sep) + " to " + highest +
                              " MHz with NEC-2…");
}

// The prediction of the last design for the fields: the problems of the
// fields, a failure, {"cancelled": true}, or the prediction, with
// "tuning" the line to show while the tuning is found (null when the
// tuning shown holds).
EMSCRIPTEN_KEEPALIVE const char* discone_predict(const char* wires, const char* diameter,
                                                 const char* highest, const char* points,
                                                 const char* reference, const char* cable,
                                                 const char* length, int region,
                                                 const char* decimal, const char* group) {
    static std::string buffer;
    const Separators sep{decimal, group};
    State& s = state();
    if (!s.design)
        return answer(buffer, failureJson("Calculate a design first."));
    const study::Design design = *s.design;
    Fields fields =
        readFields(design, typed(wires, diameter, highest, points, reference, cable, length), sep);
    Json json;
    json.open();
    if (!fields.options) {
        problems(json, fields);
        return answer(buffer, json.close().text());
    }
    // The summary's amateur bands are those the charts mark.
    fields.options->region = region;
    try {
        const study::Plan plan = study::plan(design, *fields.options, sep);
        if (s.tuned && !(s.tunedFor.radials == plan.sweep.model.radials &&
                         s.tunedFor.wireDiameterMm == plan.sweep.model.wireDiameterMm))
            s.tuned.reset();
        const web::PoolEngine engine;
        StopSource stop;
        s.prediction =
            study::predict(design, *fields.options, s.measurement ? &*s.measurement : nullptr,
                           engine, stop.get_token(), reportProgress, sep);
    } catch (const study::SettingError& error) {
        Fields f;
        const study::Setting which = error.setting();
        (which == study::Setting::Highest  ? f.highest
         : which == study::Setting::Points ? f.points
                                           : f.diameter) = capitalised(error.what());
        problems(json, f);
        return answer(buffer, json.close().text());
    } catch (const nec::Cancelled&) {
        return answer(buffer, json.field("cancelled", true).close().text());
    } catch (const nec::ModelError& error) {
        s.prediction.reset();
        return answer(buffer, failureJson(error.message(sep)));
    } catch (const std::exception& error) {
        s.prediction.reset();
        return answer(buffer, failureJson(error.what()));
    }
    predictionObject(json.key("prediction"), *s.prediction, design, measurement(s), region, sep);
    if (s.tuned) {
        json.key("tuned").open();
        tunedFields(json, *s.tuned, sep);
        json.close();
    } else {
        json.field("tuning", tuningLine(design, sep));
    }
    return answer(buffer, json.close().text());
}

// The prediction shown, for the design in the unit last calculated.
EMSCRIPTEN_KEEPALIVE const char* discone_view(int region, const char* decimal, const char* group) {
    static std::string buffer;
    const State& s = state();
    if (!s.prediction || !s.design)
        return "null";
    Json json;
    predictionObject(json, *s.prediction, *s.design, measurement(s), region, {decimal, group});
    return answer(buffer, json.text());
}

// The tuning for the design's band with the prediction's wires: its line
// and its "Use F′ MHz", or the line saying why there is none.
EMSCRIPTEN_KEEPALIVE const char* discone_tune(const char* decimal, const char* group) {
    static std::string buffer;
    const Separators sep{decimal, group};
    State& s = state();
    if (!s.prediction || !s.design)
        return "null";
    study::Options wires;
    wires.radials = s.prediction->plan.sweep.model.radials;
    wires.wireDiameterMm = s.prediction->plan.sweep.model.wireDiameterMm;
    Json json;
    json.open();
    try {
        const web::PoolEngine engine;
        StopSource stop;
        s.tuned = study::tune(s.design->dimensions.LowestFrequency, wires, engine, stop.get_token(),
                              reportProgress, sep);
        s.tunedFor = wires;
        tunedFields(json, *s.tuned, sep);
    } catch (const nec::Cancelled&) {
        json.field("line", "Tuning was cancelled.").field("cancelled", true);
    } catch (const nec::ModelError& error) {
        json.field("line", error.message(sep));
    } catch (const std::exception& error) {
        json.field("line", error.what());
    }
    return answer(buffer, json.close().text());
}

// The files: the table and the Touchstone file of the prediction, and the
// deck of the design for the fields.
EMSCRIPTEN_KEEPALIVE const char* discone_table() {
    static std::string buffer;
    const State& s = state();
    return s.prediction ? answer(buffer, study::table(*s.prediction)) : "";
}

EMSCRIPTEN_KEEPALIVE const char* discone_touchstone() {
    static std::string buffer;
    const State& s = state();
    return s.prediction ? answer(buffer, study::touchstone(*s.prediction)) : "";
}

EMSCRIPTEN_KEEPALIVE const char* discone_deck(const char* wires, const char* diameter,
                                              const char* highest, const char* points,
                                              const char* reference, const char* cable,
                                              const char* length, const char* decimal,
                                              const char* group) {
    static std::string buffer;
    const Separators sep{decimal, group};
    const State& s = state();
    const Fields fields =
        s.design
            ? readFields(*s.design,
                         typed(wires, diameter, highest, points, reference, cable, length), sep)
            : Fields{};
    Json json;
    json.open();
    if (!fields.options)
        return answer(buffer,
                      json.field("error", "There is no design with sound values to save yet.")
                          .close()
                          .text());
    try {
        json.field("deck", study::printedDeck(*s.design, *fields.options));
    } catch (const nec::ModelError& error) {
        json.field("error", error.message(sep));
    } catch (const std::exception& error) {
        json.field("error", error.what());
    }
    return answer(buffer, json.close().text());
}

// A measurement the user chose, `size` bytes from a file named `name`:
// read, and set beside the prediction shown. Answers the count of points,
// or the error in one line.
EMSCRIPTEN_KEEPALIVE const char* discone_measurement(const char* name, const char* bytes, int size,
                                                     const char* decimal, const char* group) {
    static std::string buffer;
    State& s = state();
    Json json;
    json.open();
    try {
        s.measurement = study::readMeasurement(name, std::string_view(bytes, size));
        if (s.prediction)
            study::compare(*s.prediction, &*s.measurement, {decimal, group});
        json.field("points", static_cast<double>(s.measurement->data.points.size()));
    } catch (const std::exception& error) {
        json.field("error", error.what());
    }
    return answer(buffer, json.close().text());
}

// The SWR chart's read-out at `mhz`, in the desktop's words; the other
// views' are in viewbindings.cpp.
EMSCRIPTEN_KEEPALIVE const char* discone_read_swr(double mhz, int returnLoss, const char* decimal,
                                                  const char* group) {
    static std::string buffer;
    const State& s = state();
    return s.prediction ? answer(buffer, web::swrReading(*s.prediction, mhz, returnLoss != 0,
                                                         {decimal, group}))
                        : "";
}

// The ITU region of a country code from the browser's language ("US" 2),
// 0 where it names none.
EMSCRIPTEN_KEEPALIVE int discone_region(const char* country) {
    return study::regionOfCountry(country).value_or(0);
}
}
