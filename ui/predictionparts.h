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

#include <QAbstractTextDocumentLayout>
#include <QColor>
#include <QCoreApplication>
#include <QPlainTextEdit>
#include <QSettings>
#include <QString>
#include <QTabWidget>
#include <QTextBlock>

#include <algorithm>

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

// The summary box: as tall as its lines, up to ten (it scrolls beyond),
// and no shorter than three when the window is short, so that the views
// give up their height first. A line can be kept in sight: the box then
// shows the end, up to that line, whatever its height.
class SummaryBox : public QPlainTextEdit {
public:
    explicit SummaryBox(QWidget* parent) : QPlainTextEdit(parent) {
        setReadOnly(true);
        setTabChangesFocus(true);
        setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
        connect(document()->documentLayout(), &QAbstractTextDocumentLayout::documentSizeChanged,
                this, [this] { updateGeometry(); });
    }
    QSize sizeHint() const override { return {400, heightFor(std::clamp(lines(), 3, 10))}; }
    QSize minimumSizeHint() const override { return {200, heightFor(3)}; }

    // The lines, with the line `inSight` (-1: none) shown.
    void setLines(const QString& text, int inSight) {
        setPlainText(text);
        inSight_ = inSight;
        keepInSight();
    }

protected:
    void resizeEvent(QResizeEvent* event) override {
        QPlainTextEdit::resizeEvent(event);
        keepInSight();
    }

private:
    void keepInSight() {
        if (inSight_ < 0)
            return;
        moveCursor(QTextCursor::End);
        ensureCursorVisible();
        setTextCursor(QTextCursor(document()->findBlockByNumber(inSight_)));
        ensureCursorVisible();
    }
    // Lines as laid out, wrapped ones counted.
    int lines() const { return int(document()->documentLayout()->documentSize().height()); }
    int heightFor(int lines) const {
        return lines * fontMetrics().lineSpacing() + 2 * frameWidth() +
               int(2 * document()->documentMargin()) + 2;
    }

    int inSight_ = -1;
};

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
