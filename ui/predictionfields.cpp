// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The prediction window's fields: read strictly, as the command line reads
// its options, each problem said beside its field; and what the window
// remembers across closing and across runs.
#include "feedline.h"
#include "predictionparts.h"
#include "predictionwindow.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSettings>
#include <QSpinBox>
#include <QTabWidget>

namespace discone::ui {
namespace {

// "1,5" in the user's decimal separator, as an example of a decimal.
QString oneAndAHalf(const Separators& sep) {
    return QLatin1Char('1') + text(sep.decimal) + QLatin1Char('5');
}

} // namespace

bool PredictionWindow::diameterChosen() const {
    return !defaultDiameter_.isEmpty() && diameter_->text() == defaultDiameter_;
}

QString PredictionWindow::defaultHighest() const {
    return design_ ? defaultHighestFor(*design_) : QString();
}

std::optional<study::Options> PredictionWindow::readOptions() {
    const Separators sep = systemSeparators();
    study::Options options;
    options.points = points_->value();
    options.radials = wires_->value();
    options.referenceOhms = reference_->currentData().toDouble();
    options.region = systemRegion();
    showFieldProblem(std::nullopt, {});
    const study::SettingDescriptor& diameter = study::setting(study::Setting::WireDiameter);
    // Left to the study while the field shows its choice: rods that fit
    // the design, thinner than the default where those do not.
    const bool chosen = diameterChosen();
    if (const auto mm = study::readSetting(diameter, diameter_->text().toStdString(), sep))
        options.wireDiameterMm = chosen ? std::nullopt : mm;
    else if (!chosen)
        showFieldProblem(diameter.id,
                         QStringLiteral("Type %1 mm, such as 2 or %2")
                             .arg(text(study::wanted(diameter, sep)), oneAndAHalf(sep)));
    // The default leaves the sweep free to end early where the rods reach
    // NEC-2's limits, as the command line does.
    if (highest_->text() != defaultHighest()) {
        const study::SettingDescriptor& highest = study::setting(study::Setting::Highest);
        if (const auto mhz = study::readSetting(highest, highest_->text().toStdString(), sep))
            options.highestMHz = *mhz;
        else
            showFieldProblem(
                highest.id,
                QStringLiteral("Type a frequency above %1 MHz, such as %2")
                    .arg(text(readableText(design_->LowestFrequency, 7, sep)), defaultHighest()));
    }
    if (const int index = cable_->currentIndex(); index > 0) {
        const study::SettingDescriptor& line = study::setting(study::Setting::Feedline);
        const auto metres = readPlainNumber(length_->text().toStdString(), sep);
        if (metres && *metres >= line.low && *metres <= line.high)
            options.feedline = study::Feedline{
                study::findCable(cable_->itemData(index).toString().toStdString()), *metres};
        else
            showFieldProblem(line.id,
                             QStringLiteral("Type the feed line's length as %1 m, such as 12 or %2")
                                 .arg(text(study::wanted(line, sep)), oneAndAHalf(sep)));
    }
    for (QLabel* problem : {diameterProblem_, highestProblem_, lengthProblem_})
        if (!problem->text().isEmpty())
            return std::nullopt;
    return options;
}

void PredictionWindow::showFieldProblem(std::optional<study::Setting> setting,
                                        const QString& problem) {
    const std::pair<study::Setting, std::pair<QLineEdit*, QLabel*>> fields[] = {
        {study::Setting::WireDiameter, {diameter_, diameterProblem_}},
        {study::Setting::Highest, {highest_, highestProblem_}},
        {study::Setting::Feedline, {length_, lengthProblem_}}};
    for (const auto& [id, field] : fields) {
        if (setting && *setting != id)
            continue;
        QString shown = problem;
        if (!shown.isEmpty())
            shown[0] = shown[0].toUpper();
        field.second->setText(shown);
        field.second->setVisible(!shown.isEmpty());
        field.first->setAccessibleDescription(shown);
    }
}

// The pattern's frequency: the design frequency while the field is empty.
std::optional<double> PredictionWindow::readPatternFrequency() {
    if (patternAt_->text().trimmed().isEmpty())
        return design_ ? std::optional<double>(design_->LowestFrequency) : std::nullopt;
    return readPlainNumber(patternAt_->text().toStdString(), systemSeparators());
}

void PredictionWindow::setPoints(int points) {
    points_->setValue(points);
}

void PredictionWindow::remember(const QString& key, const QVariant& value) const {
    Remembered().setValue(settingKey(key), value);
}

// The fields as typed, sound or not, so that the window comes back as it
// was left; the highest frequency only where it is not the design's
// default.
void PredictionWindow::rememberFields() const {
    Remembered settings;
    settings.setValue(settingKey(QStringLiteral("wires")), wires_->value());
    settings.setValue(settingKey(QStringLiteral("diameter")),
                      diameterChosen() ? QString() : diameter_->text());
    settings.setValue(settingKey(QStringLiteral("highest")),
                      highest_->text() == defaultHighest() ? QString() : highest_->text());
    settings.setValue(settingKey(QStringLiteral("points")), points_->value());
    settings.setValue(settingKey(QStringLiteral("reference")), reference_->currentData());
    settings.setValue(settingKey(QStringLiteral("cable")), cable_->currentData());
    settings.setValue(settingKey(QStringLiteral("length")), length_->text());
}

void PredictionWindow::restoreSettings() {
    restoring_ = true;
    const Remembered settings;
    const auto value = [&settings](const char* key) {
        return settings.value(settingKey(QLatin1String(key)));
    };
    if (const QVariant v = value("wires"); v.isValid())
        wires_->setValue(v.toInt());
    if (const QString typed = value("diameter").toString(); !typed.isEmpty()) {
        diameter_->setText(typed);
        defaultDiameter_.clear();
    }
    highest_->setText(value("highest").toString());
    if (const QVariant v = value("points"); v.isValid())
        points_->setValue(v.toInt());
    if (const int i = reference_->findData(value("reference").toDouble()); i >= 0)
        reference_->setCurrentIndex(i);
    if (const int i = cable_->findData(value("cable").toString()); i > 0)
        cable_->setCurrentIndex(i);
    if (const QVariant v = value("length"); v.isValid())
        length_->setText(v.toString());
    scale_->setCurrentIndex(std::clamp(value("scale").toInt(), 0, scale_->count() - 1));
    if (const QString name = value("view").toString(); !name.isEmpty())
        if (auto* view = views_->findChild<QWidget*>(name))
            views_->setCurrentWidget(view);
    viewChanged();
    folder_ = value("folder").toString();
    if (const QString path = value("measurement").toString(); !path.isEmpty())
        readMeasurement(path, true);
    restoring_ = false;
}

} // namespace discone::ui
