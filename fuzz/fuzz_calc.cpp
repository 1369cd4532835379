// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Feeds arbitrary bytes to the number reader, both calculate commands, the
// command line with its model options and the NEC-2 deck writer (never
// nec2c itself), under two locales. Every input must end in seven texts or a
// run-time error, and the command line in its output or one of its messages
// with the right exit status; anything else (a crash, a sanitizer report, a
// stray exception, a text that does not read back, a command line that says
// something other than the command) is a finding.
#include "commandline.h"
#include "errors.h"
#include "formatter.h"
#include "model.h"
#include "numtext.h"
#include "sweep.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace discone;

const Separators kLocales[] = {{".", ","}, {",", "."}};

void require(bool condition) {
    if (!condition)
        std::abort();
}

bool endsWith(std::string_view text, std::string_view end) {
    return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

// Whatever reads as a number writes a text that reads back within half a
// unit of its last written digit (7 digits for a single, 15 for a double).
template <class Float>
void roundTrip(std::string_view text, const Separators& sep,
               Float (*read)(std::string_view, const Separators&),
               std::string (*write)(Float, const Separators&), double tolerance) {
    try {
        const Float value = read(text, sep);
        const Float back = read(write(value, sep), sep);
        require(std::abs(double(back) - double(value)) <= std::abs(double(value)) * tolerance);
    } catch (const CalculationError&) {
    }
}

// The command's texts, or the error it ended in.
struct Outcome {
    std::optional<ResultTexts> texts;
    std::optional<CalculationError> error;
};

Outcome command(std::string_view text, const Separators& sep, Unit unit) {
    try {
        Outcome outcome{resultTexts(unit, text, sep), std::nullopt};
        for (std::size_t i = 0; i < kDimensionCount; ++i)
            require(!(*outcome.texts)[static_cast<Dimension>(i)].empty());
        return outcome;
    } catch (const CalculationError& error) {
        return {std::nullopt, error};
    }
}

// What any command line must give: its output and nothing else, a one-line
// calculation error, or a usage error with the hint.
void checkShape(const CommandLineResult& r) {
    switch (r.status) {
    case kExitSuccess:
        require(r.err.empty() && endsWith(r.out, "\n"));
        return;
    case kExitCalculationFailed:
        require(r.out.empty() && r.err.starts_with("discone: ") && endsWith(r.err, "\n"));
        require(r.err.find('\n') == r.err.size() - 1);
        return;
    case kExitUsage:
        require(r.out.empty() && r.err.starts_with("discone: ") &&
                endsWith(r.err, "\nTry 'discone --help' for more information.\n"));
        return;
    default:
        std::abort();
    }
}

// The command line with the frequency after its option says what the command
// itself gives, line by line.
void commandLine(std::string_view text, const Separators& sep, Unit unit) {
    const Outcome direct = command(text, sep, unit);
    const std::string_view args[] = {unit == Unit::Inches ? "--inches" : "--cm", text};
    const CommandLineResult r = runCommandLine(args, sep);
    checkShape(r);
    if (direct.error) {
        require(r.status == kExitCalculationFailed &&
                r.err == calculationErrorLine(*direct.error, text));
        return;
    }
    require(r.status == kExitSuccess);
    std::string_view out = r.out;
    for (std::size_t i = 0; i < kDimensionCount; ++i) {
        const std::size_t tab = out.find('\t');
        const std::size_t end = out.find('\n');
        require(tab != std::string_view::npos && end != std::string_view::npos && tab < end);
        require(out.substr(tab + 1, end - tab - 1) == (*direct.texts)[static_cast<Dimension>(i)]);
        out.remove_prefix(end + 1);
    }
    require(out.empty());
}

// The model runner of the fuzz target: the deck of any request that gets this
// far is written, and must be a whole deck of cards; a model the rules refuse
// is a usage error, as in the program. Standing in for nec2c, a sweep prints
// one line and a picture alone prints nothing, as the program's runner does.
CommandLineResult writeDeck(const ModelRequest& request, const DisconeDimensions& dimensions,
                            Unit) {
    nec::SweepOptions options;
    options.model.radials = request.radials;
    options.model.wireDiameterMm = request.wireDiameterMm;
    options.highestMHz = request.highestMHz;
    options.points = request.points;
    try {
        const std::string deck = nec::sweepDeck(dimensions, options, {"fuzz"});
        require(deck.starts_with("CM fuzz\nCE\n") && endsWith(deck, "EN\n"));
        require(deck.find("\nPT") == std::string::npos && deck.find("\nPQ") == std::string::npos);
        std::string out = request.deck ? deck : std::string();
        if (request.sweep)
            out += "# sweep\n";
        return {kExitSuccess, out, {}};
    } catch (const nec::ModelError& error) {
        return {kExitUsage, {}, std::string("discone: ") + error.what() + "\n"};
    }
}

// The bytes as an argument vector, split at each zero byte.
void anyArguments(std::string_view bytes, const Separators& sep) {
    std::vector<std::string_view> args;
    for (std::size_t start = 0;;) {
        const std::size_t end = bytes.find('\0', start);
        args.push_back(bytes.substr(start, end - start));
        if (end == std::string_view::npos)
            break;
        start = end + 1;
    }
    const CommandLineResult r = runCommandLine(args, sep, writeDeck);
    const bool refusedModel = r.status == kExitUsage && !r.err.ends_with("more information.\n");
    if (refusedModel)
        require(r.out.empty() && r.err.starts_with("discone: ") &&
                r.err.find('\n') == r.err.size() - 1);
    else if (r.status == kExitSuccess && r.out.empty())
        require(r.err.empty()); // only a picture was asked for
    else
        checkShape(r);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (const Separators& sep : kLocales) {
        roundTrip<float>(text, sep, readSingle, singleText, 6e-7);
        roundTrip<double>(text, sep, readDouble, doubleText, 5.2e-15);
        commandLine(text, sep, Unit::Inches);
        commandLine(text, sep, Unit::Centimetres);
        anyArguments(text, sep);
    }
    return 0;
}
