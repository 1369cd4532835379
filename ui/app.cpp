// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app.h"

#include "icon_sizes.h"
#include "look.h"
#include "platform.h"

#include <QIcon>
#include <QIconEngine>
#include <QImageReader>
#include <QPainter>
#include <QPixmap>
#include <QStyleFactory>

#include <cstdio>
#include <cstdlib>
#include <map>

namespace discone::ui {
namespace {

// The program icon from its PNG files, each read only when a size of it is
// first asked for: a desktop that shows no window icons never decodes one.
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
            // file.
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

// While the application object is made, Qt's messages are held back: if no
// platform can be opened, Qt ends the process with a fatal message after a
// screenful of plugin diagnostics, and the user gets one line instead.
std::string startingPlatforms;
std::vector<std::pair<QtMsgType, QString>> heldMessages;
QtMessageHandler previousHandler = nullptr;

void holdWhileStarting(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type != QtFatalMsg) {
        heldMessages.emplace_back(type, text);
        return;
    }
    (void)context;
    std::fprintf(stderr,
                 "discone: no window can be opened: no display could be reached with the "
                 "platform %s; run 'discone --help' for the command line\n",
                 startingPlatforms.c_str());
    std::fflush(stderr);
    std::_Exit(1);
}

void stopHolding() {
    qInstallMessageHandler(previousHandler);
    for (const auto& [type, text] : heldMessages) {
        if (type == QtDebugMsg)
            continue;
        std::fprintf(stderr, "%s\n", qPrintable(text));
    }
    heldMessages.clear();
}

void prepareApplication() {
    QCoreApplication::setApplicationName(QStringLiteral("discone"));
    QCoreApplication::setApplicationVersion(QStringLiteral(DISCONE_VERSION));
    // By the desktop entry's name a compositor matches the windows to the
    // menu entry and its icon, whatever the executable is called.
    QGuiApplication::setDesktopFileName(QStringLiteral("discone"));
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

} // namespace

ArgumentVector::ArgumentVector(int argc, char** argv, const char* platform) {
    std::vector<std::string> given(argv, argv + argc);
    if (platform != nullptr) {
        given.emplace_back("-platform");
        given.emplace_back(platform);
        strings_ = std::move(given);
    } else {
        strings_ = argumentsWithPlatform(given);
    }
    startingPlatforms = chosenPlatform(strings_);
    for (std::string& s : strings_)
        pointers_.push_back(s.data());
    pointers_.push_back(nullptr);
    count_ = static_cast<int>(strings_.size());
    previousHandler = qInstallMessageHandler(holdWhileStarting);
}

Application::Application(int argc, char** argv, const char* platform)
    : ArgumentVector(argc, argv, platform), QApplication(count_, pointers_.data()) {
    stopHolding();
    prepareApplication();
}

QStringList Application::leftoverArguments() const {
    return QCoreApplication::arguments().mid(1);
}

} // namespace discone::ui
