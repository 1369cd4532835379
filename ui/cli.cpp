// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli.h"

#include "commandline.h"
#include "deck.h"
#include "model.h"
#include "picturefile.h"
#include "runner.h"
#include "separators.h"
#include "sweep.h"
#include "sweepchart.h"

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <string_view>
#include <vector>

namespace discone::ui {
namespace {

bool write(std::FILE* stream, const std::string& text) {
    return std::fwrite(text.data(), 1, text.size(), stream) == text.size() &&
           std::fflush(stream) == 0;
}

// Points done of all on standard error, once the sweep has taken a second,
// and only where someone watches it: never into a pipe or a file.
class ProgressLine {
public:
    ProgressLine() : shown_(isatty(STDERR_FILENO) == 1) {}
    ~ProgressLine() {
        if (written_)
            write(stderr, "\r\033[K");
    }
    void operator()(int done, int total) {
        if (!shown_ || std::chrono::steady_clock::now() - start_ < std::chrono::seconds(1))
            return;
        written_ = true;
        write(stderr, "\rdiscone: SWR at " + std::to_string(done) + " of " + std::to_string(total) +
                          " frequencies");
    }

private:
    bool shown_;
    bool written_ = false;
    std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

std::string_view unitName(Unit unit) {
    return unit == Unit::Inches ? "in" : "cm";
}

// The deck's comment lines: the program, the design, its seven dimensions in
// the chosen unit (with a point, as every number of the deck) and the model.
std::vector<std::string> deckComments(const ModelRequest& request,
                                      const DisconeDimensions& dimensions, Unit unit) {
    const Separators point{".", ","};
    const ResultTexts texts = formatDimensions(dimensions, unit, point);
    std::vector<std::string> lines;
    lines.push_back("discone " DISCONE_VERSION ": a discone antenna for " +
                    singleText(dimensions.LowestFrequency, point) + " MHz");
    for (const DimensionDescriptor& row : descriptors(Unit::Inches)) {
        std::string line(row.key);
        line += ' ' + texts[row.dimension];
        if (row.dimension != Dimension::MeshSpacing || !dimensions.MeshSpacing.solid)
            line += ' ' + std::string(unitName(unit));
        lines.push_back(std::move(line));
    }
    lines.push_back(std::to_string(request.radials) + " wires in the disc and in the cone, " +
                    nec::number(request.wireDiameterMm) + " mm in diameter, in free space");
    return lines;
}

std::string plotTitle(const ModelRequest& request, const DisconeDimensions& dimensions, Unit unit,
                      const Separators& sep) {
    return "Discone for " + singleText(dimensions.LowestFrequency, sep) + " MHz (" +
           std::string(unit == Unit::Inches ? "inches" : "centimetres") +
           "): " + std::to_string(request.radials) + " wires of " +
           doubleText(request.wireDiameterMm, sep) + " mm";
}

CommandLineResult failure(int status, const std::string& message) {
    return {status, {}, "discone: " + message + "\n"};
}

// The model options' work: the deck, the sweep in nec2c, its table and plot.
CommandLineResult runModel(const ModelRequest& request, const DisconeDimensions& dimensions,
                           Unit unit, const Separators& sep) {
    nec::SweepOptions options;
    options.model.radials = request.radials;
    options.model.wireDiameterMm = request.wireDiameterMm;
    options.highestMHz = request.highestMHz;
    options.points = request.points;
    CommandLineResult result;
    try {
        if (request.deck)
            result.out +=
                nec::sweepDeck(dimensions, options, deckComments(request, dimensions, unit));
        if (request.sweep || !request.plotFile.empty()) {
            ProgressLine progress;
            const nec::Sweep sweep = nec::runSweep(
                dimensions, options, [&](int done, int total) { progress(done, total); });
            if (request.sweep)
                result.out += nec::sweepTable(sweep, nec::summarize(sweep), sep);
            if (!request.plotFile.empty())
                plot::writeSwrChart(sweepChart(sweep, QString::fromStdString(plotTitle(
                                                          request, dimensions, unit, sep))),
                                    request.plotFile);
        }
    } catch (const nec::ModelError& error) {
        return failure(kExitUsage, error.what());
    } catch (const nec::NecError& error) {
        return failure(kExitCalculationFailed, error.what());
    } catch (const plot::PlotError& error) {
        return failure(kExitCalculationFailed, error.what());
    }
    return result;
}

} // namespace

int commandLineMain(int argc, char** argv) {
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    const Separators sep = systemSeparators();
    const CommandLineResult result =
        runCommandLine(args, sep,
                       [&](const ModelRequest& request, const DisconeDimensions& dimensions,
                           Unit unit) { return runModel(request, dimensions, unit, sep); });
    if (!write(stdout, result.out)) {
        write(stderr, "discone: the output cannot be written\n");
        return kExitCalculationFailed;
    }
    write(stderr, result.err);
    return result.status;
}

} // namespace discone::ui
