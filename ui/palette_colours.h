// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The fixed colours of the layout tables.
#pragma once

#include <QRgb>

namespace discone::ui {

constexpr QRgb kLightGreen = qRgb(0x80, 0xFF, 0x80);
constexpr QRgb kBlue = qRgb(0x00, 0x00, 0xFF);
constexpr QRgb kRed = qRgb(0xFF, 0x00, 0x00);
constexpr QRgb kYellow = qRgb(0xFF, 0xFF, 0x00);
constexpr QRgb kPaleOrange = qRgb(0xFF, 0xE0, 0xC0);

} // namespace discone::ui
