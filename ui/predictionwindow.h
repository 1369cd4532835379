// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The prediction window: how the design of the last calculation that
// succeeded (Module1, in the unit it was shown in) will perform, as NEC-2
// predicts it through the program's engine. It follows the design each time
// the main window calculates, and sweeps again, after a short pause for
// typing, whenever the number of wires, their diameter or the sweep's
// highest frequency changes. It shows the SWR with a read-out under the
// mouse, the beam, the summary in the command line's words, and the design
// frequency that starts the band where asked, which one button calculates
// in the main window. Sweeps and tuning run off the UI thread, one at a
// time, a new one cancelling the one before, with a progress bar and a
// Cancel button; closing the window stops them. Every outcome, a failure
// included, is shown in the window itself, never in a message box.
#pragma once

#include "backgroundwork.h"
#include "formatter.h"
#include "study.h"

#include <QTimer>
#include <QWidget>

#include <optional>
#include <utility>
#include <vector>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTabWidget;

namespace discone::ui {

class ChartView;
class Program;
class SwrView;

class PredictionWindow : public QWidget {
    Q_OBJECT
public:
    // Of the sweep; tuning runs after a sweep is done.
    enum class State { NoDesign, Running, Cancelled, Failed, Done };

    explicit PredictionWindow(Program& program);
    ~PredictionWindow() override;

    State state() const { return state_; }

    // Frequencies in each sweep: 101 unless set; fewer give a quicker look.
    void setPoints(int points);

    // What the buttons do once their file dialog has given a name. Each
    // says under the buttons how it went.
    void savePlot(const QString& path);
    void saveDeck(const QString& path);
    void saveTouchstone(const QString& path);
    void loadMeasurement(const QString& path);
    void copyTable();
    // Writes the tuned design frequency into the main window's input box
    // and runs the calculate command of the unit last used, as a user would.
    void useTunedDesign();

signals:
    void stateChanged(discone::ui::PredictionWindow::State state);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // predictionwindow.cpp: the controls and what they show.
    void buildControls();
    void followDesign();
    void setState(State state, const QString& status);
    void showWork(); // the progress bar and Cancel, while work runs
    void showResults();
    void showTuning(const QString& text);
    void notify(const QString& text, bool problem);
    // The options the fields give, or nothing, with each problem beside its
    // field.
    std::optional<study::Options> readOptions();
    // Shows `problem` beside the field of `setting`, or clears every field's.
    void showFieldProblem(std::optional<study::Setting> setting, const QString& problem);
    study::Design design() const { return {*design_, unit_}; }

    // predictionwork.cpp: sweeps and tuning.
    void startSweep();
    void sweepDone(study::Prediction prediction);
    void startTuning();
    void workEnded(const Ending& ending, bool tuning);

    // predictionfiles.cpp: the buttons.
    void connectButtons();
    QString askFileName(const QString& title, const QStringList& filters, bool save);

    Program& program_;
    QSpinBox* wires_;
    QLineEdit* diameter_;
    QLabel* diameterProblem_;
    QLineEdit* highest_;
    QLabel* highestProblem_;
    QPlainTextEdit* summary_;
    QTabWidget* views_;
    SwrView* swrView_;
    ChartView* beamView_;
    QLabel* tuning_;
    QPushButton* use_;
    QLabel* status_;
    QProgressBar* progress_;
    QPushButton* cancel_;
    QPushButton* savePlot_;
    QPushButton* saveDeck_;
    QPushButton* saveTouchstone_;
    QPushButton* loadMeasurement_;
    QPushButton* copyTable_;
    QLabel* notice_;
    QTimer pause_; // between the last change of a field and the sweep

    State state_ = State::NoDesign;
    std::optional<DisconeDimensions> design_; // the design shown; none before a calculation
    Unit unit_ = Unit::Inches;
    int points_ = nec::kDefaultPoints;
    std::optional<study::Prediction> prediction_; // the prediction shown
    std::optional<study::Tuned> tuned_;
    study::Options tunedFor_;                       // the wires `tuned_` is for
    std::optional<study::Measurement> measurement_; // the measurement loaded
    QString folder_;                                // where the file dialogs open
    BackgroundWork work_;                           // last: its threads are stopped first
};

} // namespace discone::ui
