// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The study of one design: the design and the study's options in (the
// wires, the sweep, the reference impedance, the feed line, a measurement),
// an engine, a stop request and a progress report; the whole prediction
// out: the sweep against the reference, the radio end through the feed
// line, the summary, the builder's notes, the measurement set against the
// prediction, the title, and the files other programs read. Every text for
// people is written here, with the separators given, so that the command
// line, the windows and the web page say the same. Front ends read their
// inputs and write their outputs; they orchestrate nothing.
#pragma once

#include "feedline.h"
#include "formatter.h"
#include "numtext.h"
#include "pattern.h"
#include "portable.h"
#include "settings.h"
#include "sweep.h"
#include "touchstone.h"
#include "tune.h"

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace discone::study {

// A calculated design and the unit it was shown in.
struct Design {
    DisconeDimensions dimensions;
    Unit unit = Unit::Inches;
};

struct Options {
    int radials = nec::kDefaultRadials;
    std::optional<double> wireDiameterMm; // none: the default for the design
    std::optional<double> highestMHz;     // none: the default sweep
    int points = nec::kDefaultPoints;
    double referenceOhms = nec::kReferenceOhms;
    std::optional<Feedline> feedline;
    int jobs = 0; // engine runs at once; 0: one per core
    // The user's ITU region (1 to 3), whose amateur bands the summary
    // names; 0 where it is not known: the bands all three share.
    int region = 0;
};

// A setting that does not suit the design, such as a highest frequency at
// or below the design frequency: the setting, so that a front end can name
// its option or mark its field, and one line for people.
class SettingError : public std::runtime_error {
public:
    SettingError(Setting setting, const std::string& message)
        : std::runtime_error(message), setting_(setting) {}
    Setting setting() const { return setting_; }

private:
    Setting setting_;
};

// The options made whole for the design and checked against every limit.
struct Plan {
    nec::SweepOptions sweep;     // as the model runs it
    bool chosenDiameter = false; // the diameter is the study's choice, not the user's
    double referenceOhms = nec::kReferenceOhms;
    std::optional<Feedline> feedline;
    int region = 0;
};

// Throws SettingError or nec::ModelError, with numbers in the user's words.
Plan plan(const Design& design, const Options& options, const Separators& sep);

// "146", as the window's field shows the default highest frequency: the
// default sweep's end to the design frequency's digits.
std::string defaultHighestText(const Design& design, const Separators& sep);

// A measured antenna, as read from its file: its name for messages, and
// its reflections against the file's reference.
struct Measurement {
    std::string name;
    nec::OnePort data;
};

// `bytes` as a one-port Touchstone file named `name`; throws FileError with
// one line naming the file and what is wrong.
Measurement readMeasurement(const std::string& name, std::string_view bytes);

// The measurement beside the prediction: its SWR against the reference
// where it overlaps the sweep, and its summary.
struct Compared {
    std::vector<std::pair<double, double>> file; // MHz, SWR: the whole file
    std::vector<std::pair<double, double>> swr;  // those within the sweep's range
    std::vector<std::string> lines;              // "measured SWR first below 2 at ..."
    std::optional<std::string> warning;          // where it lies wholly or partly outside
};

struct Prediction {
    Design design;
    Plan plan;
    nec::Sweep sweep;                 // SWR against the plan's reference
    std::vector<FeedPoint> radioEnd;  // through the feed line; empty without one
    std::string title;                // "Discone for 146 MHz (inches): 16 rods of 2 mm"
    std::vector<std::string> summary; // for people, one sentence a line
    std::vector<std::string> notes;   // what a builder cuts, where the sweep stops short
    std::optional<Compared> measured;
};

// Throws SettingError, nec::ModelError, nec::NecError, or nec::Cancelled
// once `stop` is requested.
Prediction predict(const Design& design, const Options& options, const Measurement* measurement,
                   const nec::Engine& engine, StopToken stop, const nec::Progress& progress,
                   const Separators& sep);

// The same prediction told in another unit: the title, the summary and the
// notes written again.
void showIn(Prediction& prediction, Unit unit, const Separators& sep);

// The prediction set against another measurement, or against none.
void compare(Prediction& prediction, const Measurement* measurement, const Separators& sep);

// "Discone for 146 MHz (inches): 16 rods of 2 mm", with ", 75 ohms" where
// the reference is not 50 ohms.
std::string title(const Design& design, const Plan& plan, const Separators& sep);

// For other programs: the table (with a point in every locale) and the
// Touchstone file against the reference.
std::string table(const Prediction& prediction);
std::string touchstone(const Prediction& prediction);

// The NEC-2 deck a user opens in a NEC-2 program. Throws as plan().
std::string printedDeck(const Design& design, const Options& options);

// The elevation patterns at `asked` (MHz), or at f, 2 f, 3 f, 5 f and 10 f
// of those the rods allow. Throws SettingError for a frequency outside
// what the design and its rods allow, or one given with a decimal comma in
// a locale that writes one (where "300,5" is two frequencies).
std::vector<double> patternFrequencies(const Design& design, const Plan& plan,
                                       const std::vector<double>& asked, const Separators& sep);
struct Patterns {
    std::vector<nec::ElevationCut> cuts;
    std::string title;
};
Patterns patterns(const Design& design, const Plan& plan, const std::vector<double>& frequencies,
                  const nec::Engine& engine, StopToken stop, const Separators& sep);

// Tuning for the goal: the design frequency whose antenna's SWR first drops
// below 2 at the goal, and its lines for people ("for SWR below 2 from 146
// MHz, cut for 128.73 MHz", "the tuned design's SWR stays below 2 up to
// ..."). Throws as nec::tune.
struct Tuned {
    nec::Tuning tuning;
    std::vector<std::string> lines;
};
Tuned tune(double goalMHz, const Options& options, const nec::Engine& engine, StopToken stop,
           const nec::Progress& progress, const Separators& sep);

} // namespace discone::study
