// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The prediction window: how the design of the last calculation that
// succeeded (Module1, in the unit it was shown in) will perform, as NEC-2
// predicts it through the program's engine. It follows the design each time
// the main window calculates, and predicts again, after a short pause for
// typing, whenever a field changes: the wires, their diameter, the sweep's
// highest frequency and number of frequencies, the reference impedance and
// the feed line. Its views are tabs: the SWR (or return loss) with the
// radio end's beside the antenna's, the impedance, the Smith chart, the
// beam, and the elevation pattern at the frequency clicked on the SWR chart
// or typed; each view's read-out is shown on a line of its own and told to
// screen readers. The summary is in the command line's words, and the
// design frequency that starts the user's band (the goal, kept until the
// user calculates another antenna) is one button away.
//
// Sweeps, tuning and patterns run off the UI thread with a progress bar and
// a Cancel button; closing the window stops them. Every outcome, a refusal
// or a failure included, is said in the charts and the status line, never
// in a message box; an action that cannot succeed is disabled and says why.
// The fields, the view, the folder and the measurement are remembered.
#pragma once

#include "backgroundwork.h"
#include "formatter.h"
#include "study.h"

#include <QTimer>
#include <QWidget>

#include <optional>
#include <tuple>
#include <utility>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QScrollArea;
class QSpinBox;
class QTabWidget;

namespace discone::ui {

class BeamView;
class ImpedanceView;
class PatternView;
class Program;
class SmithView;
class SummaryBox;
class SwrView;

class PredictionWindow : public QWidget {
    Q_OBJECT
public:
    // Of the sweep; tuning and patterns run after or beside it.
    enum class State { NoDesign, Running, Cancelled, Failed, Done, Refused };

    explicit PredictionWindow(Program& program);
    ~PredictionWindow() override;

    State state() const { return state_; }

    // Frequencies in each sweep, as the field sets them.
    void setPoints(int points);

    // What the buttons do once their file dialog has given a name. Each
    // says under the buttons how it went.
    void savePlot(const QString& path);
    void saveSheet(const QString& path);
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
    void showEvent(QShowEvent* event) override;

private:
    // predictionwindow.cpp: the controls, their order and the window's size.
    void buildControls();
    QWidget* buildFields();
    void buildViews();
    void setFocusOrder();
    void fitScreen();

    // predictionviews.cpp: what the window shows.
    void followDesign();
    void setState(State state, const QString& status);
    void showWork(); // the progress bar and Cancel, while work runs
    void showResults();
    void showPlaceholders(const QString& text);
    void showMeasurementAlone();
    void showSummary();
    void showReading();
    void showTuning(const QString& text = {});
    void updateActions();
    void notify(const QString& text, bool problem);
    void viewChanged();

    // predictionfields.cpp: the fields read strictly, and remembered.
    // The options the fields give, or nothing, with each problem beside its
    // field.
    std::optional<study::Options> readOptions();
    // Shows `problem` beside the field of `setting`, or clears every field's.
    void showFieldProblem(std::optional<study::Setting> setting, const QString& problem);
    std::optional<double> readPatternFrequency();
    bool diameterChosen() const; // the field shows the study's choice
    QString defaultHighest() const;
    void restoreSettings();
    void rememberFields() const;
    void remember(const QString& key, const QVariant& value) const;
    study::Design design() const { return {*design_, unit_}; }

    // predictionwork.cpp: sweeps, tuning and patterns.
    void startSweep();
    void sweepDone(study::Prediction prediction);
    void startTuning();
    void tuningDone(study::Tuned tuned, const study::Options& wires);
    void workEnded(const Ending& ending, bool tuning);
    void refuse(const QString& reason);
    void startPattern();
    void patternEnded(const Ending& ending);
    void choosePatternFrequency(double mhz);

    // predictionfiles.cpp: the buttons.
    void connectButtons();
    QString askFileName(const QString& title, const QStringList& filters, bool save);
    bool readMeasurement(const QString& path, bool remembered);

    Program& program_;
    QScrollArea* scroll_;
    QSpinBox* wires_;
    QLineEdit* diameter_;
    // The diameter the study chose for the design, as the field shows it
    // while the user has typed none; empty once they have.
    QString defaultDiameter_;
    QLabel* diameterProblem_;
    QLineEdit* highest_;
    QLabel* highestProblem_;
    QSpinBox* points_;
    QComboBox* reference_;
    QComboBox* cable_;
    QLineEdit* length_;
    QLabel* lengthProblem_;
    QTabWidget* views_;
    QComboBox* scale_;
    QLabel* patternLabel_;
    QLineEdit* patternAt_;
    SwrView* swrView_;
    ImpedanceView* impedanceView_;
    SmithView* smithView_;
    BeamView* beamView_;
    PatternView* patternView_;
    QLabel* reading_;
    SummaryBox* summary_;
    QLabel* tuning_;
    QPushButton* use_;
    QLabel* status_;
    QProgressBar* progress_;
    QPushButton* cancel_;
    QPushButton* savePlot_;
    QPushButton* saveSheet_;
    QPushButton* saveDeck_;
    QPushButton* saveTouchstone_;
    QPushButton* loadMeasurement_;
    QPushButton* copyTable_;
    QLabel* notice_;
    QTimer pause_;        // between the last change of a field and the sweep
    QTimer patternPause_; // and between the pattern's frequency and its pattern

    State state_ = State::NoDesign;
    std::optional<DisconeDimensions> design_; // the design shown; none before a calculation
    Unit unit_ = Unit::Inches;
    std::optional<float> goal_; // where the user's band starts: the design frequency they typed
    bool usingTuned_ = false;   // the main window calculates the tuned design now
    std::optional<study::Prediction> prediction_; // the prediction shown
    std::optional<study::Tuned> tuned_;
    study::Options tunedFor_;                       // the wires `tuned_` is for
    std::optional<QString> tuningProblem_;          // how the last tuning ended without a result
    std::optional<study::Measurement> measurement_; // the measurement loaded
    QString measurementPath_;
    std::optional<QString> refusal_; // why the fields give no model
    // The pattern shown or being computed, and what it was computed for.
    using PatternKey = std::tuple<float, int, double, double>; // design, rods, mm, MHz
    std::optional<study::Patterns> pattern_;
    std::optional<PatternKey> patternFor_;
    QString folder_; // where the file dialogs open
    bool fitted_ = false;
    bool restoring_ = false;
    BackgroundWork patternWork_;
    BackgroundWork work_; // last: its threads are stopped first
};

} // namespace discone::ui
