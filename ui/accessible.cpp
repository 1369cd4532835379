// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "accessible.h"

#include "controls.h"
#include "surface.h"

#include <QAccessibleWidget>

namespace discone::ui {
namespace {

class SurfaceInterface : public QAccessibleWidget {
public:
    explicit SurfaceInterface(Surface* surface)
        : QAccessibleWidget(surface, surface->accessibleRole()) {}

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        if (!widget()->isWindow()) {
            // A picture to look at, not a control: its Tab stop is for the
            // keyboard alone.
            state.focusable = false;
            state.focused = false;
        }
        return state;
    }
    QStringList actionNames() const override {
        return widget()->isWindow() ? QAccessibleWidget::actionNames() : QStringList();
    }
};

class LinkInterface : public QAccessibleWidget {
public:
    explicit LinkInterface(LinkLabel* link) : QAccessibleWidget(link, QAccessible::Link) {}

    QString text(QAccessible::Text t) const override {
        // A link is read by what it shows, the address.
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return label()->text();
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.linked = true;
        return state;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override {
        if (action == pressAction())
            label()->click();
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    LinkLabel* label() const { return static_cast<LinkLabel*>(widget()); }
};

QAccessibleInterface* createInterface(const QString&, QObject* object) {
    if (auto* surface = qobject_cast<Surface*>(object))
        return new SurfaceInterface(surface);
    if (auto* link = qobject_cast<LinkLabel*>(object))
        return new LinkInterface(link);
    return nullptr;
}

} // namespace

void installAccessibleInterfaces() {
    static const bool installed = [] {
        QAccessible::installFactory(createInterface);
        return true;
    }();
    (void)installed;
}

} // namespace discone::ui
