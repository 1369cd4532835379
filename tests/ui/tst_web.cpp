// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The web link: a click on the address, or a screen reader's press action on
// it, starts the desktop's launcher once with the address and "/", nothing
// else starts it, a missing launcher is reported while the program runs on;
// the link pointer over the address.
#include "errorreport.h"
#include "uitest.h"

#include <QAccessible>
#include <QFile>
#include <QTemporaryDir>

#include <vector>

using namespace discone;
using discone::test::child;

class WebTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QByteArray originalPath = qgetenv("PATH");
    QWidget* web = nullptr;
    std::vector<ui::FailureKind> reported;

    QString logFile() const { return dir.filePath("launches.log"); }
    QStringList launches() const {
        QFile log(logFile());
        if (!log.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(log.readAll()).split(u'\n', Qt::SkipEmptyParts);
    }
    void click(const char* name, QPoint at = {5, 5}) {
        QWidget* target = QLatin1String(name) == QLatin1String("web") ? web : child(web, name);
        QTest::mouseClick(target, Qt::LeftButton, {}, at);
    }
    // The link as a mouse or a screen reader opens it.
    void openLink(bool pressAction) {
        if (!pressAction) {
            click("lblWebPage");
            return;
        }
        QAccessibleInterface* link =
            QAccessible::queryAccessibleInterface(child(web, "lblWebPage"));
        QVERIFY(link != nullptr && link->actionInterface() != nullptr);
        link->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    }

private slots:
    // A stand-in launcher early on PATH that logs its arguments.
    void initTestCase() {
        QVERIFY(dir.isValid());
        QFile script(dir.filePath("xdg-open"));
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write("#!/bin/sh\nprintf '%s:%s\\n' \"$#\" \"$1\" >> '" + logFile().toUtf8() +
                     "'\n");
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("PATH", dir.path().toUtf8() + ':' + originalPath);
    }
    void init() {
        QFile::remove(logFile());
        reported.clear();
        ui::setFailureReporter([this](const ui::Failure& f) { reported.push_back(f.kind); });
        web = test::freshWindow(ui::WindowKind::Web);
    }
    void cleanup() {
        qputenv("PATH", dir.path().toUtf8() + ':' + originalPath);
        ui::setFailureReporter(nullptr);
        test::closeAllWindows();
    }

    void eachClickLaunchesOnce_data() {
        QTest::addColumn<bool>("pressAction");
        QTest::addColumn<int>("times");
        QTest::newRow("one") << false << 1;
        QTest::newRow("two") << false << 2;
        QTest::newRow("press action") << true << 1;
        QTest::newRow("press action twice") << true << 2;
    }
    void eachClickLaunchesOnce() {
        QFETCH(bool, pressAction);
        QFETCH(int, times);
        for (int i = 0; i < times; ++i)
            openLink(pressAction);
        const QStringList expected(times, "1:https://www.zorval.example/");
        QTRY_COMPARE(launches(), expected);
        QTest::qWait(300); // no late extra launch
        QCOMPARE(launches(), expected);
        QVERIFY(reported.empty());
        QVERIFY(web->isVisible());
    }

    void otherClicksLaunchNothing() {
        click("Label1");
        click("Label2");
        click("web", {215, 118});
        QTest::mouseClick(child(web, "lblWebPage"), Qt::RightButton, {}, {5, 5});
        QTest::keyClick(web, Qt::Key_Return);
        QTest::keyClick(web, Qt::Key_Space);
        QTest::qWait(300);
        QCOMPARE(launches(), QStringList());
    }

    void missingLauncherIsReported_data() {
        QTest::addColumn<bool>("pressAction");
        QTest::newRow("click") << false;
        QTest::newRow("press action") << true;
    }
    void missingLauncherIsReported() {
        QFETCH(bool, pressAction);
        qputenv("PATH", QFile::encodeName(dir.filePath("empty")));
        openLink(pressAction);
        QCOMPARE(reported, std::vector<ui::FailureKind>{ui::FailureKind::Platform});
        QVERIFY(web->isVisible());
        QCOMPARE(child(web, "lblWebPage")->property("text").toString(),
                 "https://www.zorval.example");
    }

    void linkPointerOverTheAddressOnly() {
        const QCursor link = child(web, "lblWebPage")->cursor();
        QCOMPARE(link.shape(), Qt::BitmapCursor);
        QCOMPARE(link.hotSpot(), QPoint(13, 9));
        QCOMPARE(link.pixmap().size(), QSize(32, 32));
        for (const char* name : {"Label1", "Label2"})
            QCOMPARE(child(web, name)->cursor().shape(), Qt::ArrowCursor);
        QCOMPARE(web->cursor().shape(), Qt::ArrowCursor);
    }
};

DISCONE_UI_TEST_MAIN(WebTest)
#include "tst_web.moc"
