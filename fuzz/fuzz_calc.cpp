// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Feeds arbitrary bytes to the number reader, both calculate commands and
// the command line with its model options, under two locales. The model
// options reach the sweep (its sub-bands, the engine's output read back, the
// table) and the deck writer through a stand-in for nec2c, never nec2c
// itself, and the pictures through a stand-in that draws nothing. The bytes
// are also read as a Touchstone file. Every input must end in seven texts or
// a run-time error, the command line in its output or one of its messages
// with the right exit status, and the file in sound points or a one-line
// refusal; anything else (a crash, a sanitizer report, a stray exception, a
// text that does not read back, a command line that says something other
// than the command) is a finding.
#include "commandline.h"
#include "errors.h"
#include "fake_engine.h"
#include "formatter.h"
#include "numtext.h"
#include "touchstone.h"

#include <cmath>
#include <complex>
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

// Draws nothing, and takes every name.
class NoPictures : public cli::Pictures {
public:
    void prepare(const std::string&) const override {}
    std::string swrPicture(const study::Prediction& p, const std::string& file) const override {
        require(!p.sweep.points.empty() && !p.title.empty() && !file.empty());
        return "picture";
    }
    std::string smithPicture(const study::Prediction& p, const study::Measurement*,
                             const std::string& file) const override {
        require(!p.sweep.points.empty() && !p.title.empty() && !file.empty());
        return "picture";
    }
    std::string buildSheet(const study::Prediction& p, const ResultTexts& texts,
                           const std::string& tuning, const std::string& file) const override {
        require(!p.sweep.points.empty() && !texts[Dimension::SideLength].empty() &&
                !tuning.empty() && file.ends_with(".pdf"));
        return "picture";
    }
    std::string patternPicture(const study::Patterns& p, const std::string& file) const override {
        require(!p.cuts.empty() && !p.title.empty() && !file.empty());
        return "picture";
    }
};

// Never touches the disk: every file reads as a small measurement, and
// what is written is checked and dropped.
class NoFiles : public cli::Files {
public:
    std::string read(const std::string& path, std::size_t) const override {
        return path.ends_with(".s1p") ? "# MHZ S RI R 50\n146 0.1 0\n300 0.2 0.1\n" : "nonsense";
    }
    void prepare(const std::string& path) const override { require(!path.empty()); }
    void save(std::span<const FileToSave> files, discone::StopToken) const override {
        for (const FileToSave& f : files)
            require(f.bytes == "picture" || nec::readTouchstone(f.bytes).points.size() > 1);
    }
    // Names are the same file when they are the same text.
    std::optional<SameFileNames> sameFile(const std::vector<std::string>& inputs,
                                          const std::vector<std::string>& outputs) const override {
        std::vector<std::string> seen = inputs;
        for (const std::string& out : outputs) {
            for (std::size_t i = 0; i < seen.size(); ++i)
                if (seen[i] == out)
                    return SameFileNames{seen[i], out, i < inputs.size()};
            seen.push_back(out);
        }
        return std::nullopt;
    }
};

const test::FakeEngine kEngine;
const NoPictures kPictures;
const NoFiles kFiles;

cli::Result commandLine(std::span<const std::string_view> args, const Separators& sep) {
    return cli::run(args, {sep, &kEngine, &kPictures, &kFiles, {}, {}});
}

// What any command line must give: its output and nothing else, a one-line
// failure, a one-line refusal of the model, or a usage error with the hint.
void checkShape(const cli::Result& r) {
    require(!r.interrupted);
    const bool oneLine = r.err.starts_with("discone: ") && endsWith(r.err, "\n") &&
                         r.err.find('\n') == r.err.size() - 1;
    switch (r.status) {
    case cli::kExitSuccess:
        // Nothing on standard error but whole warning lines.
        for (std::string_view err = r.err; !err.empty();) {
            require(err.starts_with("discone: warning: ") && err.find('\n') != err.npos);
            err.remove_prefix(err.find('\n') + 1);
        }
        require(endsWith(r.out, "\n"));
        return;
    case cli::kExitFailure:
        require(r.out.empty() && oneLine);
        return;
    case cli::kExitUsage:
        require(r.out.empty() && r.err.starts_with("discone: "));
        require(oneLine || endsWith(r.err, "\nTry 'discone --help' for more information.\n"));
        return;
    default:
        std::abort();
    }
}

// The command line with the frequency after its option says what the command
// itself gives, line by line.
void calculation(std::string_view text, const Separators& sep, Unit unit) {
    const Outcome direct = command(text, sep, unit);
    const std::string_view args[] = {unit == Unit::Inches ? "--inches" : "--cm", text};
    const cli::Result r = commandLine(args, sep);
    checkShape(r);
    if (direct.error) {
        require(r.status == cli::kExitFailure &&
                r.err == cli::calculationErrorLine(*direct.error, text));
        return;
    }
    require(r.status == cli::kExitSuccess);
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

// The bytes as an argument vector, split at each zero byte. A deck is a
// whole deck of cards, a table a whole table.
void anyArguments(std::string_view bytes, const Separators& sep) {
    std::vector<std::string_view> args;
    for (std::size_t start = 0;;) {
        const std::size_t end = bytes.find('\0', start);
        args.push_back(bytes.substr(start, end - start));
        if (end == std::string_view::npos)
            break;
        start = end + 1;
    }
    const cli::Result r = commandLine(args, sep);
    checkShape(r);
    if (r.out.starts_with("CM "))
        require(endsWith(r.out, "\nEN\n") &&
                r.out.find("\nRP 0 37 1 1000 0 0 5 0\n") != std::string::npos &&
                r.out.find("\nPT") == std::string::npos);
    if (r.out.find("\n# frequency_mhz") != std::string::npos) {
        require(r.out.find("\n# lowest SWR ") != std::string::npos);
        // Numbers for programs: no comma in any row.
        for (std::size_t at = 0; at < r.out.size();) {
            const std::size_t end = r.out.find('\n', at);
            const std::string_view line = std::string_view(r.out).substr(at, end - at);
            require(line.starts_with("#") || line.find(',') == std::string_view::npos);
            if (end == std::string::npos)
                break;
            at = end + 1;
        }
    }
}

// The bytes as a measured one-port file: finite points at positive, rising
// frequencies, no more than the bound, or one line saying why not. Written
// out again, with the bytes as a comment, they read back the very same;
// those within total reflection stay within it against 50 ohms.
void touchstoneFile(std::string_view bytes) {
    nec::OnePort data;
    try {
        data = nec::readTouchstone(bytes);
    } catch (const nec::TouchstoneError& e) {
        const std::string_view message = e.what();
        require(!message.empty() && message.find_first_of("\r\n") == std::string_view::npos);
        return;
    }
    require(!data.points.empty() && data.points.size() <= nec::kMaximumTouchstonePoints);
    require(std::isfinite(data.referenceOhms) && data.referenceOhms > 0);
    double previous = 0;
    for (const nec::ReflectionPoint& p : data.points) {
        require(std::isfinite(p.frequencyMHz) && p.frequencyMHz > previous);
        require(std::isfinite(p.s11.real()) && std::isfinite(p.s11.imag()));
        previous = p.frequencyMHz;
    }
    const nec::OnePort back = nec::readTouchstone(nec::writeTouchstone(data, {std::string(bytes)}));
    require(back.referenceOhms == data.referenceOhms && back.points.size() == data.points.size());
    const nec::OnePort at50 = nec::withReference(data);
    for (std::size_t i = 0; i < data.points.size(); ++i) {
        require(back.points[i].frequencyMHz == data.points[i].frequencyMHz &&
                back.points[i].s11 == data.points[i].s11);
        if (std::abs(data.points[i].s11) < 1)
            require(std::abs(at50.points[i].s11) <= 1 + 1e-12);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (const Separators& sep : kLocales) {
        roundTrip<float>(text, sep, readSingle, singleText, 6e-7);
        roundTrip<double>(text, sep, readDouble, doubleText, 5.2e-15);
        calculation(text, sep, Unit::Inches);
        calculation(text, sep, Unit::Centimetres);
        anyArguments(text, sep);
    }
    touchstoneFile(text);
    return 0;
}
