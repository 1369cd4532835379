// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "predictionwindow.h"

#include "chartview.h"
#include "feedline.h"
#include "predictionparts.h"
#include "program.h"
#include "separators.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QShortcut>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace discone::ui {
namespace {

constexpr int kTypingPause = 400; // ms after the last change before a sweep starts
const QSize kPreferredSize(920, 760);
// Until the window system says, a frame as most window managers draw it.
const QSize kFrameGuess(16, 40);

QPushButton* button(QWidget* parent, const char* name, const QString& caption) {
    auto* b = named(new QPushButton(caption, parent), name, {});
    // Enter presses the button with the focus, as Space does.
    b->setAutoDefault(true);
    return b;
}

QLineEdit* edit(QWidget* parent, const char* name, const QString& accessible, int digits) {
    auto* e = named(new QLineEdit(parent), name, accessible);
    e->setMaximumWidth(e->fontMetrics().horizontalAdvance(QStringLiteral("0")) * digits + 12);
    return e;
}

QLabel* problemLabel(QWidget* parent, const char* name) {
    auto* label = named(new QLabel(parent), name, {});
    QPalette problems = label->palette();
    problems.setColor(QPalette::WindowText, kProblemColour);
    label->setPalette(problems);
    label->setWordWrap(true);
    label->hide();
    return label;
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
    const auto changed = [this] {
        if (!restoring_)
            pause_.start();
    };
    connect(wires_, &QSpinBox::valueChanged, this, changed);
    connect(points_, &QSpinBox::valueChanged, this, changed);
    for (QLineEdit* field : {diameter_, highest_, length_})
        connect(field, &QLineEdit::textEdited, this, changed);
    // A diameter typed is the user's, whatever the design.
    connect(diameter_, &QLineEdit::textEdited, this, [this] { defaultDiameter_.clear(); });
    connect(reference_, &QComboBox::currentIndexChanged, this, changed);
    connect(cable_, &QComboBox::currentIndexChanged, this, [this, changed] {
        length_->setEnabled(cable_->currentIndex() > 0);
        changed();
    });
    // Enter in a field predicts at once.
    for (QLineEdit* field : {diameter_, highest_, length_})
        connect(field, &QLineEdit::returnPressed, this, &PredictionWindow::startSweep);
    patternPause_.setSingleShot(true);
    patternPause_.setInterval(kTypingPause);
    connect(&patternPause_, &QTimer::timeout, this, &PredictionWindow::startPattern);
    connect(patternAt_, &QLineEdit::textEdited, &patternPause_, qOverload<>(&QTimer::start));
    connect(patternAt_, &QLineEdit::returnPressed, this, &PredictionWindow::startPattern);
    connect(scale_, &QComboBox::currentIndexChanged, this, [this] {
        remember(QStringLiteral("scale"), scale_->currentIndex());
        showResults();
    });
    connect(views_, &QTabWidget::currentChanged, this, &PredictionWindow::viewChanged);
    connect(swrView_, &SwrView::frequencyChosen, this, &PredictionWindow::choosePatternFrequency);
    for (ReadoutView* view : readoutViews(views_))
        connect(view, &ReadoutView::readingChanged, this, &PredictionWindow::showReading);
    connect(&program_.events(), &ProgramEvents::designCalculated, this,
            &PredictionWindow::followDesign);
    for (BackgroundWork* work : {&work_, &patternWork_})
        connect(work, &BackgroundWork::progressed, this, [this](int done, int total) {
            progress_->setRange(0, total);
            progress_->setValue(done);
        });
    for (const QKeySequence& keys :
         {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)})
        connect(new QShortcut(keys, this), &QShortcut::activated, this, &QWidget::close);
    restoreSettings();
    fitScreen();
    followDesign();
}

// Closing stops the work at once; the threads are joined when the window
// is deleted, right after.
PredictionWindow::~PredictionWindow() = default;

void PredictionWindow::closeEvent(QCloseEvent* event) {
    // A change still waiting for its sweep is kept all the same.
    if (pause_.isActive())
        rememberFields();
    pause_.stop();
    patternPause_.stop();
    work_.cancel();
    patternWork_.cancel();
    QWidget::closeEvent(event);
}

// Once the window system has placed the window with its frame: within the
// screen's free area, if it can be.
void PredictionWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (fitted_ || !screen())
        return;
    fitted_ = true;
    const QRect free = screen()->availableGeometry();
    const QRect outer = frameGeometry();
    if (free.contains(outer))
        return;
    const QSize frame = outer.size() - size();
    resize(size().boundedTo(free.size() - frame));
    move(std::clamp(outer.left(), free.left(), std::max(free.left(), free.right() - outer.width())),
         std::clamp(outer.top(), free.top(), std::max(free.top(), free.bottom() - outer.height())));
}

// The preferred size where the screen has room; on a small screen, or at
// a large scale, as much of it as there is.
void PredictionWindow::fitScreen() {
    const QScreen* on = screen();
    if (!on)
        return;
    const QSize room = on->availableGeometry().size() - kFrameGuess;
    resize(kPreferredSize.boundedTo(room).expandedTo(minimumSize()));
}

void PredictionWindow::buildControls() {
    auto* content = new QWidget;
    content->setObjectName(QStringLiteral("content"));
    auto* layout = new QVBoxLayout(content);
    layout->setContentsMargins(8, 6, 8, 6);
    layout->setSpacing(4);
    layout->addWidget(buildFields());
    buildViews();
    layout->addWidget(views_, 1);
    reading_ = named(new QLabel(content), "reading", {});
    reading_->setTextInteractionFlags(Qt::NoTextInteraction);
    layout->addWidget(reading_);
    summary_ = named(new SummaryBox(content), "summary", QStringLiteral("Summary"));
    layout->addWidget(summary_);

    tuning_ = named(new QLabel(content), "tuning", {});
    tuning_->setWordWrap(true);
    use_ = button(content, "use", QStringLiteral("Use the tuned design"));
    auto* tuningRow = new QHBoxLayout;
    tuningRow->addWidget(tuning_, 1);
    tuningRow->addWidget(use_);
    layout->addLayout(tuningRow);

    status_ = named(new QLabel(content), "status", {});
    status_->setWordWrap(true);
    progress_ = named(new QProgressBar(content), "progress", QStringLiteral("Progress"));
    progress_->setMaximumWidth(160);
    progress_->setFocusPolicy(Qt::NoFocus);
    QSizePolicy keepPlace = progress_->sizePolicy();
    keepPlace.setRetainSizeWhenHidden(true);
    progress_->setSizePolicy(keepPlace);
    cancel_ = button(content, "cancel", QStringLiteral("Cancel"));
    auto* statusRow = new QHBoxLayout;
    statusRow->addWidget(status_, 1);
    statusRow->addWidget(progress_);
    statusRow->addWidget(cancel_);
    layout->addLayout(statusRow);

    savePlot_ = button(content, "savePlot", QStringLiteral("Save plot…"));
    saveSheet_ = button(content, "saveSheet", QStringLiteral("Save build sheet…"));
    saveDeck_ = button(content, "saveDeck", QStringLiteral("Save NEC deck…"));
    saveTouchstone_ = button(content, "saveTouchstone", QStringLiteral("Save Touchstone…"));
    loadMeasurement_ = button(content, "loadMeasurement", QStringLiteral("Load measurement…"));
    copyTable_ = button(content, "copyTable", QStringLiteral("Copy table"));
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b :
         {savePlot_, saveSheet_, saveDeck_, saveTouchstone_, loadMeasurement_, copyTable_})
        buttons->addWidget(b);
    buttons->addStretch(1);
    layout->addLayout(buttons);
    notice_ = named(new QLabel(content), "notice", {});
    notice_->setWordWrap(true);
    notice_->hide();
    layout->addWidget(notice_);

    // Scrolled only when the window is smaller than the controls need.
    scroll_ = named(new QScrollArea(this), "scroll", {});
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setFocusPolicy(Qt::NoFocus);
    scroll_->setWidgetResizable(true);
    scroll_->setWidget(content);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(scroll_);
    setMinimumSize(360, 260);
    setFocusOrder();
}

QWidget* PredictionWindow::buildFields() {
    auto* box = new QWidget;
    const Separators sep = systemSeparators();
    const auto spin = [box](const char* name, const QString& accessible, study::Setting id) {
        auto* s = named(new QSpinBox(box), name, accessible);
        const study::SettingDescriptor& row = study::setting(id);
        s->setRange(static_cast<int>(row.low), static_cast<int>(row.high));
        s->setValue(static_cast<int>(row.byDefault));
        return s;
    };
    wires_ = spin("wires", QStringLiteral("Number of wires in the disc and in the cone"),
                  study::Setting::Radials);
    diameter_ = edit(box, "diameter", QStringLiteral("Wire or rod diameter in millimetres"), 10);
    defaultDiameter_ =
        text(readableText(study::setting(study::Setting::WireDiameter).byDefault, 6, sep));
    diameter_->setText(defaultDiameter_);
    highest_ =
        edit(box, "highest", QStringLiteral("Highest frequency of the sweep in megahertz"), 10);
    points_ = spin("points", QStringLiteral("Number of frequencies in the sweep"),
                   study::Setting::Points);
    reference_ =
        named(new QComboBox(box), "reference", QStringLiteral("Reference impedance in ohms"));
    for (double ohms : {50.0, 75.0})
        reference_->addItem(text(readableText(ohms, 3, sep)), ohms);
    cable_ = named(new QComboBox(box), "cable", QStringLiteral("Feed line cable"));
    cable_->addItem(QStringLiteral("none"));
    for (const study::Cable& c : study::cables())
        cable_->addItem(text(std::string(c.name)), text(std::string(c.id)));
    length_ = edit(box, "length", QStringLiteral("Feed line length in metres"), 8);
    length_->setText(QStringLiteral("10"));
    length_->setEnabled(false);
    diameterProblem_ = problemLabel(box, "diameterProblem");
    highestProblem_ = problemLabel(box, "highestProblem");
    lengthProblem_ = problemLabel(box, "lengthProblem");

    // Two rows of fields, each problem on a line of its own under them.
    auto* column = new QVBoxLayout(box);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(4);
    QHBoxLayout* row = nullptr;
    const auto add = [&](const QString& caption, QWidget* field) {
        auto* label = new QLabel(caption, box);
        label->setBuddy(field);
        if (row->count() > 0)
            row->addSpacing(10);
        row->addWidget(label);
        row->addWidget(field);
    };
    column->addLayout(row = new QHBoxLayout);
    add(QStringLiteral("&Wires:"), wires_);
    add(QStringLiteral("Wire or rod &diameter (mm):"), diameter_);
    add(QStringLiteral("&Highest frequency (MHz):"), highest_);
    add(QStringLiteral("&Frequencies:"), points_);
    row->addStretch(1);
    column->addLayout(row = new QHBoxLayout);
    add(QStringLiteral("&Reference (Ω):"), reference_);
    add(QStringLiteral("Feed &line:"), cable_);
    add(QStringLiteral("L&ength (m):"), length_);
    row->addStretch(1);
    for (QLabel* problem : {diameterProblem_, highestProblem_, lengthProblem_})
        column->addWidget(problem);
    return box;
}

void PredictionWindow::buildViews() {
    views_ = named(new QTabWidget, "views", QStringLiteral("Charts"));
    views_->tabBar()->setAccessibleName(QStringLiteral("Charts"));
    swrView_ = named(new SwrView, "swrView", QStringLiteral("Predicted SWR chart"));
    impedanceView_ = named(new ImpedanceView, "impedanceView", QStringLiteral("Impedance chart"));
    smithView_ = named(new SmithView, "smithView", QStringLiteral("Smith chart"));
    beamView_ = named(new BeamView, "beamView", QStringLiteral("Beam chart"));
    patternView_ = named(new PatternView, "patternView", QStringLiteral("Elevation pattern chart"));
    views_->addTab(swrView_, QStringLiteral("&SWR"));
    views_->addTab(impedanceView_, QStringLiteral("&Impedance"));
    views_->addTab(smithView_, QStringLiteral("S&mith chart"));
    views_->addTab(beamView_, QStringLiteral("&Beam"));
    views_->addTab(patternView_, QStringLiteral("&Pattern"));

    // Beside the tabs: how the SWR view shows the match, and the pattern's
    // frequency, each with its own view.
    auto* corner = new QWidget;
    auto* row = new QHBoxLayout(corner);
    row->setContentsMargins(0, 0, 2, 2);
    auto* scaleLabel = named(new QLabel(QStringLiteral("Sh&ow:"), corner), "scaleLabel", {});
    scale_ = named(new QComboBox(corner), "scale", QStringLiteral("Show the match as"));
    scale_->addItem(QStringLiteral("SWR"));
    scale_->addItem(QStringLiteral("return loss (dB)"));
    scale_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    scaleLabel->setBuddy(scale_);
    patternLabel_ =
        named(new QLabel(QStringLiteral("Pattern &at (MHz):"), corner), "patternLabel", {});
    patternAt_ = edit(corner, "patternAt",
                      QStringLiteral("Frequency of the elevation pattern in megahertz"), 10);
    patternLabel_->setBuddy(patternAt_);
    for (QWidget* w :
         std::initializer_list<QWidget*>{scaleLabel, scale_, patternLabel_, patternAt_})
        row->addWidget(w);
    views_->setCornerWidget(corner, Qt::TopRightCorner);
}

// Reading order, from the first field to the last button; with every other
// control out of the Tab chain, Tab from the last comes back to the first.
void PredictionWindow::setFocusOrder() {
    // The tab widget hands its focus to its tab bar, which alone is a stop;
    // the bar's scroll buttons are the mouse's (the arrow keys switch tabs).
    views_->setFocusPolicy(Qt::NoFocus);
    views_->tabBar()->setFocusPolicy(Qt::TabFocus);
    for (QWidget* scroll : views_->tabBar()->findChildren<QWidget*>())
        scroll->setFocusPolicy(Qt::NoFocus);
    QWidget* order[] = {wires_,     diameter_,       highest_,         points_,
                        reference_, cable_,          length_,          views_->tabBar(),
                        scale_,     patternAt_,      swrView_,         impedanceView_,
                        smithView_, beamView_,       patternView_,     summary_,
                        use_,       cancel_,         savePlot_,        saveSheet_,
                        saveDeck_,  saveTouchstone_, loadMeasurement_, copyTable_};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

} // namespace discone::ui
