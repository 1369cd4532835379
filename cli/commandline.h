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
// the antenna will perform through the study, with the engine, the pictures
// and the files the program hands in, so this library needs neither a NEC-2
// program, nor Qt, nor a disk.
#pragma once

#include "errors.h"
#include "fileidentity.h"
#include "formatter.h"
#include "numtext.h"
#include "savefile.h"
#include "study.h"

#include "portable.h"
#include <bitset>
#include <functional>
#include <optional>
#include <span>
#include <stdexcept>
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

// A picture that could not be drawn; the message is one line.
class PictureError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The program's pictures, as far as the command line needs them: each
// drawn into the bytes of an .svg or .png file by its name, so that the
// command line writes every file at once or none.
class Pictures {
public:
    virtual ~Pictures() = default;
    // Finds out before any work whether `file` names a picture. Throws
    // PictureError.
    virtual void prepare(const std::string& file) const = 0;
    // The prediction's SWR, with its gain at the horizon and the measurement
    // beside it where it has them. Throws PictureError.
    virtual std::string swrPicture(const study::Prediction& prediction,
                                   const std::string& file) const = 0;
    // The elevation patterns; throws as swrPicture does.
    virtual std::string patternPicture(const study::Patterns& patterns,
                                       const std::string& file) const = 0;
    // The predicted impedance on a Smith chart against the prediction's
    // reference, the measurement's beside it where there is one; throws as
    // swrPicture does.
    virtual std::string smithPicture(const study::Prediction& prediction,
                                     const study::Measurement* measurement,
                                     const std::string& file) const = 0;
    // The build sheet, a one-page PDF, with the design's seven texts as the
    // window shows them and the tuning's line; throws as swrPicture does.
    virtual std::string buildSheet(const study::Prediction& prediction, const ResultTexts& texts,
                                   const std::string& tuning, const std::string& file) const = 0;
};

// The files the command line reads and writes.
class Files {
public:
    virtual ~Files() = default;
    // The whole file, at most `maxBytes` of it, a regular file only; throws
    // FileError.
    virtual std::string read(const std::string& path, std::size_t maxBytes) const = 0;
    // Whether `path` can be written, before any work (discone::checkCanSave).
    virtual void prepare(const std::string& path) const = 0;
    // Every file written, or none (discone::saveFiles).
    virtual void save(std::span<const FileToSave> files, StopToken stop) const = 0;
    // The first output that is the same file as an input or an earlier
    // output (discone::firstSameFile).
    virtual std::optional<SameFileNames>
    sameFile(const std::vector<std::string>& inputs,
             const std::vector<std::string>& outputs) const = 0;
};

// The files on disk, read within the bound and written through the one
// checked path.
class DiskFiles : public Files {
public:
    std::string read(const std::string& path, std::size_t maxBytes) const override;
    void prepare(const std::string& path) const override;
    void save(std::span<const FileToSave> files, StopToken stop) const override;
    std::optional<SameFileNames> sameFile(const std::vector<std::string>& inputs,
                                          const std::vector<std::string>& outputs) const override;
};

// What the program hands the command line.
struct Context {
    Separators separators;               // the user's, for FREQ and for texts
    const nec::Engine* engine = nullptr; // runs the model; none: the model options fail
    const Pictures* pictures = nullptr;  // draws; none: --plot and --pattern fail
    const Files* files = nullptr;        // none: --s1p and --measured fail
    StopToken stop;                      // requested when the program is interrupted
    nec::Progress progress;              // the sweep's progress
    // The user's ITU region (1 to 3, 0 for not known), asked for when the
    // summary names the amateur bands; none: 0.
    std::function<int()> region = {};
};

struct Result {
    int status = kExitSuccess;
    std::string out; // for standard output
    std::string err; // for standard error
    // Stopped because the program was interrupted: nothing more is printed.
    bool interrupted = false;
};

// What the arguments ask for: the calculation, and the study's options
// already as the study takes them.
struct Request {
    std::optional<Unit> unit;
    std::string_view frequency; // FREQ as given
    bool deck = false;          // --nec
    bool table = false;         // --swr
    bool tune = false;          // --tune
    std::string plotFile;       // --plot
    std::string smithFile;      // --smith
    std::string sheetFile;      // --sheet
    std::string patternFile;    // --pattern
    std::string s1pFile;        // --s1p
    std::string measuredFile;   // --measured
    std::vector<double> at;     // --at: the pattern's frequencies, MHz
    std::string_view atText;    // --at as given
    study::Options options;
    std::bitset<32> given;         // by option id
    std::string_view modelOption;  // the first option that needs one of the model's outputs
    std::string_view windowOption; // the first of Qt's options

    bool needsSweep() const {
        return table || !plotFile.empty() || !s1pFile.empty() || !smithFile.empty() ||
               !sheetFile.empty();
    }
    // The files written, in the order they are named in messages.
    std::vector<std::string> outputs() const;
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

// `text` in single quotes, made printable (discone::printable: control
// characters, bytes that are not UTF-8 and backslashes escaped, as "\x1b"
// and "\\"), so a message stays one readable line.
std::string quoted(std::string_view text);

} // namespace discone::cli
