// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The prediction window's work off the UI thread: the sweep of the fields'
// options, then the tuning of the design for the user's goal; and beside
// them the elevation pattern at the frequency chosen.
#include "chartview.h"
#include "predictionparts.h"
#include "predictionwindow.h"
#include "program.h"

#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QTabWidget>

namespace discone::ui {
namespace {

// The wires of a tuning and of a plan, as the model has them.
bool sameWires(const study::Options& tuned, const study::Plan& plan) {
    return tuned.radials == plan.sweep.model.radials &&
           tuned.wireDiameterMm == plan.sweep.model.wireDiameterMm;
}

QString mhz(double value, int digits = 7) {
    return text(readableText(value, digits, systemSeparators()));
}

} // namespace

void PredictionWindow::startSweep() {
    pause_.stop();
    if (!design_)
        return;
    const std::optional<study::Options> options = readOptions();
    rememberFields();
    if (!options) {
        for (QLabel* problem : {diameterProblem_, highestProblem_, lengthProblem_})
            if (!problem->text().isEmpty())
                return refuse(problem->text());
        return;
    }
    const Separators sep = systemSeparators();
    // Every setting checked against the design before anything runs.
    study::Plan plan;
    try {
        plan = study::plan(design(), *options, sep);
    } catch (const study::SettingError& error) {
        showFieldProblem(error.setting(), text(error.what()));
        return refuse(text(error.what()));
    } catch (const nec::ModelError& error) {
        return refuse(text(error.message(sep)));
    }
    refusal_.reset();
    if (plan.chosenDiameter) {
        defaultDiameter_ = text(readableText(plan.sweep.model.wireDiameterMm, 6, sep));
        diameter_->setText(defaultDiameter_);
    }
    if (tuned_ && !sameWires(tunedFor_, plan)) {
        tuned_.reset();
        tuningProblem_.reset();
        showTuning();
    }
    const nec::Engine* engine = &program_.engine();
    work_.start(
        [design = design(), options = *options, measurement = measurement_, engine,
         sep](StopToken stop, const BackgroundWork::Progress& progress) {
            return study::predict(design, options, measurement ? &*measurement : nullptr, *engine,
                                  stop, progress, sep);
        },
        [this](study::Prediction prediction) { sweepDone(std::move(prediction)); },
        [this](const Ending& ending) { workEnded(ending, false); });
    progress_->setRange(0, 0); // busy until the first part is done
    if (!prediction_) {
        showPlaceholders(QStringLiteral("Predicting…"));
        showResults();
    }
    setState(State::Running, QStringLiteral("Predicting the SWR from %1 to %2 MHz with NEC-2…")
                                 .arg(mhz(design_->LowestFrequency), highest_->text()));
    startPattern();
}

// The fields give no model: nothing is predicted, and the charts and the
// status line say why.
void PredictionWindow::refuse(const QString& reason) {
    work_.cancel();
    patternWork_.cancel();
    tuningProblem_.reset();
    refusal_ = reason;
    prediction_.reset();
    pattern_.reset();
    patternFor_.reset();
    const QString line = QStringLiteral("Not predicted: %1").arg(capitalised(reason));
    showPlaceholders(line);
    showResults();
    setState(State::Refused, line);
}

void PredictionWindow::sweepDone(study::Prediction prediction) {
    const Separators sep = systemSeparators();
    prediction_ = std::move(prediction);
    study::showIn(*prediction_, unit_, sep); // the unit may have changed meanwhile
    const nec::Sweep& sweep = prediction_->sweep;
    showResults();
    setState(State::Done,
             QStringLiteral("Predicted for %1 rods of %2 mm at %3 frequencies from %4 to %5 MHz.")
                 .arg(QString::number(sweep.model.radials), mhz(sweep.model.wireDiameterMm, 6),
                      QString::number(sweep.points.size()),
                      mhz(sweep.points.front().frequencyMHz, 6),
                      mhz(sweep.points.back().frequencyMHz, 6)));
    if (!tuned_)
        startTuning();
}

// The design frequency whose SWR first drops below 2 at the goal, for the
// wires of the prediction shown.
void PredictionWindow::startTuning() {
    if (!goal_ || !prediction_)
        return;
    const double goal = *goal_;
    study::Options wires;
    wires.radials = prediction_->plan.sweep.model.radials;
    wires.wireDiameterMm = prediction_->plan.sweep.model.wireDiameterMm;
    const nec::Engine* engine = &program_.engine();
    work_.start(
        [goal, wires, engine, sep = systemSeparators()](StopToken stop,
                                                        const BackgroundWork::Progress& progress) {
            return study::tune(goal, wires, *engine, stop, progress, sep);
        },
        [this, wires](study::Tuned tuned) { tuningDone(std::move(tuned), wires); },
        [this](const Ending& ending) { workEnded(ending, true); });
    progress_->setRange(0, 0);
    tuningProblem_.reset();
    showTuning(
        QStringLiteral("Finding the design frequency whose SWR first drops below 2 at %1 MHz…")
            .arg(mhz(goal)));
    showWork();
}

void PredictionWindow::tuningDone(study::Tuned tuned, const study::Options& wires) {
    tuned_ = std::move(tuned);
    tunedFor_ = wires;
    showTuning();
    showWork();
}

void PredictionWindow::workEnded(const Ending& ending, bool tuning) {
    if (tuning) {
        tuningProblem_ =
            ending.cancelled ? QStringLiteral("Tuning was cancelled.") : ending.message;
        showTuning(*tuningProblem_);
        showWork();
        return;
    }
    if (ending.cancelled) {
        if (!prediction_) {
            showPlaceholders(
                QStringLiteral("Cancelled. Change a value, or calculate again, to predict."));
            showResults();
        }
        setState(State::Cancelled,
                 prediction_ ? QStringLiteral("Cancelled. The charts show the prediction before "
                                              "the change; change a value to predict again.")
                             : QStringLiteral("Cancelled. Change a value, or calculate again, to "
                                              "predict again."));
        return;
    }
    prediction_.reset();
    showPlaceholders(ending.message);
    showResults();
    setState(State::Failed,
             measurement_ ? ending.message + QStringLiteral(" The measurement is drawn alone.")
                          : ending.message);
}

// The elevation pattern at the frequency chosen, computed when its view is
// shown and the antenna, its wires or the frequency change.
void PredictionWindow::startPattern() {
    patternPause_.stop();
    if (!design_ || views_->currentWidget() != patternView_ || refusal_)
        return;
    const Separators sep = systemSeparators();
    // No pattern while its frequency cannot be modelled: the view says why.
    const auto refuse = [this](const QString& problem) {
        patternAt_->setAccessibleDescription(problem);
        patternFor_.reset();
        pattern_.reset();
        patternWork_.cancel();
        patternView_->setPlaceholder(problem);
        showResults();
    };
    const std::optional<double> at = readPatternFrequency();
    if (!at)
        return refuse(QStringLiteral("Type the pattern's frequency in MHz, such as %1.")
                          .arg(mhz(design_->LowestFrequency)));
    study::Plan plan;
    std::vector<double> frequencies;
    try {
        const std::optional<study::Options> options = readOptions();
        if (!options)
            return;
        plan = study::plan(design(), *options, sep);
        frequencies = study::patternFrequencies(design(), plan, {*at}, sep);
    } catch (const study::SettingError& error) {
        return refuse(capitalised(text(error.what())));
    } catch (const nec::ModelError&) {
        return; // the sweep says so
    }
    patternAt_->setAccessibleDescription({});
    const PatternKey key{design_->LowestFrequency, plan.sweep.model.radials,
                         plan.sweep.model.wireDiameterMm, *at};
    if (patternFor_ == key && (pattern_ || patternWork_.busy()))
        return;
    patternFor_ = key;
    pattern_.reset();
    patternView_->setPlaceholder(
        QStringLiteral("Computing the elevation pattern at %1 MHz…").arg(mhz(*at)));
    const nec::Engine* engine = &program_.engine();
    patternWork_.start(
        [design = design(), plan, frequencies, engine, sep](StopToken stop,
                                                            const BackgroundWork::Progress&) {
            return study::patterns(design, plan, frequencies, *engine, stop, sep);
        },
        [this](study::Patterns patterns) {
            pattern_ = std::move(patterns);
            showResults();
            showWork();
        },
        [this](const Ending& ending) { patternEnded(ending); });
    showResults();
    showWork();
}

void PredictionWindow::patternEnded(const Ending& ending) {
    patternFor_.reset();
    patternView_->setPlaceholder(
        ending.cancelled ? QStringLiteral("The pattern was cancelled. Press Enter in its field, "
                                          "or click the SWR chart, to compute it.")
                         : ending.message);
    showResults();
    showWork();
}

// A frequency clicked on the SWR chart, to the chart's four digits and
// within the sweep, becomes the pattern's, shown at once.
void PredictionWindow::choosePatternFrequency(double chosen) {
    if (!design_)
        return;
    double at = std::stod(readableText(chosen, 4, Separators{".", ""}));
    if (prediction_ && !prediction_->sweep.points.empty())
        at = std::clamp(at, prediction_->sweep.points.front().frequencyMHz,
                        prediction_->sweep.points.back().frequencyMHz);
    at = std::max(at, double(design_->LowestFrequency));
    patternAt_->setText(mhz(at));
    if (views_->currentWidget() == patternView_)
        startPattern();
    else
        views_->setCurrentWidget(patternView_);
}

} // namespace discone::ui
