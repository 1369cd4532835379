// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The prediction window's work off the UI thread: the sweep of the fields'
// options, then the tuning of the design for its band.
#include "chartview.h"
#include "predictionwindow.h"
#include "program.h"
#include "separators.h"

#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

namespace discone::ui {
namespace {

QString text(const std::string& s) {
    return QString::fromStdString(s);
}

// The wires of a tuning and of a plan, as the model has them.
bool sameWires(const study::Options& tuned, const study::Plan& plan) {
    return tuned.radials == plan.sweep.model.radials &&
           tuned.wireDiameterMm == plan.sweep.model.wireDiameterMm;
}

} // namespace

void PredictionWindow::startSweep() {
    pause_.stop();
    if (!design_)
        return;
    const std::optional<study::Options> options = readOptions();
    if (!options)
        return;
    const Separators sep = systemSeparators();
    // Every setting checked against the design before anything runs.
    study::Plan plan;
    try {
        plan = study::plan(design(), *options, sep);
    } catch (const study::SettingError& error) {
        return showFieldProblem(error.setting(), QString::fromStdString(error.what()));
    } catch (const nec::ModelError& error) {
        prediction_.reset();
        showResults();
        const QString message = QString::fromStdString(error.message(sep));
        swrView_->setPlaceholder(message);
        beamView_->setPlaceholder(message);
        return setState(State::Failed, message);
    }
    if (tuned_ && !sameWires(tunedFor_, plan)) {
        tuned_.reset();
        showTuning({});
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
        swrView_->setPlaceholder(QStringLiteral("Predicting…"));
        beamView_->setPlaceholder(QStringLiteral("Predicting…"));
    }
    setState(State::Running,
             QStringLiteral("Predicting the SWR from %1 to %2 MHz with NEC-2…")
                 .arg(text(singleText(design_->LowestFrequency, sep)), highest_->text()));
}

void PredictionWindow::sweepDone(study::Prediction prediction) {
    const Separators sep = systemSeparators();
    prediction_ = std::move(prediction);
    study::showIn(*prediction_, unit_, sep); // the unit may have changed meanwhile
    const nec::Sweep& sweep = prediction_->sweep;
    showResults();
    setState(State::Done,
             QStringLiteral("Predicted for %1 rods of %2 mm at %3 frequencies from %4 to %5 MHz.")
                 .arg(QString::number(sweep.model.radials),
                      text(readableText(sweep.model.wireDiameterMm, 6, sep)),
                      QString::number(sweep.points.size()),
                      text(readableText(sweep.points.front().frequencyMHz, 6, sep)),
                      text(readableText(sweep.points.back().frequencyMHz, 6, sep))));
    if (!tuned_)
        startTuning();
}

void PredictionWindow::startTuning() {
    const double target = design_->LowestFrequency;
    study::Options wires;
    wires.radials = prediction_->plan.sweep.model.radials;
    wires.wireDiameterMm = prediction_->plan.sweep.model.wireDiameterMm;
    const nec::Engine* engine = &program_.engine();
    work_.start(
        [target, wires, engine,
         sep = systemSeparators()](StopToken stop, const BackgroundWork::Progress& progress) {
            return study::tune(target, wires, *engine, stop, progress, sep);
        },
        [this, wires](study::Tuned tuning) {
            tuned_ = std::move(tuning);
            tunedFor_ = wires;
            QString line = QString::fromStdString(tuned_->lines.front());
            line[0] = line[0].toUpper();
            showTuning(line);
            showWork();
        },
        [this](const Ending& ending) { workEnded(ending, true); });
    progress_->setRange(0, 0);
    showTuning(QStringLiteral("Finding the design frequency whose SWR drops below 2 at %1 MHz…")
                   .arg(text(singleText(design_->LowestFrequency, systemSeparators()))));
    showWork();
}

void PredictionWindow::workEnded(const Ending& ending, bool tuning) {
    if (tuning) {
        showTuning(ending.cancelled ? QStringLiteral("Tuning was cancelled.") : ending.message);
        showWork();
        return;
    }
    if (ending.cancelled) {
        setState(
            State::Cancelled,
            QStringLiteral("Cancelled. Change a value, or calculate again, to predict again."));
        return;
    }
    prediction_.reset();
    showResults();
    swrView_->setPlaceholder(ending.message);
    beamView_->setPlaceholder(ending.message);
    setState(State::Failed, ending.message);
}

} // namespace discone::ui
