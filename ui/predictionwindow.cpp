// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "predictionwindow.h"

#include "beamchart.h"
#include "chartview.h"
#include "program.h"
#include "report.h"
#include "separators.h"
#include "sweepchart.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace discone::ui {
namespace {

constexpr int kTypingPause = 400; // ms after the last change before a sweep starts
const QColor kProblem(176, 0, 0);

QString text(const std::string& s) {
    return QString::fromStdString(s);
}

void showProblem(QLabel* label, const QString& problem) {
    label->setText(problem);
    label->setVisible(!problem.isEmpty());
}

// The highest frequency the sweep reaches unless the user types another,
// to the digits of the design frequency.
QString defaultHighest(const DisconeDimensions& design) {
    return text(study::defaultHighestText({design, Unit::Inches}, systemSeparators()));
}

template <class Widget> Widget* named(Widget* widget, const char* name, const QString& accessible) {
    widget->setObjectName(QLatin1String(name));
    if (!accessible.isEmpty())
        widget->setAccessibleName(accessible);
    return widget;
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption) {
    auto* b = named(new QPushButton(caption, parent), name, {});
    b->setAutoDefault(false);
    return b;
}

} // namespace

PredictionWindow::PredictionWindow(Program& program) : program_(program) {
    setObjectName(QStringLiteral("prediction"));
    setAttribute(Qt::WA_DeleteOnClose);
    buildControls();
    connectButtons();
    pause_.setSingleShot(true);
    pause_.setInterval(kTypingPause);
    connect(&pause_, &QTimer::timeout, this, &PredictionWindow::startSweep);
    connect(wires_, &QSpinBox::valueChanged, this, [this] { pause_.start(); });
    connect(diameter_, &QLineEdit::textEdited, this, [this] { pause_.start(); });
    connect(highest_, &QLineEdit::textEdited, this, [this] { pause_.start(); });
    connect(&program_.events(), &ProgramEvents::designCalculated, this,
            &PredictionWindow::followDesign);
    connect(&work_, &BackgroundWork::progressed, this, [this](int done, int total) {
        progress_->setRange(0, total);
        progress_->setValue(done);
    });
    resize(900, 680);
    followDesign();
}

// Closing stops the work at once; the threads are joined when the window
// is deleted, right after.
PredictionWindow::~PredictionWindow() = default;

void PredictionWindow::closeEvent(QCloseEvent* event) {
    pause_.stop();
    work_.cancel();
    QWidget::closeEvent(event);
}

void PredictionWindow::buildControls() {
    const Separators sep = systemSeparators();
    wires_ = named(new QSpinBox(this), "wires",
                   QStringLiteral("Number of wires in the disc and in the cone"));
    const study::SettingDescriptor& radials = study::setting(study::Setting::Radials);
    wires_->setRange(static_cast<int>(radials.low), static_cast<int>(radials.high));
    wires_->setValue(static_cast<int>(radials.byDefault));
    diameter_ = named(
        new QLineEdit(
            text(readableText(study::setting(study::Setting::WireDiameter).byDefault, 6, sep)),
            this),
        "diameter", QStringLiteral("Wire or rod diameter in millimetres"));
    highest_ = named(new QLineEdit(this), "highest",
                     QStringLiteral("Highest frequency of the sweep in megahertz"));
    diameterProblem_ = named(new QLabel(this), "diameterProblem", {});
    highestProblem_ = named(new QLabel(this), "highestProblem", {});
    views_ = named(new QTabWidget(this), "views", QStringLiteral("Charts"));
    views_->tabBar()->setAccessibleName(QStringLiteral("Charts"));
    swrView_ = named(new SwrView(this), "swrView", QStringLiteral("Predicted SWR chart"));
    beamView_ = named(new ChartView(this), "beamView", QStringLiteral("Beam chart"));
    views_->addTab(swrView_, QStringLiteral("&SWR"));
    views_->addTab(beamView_, QStringLiteral("&Beam"));
    summary_ = named(new QPlainTextEdit(this), "summary", QStringLiteral("Summary"));
    summary_->setReadOnly(true);
    summary_->setTabChangesFocus(true);
    summary_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    summary_->setFixedHeight(summary_->fontMetrics().lineSpacing() * 6 + 12);
    tuning_ = named(new QLabel(this), "tuning", {});
    tuning_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    use_ = button(this, "use", QStringLiteral("Use the tuned design"));
    use_->setEnabled(false);
    status_ = named(new QLabel(this), "status", {});
    status_->setWordWrap(true);
    status_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    progress_ = named(new QProgressBar(this), "progress", QStringLiteral("Progress"));
    progress_->setMaximumWidth(180);
    QSizePolicy keepPlace = progress_->sizePolicy();
    keepPlace.setRetainSizeWhenHidden(true);
    progress_->setSizePolicy(keepPlace);
    cancel_ = button(this, "cancel", QStringLiteral("Cancel"));
    savePlot_ = button(this, "savePlot", QStringLiteral("Save plot…"));
    saveDeck_ = button(this, "saveDeck", QStringLiteral("Save NEC deck…"));
    saveTouchstone_ = button(this, "saveTouchstone", QStringLiteral("Save Touchstone…"));
    loadMeasurement_ = button(this, "loadMeasurement", QStringLiteral("Load measurement…"));
    copyTable_ = button(this, "copyTable", QStringLiteral("Copy table"));
    notice_ = named(new QLabel(this), "notice", {});
    notice_->setWordWrap(true);
    notice_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QPalette problems = palette();
    problems.setColor(QPalette::WindowText, kProblem);
    for (QLabel* problem : {diameterProblem_, highestProblem_}) {
        problem->setPalette(problems);
        problem->hide();
    }

    // The fields side by side, each problem under its field.
    auto* fields = new QGridLayout;
    const auto addField = [&](int column, const QString& caption, QWidget* field, QLabel* problem) {
        auto* label = new QLabel(caption, this);
        label->setBuddy(field);
        fields->addWidget(label, 0, column * 2);
        fields->addWidget(field, 0, column * 2 + 1);
        if (problem)
            fields->addWidget(problem, 1, column * 2, 1, 2);
    };
    addField(0, QStringLiteral("&Wires:"), wires_, nullptr);
    addField(1, QStringLiteral("Wire or rod &diameter (mm):"), diameter_, diameterProblem_);
    addField(2, QStringLiteral("&Highest frequency (MHz):"), highest_, highestProblem_);
    fields->setColumnStretch(6, 1);
    for (QLineEdit* edit : {diameter_, highest_})
        edit->setMaximumWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("0")) * 12);

    auto* tuningRow = new QHBoxLayout;
    tuningRow->addWidget(tuning_, 1);
    tuningRow->addWidget(use_);
    auto* statusRow = new QHBoxLayout;
    statusRow->addWidget(status_, 1);
    statusRow->addWidget(progress_);
    statusRow->addWidget(cancel_);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {savePlot_, saveDeck_, saveTouchstone_, loadMeasurement_, copyTable_})
        buttons->addWidget(b);
    buttons->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(views_, 1);
    layout->addWidget(summary_);
    layout->addLayout(tuningRow);
    layout->addLayout(statusRow);
    layout->addLayout(buttons);
    layout->addWidget(notice_);
    setMinimumSize(720, 620);

    QWidget* order[] = {wires_,           diameter_, highest_,  views_->tabBar(),
                        swrView_,         beamView_, summary_,  use_,
                        cancel_,          savePlot_, saveDeck_, saveTouchstone_,
                        loadMeasurement_, copyTable_};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

// Shows the design of the last calculation that succeeded, and predicts it
// unless it is the antenna already shown.
void PredictionWindow::followDesign() {
    const std::optional<Unit> unit = program_.designUnit();
    const bool designed = unit.has_value();
    for (QWidget* w :
         std::initializer_list<QWidget*>{wires_, diameter_, highest_, saveDeck_, loadMeasurement_})
        w->setEnabled(designed);
    if (!designed) {
        setWindowTitle(QStringLiteral("Predicted SWR – DISCONE"));
        const QString first = QStringLiteral(
            "Calculate a design first: type the lowest frequency in the main window and press "
            "CALCULATE Inches or CALCULATE CM.");
        swrView_->setPlaceholder(first);
        beamView_->setPlaceholder(first);
        showResults();
        setState(State::NoDesign, first);
        return;
    }
    const Separators sep = systemSeparators();
    const bool sameAntenna = design_ && *design_ == program_.Module1;
    if (!design_ || highest_->text() == defaultHighest(*design_))
        highest_->setText(defaultHighest(program_.Module1));
    design_ = program_.Module1;
    unit_ = *unit;
    setWindowTitle(QStringLiteral("Predicted SWR – DISCONE – %1 MHz, %2")
                       .arg(text(singleText(design_->LowestFrequency, sep)),
                            text(std::string(nec::unitWord(unit_)))));
    swrView_->setPlaceholder(QStringLiteral("The predicted SWR appears here."));
    beamView_->setPlaceholder(QStringLiteral("The beam appears here."));
    // The same antenna in the other unit: only the words change.
    if (sameAntenna && (state_ == State::Running || state_ == State::Done)) {
        if (prediction_)
            study::showIn(*prediction_, unit_, sep);
        showResults();
        return;
    }
    if (!sameAntenna) {
        prediction_.reset();
        tuned_.reset();
        showTuning({});
        showResults();
    }
    startSweep();
}

void PredictionWindow::setState(State state, const QString& status) {
    state_ = state;
    status_->setText(status);
    QPalette colours = palette();
    if (state == State::Failed)
        colours.setColor(QPalette::WindowText, kProblem);
    status_->setPalette(colours);
    const bool shown = prediction_.has_value() && state != State::Running;
    for (QPushButton* b : {savePlot_, saveTouchstone_, copyTable_})
        b->setEnabled(shown);
    showWork();
    emit stateChanged(state);
}

void PredictionWindow::showWork() {
    progress_->setVisible(work_.busy());
    cancel_->setEnabled(work_.busy());
}

// The charts and the summary of the prediction shown, with the measurement.
void PredictionWindow::showResults() {
    QStringList lines;
    if (prediction_) {
        const study::Prediction& p = *prediction_;
        swrView_->setChart(plot::swrChart(p, systemReader()));
        const plot::BeamChart beam = plot::beamChart(p, systemReader());
        if (beam.points.empty())
            beamView_->setDrawing(nullptr);
        else
            beamView_->setDrawing([beam](QPainter& painter, const QRectF& area) {
                plot::drawBeamChart(painter, area, beam);
            });
        for (const auto* part : {&p.summary, &p.notes})
            for (const std::string& line : *part)
                lines << text(line);
        if (p.measured) {
            for (const std::string& line : p.measured->lines)
                lines << text(line);
            if (p.measured->warning)
                lines << text(*p.measured->warning);
        }
    } else {
        swrView_->clearChart();
        beamView_->setDrawing(nullptr);
    }
    summary_->setPlainText(lines.join(u'\n'));
    const QString description =
        lines.isEmpty() ? QStringLiteral("No prediction yet") : lines.join(QStringLiteral("; "));
    swrView_->setAccessibleDescription(description);
    beamView_->setAccessibleDescription(description);
}

void PredictionWindow::showTuning(const QString& line) {
    tuning_->setText(line);
    const bool usable = tuned_.has_value();
    use_->setEnabled(usable);
    use_->setText(usable ? QStringLiteral("Use %1 MHz")
                               .arg(text(singleText(tuned_->tuning.designMHz, systemSeparators())))
                         : QStringLiteral("Use the tuned design"));
}

void PredictionWindow::notify(const QString& line, bool problem) {
    notice_->setText(line);
    QPalette colours = palette();
    if (problem)
        colours.setColor(QPalette::WindowText, kProblem);
    notice_->setPalette(colours);
}

std::optional<study::Options> PredictionWindow::readOptions() {
    const Separators sep = systemSeparators();
    study::Options options;
    options.points = points_;
    options.radials = wires_->value();
    showFieldProblem(std::nullopt, {});
    const study::SettingDescriptor& diameter = study::setting(study::Setting::WireDiameter);
    if (const auto mm = study::readSetting(diameter, diameter_->text().toStdString(), sep))
        options.wireDiameterMm = *mm;
    else
        showFieldProblem(diameter.id,
                         QStringLiteral("Type %1 mm, such as 2 or %2")
                             .arg(text(study::wanted(diameter, sep)),
                                  QLatin1Char('1') + text(sep.decimal) + QLatin1Char('5')));
    // The default leaves the sweep free to end early where the rods reach
    // NEC-2's limits, as the command line does.
    if (highest_->text() != defaultHighest(*design_)) {
        const study::SettingDescriptor& highest = study::setting(study::Setting::Highest);
        if (const auto mhz = study::readSetting(highest, highest_->text().toStdString(), sep))
            options.highestMHz = *mhz;
        else
            showFieldProblem(highest.id, QStringLiteral("Type a frequency above %1 MHz, such as %2")
                                             .arg(text(singleText(design_->LowestFrequency, sep)),
                                                  defaultHighest(*design_)));
    }
    if (!diameterProblem_->text().isEmpty() || !highestProblem_->text().isEmpty())
        return std::nullopt;
    return options;
}

void PredictionWindow::showFieldProblem(std::optional<study::Setting> setting,
                                        const QString& problem) {
    const std::pair<study::Setting, std::pair<QLineEdit*, QLabel*>> fields[] = {
        {study::Setting::WireDiameter, {diameter_, diameterProblem_}},
        {study::Setting::Highest, {highest_, highestProblem_}}};
    for (const auto& [id, field] : fields) {
        if (setting && *setting != id)
            continue;
        QString shown = problem;
        if (!shown.isEmpty())
            shown[0] = shown[0].toUpper();
        showProblem(field.second, shown);
        field.first->setAccessibleDescription(shown);
    }
}

void PredictionWindow::setPoints(int points) {
    points_ = points;
}

} // namespace discone::ui
