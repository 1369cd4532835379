// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The windowing platform the program asks Qt for, and the name by which the
// desktop matches its windows to the menu entry.
#include "platform.h"
#include "uitest.h"

#include <string>
#include <vector>

using Arguments = std::vector<std::string>;
Q_DECLARE_METATYPE(Arguments)

class PlatformTest : public QObject {
    Q_OBJECT

private slots:
    void platformChoice_data() {
        QTest::addColumn<QByteArray>("userPlatform"); // "<unset>": not in the environment
        QTest::addColumn<Arguments>("given");
        QTest::addColumn<Arguments>("expected");
        const Arguments plain{"discone"};
        const Arguments preferred{"discone", "-platform", "xcb;wayland"};
        QTest::newRow("unset") << QByteArray("<unset>") << plain << preferred;
        QTest::newRow("empty") << QByteArray("") << plain << preferred;
        QTest::newRow("wayland_kept") << QByteArray("wayland") << plain << plain;
        QTest::newRow("offscreen_kept") << QByteArray("offscreen") << plain << plain;
        const Arguments option{"discone", "-platform", "offscreen"};
        QTest::newRow("option_kept") << QByteArray("<unset>") << option << option;
        const Arguments dashes{"discone", "--platform", "vnc"};
        QTest::newRow("two_dashes_kept") << QByteArray("<unset>") << dashes << dashes;
        const Arguments display{"discone", "-display", ":1"};
        QTest::newRow("display_only")
            << QByteArray("<unset>") << display
            << Arguments{"discone", "-display", ":1", "-platform", "xcb;wayland"};
    }
    void platformChoice() {
        QFETCH(QByteArray, userPlatform);
        QFETCH(Arguments, given);
        QFETCH(Arguments, expected);
        const QByteArray saved = qgetenv("QT_QPA_PLATFORM");
        if (userPlatform == "<unset>")
            qunsetenv("QT_QPA_PLATFORM");
        else
            qputenv("QT_QPA_PLATFORM", userPlatform);
        const Arguments got = discone::ui::argumentsWithPlatform(given);
        qputenv("QT_QPA_PLATFORM", saved);
        QCOMPARE(got, expected);
    }

    void desktopIdentity() {
        QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral("discone"));
        QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("discone"));
        QCOMPARE(QCoreApplication::applicationVersion(), QStringLiteral(DISCONE_TEST_VERSION));
    }
};

DISCONE_UI_TEST_MAIN(PlatformTest)
#include "tst_platform.moc"
