// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawingapp.h"

#include "ploterror.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <optional>

namespace discone::plot {

namespace {

// Qt's start-up notes on a command line (a locale that is not UTF-8, say)
// are not the program's to print: its standard error carries only its own
// lines. Fatal messages still reach Qt's handler.
class QuietQt {
public:
    QuietQt() { previous() = qInstallMessageHandler(&QuietQt::handle); }
    ~QuietQt() { qInstallMessageHandler(previous()); }
    QuietQt(const QuietQt&) = delete;
    QuietQt& operator=(const QuietQt&) = delete;

private:
    static void handle(QtMsgType type, const QMessageLogContext& context, const QString& text) {
        if (type == QtFatalMsg && previous() != nullptr)
            previous()(type, context, text);
    }
    static QtMessageHandler& previous() {
        static QtMessageHandler handler = nullptr;
        return handler;
    }
};

// Every QGuiApplication asks for the user's runtime folder at start: it looks
// there for a Flatpak's flatpak-info. Without XDG_RUNTIME_DIR, Qt makes
// $TMPDIR/runtime-$USER and leaves it there; with one that does not exist, it
// makes that one. The drawing needs no runtime folder, so while the drawing
// application lives XDG_RUNTIME_DIR names a private empty folder, removed
// afterwards, and the variable is then set back as it was.
class StandInRuntimeFolder {
public:
    StandInRuntimeFolder() : folder_(QDir::tempPath() + QStringLiteral("/discone-runtime-XXXXXX")) {
        if (!folder_.isValid())
            return;
        if (qEnvironmentVariableIsSet(kName))
            previous_ = qgetenv(kName);
        qputenv(kName, QFile::encodeName(folder_.path()));
    }
    ~StandInRuntimeFolder() {
        if (!folder_.isValid())
            return;
        if (previous_)
            qputenv(kName, *previous_);
        else
            qunsetenv(kName);
    }
    StandInRuntimeFolder(const StandInRuntimeFolder&) = delete;
    StandInRuntimeFolder& operator=(const StandInRuntimeFolder&) = delete;

private:
    static constexpr const char* kName = "XDG_RUNTIME_DIR";
    QTemporaryDir folder_; // 0700, as Qt wants a runtime folder
    std::optional<QByteArray> previous_;
};

} // namespace

// Destroyed in reverse: the application first, then the folder and the
// message handler it needed.
struct DrawingApplication::Own {
    QuietQt quiet;
    StandInRuntimeFolder runtime;
    // The application keeps these for its lifetime.
    int argc = 3;
    char name[8] = "discone", option[10] = "-platform", platform[10] = "offscreen";
    char* argv[4] = {name, option, platform, nullptr};
    QGuiApplication application{argc, argv};
};

DrawingApplication::DrawingApplication() {
    if (QCoreApplication* existing = QCoreApplication::instance()) {
        if (!qobject_cast<QGuiApplication*>(existing))
            throw PlotError("drawing a chart needs a QGuiApplication, and the program has a "
                            "plain QCoreApplication");
        return;
    }
    own_ = std::make_unique<Own>();
}

DrawingApplication::~DrawingApplication() = default;

} // namespace discone::plot
