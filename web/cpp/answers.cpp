// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "answers.h"

#include "bands.h"
#include "views.h"

namespace discone::web {

std::string capitalised(std::string text) {
    if (!text.empty() && text[0] >= 'a' && text[0] <= 'z')
        text[0] = static_cast<char>(text[0] - 'a' + 'A');
    return text;
}

// The desktop's words for a calculation that failed (ui/errorreport.cpp):
// the failure's name, then, after a blank line, what to do about it.
std::string failureMessage(const CalculationError& error) {
    const char* title = "Overflow";
    const char* advice = "The lowest frequency is too large or too small to calculate with. Type "
                         "a number of megahertz such as 146.";
    if (error.kind() == ErrorKind::TypeMismatch) {
        title = "Type mismatch";
        advice = "The lowest frequency must be a number of megahertz, such as 146, without "
                 "letters or units.";
    } else if (error.kind() == ErrorKind::DivisionByZero) {
        title = "Division by zero";
        advice = "The lowest frequency must be a number of megahertz other than zero, such as 146.";
    }
    return std::string(title) + "\n\n" + advice +
           " Type it into the orange box and press a CALCULATE button again.";
}

std::string mhzText(const study::Design& design, const Separators& sep) {
    return singleText(design.dimensions.LowestFrequency, sep);
}

void designFields(Json& json, const study::Design& design, const Separators& sep) {
    json.field("frequency", mhzText(design, sep))
        .field("defaultHighest", study::defaultHighestText(design, sep))
        .field("heading", "Predicted SWR – DISCONE – " + mhzText(design, sep) + " MHz, " +
                              std::string(nec::unitWord(design.unit)))
        .field("fileStem", "discone-" + mhzText(design, {".", ""}) + "MHz");
}

Fields readFields(const study::Design& design, const FieldTexts& typed, const Separators& sep) {
    Fields f;
    study::Options options;
    const auto whole = [&sep](study::Setting id, const char* text,
                              std::optional<std::string>& problem,
                              const std::string& example) -> std::optional<int> {
        const study::SettingDescriptor& row = study::setting(id);
        if (const auto n = study::readSetting(row, text, sep))
            return static_cast<int>(*n);
        problem = "Type " + study::wanted(row, sep) + ", such as " + example;
        return std::nullopt;
    };
    if (const auto n = whole(study::Setting::Radials, typed.wires, f.wires, "16"))
        options.radials = *n;
    const study::SettingDescriptor& points = study::setting(study::Setting::Points);
    if (const auto n = whole(study::Setting::Points, typed.points, f.points,
                             readableText(points.byDefault, 6, sep)))
        options.points = *n;
    const study::SettingDescriptor& thickness = study::setting(study::Setting::WireDiameter);
    // Empty: the rods the design takes, the study's choice.
    if (*typed.diameter != '\0') {
        if (const auto mm = study::readSetting(thickness, typed.diameter, sep))
            options.wireDiameterMm = *mm;
        else
            f.diameter =
                "Type " + study::wanted(thickness, sep) + " mm, such as 2 or 1" + sep.decimal + "5";
    }
    // The default leaves the sweep free to end early where the rods reach
    // NEC-2's limits, as the command line does.
    if (typed.highest != study::defaultHighestText(design, sep)) {
        const study::SettingDescriptor& top = study::setting(study::Setting::Highest);
        if (const auto mhz = study::readSetting(top, typed.highest, sep))
            options.highestMHz = *mhz;
        else
            f.highest = "Type a frequency above " + mhzText(design, sep) + " MHz, such as " +
                        study::defaultHighestText(design, sep);
    }
    // The page offers 50 and 75 ohms, as the desktop does.
    const study::SettingDescriptor& reference = study::setting(study::Setting::ReferenceOhms);
    if (const auto ohms = study::readSetting(reference, typed.reference, sep))
        options.referenceOhms = *ohms;
    else
        f.reference = "Choose 50 or 75 ohms";
    if (const std::string_view id = typed.cable; !id.empty()) {
        const study::SettingDescriptor& line = study::setting(study::Setting::Feedline);
        const auto metres = readPlainNumber(typed.length, sep);
        const study::Cable* cable = study::findCable(id);
        if (cable && metres && *metres >= line.low && *metres <= line.high)
            options.feedline = study::Feedline{cable, *metres};
        else
            f.length = "Type the feed line's length as " + study::wanted(line, sep) +
                       " m, such as 12 or 1" + sep.decimal + "5";
    }
    if (!f.wires && !f.diameter && !f.highest && !f.points && !f.reference && !f.length)
        f.options = options;
    return f;
}

void problems(Json& json, const Fields& f) {
    json.key("problems").open();
    json.fieldOrNull("wires", f.wires)
        .fieldOrNull("diameter", f.diameter)
        .fieldOrNull("highest", f.highest)
        .fieldOrNull("points", f.points)
        .fieldOrNull("reference", f.reference)
        .fieldOrNull("length", f.length)
        .close();
}

static void measuredFields(Json& json, const study::Prediction& p) {
    json.key("measured");
    if (!p.measured) {
        json.null();
        return;
    }
    json.open().key("swr").openArray();
    for (const auto& [mhz, swr] : p.measured->swr)
        json.openArray().number(mhz).number(swr).closeArray();
    json.closeArray().close();
}

// The prediction as the page shows it: the summary's text, the chart's
// numbers, and the amateur bands of the reader's region within the sweep.
void predictionObject(Json& json, const study::Prediction& p, const study::Design& shown,
                      const study::Measurement* measurement, int region, const Separators& sep) {
    std::string summary;
    const auto add = [&summary](const std::string& line) {
        summary += (summary.empty() ? "" : "\n") + line;
    };
    for (const auto* part : {&p.summary, &p.notes})
        for (const std::string& line : *part)
            add(line);
    if (p.measured) {
        for (const std::string& line : p.measured->lines)
            add(line);
        if (p.measured->warning)
            add(*p.measured->warning);
    }
    const nec::Sweep& sweep = p.sweep;
    json.open()
        .field("title", study::title(shown, p.plan, sep))
        .field("summary", summary)
        .fieldOrNull("chosenDiameter",
                     p.plan.chosenDiameter
                         ? std::optional(readableText(sweep.model.wireDiameterMm, 6, sep))
                         : std::nullopt)
        .field("status", "Predicted for " + std::to_string(sweep.model.radials) + " rods of " +
                             readableText(sweep.model.wireDiameterMm, 6, sep) + " mm at " +
                             std::to_string(sweep.points.size()) + " frequencies from " +
                             readableText(sweep.points.front().frequencyMHz, 6, sep) + " to " +
                             readableText(sweep.points.back().frequencyMHz, 6, sep) + " MHz.");
    json.key("points").openArray();
    for (const nec::SweepPoint& point : sweep.points) {
        json.openArray().number(point.frequencyMHz).number(point.swr);
        if (point.beam)
            json.number(point.beam->horizonDbi)
                .number(point.beam->peakDbi)
                .number(point.beam->peakElevationDeg);
        json.closeArray();
    }
    json.closeArray();
    measuredFields(json, p);
    viewFields(json, p, measurement, sep);
    json.key("bands").openArray();
    for (const study::Band& band : study::bandsWithin(region, sweep.points.front().frequencyMHz,
                                                      sweep.points.back().frequencyMHz))
        json.openArray().string(band.name).number(band.lowMHz).number(band.highMHz).closeArray();
    json.closeArray().close();
}

// The tuning's line, or the search for it.
std::string tuningLine(const study::Design& design, const Separators& sep) {
    return "Finding the design frequency whose SWR drops below 2 at " + mhzText(design, sep) +
           " MHz…";
}

void tunedFields(Json& json, const study::Tuned& tuned, const Separators& sep) {
    json.field("line", capitalised(tuned.lines.front()))
        .field("use", "Use " + singleText(tuned.tuning.designMHz, sep) + " MHz")
        .field("frequency", singleText(tuned.tuning.designMHz, sep));
}

} // namespace discone::web
