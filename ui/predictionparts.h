// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Small pieces the prediction window's files share: naming a control for
// tests and screen readers, text from the study's strings, the colour of a
// problem, the views that read their curves, and the remembered settings.
#pragma once

#include "chartview.h"
#include "dimensions.h"
#include "separators.h"
#include "sweep.h"

#include <QColor>
#include <QCoreApplication>
#include <QSettings>
#include <QString>
#include <QTabWidget>

#include <string>
#include <vector>

namespace discone::ui {

inline const QColor kProblemColour(176, 0, 0);

inline QString text(const std::string& s) {
    return QString::fromStdString(s);
}

inline QString capitalised(QString line) {
    if (!line.isEmpty())
        line[0] = line[0].toUpper();
    return line;
}

template <class Widget> Widget* named(Widget* widget, const char* name, const QString& accessible) {
    widget->setObjectName(QLatin1String(name));
    if (!accessible.isEmpty())
        widget->setAccessibleName(accessible);
    return widget;
}

// The views of the tabs that have a read-out, in the tabs' order.
inline std::vector<ReadoutView*> readoutViews(QTabWidget* views) {
    std::vector<ReadoutView*> found;
    for (int i = 0; i < views->count(); ++i)
        if (auto* view = qobject_cast<ReadoutView*>(views->widget(i)))
            found.push_back(view);
    return found;
}

// The highest frequency the sweep reaches unless the user types another,
// "1460" for 146 MHz: the design frequency's digits, never an exponent.
inline QString defaultHighestFor(const DisconeDimensions& design) {
    const auto highest = static_cast<float>(nec::kDefaultSpan * design.LowestFrequency);
    return text(readableText(highest, 7, systemSeparators()));
}

// The program's settings, under the organisation and application names the
// program sets (the application's name for both while it sets no
// organisation): ~/.config/discone/discone.conf on Linux.
class Remembered : public QSettings {
public:
    Remembered()
        : QSettings(QSettings::UserScope,
                    QCoreApplication::organizationName().isEmpty()
                        ? QCoreApplication::applicationName()
                        : QCoreApplication::organizationName(),
                    QCoreApplication::applicationName()) {}
};

// The key of one remembered setting of the prediction window.
inline QString settingKey(const QString& name) {
    return QStringLiteral("prediction/") + name;
}

} // namespace discone::ui
