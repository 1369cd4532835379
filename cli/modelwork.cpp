// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The model options' work once the design is calculated: the study asked
// for what the options name, and its outputs written. Every name is checked
// before the work starts, no file is written over another or over the
// measurement, the files are written all at once or not at all, and
// nothing is printed unless everything worked.
#include "messages.h"
#include "options.h"
#include "readfile.h"
#include "study.h"

namespace discone::cli {

namespace {

constexpr std::size_t kLargestMeasurement = 16u << 20; // bytes; 100,000 points take 5 MB

// The tuned design F', and its seven lines as --inches F' or --cm F'
// prints them.
Result tuned(const Request& r, const DisconeDimensions& dimensions, const Context& c) {
    const Separators& sep = c.separators;
    const study::Tuned t =
        study::tune(dimensions.LowestFrequency, r.options, *c.engine, c.stop, {}, sep);
    const DisconeDimensions cut =
        calculateDimensions(readSingle(singleText(t.tuning.designMHz, sep), sep));
    Result result;
    for (const std::string& line : t.lines)
        result.out += "# " + line + "\n";
    result.out += dimensionLines(formatDimensions(cut, *r.unit, sep));
    return result;
}

// The tuning's first line for the build sheet, or why there is none.
std::string tuningLine(const DisconeDimensions& dimensions, const study::Options& options,
                       const Context& c) {
    try {
        return study::tune(dimensions.LowestFrequency, options, *c.engine, c.stop, {}, c.separators)
            .lines.front();
    } catch (const nec::NeverBelow& never) {
        return never.what();
    }
}

// A setting the design does not suit, in the option's name.
Result settingError(const study::SettingError& error, const Request& r, const Separators& sep) {
    std::string name;
    for (const OptionRow& row : options())
        if (row.setting == error.setting())
            name = row.name;
    std::string hint;
    // "--at 300,5" is two frequencies; where the locale writes 300,5 for
    // three hundred and a half, say so.
    if (error.setting() == study::Setting::PatternAt && sep.decimal == "," &&
        r.atText.find(',') != std::string_view::npos)
        hint = joined({"; the commas in ", quoted(r.atText),
                       " separate frequencies: write decimals with a point, such as 300.5"});
    return usageError({"'", name, "': ", error.what(), hint});
}

Result work(const Request& r, const DisconeDimensions& dimensions, const Context& c) {
    const Separators& sep = c.separators;
    const study::Design design{dimensions, *r.unit};
    Result result;
    if (r.deck)
        result.out = study::printedDeck(design, r.options);
    if (!r.tune && !r.needsSweep() && r.patternFile.empty())
        return result;
    if (!c.engine)
        return failure(kExitFailure, "this program cannot run the model");
    if (r.tune)
        return tuned(r, dimensions, c);
    // Before the work, not after it: a wrong name or folder is found at once.
    for (const std::string* picture : {&r.plotFile, &r.smithFile, &r.patternFile}) {
        if (picture->empty())
            continue;
        if (!c.pictures)
            return failure(kExitFailure, "this program cannot draw pictures");
        c.pictures->prepare(*picture);
    }
    if (!r.sheetFile.empty() && !c.pictures)
        return failure(kExitFailure, "this program cannot draw pictures");
    if ((!r.s1pFile.empty() || !r.measuredFile.empty() || !r.outputs().empty()) && !c.files)
        return failure(kExitFailure, "this program cannot read or write files");
    for (const std::string& output : r.outputs())
        c.files->prepare(output);
    std::optional<study::Measurement> measurement;
    if (!r.measuredFile.empty())
        measurement = study::readMeasurement(r.measuredFile,
                                             c.files->read(r.measuredFile, kLargestMeasurement));

    std::vector<std::pair<std::string, std::string>> files; // name, bytes
    if (r.needsSweep()) {
        study::Options options = r.options;
        options.region = c.region ? c.region() : 0;
        const study::Prediction prediction =
            study::predict(design, options, measurement ? &*measurement : nullptr, *c.engine,
                           c.stop, c.progress, sep);
        if (r.table)
            result.out += study::table(prediction);
        if (prediction.measured && prediction.measured->warning)
            result.err += joined({"discone: warning: ", *prediction.measured->warning, "\n"});
        if (!r.s1pFile.empty())
            files.emplace_back(r.s1pFile, study::touchstone(prediction));
        if (!r.plotFile.empty())
            files.emplace_back(r.plotFile, c.pictures->swrPicture(prediction, r.plotFile));
        if (!r.smithFile.empty())
            files.emplace_back(r.smithFile,
                               c.pictures->smithPicture(
                                   prediction, measurement ? &*measurement : nullptr, r.smithFile));
        if (!r.sheetFile.empty())
            files.emplace_back(
                r.sheetFile,
                c.pictures->buildSheet(prediction, formatDimensions(dimensions, *r.unit, sep),
                                       tuningLine(dimensions, r.options, c), r.sheetFile));
    }
    if (!r.patternFile.empty()) {
        const study::Plan plan = study::plan(design, r.options, sep);
        const auto frequencies = study::patternFrequencies(design, plan, r.at, sep);
        files.emplace_back(
            r.patternFile,
            c.pictures->patternPicture(
                study::patterns(design, plan, frequencies, *c.engine, c.stop, sep), r.patternFile));
    }
    std::vector<FileToSave> saved;
    for (const auto& [name, bytes] : files)
        saved.push_back({name, bytes});
    c.files->save(saved, c.stop);
    return result;
}

} // namespace

std::string DiskFiles::read(const std::string& path, std::size_t maxBytes) const {
    return readFile(path, maxBytes);
}

void DiskFiles::prepare(const std::string& path) const {
    checkCanSave(path);
}

void DiskFiles::save(std::span<const FileToSave> files, StopToken stop) const {
    saveFiles(files, stop);
}

std::optional<SameFileNames> DiskFiles::sameFile(const std::vector<std::string>& inputs,
                                                 const std::vector<std::string>& outputs) const {
    return firstSameFile(inputs, outputs);
}

Result runModel(const Request& r, const DisconeDimensions& dimensions, const Context& c) {
    try {
        return work(r, dimensions, c);
    } catch (const study::SettingError& error) {
        return settingError(error, r, c.separators);
    } catch (const nec::ModelError& error) {
        return failure(kExitUsage, error.message(c.separators));
    } catch (const nec::Cancelled&) {
        return {kExitFailure, {}, {}, true};
    } catch (const SaveCancelled&) {
        return {kExitFailure, {}, {}, true};
    } catch (const nec::NecError& error) {
        return failure(kExitFailure, error.what());
    } catch (const nec::NeverBelow& error) {
        return failure(kExitFailure, error.what());
    } catch (const FileError& error) {
        return failure(kExitFailure, error.what());
    } catch (const PictureError& error) {
        return failure(kExitFailure, error.what());
    }
}

} // namespace discone::cli
