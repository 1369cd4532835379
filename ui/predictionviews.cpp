// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// What the prediction window shows: the design it follows, its state in
// the status line and the charts, the charts of the prediction (or of a
// measurement alone), the summary, the read-out, the tuning, and which
// actions can succeed now.
#include "chartview.h"
#include "predictionparts.h"
#include "predictionwindow.h"
#include "program.h"
#include "separators.h"
#include "sweepchart.h"
#include "touchstone.h"

#include <QAccessible>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSpinBox>
#include <QTabWidget>
#include <QTextBlock>

namespace discone::ui {
namespace {

QString mhz(double value) {
    return text(readableText(value, 7, systemSeparators()));
}

// The action's help when it can be taken, or why it cannot.
void offer(QPushButton* button, const QString& help, const QString& whyNot) {
    button->setEnabled(whyNot.isEmpty());
    button->setToolTip(whyNot.isEmpty() ? help : whyNot);
    button->setAccessibleDescription(button->toolTip());
}

} // namespace

// Shows the design of the last calculation that succeeded, and predicts it
// unless it is the antenna already shown. A design the user calculated
// sets the goal of the tuning; the tuned design calculated through Use
// keeps it.
void PredictionWindow::followDesign() {
    const bool fromUse = std::exchange(usingTuned_, false);
    const std::optional<Unit> unit = program_.designUnit();
    QWidget* const fields[] = {wires_,     diameter_, highest_,  points_,
                               reference_, cable_,    patternAt_};
    for (QWidget* w : fields)
        w->setEnabled(unit.has_value());
    length_->setEnabled(unit && cable_->currentIndex() > 0);
    if (!unit) {
        setWindowTitle(QStringLiteral("Predicted SWR – DISCONE"));
        const QString first = QStringLiteral(
            "Calculate a design first: type the lowest frequency in the main window and press "
            "CALCULATE Inches or CALCULATE CM.");
        showPlaceholders(first);
        showResults();
        setState(State::NoDesign, first);
        return;
    }
    const bool sameAntenna = design_ && *design_ == program_.Module1;
    if (highest_->text().isEmpty() || (design_ && highest_->text() == defaultHighest()))
        highest_->setText(defaultHighestFor(program_.Module1));
    if (!sameAntenna) {
        if (!fromUse || !goal_) {
            goal_ = program_.Module1.LowestFrequency;
            tuned_.reset();
            tuningProblem_.reset();
        }
        prediction_.reset();
        patternWork_.cancel();
        pattern_.reset();
        patternFor_.reset();
        patternAt_->clear();
    }
    design_ = program_.Module1;
    unit_ = *unit;
    setWindowTitle(
        QStringLiteral("Predicted SWR – DISCONE – %1 MHz, %2")
            .arg(mhz(design_->LowestFrequency), text(std::string(nec::unitWord(unit_)))));
    patternAt_->setPlaceholderText(mhz(design_->LowestFrequency));
    // The same antenna in the other unit: only the words change.
    if (sameAntenna && (state_ == State::Running || state_ == State::Done)) {
        if (prediction_)
            study::showIn(*prediction_, unit_, systemSeparators());
        showResults();
        return;
    }
    if (!sameAntenna) {
        showTuning();
        showResults();
    }
    startSweep();
}

void PredictionWindow::setState(State state, const QString& status) {
    state_ = state;
    status_->setText(status);
    QPalette colours = palette();
    if (state == State::Failed || state == State::Refused)
        colours.setColor(QPalette::WindowText, kProblemColour);
    status_->setPalette(colours);
    if (state != State::Done && state != State::Running && !tuned_)
        showTuning(tuningProblem_.value_or(QString()));
    showWork();
    emit stateChanged(state);
}

void PredictionWindow::showWork() {
    const bool busy = work_.busy() || patternWork_.busy();
    progress_->setVisible(busy);
    if (!busy)
        progress_->setRange(0, 1);
    updateActions();
}

// What the views say where they have no chart.
void PredictionWindow::showPlaceholders(const QString& line) {
    for (ChartView* view : std::initializer_list<ChartView*>{swrView_, impedanceView_, smithView_,
                                                             beamView_, patternView_})
        view->setPlaceholder(line);
}

// The charts and the summary of the prediction shown, with the measurement.
void PredictionWindow::showResults() {
    plot::Reader reader = systemReader(reference_->currentData().toDouble());
    reader.scale =
        scale_->currentIndex() == 1 ? plot::MatchScale::ReturnLoss : plot::MatchScale::Swr;
    if (prediction_) {
        const study::Prediction& p = *prediction_;
        plot::SwrChart swr = plot::swrChart(p, reader);
        swrView_->setChart(swr);
        impedanceView_->setChart(plot::impedanceChart(p, reader));
        smithView_->setChart(plot::smithChart(p, measurement_ ? &*measurement_ : nullptr, reader));
        const plot::BeamChart beam = plot::beamChart(p, reader);
        if (beam.points.empty())
            beamView_->clearChart();
        else
            beamView_->setChart(beam);
    } else if (measurement_) {
        showMeasurementAlone();
    } else {
        swrView_->clearChart();
        impedanceView_->clearChart();
        smithView_->clearChart();
        beamView_->clearChart();
    }
    if (pattern_)
        patternView_->setChart(plot::patternChart(pattern_->cuts, text(pattern_->title), reader));
    else
        patternView_->clearChart();
    showSummary();
    showReading();
}

// Without a prediction a measurement is drawn on its own, under its name,
// against the reference chosen.
void PredictionWindow::showMeasurementAlone() {
    const double ohms = reference_->currentData().toDouble();
    const nec::OnePort data = nec::withReference(measurement_->data, ohms);
    const QString name = QFileInfo(measurementPath_).fileName();
    plot::SwrChart swr;
    swr.title = QStringLiteral("Measured SWR of %1, without a prediction").arg(name);
    swr.referenceOhms = ohms;
    swr.scale = scale_->currentIndex() == 1 ? plot::MatchScale::ReturnLoss : plot::MatchScale::Swr;
    plot::ImpedanceChart impedance;
    impedance.title = QStringLiteral("Measured impedance of %1").arg(name);
    impedance.referenceOhms = ohms;
    plot::SmithChart smith;
    smith.title = impedance.title;
    smith.referenceOhms = ohms;
    for (const nec::ReflectionPoint& p : data.points) {
        swr.predicted.push_back({p.frequencyMHz, nec::reflectionSwr(p.s11)});
        if (std::abs(1.0 - p.s11) > 1e-12) {
            const std::complex<double> z = ohms * (1.0 + p.s11) / (1.0 - p.s11);
            impedance.points.push_back({p.frequencyMHz, z.real(), z.imag()});
        }
    }
    smith.predicted = impedance.points;
    swrView_->setChart(swr);
    impedanceView_->setChart(impedance);
    smithView_->setChart(smith);
    beamView_->clearChart();
}

// The summary in the study's words, the measurement's lines under it with
// the line that names its file, and the same for screen readers.
void PredictionWindow::showSummary() {
    const Separators sep = systemSeparators();
    QStringList lines;
    if (prediction_)
        for (const auto* part : {&prediction_->summary, &prediction_->notes})
            for (const std::string& line : *part)
                lines << text(line);
    if (measurement_) {
        const std::vector<nec::ReflectionPoint>& points = measurement_->data.points;
        QString line = QStringLiteral("measured: %1, %2 points")
                           .arg(QFileInfo(measurementPath_).fileName())
                           .arg(points.size());
        if (!points.empty())
            line += QStringLiteral(" from %1 to %2 MHz")
                        .arg(text(readableText(points.front().frequencyMHz, 6, sep)),
                             text(readableText(points.back().frequencyMHz, 6, sep)));
        if (!prediction_)
            line += QStringLiteral(", with no prediction to set it against");
        else if (prediction_->plan.feedline && !prediction_->radioEnd.empty())
            line += QStringLiteral(", set against the radio end of %1 m of %2")
                        .arg(text(readableText(prediction_->plan.feedline->metres, 4, sep)),
                             text(std::string(prediction_->plan.feedline->cable->name)));
        else
            line += QStringLiteral(", set against the antenna's feed point");
        lines << line;
        if (prediction_ && prediction_->measured) {
            for (const std::string& l : prediction_->measured->lines)
                lines << text(l);
            if (prediction_->measured->warning)
                lines << text(*prediction_->measured->warning);
        }
    }
    // Where the box is too short for all, the measurement's lines in sight.
    summary_->setLines(lines.join(u'\n'),
                       int(lines.indexOf(QRegularExpression(QStringLiteral("measured: .*")))));
    summary_->setAccessibleDescription(lines.join(QStringLiteral("; ")));
}

// The current view's reading on its own line, and in each view's
// description, before the summary, for screen readers.
void PredictionWindow::showReading() {
    auto* current = qobject_cast<ReadoutView*>(views_->currentWidget());
    const QString reading = current ? current->reading() : QString();
    QPalette colours = palette();
    if (reading.isEmpty()) {
        colours.setColor(QPalette::WindowText, palette().color(QPalette::PlaceholderText));
        reading_->setText(current && current->hasChart()
                              ? QStringLiteral("Point at the chart, or give it the focus and press "
                                               "the arrow keys, to read its curves.")
                              : QString());
    } else {
        reading_->setText(reading);
    }
    reading_->setPalette(colours);
    const QString summary = summary_->accessibleDescription();
    for (ReadoutView* view : readoutViews(views_)) {
        const QString lines = summary.isEmpty() ? QStringLiteral("No prediction yet") : summary;
        const QString description =
            view->reading().isEmpty() ? lines : view->reading() + QStringLiteral("; ") + lines;
        if (description == view->accessibleDescription())
            continue;
        view->setAccessibleDescription(description);
        QAccessibleEvent event(view, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&event);
    }
}

// The tuning for the goal: the design frequency to use, or that the design
// shown is the tuned one; otherwise `line`, such as how the tuning went.
void PredictionWindow::showTuning(const QString& line) {
    if (tuned_ && goal_) {
        const float cut = tuned_->tuning.designMHz;
        const bool shown = design_ && design_->LowestFrequency == cut;
        tuning_->setText((shown
                              ? QStringLiteral("Tuned for SWR below 2 from %1 MHz: cut for %2 MHz")
                              : QStringLiteral("For SWR below 2 from %1 MHz, cut for %2 MHz"))
                             .arg(mhz(*goal_), mhz(cut)));
        use_->setText(QStringLiteral("Use %1 MHz").arg(mhz(cut)));
    } else {
        tuning_->setText(capitalised(line));
        use_->setText(QStringLiteral("Use the tuned design"));
    }
    updateActions();
}

// Each button enabled when its action can succeed, its tooltip saying what
// it does, or why it cannot.
void PredictionWindow::updateActions() {
    QString noPrediction;
    switch (state_) {
    case State::NoDesign:
        noPrediction = QStringLiteral("Calculate a design in the main window first.");
        break;
    case State::Running:
        noPrediction = QStringLiteral("Wait until the prediction running now is done.");
        break;
    case State::Cancelled:
        noPrediction = QStringLiteral("The prediction was cancelled: change a value to predict.");
        break;
    case State::Failed:
        noPrediction = QStringLiteral("The prediction failed: %1").arg(status_->text());
        break;
    case State::Refused:
        noPrediction = QStringLiteral("Nothing is predicted: %1").arg(refusal_.value_or(QString()));
        break;
    case State::Done:
        break;
    }
    if (!prediction_ && noPrediction.isEmpty())
        noPrediction = QStringLiteral("There is no prediction yet.");
    if (prediction_ && state_ == State::Cancelled)
        noPrediction.clear();
    const bool onPattern = views_->currentWidget() == patternView_;
    QString noPlot = noPrediction;
    if (onPattern)
        noPlot = pattern_              ? QString()
                 : patternWork_.busy() ? QStringLiteral("Wait until the pattern is computed.")
                                       : QStringLiteral("There is no pattern to save yet.");
    else if (!prediction_ && measurement_ && state_ != State::Running)
        noPlot.clear(); // the measurement drawn alone
    offer(savePlot_, QStringLiteral("Save the chart shown as a PNG or SVG picture"), noPlot);
    offer(saveSheet_,
          QStringLiteral("Save a PDF page for the workshop: the dimensions, the rods to cut, the "
                         "SWR chart and the summary"),
          noPrediction);
    offer(
        saveTouchstone_,
        QStringLiteral("Save the predicted reflection as a Touchstone file for analyser software"),
        noPrediction);
    offer(copyTable_, QStringLiteral("Copy the predicted table, tab-separated, to the clipboard"),
          noPrediction);
    offer(saveDeck_, QStringLiteral("Save the model as a NEC-2 card deck"),
          !design_   ? QStringLiteral("Calculate a design in the main window first.")
          : refusal_ ? QStringLiteral("The model is refused: %1").arg(*refusal_)
                     : QString());
    offer(loadMeasurement_,
          QStringLiteral("Load a measured one-port Touchstone file (.s1p) to set beside the "
                         "prediction"),
          {});
    QString noUse;
    if (!tuned_)
        noUse = work_.busy() && prediction_
                    ? QStringLiteral("The tuning is running.")
                    : QStringLiteral("There is no tuning for this design yet.");
    else if (design_ && design_->LowestFrequency == tuned_->tuning.designMHz)
        noUse = QStringLiteral("The design shown is already cut for the goal.");
    else if (state_ == State::Refused)
        noUse = QStringLiteral("Put the fields right first.");
    offer(use_,
          QStringLiteral("Calculate the tuned design in the main window, in the unit last used"),
          noUse);
    offer(cancel_, QStringLiteral("Stop the work running now"),
          work_.busy() || patternWork_.busy() ? QString() : QStringLiteral("Nothing is running."));
}

// Under the buttons, and only while there is something to say, so that a
// short window keeps its room for the rest.
void PredictionWindow::notify(const QString& line, bool problem) {
    notice_->setText(line);
    notice_->setVisible(!line.isEmpty());
    QPalette colours = palette();
    if (problem)
        colours.setColor(QPalette::WindowText, kProblemColour);
    notice_->setPalette(colours);
}

// The controls of the view shown beside the tabs; its reading; its pattern.
void PredictionWindow::viewChanged() {
    QWidget* current = views_->currentWidget();
    const bool swr = current == swrView_, pattern = current == patternView_;
    for (const char* name : {"scaleLabel", "scale"})
        views_->cornerWidget()->findChild<QWidget*>(QLatin1String(name))->setVisible(swr);
    patternLabel_->setVisible(pattern);
    patternAt_->setVisible(pattern);
    if (!restoring_)
        remember(QStringLiteral("view"), current->objectName());
    showReading();
    updateActions();
    if (pattern)
        startPattern();
}

} // namespace discone::ui
