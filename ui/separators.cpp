// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "separators.h"

#include "bands.h"

#include <QLocale>

namespace discone::ui {

Separators systemSeparators() {
    const QLocale locale = QLocale::system();
    return {locale.decimalPoint().toStdString(), locale.groupSeparator().toStdString()};
}

int systemRegion() {
    const QLocale locale = QLocale::system();
    if (locale.territory() == QLocale::AnyTerritory)
        return 0;
    return study::regionOfCountry(QLocale::territoryToCode(locale.territory()).toStdString())
        .value_or(0);
}

plot::Reader systemReader(double referenceOhms) {
    return {systemSeparators(), systemRegion(), referenceOhms, plot::MatchScale::Swr};
}

} // namespace discone::ui
