// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The application object the pictures are drawn with: the program's own
// when it can draw, a passing one of the library's when there is none, and
// nothing left behind by it in the temporary folder.
#include "drawingapp.h"
#include "picturefile.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <optional>

using namespace discone::plot;

namespace {

SwrChart smallChart() {
    return SwrChart{QStringLiteral("Discone for 146 MHz"), 146, {{146, 3}, {1460, 1.2}}, {}, {}};
}

QStringList everything(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                  QDir::NoDotAndDotDot);
}

// An environment variable set to `value`, or unset for nullopt, until the
// end of the scope.
class Setting {
public:
    Setting(const char* name, std::optional<QByteArray> value) : name_(name) {
        if (qEnvironmentVariableIsSet(name))
            previous_ = qgetenv(name);
        value ? qputenv(name, *value) : qunsetenv(name);
    }
    ~Setting() { previous_ ? qputenv(name_, *previous_) : qunsetenv(name_); }
    Setting(const Setting&) = delete;
    Setting& operator=(const Setting&) = delete;

private:
    const char* name_;
    std::optional<QByteArray> previous_;
};

} // namespace

class DrawingApp : public QObject {
    Q_OBJECT
private slots:
    // Without XDG_RUNTIME_DIR, Qt would make a runtime folder in TMPDIR at
    // start; the pictures leave TMPDIR as empty as they found it, and the
    // variable unset.
    void leavesNothingInTheTemporaryFolder_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("svg") << "swr.svg";
        QTest::newRow("png") << "swr.png";
    }
    void leavesNothingInTheTemporaryFolder() {
        QFETCH(QString, name);
        QTemporaryDir temporary, pictures;
        {
            const Setting tmp("TMPDIR", QFile::encodeName(temporary.path()));
            const Setting runtime("XDG_RUNTIME_DIR", std::nullopt);
            writeSwrChart(smallChart(), pictures.filePath(name).toStdString());
            writePatternChart(PatternChart{"", {{146, {{-90, -20}, {0, 2}, {90, -20}}}}},
                              pictures.filePath("pattern-" + name).toStdString());
            QVERIFY(!qEnvironmentVariableIsSet("XDG_RUNTIME_DIR"));
        }
        QCOMPARE(everything(temporary.path()), QStringList());
        QCOMPARE(everything(pictures.path()).size(), 2);
    }

    // The program's own QGuiApplication draws and stays; a plain
    // QCoreApplication cannot draw, which is one line and no file.
    void usesTheProgramsApplication_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("written");
        QTest::newRow("none") << "none" << true;
        QTest::newRow("gui") << "gui" << true;
        QTest::newRow("core") << "core" << false;
    }
    void usesTheProgramsApplication() {
        QFETCH(QString, kind);
        QFETCH(bool, written);
        int argc = 1;
        char name[] = "tst_drawingapp";
        char* argv[] = {name, nullptr};
        std::optional<DrawingApplication> gui;
        std::unique_ptr<QCoreApplication> core;
        if (kind == "gui")
            gui.emplace();
        else if (kind == "core")
            core = std::make_unique<QCoreApplication>(argc, argv);
        QCoreApplication* const before = QCoreApplication::instance();
        QTemporaryDir dir;
        const std::string path = dir.filePath("swr.png").toStdString();
        try {
            writeSwrChart(smallChart(), path);
            QVERIFY(written);
        } catch (const PlotError& e) {
            QVERIFY2(!written, e.what());
            QVERIFY2(!QString(e.what()).contains('\n'), e.what());
        }
        QCOMPARE(QCoreApplication::instance(), before);
        QCOMPARE(everything(dir.path()).size(), written ? 1 : 0);
    }
};

QTEST_APPLESS_MAIN(DrawingApp)
#include "tst_drawingapp.moc"
