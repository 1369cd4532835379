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

bool sameWires(const nec::ModelOptions& a, const nec::ModelOptions& b) {
    return a.radials == b.radials && a.wireDiameterMm == b.wireDiameterMm;
}

} // namespace

void PredictionWindow::startSweep() {
    pause_.stop();
    if (!design_)
        return;
    const std::optional<nec::SweepOptions> options = readOptions();
    if (!options)
        return;
    if (tuned_ && !sameWires(tunedFor_, options->model)) {
        tuned_.reset();
        showTuning({});
    }
    const nec::Engine* engine = &program_.engine();
    work_.start(
        [design = *design_, options = *options, engine](StopToken stop,
                                                        const BackgroundWork::Progress& progress) {
            return nec::runSweep(design, options, *engine, stop, progress);
        },
        [this](nec::Sweep sweep) { sweepDone(std::move(sweep)); },
        [this](const Ending& ending) { workEnded(ending, false); });
    progress_->setRange(0, 0); // busy until the first part is done
    const Separators sep = systemSeparators();
    if (!sweep_) {
        swrView_->setPlaceholder(QStringLiteral("Predicting…"));
        beamView_->setPlaceholder(QStringLiteral("Predicting…"));
    }
    setState(State::Running,
             QStringLiteral("Predicting the SWR from %1 to %2 MHz with NEC-2…")
                 .arg(text(singleText(design_->LowestFrequency, sep)), highest_->text()));
}

void PredictionWindow::sweepDone(nec::Sweep sweep) {
    const Separators sep = systemSeparators();
    sweep_ = std::move(sweep);
    showResults();
    setState(State::Done,
             QStringLiteral("Predicted for %1 rods of %2 mm at %3 frequencies from %4 to %5 MHz.")
                 .arg(QString::number(sweep_->model.radials),
                      text(doubleText(sweep_->model.wireDiameterMm, sep)),
                      QString::number(sweep_->points.size()),
                      text(significantText(sweep_->points.front().frequencyMHz, 6, sep)),
                      text(significantText(sweep_->points.back().frequencyMHz, 6, sep))));
    if (!tuned_)
        startTuning();
}

void PredictionWindow::startTuning() {
    const double target = design_->LowestFrequency;
    const nec::ModelOptions wires = sweep_->model;
    const nec::Engine* engine = &program_.engine();
    work_.start(
        [target, wires, engine](StopToken stop, const BackgroundWork::Progress& progress) {
            return nec::tune(target, wires, *engine, stop, progress);
        },
        [this, wires](nec::Tuning tuning) {
            const Separators sep = systemSeparators();
            tuned_ = tuning;
            tunedFor_ = wires;
            showTuning(QStringLiteral("For SWR below 2 from %1 MHz, cut for %2 MHz")
                           .arg(text(singleText(static_cast<float>(tuning.targetMHz), sep)),
                                text(singleText(tuning.designMHz, sep))));
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
    sweep_.reset();
    showResults();
    swrView_->setPlaceholder(ending.message);
    beamView_->setPlaceholder(ending.message);
    setState(State::Failed, ending.message);
}

} // namespace discone::ui
