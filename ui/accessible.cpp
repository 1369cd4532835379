// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "accessible.h"

#include "controls.h"
#include "surface.h"

#include <QAccessibleWidget>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>

#include <algorithm>
#include <utility>

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

// A multi-line box as one editable text without children. Qt's own text
// edit interface would also list the box's viewport and its hidden scroll
// bars, so a screen reader would meet the box several times; that interface
// is not public API, so the text is served here from the box's document and
// cursor. Offsets are positions in the document, one per character of the
// plain text, a line break included.
class MultiLineBoxInterface : public QAccessibleWidget,
                              public QAccessibleTextInterface,
                              public QAccessibleEditableTextInterface {
public:
    explicit MultiLineBoxInterface(MultiLineBox* box)
        : QAccessibleWidget(box, QAccessible::EditableText) {}

    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        if (t == QAccessible::EditableTextInterface)
            return static_cast<QAccessibleEditableTextInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }

    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Value ? box()->toPlainText() : QAccessibleWidget::text(t);
    }
    void setText(QAccessible::Text t, const QString& text) override {
        if (t == QAccessible::Value)
            replaceText(0, characterCount(), text);
        else
            QAccessibleWidget::setText(t, text);
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.multiLine = true;
        state.selectableText = true;
        state.readOnly = box()->isReadOnly();
        state.editable = !box()->isReadOnly();
        return state;
    }

    // Selection and insertion point: the box's one text cursor.
    void selection(int index, int* start, int* end) const override {
        const QTextCursor c = box()->textCursor();
        const bool has = index == 0 && c.hasSelection();
        *start = has ? c.selectionStart() : 0;
        *end = has ? c.selectionEnd() : 0;
    }
    int selectionCount() const override { return box()->textCursor().hasSelection() ? 1 : 0; }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int index) override {
        if (index != 0)
            return;
        QTextCursor c = box()->textCursor();
        c.clearSelection();
        box()->setTextCursor(c);
    }
    void setSelection(int index, int start, int end) override {
        if (index == 0)
            box()->setTextCursor(range(start, end));
    }
    int cursorPosition() const override { return box()->textCursor().position(); }
    void setCursorPosition(int position) override {
        box()->setTextCursor(range(position, position));
    }

    QString text(int start, int end) const override {
        return box()->toPlainText().mid(start, end - start);
    }
    int characterCount() const override { return box()->document()->characterCount() - 1; }

    // Lines are the lines the box shows, wrapped ones included; paragraphs
    // end at line breaks. Other units are left to Qt.
    QString textAtOffset(int offset, QAccessible::TextBoundaryType type, int* start,
                         int* end) const override {
        return isLineOrParagraph(type)
                   ? unitText(offset, type, 0, start, end)
                   : QAccessibleTextInterface::textAtOffset(offset, type, start, end);
    }
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType type, int* start,
                             int* end) const override {
        return isLineOrParagraph(type)
                   ? unitText(offset, type, -1, start, end)
                   : QAccessibleTextInterface::textBeforeOffset(offset, type, start, end);
    }
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType type, int* start,
                            int* end) const override {
        return isLineOrParagraph(type)
                   ? unitText(offset, type, 1, start, end)
                   : QAccessibleTextInterface::textAfterOffset(offset, type, start, end);
    }

    // Screen coordinates.
    QRect characterRect(int offset) const override {
        QTextCursor c = range(offset, offset);
        QRect rect = box()->cursorRect(c);
        if (c.movePosition(QTextCursor::NextCharacter)) {
            const QRect next = box()->cursorRect(c);
            if (next.top() == rect.top() && next.left() > rect.left())
                rect.setRight(next.left() - 1);
        }
        return {box()->viewport()->mapToGlobal(rect.topLeft()), rect.size()};
    }
    int offsetAtPoint(const QPoint& point) const override {
        const QPoint local = box()->viewport()->mapFromGlobal(point);
        return box()->viewport()->rect().contains(local)
                   ? box()->cursorForPosition(local).position()
                   : -1;
    }
    // The box never scrolls: all of its text stays where it is drawn.
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* start, int* end) const override {
        *start = 0;
        *end = characterCount();
        return {};
    }

    void deleteText(int start, int end) override { replaceText(start, end, {}); }
    void insertText(int offset, const QString& text) override { replaceText(offset, offset, text); }
    void replaceText(int start, int end, const QString& text) override {
        if (box()->isReadOnly())
            return;
        // Through a cursor, as typing does: undoable, in the box's line pitch.
        QTextCursor c = range(start, end);
        c.insertText(text);
        box()->setTextCursor(c);
    }

private:
    MultiLineBox* box() const { return static_cast<MultiLineBox*>(widget()); }

    static bool isLineOrParagraph(QAccessible::TextBoundaryType type) {
        return type == QAccessible::LineBoundary || type == QAccessible::ParagraphBoundary;
    }
    // -1 stands for the end of the text, -2 for the insertion point.
    int resolve(int offset) const {
        return offset == -1 ? characterCount() : offset == -2 ? cursorPosition() : offset;
    }
    QTextCursor range(int anchor, int position) const {
        const int count = characterCount();
        QTextCursor c(box()->document());
        c.setPosition(std::clamp(anchor, 0, count));
        c.setPosition(std::clamp(position, 0, count), QTextCursor::KeepAnchor);
        return c;
    }
    // The line or paragraph at `offset` (step 0), or the one before (-1) or
    // after (1) it; empty at either end of the text, -1 for an offset outside it.
    QString unitText(int offset, QAccessible::TextBoundaryType type, int step, int* start,
                     int* end) const {
        const int count = characterCount();
        const int at = resolve(offset);
        if (at < 0 || at > count) {
            *start = *end = -1;
            return {};
        }
        std::pair<int, int> unit = unitAt(at, type);
        if (step < 0)
            unit = unit.first > 0 ? unitAt(unit.first - 1, type) : std::pair{0, 0};
        else if (step > 0)
            unit = unit.second < count ? unitAt(unit.second, type) : std::pair{count, count};
        std::tie(*start, *end) = unit;
        return text(*start, *end);
    }
    // The line or paragraph holding `offset`, with its line break.
    std::pair<int, int> unitAt(int offset, QAccessible::TextBoundaryType type) const {
        const int count = characterCount();
        const QTextBlock block = box()->document()->findBlock(std::clamp(offset, 0, count));
        const int blockEnd = std::min(block.position() + block.length(), count);
        const QTextLayout* layout = block.layout();
        if (type == QAccessible::ParagraphBoundary || layout == nullptr || layout->lineCount() == 0)
            return {block.position(), blockEnd};
        const QTextLine line = layout->lineForTextPosition(offset - block.position());
        if (!line.isValid())
            return {block.position(), blockEnd};
        const int start = block.position() + line.textStart();
        const bool lastLine = line.lineNumber() == layout->lineCount() - 1;
        return {start, lastLine ? blockEnd : start + line.textLength()};
    }
};

QAccessibleInterface* createInterface(const QString&, QObject* object) {
    if (auto* surface = qobject_cast<Surface*>(object))
        return new SurfaceInterface(surface);
    if (auto* link = qobject_cast<LinkLabel*>(object))
        return new LinkInterface(link);
    if (auto* box = qobject_cast<MultiLineBox*>(object))
        return new MultiLineBoxInterface(box);
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
