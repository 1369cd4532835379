// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app.h"

#include "icon_sizes.h"
#include "look.h"
#include "registry.h"

#include <QApplication>
#include <QIcon>
#include <QIconEngine>
#include <QImageReader>
#include <QPainter>
#include <QPixmap>
#include <QStyleFactory>

#include <map>

namespace discone::ui {
namespace {

// The program icon from its PNG files, each read only when a size of it is
// first asked for: a desktop that shows no window icons never decodes one.
// QIcon::addFile() with a size decodes the file at once (Qt 6.4): for the
// eight sizes that took 4 ms more to the main window's first frame and 1 MB
// more peak memory, measured offscreen on the development machine.
class ProgramIconEngine : public QIconEngine {
public:
    explicit ProgramIconEngine(std::map<int, QString> files) : files_(std::move(files)) {}

    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override {
        // The smallest picture at least as large as asked, else the largest.
        const int want = std::max(size.width(), size.height());
        auto it = files_.lower_bound(want);
        if (it == files_.end())
            --it;
        QPixmap& cached = pixmaps_[it->first];
        if (cached.isNull()) {
            // Read as PNG outright: left to detect the format, Qt's reader
            // loads every image format plugin to ask whether it reads the
            // file. Under X11, which takes every size of the window icon when
            // the main window is created, that cost the first frame 2 ms
            // and 0.2 MB of peak memory.
            QImageReader reader(it->second, "png");
            reader.setAutoDetectImageFormat(false);
            cached = QPixmap::fromImage(reader.read());
        }
        if (cached.size() == size || cached.isNull())
            return cached;
        return cached.scaled(size, Qt::KeepAspectRatio, Qt::FastTransformation);
    }
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
    }
    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override {
        const int side = std::min(size.width(), size.height());
        return {side, side};
    }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        QList<QSize> sizes;
        for (const auto& [side, file] : files_)
            sizes << QSize(side, side);
        return sizes;
    }
    QIconEngine* clone() const override { return new ProgramIconEngine(files_); }
    QString key() const override { return QStringLiteral("discone"); }

private:
    std::map<int, QString> files_;
    std::map<int, QPixmap> pixmaps_;
};

} // namespace

void prepareApplication() {
    // The classic style: raised buttons with narrow padding, so "CALCULATE
    // CM" fits its 81-px button, and sunken text-box borders.
    if (QStyle* style = QStyleFactory::create(QStringLiteral("Windows")))
        QApplication::setStyle(style);
    loadClassicFonts();

    std::map<int, QString> files;
    for (int size : kIconSizes)
        files.emplace(size, QStringLiteral(":/images/discone-%1.png").arg(size));
    QApplication::setWindowIcon(QIcon(new ProgramIconEngine(std::move(files))));
}

QWidget* startProgram() {
    return showWindow(WindowKind::Form1);
}

} // namespace discone::ui
