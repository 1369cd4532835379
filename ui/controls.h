// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The kinds of control the windows are built of, each a small refinement of a
// Qt widget towards its classic counterpart: text boxes with the narrow inner
// margins and line pitch of a classic text box, multi-line boxes that stay
// put under the mouse wheel, a button whose caption wraps at blanks and that
// Enter activates, and a static label that reports a mouse click.
#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>

namespace discone::ui {

// A single-line text box. clicked() follows a left-button click released
// inside the box, never the keyboard focus.
class TextBox : public QLineEdit {
    Q_OBJECT
public:
    TextBox(bool border, QWidget* parent);
    // Replaces the whole text and shows its beginning, as a classic box does
    // for a text set by the program.
    void setBoxText(const QString& text);
    // Selects the whole text with the insertion point at its start, so the
    // beginning stays in view and typing replaces the text.
    void selectWholeText();

signals:
    void clicked();

protected:
    void changeEvent(QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void fitTextToCell();
};

// A multi-line text box: breaks its text at each line break ("\r\n" or "\n"),
// wraps longer lines at blanks, shows no scroll bars, and keeps plain text.
// Without scroll bars it never scrolls: its first line stays where it is
// drawn, whatever the wheel, the keys or a drag do.
class MultiLineBox : public QTextEdit {
    Q_OBJECT
public:
    MultiLineBox(bool border, QWidget* parent);
    void setBoxText(const QString& text);

protected:
    void changeEvent(QEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void applyCellMetrics();
};

// A push button whose caption wraps at blanks when it is wider than the
// button. text() stays the caption from the layout table. Enter and keypad Enter click
// it when it has the focus, as Space does, while it stays a plain button (no
// default button, no default frame).
class CaptionButton : public QPushButton {
    Q_OBJECT
public:
    CaptionButton(const QString& caption, QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

// A caption broken into lines at blanks so that each line fits the width
// where it can; a single word wider than the width keeps its own line.
QString wrapAtBlanks(const QString& caption, const QFontMetrics& metrics, int width);

// A static label that never takes the focus; clicked() follows a left-button
// click released over it, or click().
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    ClickLabel(const QString& caption, QWidget* parent);
    void click() { emit clicked(); }

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

// The label that stands for a web address; screen readers see it as a link
// they can press.
class LinkLabel : public ClickLabel {
    Q_OBJECT
public:
    using ClickLabel::ClickLabel;
};

} // namespace discone::ui
