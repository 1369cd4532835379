// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "predictionentry.h"

#include "controls.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QShortcut>

namespace discone::ui {
namespace {

QKeySequence shortcutKeys() {
    return QKeySequence(Qt::CTRL | Qt::Key_R);
}

QAction* entry(QMenu* menu, const std::function<void()>& open) {
    auto* action = new QAction(predictionEntryText(), menu);
    action->setObjectName(QStringLiteral("predictionEntry"));
    // Shown beside the entry; Form1's own shortcut does the work.
    action->setShortcut(shortcutKeys());
    QObject::connect(action, &QAction::triggered, menu, open);
    return action;
}

// As QLineEdit shows its own menu: deleted once it closes.
void popUp(QMenu* menu, QWidget* owner, const QPoint& at) {
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(owner->mapToGlobal(at));
}

} // namespace

QString predictionEntryText() {
    return QStringLiteral("Predicted SWR…");
}

void offerPrediction(QWidget* window, QWidget* diagram, std::span<TextBox* const> boxes,
                     const std::function<void()>& open) {
    diagram->setToolTip(QStringLiteral("Right-click for the predicted SWR (Ctrl+R)"));
    diagram->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(diagram, &QWidget::customContextMenuRequested, diagram,
                     [diagram, open](const QPoint& at) {
                         auto* menu = new QMenu(diagram);
                         menu->addAction(entry(menu, open));
                         popUp(menu, diagram, at);
                     });
    for (TextBox* box : boxes) {
        box->setContextMenuPolicy(Qt::CustomContextMenu);
        QObject::connect(box, &QWidget::customContextMenuRequested, box,
                         [box, open](const QPoint& at) {
                             QMenu* menu = box->createStandardContextMenu();
                             QAction* first = menu->actions().value(0);
                             menu->insertAction(first, entry(menu, open));
                             menu->insertSeparator(first);
                             popUp(menu, box, at);
                         });
    }
    auto* shortcut = new QShortcut(shortcutKeys(), window);
    QObject::connect(shortcut, &QShortcut::activated, window, open);
}

} // namespace discone::ui
