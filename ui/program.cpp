// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "program.h"

#include "predictionwindow.h"
#include "windowclasses.h"

namespace discone::ui {
namespace {

QWidget* create(WindowKind kind, Program& program) {
    switch (kind) {
    case WindowKind::Form1:
        return new Form1(program);
    case WindowKind::Info:
        return new info(program);
    case WindowKind::Web:
        return new web;
    case WindowKind::Prediction:
        return new PredictionWindow(program);
    }
    return nullptr;
}

} // namespace

Program::~Program() {
    for (auto& [kind, window] : windows_)
        delete window.data();
}

void Program::calculated(const DisconeDimensions& dimensions, Unit unit) {
    Module1 = dimensions;
    designUnit_ = unit;
    emit events_.designCalculated();
}

QWidget* Program::openWindow(WindowKind kind) const {
    const auto it = windows_.find(kind);
    return it == windows_.end() ? nullptr : it->second.data();
}

QWidget* Program::showWindow(WindowKind kind) {
    QPointer<QWidget>& window = windows_[kind];
    if (window.isNull())
        window = create(kind, *this);
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

} // namespace discone::ui
