// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The prediction window's buttons: the files it saves and reads, each named
// in a file dialog and then written or read by an action of its own, the
// table on the clipboard, and the tuned design calculated in the main window.
#include "builder.h"
#include "buildsheet.h"
#include "chartview.h"
#include "errorreport.h"
#include "picturefile.h"
#include "predictionparts.h"
#include "predictionwindow.h"
#include "program.h"
#include "readfile.h"
#include "report.h"
#include "savefile.h"
#include "separators.h"
#include "sweepchart.h"
#include "windowclasses.h"

#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>

namespace discone::ui {
namespace {

constexpr std::size_t kLargestMeasurement = 16u << 20; // bytes; 100,000 points take 5 MB

std::string fileName(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

QString where(const QString& path) {
    return QFileInfo(path).absoluteFilePath();
}

// "*.png" in "PNG picture (*.png)", as "png".
QString suffixOf(const QString& filter) {
    const qsizetype star = filter.indexOf(QLatin1String("*."));
    if (star < 0)
        return {};
    const qsizetype end = filter.indexOf(QRegularExpression(QStringLiteral("[ )]")), star);
    return filter.mid(star + 2, end < 0 ? -1 : end - star - 2);
}

} // namespace

void PredictionWindow::connectButtons() {
    connect(cancel_, &QPushButton::clicked, this, [this] {
        work_.cancel();
        patternWork_.cancel();
    });
    connect(use_, &QPushButton::clicked, this, &PredictionWindow::useTunedDesign);
    connect(copyTable_, &QPushButton::clicked, this, &PredictionWindow::copyTable);
    const auto ask = [this](QPushButton* button, const QString& title, const QStringList& filters,
                            bool save, void (PredictionWindow::*action)(const QString&)) {
        connect(button, &QPushButton::clicked, this, [this, title, filters, save, action] {
            if (const QString path = askFileName(title, filters, save); !path.isEmpty())
                (this->*action)(path);
        });
    };
    ask(savePlot_, QStringLiteral("Save plot"),
        {QStringLiteral("PNG picture (*.png)"), QStringLiteral("SVG picture (*.svg)")}, true,
        &PredictionWindow::savePlot);
    ask(saveSheet_, QStringLiteral("Save build sheet"), {QStringLiteral("PDF document (*.pdf)")},
        true, &PredictionWindow::saveSheet);
    ask(saveDeck_, QStringLiteral("Save NEC deck"), {QStringLiteral("NEC-2 deck (*.nec)")}, true,
        &PredictionWindow::saveDeck);
    ask(saveTouchstone_, QStringLiteral("Save Touchstone"),
        {QStringLiteral("Touchstone one-port (*.s1p)")}, true, &PredictionWindow::saveTouchstone);
    ask(loadMeasurement_, QStringLiteral("Load measurement"),
        {QStringLiteral("Touchstone one-port (*.s1p *.S1P)"), QStringLiteral("All files (*)")},
        false, &PredictionWindow::loadMeasurement);
}

QString PredictionWindow::askFileName(const QString& title, const QStringList& filters, bool save) {
    // The folder of the last file named here, at first the home folder.
    QFileDialog dialog(this, title, folder_.isEmpty() ? QDir::homePath() : folder_);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setNameFilters(filters);
    if (save) {
        // A name typed without an ending gets the chosen kind's.
        dialog.setDefaultSuffix(suffixOf(filters.first()));
        connect(&dialog, &QFileDialog::filterSelected, &dialog,
                [&dialog](const QString& filter) { dialog.setDefaultSuffix(suffixOf(filter)); });
        dialog.selectFile(QStringLiteral("discone-%1MHz")
                              .arg(QString::fromStdString(
                                  singleText(design_->LowestFrequency, Separators{".", ""}))));
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    const QString path = dialog.selectedFiles().constFirst();
    folder_ = QFileInfo(path).absolutePath();
    remember(QStringLiteral("folder"), folder_);
    return path;
}

// The chart of the view shown, as the chart library writes it.
void PredictionWindow::savePlot(const QString& path) {
    QWidget* shown = views_->currentWidget();
    auto* view = qobject_cast<ChartView*>(shown);
    if (!view || !view->hasChart())
        return notify(QStringLiteral("There is no chart to save in this view yet."), true);
    const std::string name = fileName(path);
    try {
        if (shown == swrView_)
            plot::writeSwrChart(swrView_->chart(), name);
        else if (shown == impedanceView_)
            plot::writeImpedanceChart(impedanceView_->chart(), name);
        else if (shown == smithView_)
            plot::writeSmithChart(smithView_->chart(), name);
        else if (shown == beamView_)
            plot::writeBeamChart(beamView_->chart(), name);
        else
            plot::writePatternChart(patternView_->chart(), name);
        const QString what = shown == swrView_         ? QStringLiteral("SWR chart")
                             : shown == impedanceView_ ? QStringLiteral("impedance chart")
                             : shown == smithView_     ? QStringLiteral("Smith chart")
                             : shown == beamView_      ? QStringLiteral("beam chart")
                                                       : QStringLiteral("elevation pattern");
        notify(QStringLiteral("Saved the %1 as %2").arg(what, where(path)), false);
    } catch (const plot::PlotError& error) {
        notify(text(error.what()), true);
    }
}

// One page for the workshop: the design as the main window shows it, the
// rods to cut, the SWR chart, the summary and the tuning line.
void PredictionWindow::saveSheet(const QString& path) {
    if (!prediction_ || !design_)
        return notify(QStringLiteral("There is no prediction to put on a build sheet yet."), true);
    plot::SheetFacts facts{formatDimensions(*design_, unit_, systemSeparators())};
    if (tuned_ && goal_)
        facts.tuning = tuning_->text().toStdString();
    facts.paper = plot::systemPaper();
    try {
        plot::writeBuildSheet(*prediction_, facts,
                              systemReader(reference_->currentData().toDouble()), fileName(path));
        notify(QStringLiteral("Saved the build sheet as %1").arg(where(path)), false);
    } catch (const plot::PlotError& error) {
        notify(text(error.what()), true);
    }
}

void PredictionWindow::saveDeck(const QString& path) {
    const std::optional<study::Options> options = design_ ? readOptions() : std::nullopt;
    if (!options)
        return notify(QStringLiteral("There is no design with sound values to save yet."), true);
    try {
        saveFile(fileName(path), study::printedDeck(design(), *options));
        notify(QStringLiteral("Saved the NEC-2 deck as %1").arg(where(path)), false);
    } catch (const nec::ModelError& error) {
        notify(text(error.message(systemSeparators())), true);
    } catch (const std::exception& error) { // a setting or the file
        notify(text(error.what()), true);
    }
}

void PredictionWindow::saveTouchstone(const QString& path) {
    if (!prediction_)
        return notify(QStringLiteral("There is no prediction to save yet."), true);
    try {
        saveFile(fileName(path), study::touchstone(*prediction_));
        notify(QStringLiteral("Saved the Touchstone file as %1").arg(where(path)), false);
    } catch (const FileError& error) {
        notify(text(error.what()), true);
    }
}

// A file that cannot be read leaves the measurement loaded before as it
// was, curve and line.
bool PredictionWindow::readMeasurement(const QString& path, bool remembered) {
    try {
        const std::string name = fileName(path);
        study::Measurement read = study::readMeasurement(name, readFile(name, kLargestMeasurement));
        measurement_ = std::move(read);
        measurementPath_ = where(path);
        if (prediction_)
            study::compare(*prediction_, &*measurement_, systemSeparators());
        showResults();
        updateActions();
        return true;
    } catch (const FileError& error) {
        notify(remembered
                   ? QStringLiteral("The measurement loaded last time cannot be read now: %1")
                         .arg(text(error.what()))
                   : text(error.what()),
               true);
        return false;
    }
}

void PredictionWindow::loadMeasurement(const QString& path) {
    if (!readMeasurement(path, false))
        return;
    remember(QStringLiteral("measurement"), measurementPath_);
    notify(QStringLiteral("Loaded %1 measured points from %2")
               .arg(measurement_->data.points.size())
               .arg(measurementPath_),
           false);
}

void PredictionWindow::copyTable() {
    if (!prediction_)
        return notify(QStringLiteral("There is no prediction to copy yet."), true);
    QGuiApplication::clipboard()->setText(text(study::table(*prediction_)));
    notify(QStringLiteral("Copied the table of %1 frequencies to the clipboard.")
               .arg(prediction_->sweep.points.size()),
           false);
}

void PredictionWindow::useTunedDesign() {
    if (!tuned_)
        return;
    QWidget* open = program_.openWindow(WindowKind::Form1);
    auto* form = static_cast<Form1*>(open ? open : program_.showWindow(WindowKind::Form1));
    const Unit unit = unit_;
    findControl<TextBox>(form, "Text14")
        ->setBoxText(text(singleText(tuned_->tuning.designMHz, systemSeparators())));
    // The design it calculates keeps the goal.
    usingTuned_ = true;
    try {
        if (unit == Unit::Inches)
            form->Command1_Click();
        else
            form->Command3_Click();
    } catch (const CalculationError& error) {
        notify(failureOf(error).message, true);
    }
    usingTuned_ = false;
}

} // namespace discone::ui
