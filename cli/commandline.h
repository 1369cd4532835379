// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The calculator's command line: the arguments in, what to print on standard
// output and standard error and the exit status out, in a shell user's words.
//
//   discone --inches FREQ | --cm FREQ [model options] | --help | --version
//
// FREQ follows as the next argument (even when it starts with '-') or after
// '='. A calculation prints one "key<TAB>text" line per dimension, the texts
// exactly those the window shows; a failed one prints one line naming the
// kind of failure and what is wrong with FREQ. The model options predict how
// the antenna will perform, through the engine and the pictures the program
// hands in, so this library needs neither a NEC-2 program nor Qt.
#pragma once

#include "errors.h"
#include "formatter.h"
#include "numtext.h"
#include "pattern.h"
#include "sweep.h"

#include <bitset>
#include <optional>
#include <span>
#include <stdexcept>
#include "portable.h"
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace discone::cli {

// Exit statuses.
inline constexpr int kExitSuccess = 0;
inline constexpr int kExitFailure = 1; // FREQ, the model's run, a file or the output failed
inline constexpr int kExitUsage = 2;

// A picture that could not be drawn or written; the message is one line.
class PictureError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// An SWR curve: (MHz, SWR) pairs in rising frequency.
using SwrCurve = std::vector<std::pair<double, double>>;

// The program's pictures, as far as the command line needs them. Each file
// is an .svg or .png picture; `title` names the design.
class Pictures {
public:
    virtual ~Pictures() = default;
    // Finds out, before any work is done, whether `file` can be written
    // (its folder exists and takes a new file). Throws PictureError or
    // FileError.
    virtual void prepare(const std::string& file) const = 0;
    // The sweep's SWR, with its gain at the horizon where it has one, and a
    // measured curve beside it unless that is empty. Throws PictureError, or
    // SaveCancelled when `stop` is requested before the file is in place.
    virtual void swrPlot(const nec::Sweep& sweep, const SwrCurve& measured,
                         const std::string& title, const std::string& file,
                         StopToken stop) const = 0;
    // Elevation patterns; throws as swrPlot does.
    virtual void patternPlot(const std::vector<nec::ElevationCut>& cuts, const std::string& title,
                             const std::string& file, StopToken stop) const = 0;
};

// The files the command line reads and writes besides its pictures: a
// measured Touchstone file and the written one.
class Files {
public:
    virtual ~Files() = default;
    // The whole file, at most `maxBytes` of it; throws FileError.
    virtual std::string read(const std::string& path, std::size_t maxBytes) const = 0;
    // As discone::checkCanSave and discone::saveFile.
    virtual void prepare(const std::string& path) const = 0;
    virtual void save(const std::string& path, std::string_view bytes,
                      StopToken stop) const = 0;
};

// The files on disk, read within the bound and written through the one
// checked path.
class DiskFiles : public Files {
public:
    std::string read(const std::string& path, std::size_t maxBytes) const override;
    void prepare(const std::string& path) const override;
    void save(const std::string& path, std::string_view bytes, StopToken stop) const override;
};

// What the program hands the command line.
struct Context {
    Separators separators;               // the user's, for FREQ and for texts
    const nec::Engine* engine = nullptr; // runs the model; none: the model options fail
    const Pictures* pictures = nullptr;  // draws; none: --plot and --pattern fail
    const Files* files = nullptr;        // none: --s1p and --measured fail
    StopToken stop;                // requested when the program is interrupted
    nec::Progress progress;              // the sweep's progress
};

struct Result {
    int status = kExitSuccess;
    std::string out; // for standard output
    std::string err; // for standard error
    // Stopped because the program was interrupted: nothing more is printed.
    bool interrupted = false;
};

// What the arguments ask for: the calculation, and the model's options
// already as the sweep takes them.
struct Request {
    std::optional<Unit> unit;
    std::string_view frequency; // FREQ as given
    bool deck = false;          // --nec
    bool table = false;         // --swr
    bool tune = false;          // --tune
    std::string plotFile;       // --plot
    std::string patternFile;    // --pattern
    std::string s1pFile;        // --s1p
    std::string measuredFile;   // --measured
    std::vector<double> at;     // --at: the pattern's frequencies, MHz
    nec::SweepOptions sweep;
    std::bitset<32> given;         // by option id
    std::string_view modelOption;  // the first option that needs one of the model's outputs
    std::string_view windowOption; // the first of Qt's options

    bool needsSweep() const { return table || !plotFile.empty() || !s1pFile.empty(); }
};

// The arguments read and checked; a Result when they are answered already
// (help, version, or a usage error).
std::variant<Request, Result> parse(std::span<const std::string_view> args, const Separators& sep);

// `args` are the arguments after the program's name.
Result run(std::span<const std::string_view> args, const Context& context);

// The --help text, every line within 80 columns.
std::string helpText(const Separators& sep);

// One line for the user, "discone: " and the kind of failure, then what is
// wrong with `given` (the frequency text as typed, quoted with control
// characters escaped), ended by a newline.
std::string calculationErrorLine(const CalculationError& error, std::string_view given);

// `text` in single quotes, with control characters and backslashes escaped
// as in C ("\t", "\x1b"), so a message stays on one line.
std::string quoted(std::string_view text);

} // namespace discone::cli
