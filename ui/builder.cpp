// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "builder.h"

#include "accessible.h"
#include "bitmap.h"
#include "controls.h"
#include "surface.h"

#include <QCursor>
#include <QFile>
#include <QImage>
#include <QPixmap>

#include <algorithm>
#include <utility>
#include <vector>

namespace discone::ui {
namespace {

QRect pixelRect(const ControlRow& c) {
    return {twipsToPixels(c.left), twipsToPixels(c.top), twipsToPixels(c.width),
            twipsToPixels(c.height)};
}

// A Windows cursor file: the image through Qt's icon reader, the hot spot
// from the file's directory entry (bytes 10 to 13, little-endian).
bool loadCursor(const char* resource, QCursor& cursor) {
    QFile file{QString::fromLatin1(resource)};
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray data = file.readAll();
    if (data.size() < 22 || data[2] != 2)
        return false;
    const QImage image = QImage::fromData(data, "ICO");
    if (image.isNull())
        return false;
    auto u16 = [&](int at) {
        return static_cast<unsigned char>(data[at]) |
               (static_cast<unsigned char>(data[at + 1]) << 8);
    };
    cursor = QCursor(QPixmap::fromImage(image), u16(10), u16(12));
    return true;
}

// Sets a colour role for every colour group, leaving the palette's own
// colour where the table says default.
void setRole(QPalette& palette, QPalette::ColorRole role, QRgb colour) {
    if (colour != kDefaultColour)
        palette.setColor(role, QColor::fromRgb(colour));
}

QWidget* makeTextBox(const ControlRow& c, QWidget* parent) {
    const bool border = c.border == Border::Standard;
    QPalette palette = parent->palette();
    const QPalette classic = classicPalette();
    palette.setColor(QPalette::Base, classic.color(QPalette::Base));
    palette.setColor(QPalette::Text, classic.color(QPalette::Text));
    setRole(palette, QPalette::Base, c.background);
    setRole(palette, QPalette::Window, c.background);
    setRole(palette, QPalette::Text, c.textColour);
    const QString text = QString::fromUtf8(c.text);
    if (c.lines == Lines::Multi) {
        auto* box = new MultiLineBox(border, parent);
        box->setPalette(palette);
        box->setFont(classicFont(c.font));
        box->setBoxText(text);
        return box;
    }
    auto* box = new TextBox(border, parent);
    box->setPalette(palette);
    box->setFont(classicFont(c.font));
    box->setBoxText(text);
    return box;
}

QWidget* makeControl(const ControlRow& c, QWidget* parent) {
    switch (c.kind) {
    case Kind::Button: {
        auto* button = new CaptionButton(QString::fromUtf8(c.text), parent);
        QPalette palette = parent->palette();
        setRole(palette, QPalette::Button, c.background);
        setRole(palette, QPalette::ButtonText, c.textColour);
        button->setPalette(palette);
        button->setFont(classicFont(c.font));
        return button;
    }
    case Kind::TextBox:
        return makeTextBox(c, parent);
    case Kind::PictureBox: {
        auto* box = new Surface(parent);
        box->setAccessibleRole(QAccessible::Graphic);
        box->setBackground(QColor::fromRgb(c.background));
        if (c.picture != nullptr)
            box->setBitmap(loadBitmap(QLatin1String(c.picture)));
        return box;
    }
    case Kind::Label:
    case Kind::Link: {
        const QString caption = QString::fromUtf8(c.text);
        auto* label =
            c.kind == Kind::Link ? new LinkLabel(caption, parent) : new ClickLabel(caption, parent);
        QPalette palette = parent->palette();
        setRole(palette, QPalette::Window, c.background);
        setRole(palette, QPalette::WindowText, c.textColour);
        label->setPalette(palette);
        label->setFont(classicFont(c.font));
        return label;
    }
    }
    return nullptr;
}

} // namespace

void buildWindow(Surface* window, const WindowTable& table) {
    installAccessibleInterfaces();
    window->setAccessibleRole(table.role);
    window->setObjectName(QLatin1String(table.name));
    window->setWindowTitle(QString::fromUtf8(table.title));
    window->setAttribute(Qt::WA_DeleteOnClose);
    // Set on the window, the light palette reaches every control, whatever
    // palette the desktop gives the application.
    window->setPalette(classicPalette());
    window->setBackground(table.background == kDefaultColour
                              ? classicPalette().color(QPalette::Window)
                              : QColor::fromRgb(table.background));
    window->setFont(classicFont({}));
    window->resize(twipsToPixels(table.width), twipsToPixels(table.height));

    std::vector<std::pair<int, QWidget*>> tabStops;
    for (const ContainerTable& container : table.containers) {
        QWidget* parent =
            container.name == nullptr ? window : findControl<Surface>(window, container.name);
        for (const LineRow& l : container.lines) {
            auto* line = new LineShape(QLine(twipsToPixels(l.x1), twipsToPixels(l.y1),
                                             twipsToPixels(l.x2), twipsToPixels(l.y2)),
                                       parent);
            line->setObjectName(QLatin1String(l.name));
        }
        // Back to front: a widget created later lies in front of its siblings.
        for (auto it = container.controls.rbegin(); it != container.controls.rend(); ++it) {
            const ControlRow& c = *it;
            QWidget* control = makeControl(c, parent);
            control->setObjectName(QLatin1String(c.name));
            control->setGeometry(pixelRect(c));
            if (c.accessibleName != nullptr)
                control->setAccessibleName(QString::fromUtf8(c.accessibleName));
            if (QCursor cursor; c.cursor != nullptr && loadCursor(c.cursor, cursor))
                control->setCursor(cursor);
            if (c.kind == Kind::PictureBox) {
                // A classic picture box is a Tab stop too; with the lowest tab
                // index it takes the focus when its window opens, so no caret
                // blinks in a caption box.
                control->setFocusPolicy(Qt::StrongFocus);
            }
            if (control->focusPolicy() != Qt::NoFocus)
                tabStops.emplace_back(c.tabIndex, control);
        }
    }
    std::sort(tabStops.begin(), tabStops.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    for (size_t i = 1; i < tabStops.size(); ++i)
        QWidget::setTabOrder(tabStops[i - 1].second, tabStops[i].second);
}

} // namespace discone::ui
