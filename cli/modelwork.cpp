// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The model options' work, once the design is calculated: the deck, the
// sweep with its table, Touchstone file and picture, a measured file read
// beside it, the elevation patterns, and the tuning. Every file is checked
// before the work starts and written through the checked path; nothing is
// printed unless everything worked.
#include "deck.h"
#include "report.h"
#include "messages.h"
#include "readfile.h"
#include "savefile.h"
#include "touchstone.h"
#include "tune.h"

namespace discone::cli {

namespace {

constexpr std::size_t kLargestMeasurement = 16u << 20; // bytes; 100,000 points take 5 MB

std::string designTitle(const Request& r, const DisconeDimensions& dimensions,
                        const Separators& sep) {
    return joined({"Discone for ", singleText(dimensions.LowestFrequency, sep), " MHz (",
                   nec::unitWord(*r.unit), "): ", std::to_string(r.sweep.model.radials),
                   " rods of ", doubleText(r.sweep.model.wireDiameterMm, sep), " mm"});
}

// A measured one-port file as SWR against 50 ohms.
SwrCurve readMeasured(const std::string& file, const Files& files) {
    nec::OnePort data;
    try {
        data = nec::withReference(nec::readTouchstone(files.read(file, kLargestMeasurement)));
    } catch (const nec::TouchstoneError& error) {
        throw FileError(file + ": " + error.what());
    }
    SwrCurve curve;
    for (const nec::ReflectionPoint& p : data.points)
        curve.emplace_back(p.frequencyMHz, nec::reflectionSwr(p.s11));
    return curve;
}

// The design F' for the band, and its seven lines as --inches F' or --cm F'
// prints them.
Result tuned(const Request& r, const DisconeDimensions& dimensions, const Context& c) {
    const nec::Tuning t = nec::tune(dimensions.LowestFrequency, r.sweep.model, *c.engine, c.stop);
    const Separators& sep = c.separators;
    const std::string design = singleText(t.designMHz, sep);
    const DisconeDimensions cut = calculateDimensions(readSingle(design, sep));
    Result result;
    result.out = "# for SWR below 2 from " + singleText(dimensions.LowestFrequency, sep) +
                 " MHz, cut for " + design + " MHz\n# the tuned design's SWR stays below 2 up to " +
                 fixedText(t.staysBelowUpToMHz, 3, sep) + " MHz\n" +
                 dimensionLines(formatDimensions(cut, *r.unit, sep));
    return result;
}

Result work(const Request& r, const DisconeDimensions& dimensions, const Context& c) {
    Result result;
    if (r.deck)
        result.out = nec::printedDeck(dimensions, r.sweep, *r.unit);
    if (!r.tune && !r.needsSweep() && r.patternFile.empty())
        return result;
    if (!c.engine)
        return failure(kExitFailure, "this program cannot run the model");
    if (r.tune)
        return tuned(r, dimensions, c);
    // Before the sweep, not after it: a wrong folder or file is found at once.
    for (const std::string* picture : {&r.plotFile, &r.patternFile}) {
        if (picture->empty())
            continue;
        if (!c.pictures)
            return failure(kExitFailure, "this program cannot draw pictures");
        c.pictures->prepare(*picture);
    }
    if ((!r.s1pFile.empty() || !r.measuredFile.empty()) && !c.files)
        return failure(kExitFailure, "this program cannot read or write files");
    if (!r.s1pFile.empty())
        c.files->prepare(r.s1pFile);
    const SwrCurve measured =
        r.measuredFile.empty() ? SwrCurve{} : readMeasured(r.measuredFile, *c.files);
    const std::string title = designTitle(r, dimensions, c.separators);

    if (r.needsSweep()) {
        const nec::Sweep sweep = nec::runSweep(dimensions, r.sweep, *c.engine, c.stop, c.progress);
        if (r.table) {
            result.out += study::sweepTable(sweep);
            std::vector<std::string> lines = study::buildNotes(sweep, *r.unit, {".", ""});
            if (!measured.empty())
                for (std::string& line :
                     study::summaryLines(nec::summarize(measured), {".", ""}, "measured "))
                    lines.push_back(std::move(line));
            for (const std::string& line : lines)
                result.out += "# " + line + '\n';
        }
        if (!r.s1pFile.empty())
            c.files->save(
                r.s1pFile,
                nec::writeTouchstone(nec::onePort(sweep),
                                     {"discone " DISCONE_VERSION
                                      ": the predicted S11 of the design below, against 50 "
                                      "ohms, its impedance NEC-2's times the model's average "
                                      "gain",
                                      title}),
                c.stop);
        if (!r.plotFile.empty())
            c.pictures->swrPlot(sweep, measured, title, r.plotFile, c.stop);
    }
    if (!r.patternFile.empty()) {
        std::vector<double> frequencies = r.at;
        if (frequencies.empty()) {
            // Those of f, 2 f, 3 f, 5 f and 10 f that the rods allow.
            const double top = nec::highestModelledMHz(dimensions, r.sweep.model);
            for (double mhz : nec::patternFrequencies(dimensions.LowestFrequency))
                if (mhz <= top)
                    frequencies.push_back(mhz);
        }
        const auto cuts = nec::elevationCuts(dimensions, r.sweep.model, frequencies, *c.engine,
                                             c.stop, r.sweep.jobs);
        c.pictures->patternPlot(cuts, title + ", elevation patterns", r.patternFile, c.stop);
    }
    return result;
}

} // namespace

std::string DiskFiles::read(const std::string& path, std::size_t maxBytes) const {
    return readFile(path, maxBytes);
}

void DiskFiles::prepare(const std::string& path) const {
    checkCanSave(path);
}

void DiskFiles::save(const std::string& path, std::string_view bytes, StopToken stop) const {
    saveFile(path, bytes, stop);
}

Result runModel(const Request& r, const DisconeDimensions& dimensions, const Context& c) {
    try {
        return work(r, dimensions, c);
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
