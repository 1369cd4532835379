// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls.h"

#include "look.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextFrame>

namespace discone::ui {
namespace {

// QLineEdit keeps 2 px on the left of its text and 1 px above it; a classic
// box keeps 1 px on the left and puts the top of the text cell under its
// frame.
constexpr int kLineEditHorizontalMargin = 2;
constexpr int kLineEditVerticalMargin = 1;
constexpr int kClassicInnerMargin = 1;

bool isLeftClickInside(const QWidget* widget, const QMouseEvent* event) {
    return event->button() == Qt::LeftButton &&
           widget->rect().contains(event->position().toPoint());
}

} // namespace

TextBox::TextBox(bool border, QWidget* parent) : QLineEdit(parent) {
    setFrame(border);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    fitTextToCell();
}

void TextBox::setBoxText(const QString& text) {
    setText(text);
    setCursorPosition(0);
}

void TextBox::selectWholeText() {
    setSelection(text().size(), -text().size());
}

void TextBox::changeEvent(QEvent* event) {
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        fitTextToCell();
}

void TextBox::mouseReleaseEvent(QMouseEvent* event) {
    QLineEdit::mouseReleaseEvent(event);
    if (isLeftClickInside(this, event))
        emit clicked();
}

void TextBox::fitTextToCell() {
    // Shift the text down by what Qt's ascent lacks against the classic
    // cell, so the baseline stands where the classic box draws it.
    const CellMetrics cell = classicCellMetrics(font());
    const int top = std::max(0, cell.ascent - fontMetrics().ascent() - kLineEditVerticalMargin);
    setTextMargins(kClassicInnerMargin - kLineEditHorizontalMargin, top, 0, 0);
}

MultiLineBox::MultiLineBox(bool border, QWidget* parent) : QTextEdit(parent) {
    setAcceptRichText(false);
    setFrameShape(border ? QFrame::StyledPanel : QFrame::NoFrame);
    setFrameShadow(QFrame::Sunken);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setLineWrapMode(QTextEdit::WidgetWidth);
    setWordWrapMode(QTextOption::WordWrap);
    // A classic multi-line box passes Tab on to the next control.
    setTabChangesFocus(true);
    // The text may run a little past the bottom (the empty line after a
    // final line break); keeping the first line in place wins over showing
    // the insertion point there.
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, [this](int value) {
        if (value != 0)
            verticalScrollBar()->setValue(0);
    });
}

void MultiLineBox::setBoxText(const QString& text) {
    QTextDocument* doc = document();
    doc->setUndoRedoEnabled(false);
    QString plain = text;
    plain.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    setPlainText(plain);
    applyCellMetrics();
    // Re-enabling starts an empty undo stack: the text the box opened with is the base.
    doc->setUndoRedoEnabled(true);
}

void MultiLineBox::changeEvent(QEvent* event) {
    QTextEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        QTextDocument* doc = document();
        const bool undo = doc->isUndoRedoEnabled();
        doc->setUndoRedoEnabled(false);
        applyCellMetrics();
        doc->setUndoRedoEnabled(undo);
    }
}

void MultiLineBox::wheelEvent(QWheelEvent* event) {
    // Left to the container, which has nothing to scroll either.
    event->ignore();
}

void MultiLineBox::applyCellMetrics() {
    // The classic line pitch (13 px for the 11-px face, where Qt's own is
    // 10 or 11) fills each box to its last line as its layout means it to, with the first
    // baseline where the classic box puts it.
    const CellMetrics cell = classicCellMetrics(font());
    QTextDocument* doc = document();
    QTextFrameFormat frame = doc->rootFrame()->frameFormat();
    frame.setMargin(0);
    frame.setLeftMargin(kClassicInnerMargin);
    frame.setRightMargin(kClassicInnerMargin);
    frame.setTopMargin(std::max(0, cell.ascent - fontMetrics().ascent()));
    doc->rootFrame()->setFrameFormat(frame);

    // Extra distance rather than a fixed height: Qt centres a line in a fixed
    // height, which would move the baselines off the classic ones.
    QTextBlockFormat block;
    block.setLineHeight(cell.height - fontMetrics().height(), QTextBlockFormat::LineDistanceHeight);
    QTextCursor cursor(doc);
    cursor.select(QTextCursor::Document);
    cursor.mergeBlockFormat(block);
}

CaptionButton::CaptionButton(const QString& caption, QWidget* parent)
    : QPushButton(caption, parent) {
    setAutoDefault(false);
    setDefault(false);
}

void CaptionButton::keyPressEvent(QKeyEvent* event) {
    // QPushButton takes Enter only as a default button, whose frame changes
    // the look; a held key clicks once.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (!event->isAutoRepeat())
            click();
        event->accept();
        return;
    }
    QPushButton::keyPressEvent(event);
}

void CaptionButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QRect contents = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    option.text = wrapAtBlanks(text(), fontMetrics(), contents.width());
    painter.drawControl(QStyle::CE_PushButton, option);
}

QString wrapAtBlanks(const QString& caption, const QFontMetrics& metrics, int width) {
    if (metrics.horizontalAdvance(caption) <= width)
        return caption;
    QStringList lines;
    QString line;
    for (const QString& word : caption.split(u' ', Qt::SkipEmptyParts)) {
        const QString candidate = line.isEmpty() ? word : line + u' ' + word;
        if (!line.isEmpty() && metrics.horizontalAdvance(candidate) > width) {
            lines << line;
            line = word;
        } else {
            line = candidate;
        }
    }
    if (!line.isEmpty())
        lines << line;
    return lines.join(u'\n');
}

ClickLabel::ClickLabel(const QString& caption, QWidget* parent) : QLabel(caption, parent) {
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setFocusPolicy(Qt::NoFocus);
    setAutoFillBackground(true);
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (isLeftClickInside(this, event))
        emit clicked();
}

} // namespace discone::ui
