// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "registry.h"

#include <QPointer>
#include <QWidget>

#include <map>

namespace discone::ui {
namespace {

// One slot per window kind, made when the kind is first asked for, so no
// count of kinds is kept beside the enum. A closed window deletes itself,
// which empties its slot, so the next show builds it afresh from its table.
QPointer<QWidget>& slot(WindowKind kind) {
    static std::map<WindowKind, QPointer<QWidget>> windows;
    return windows[kind];
}

QWidget* create(WindowKind kind) {
    switch (kind) {
    case WindowKind::Form1:
        return createForm1();
    case WindowKind::Info:
        return createInfo();
    case WindowKind::Web:
        return createWeb();
    }
    return nullptr;
}

} // namespace

QWidget* openWindow(WindowKind kind) {
    return slot(kind).data();
}

QWidget* showWindow(WindowKind kind) {
    QPointer<QWidget>& window = slot(kind);
    if (window.isNull())
        window = create(kind);
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

} // namespace discone::ui
