// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Running the program itself for the command-line tests, with no display at
// all: DISPLAY, WAYLAND_DISPLAY and QT_QPA_PLATFORM are unset for every run,
// so a program that opened anything of the windows' would fail.
#pragma once

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace discone::test {

struct Run {
    int status = -1;
    QString out;
    QString err;
};

// A stand-in nec2c, written into `folder` (which then goes first on PATH);
// "missing" for no nec2c at all.
inline void writeStandIn(const QString& folder, const QString& script) {
    if (script == QLatin1String("missing"))
        return;
    QFile file(folder + "/nec2c");
    file.open(QIODevice::WriteOnly);
    file.write(("#!/bin/sh\n" + script + "\n").toUtf8());
    file.close();
    file.setPermissions(QFile::ReadOwner | QFile::ExeOwner);
}

// The environment of a run: the caller's without any display or locale
// variables, then `settings` ("NAME=value"; "NAME=" sets it empty, "-NAME"
// removes it).
inline QProcessEnvironment environment(const QStringList& settings) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "LC_ALL",
                             "LC_NUMERIC", "LANG", "LANGUAGE"})
        env.remove(QString::fromLatin1(name));
    // Qt warns on every start without a private runtime folder.
    static const QTemporaryDir runtime;
    env.insert("XDG_RUNTIME_DIR", runtime.path());
    for (const QString& setting : settings) {
        if (setting.startsWith('-'))
            env.remove(setting.mid(1));
        else
            env.insert(setting.section('=', 0, 0), setting.section('=', 1));
    }
    return env;
}

// Runs the program with `settings`, in a C.UTF-8 locale unless they name
// one.
inline Run run(const QStringList& args, const QStringList& settings = {}) {
    QStringList all = settings;
    if (settings.filter(QRegularExpression("^(LC_ALL|LC_NUMERIC|LANG)=")).isEmpty())
        all.prepend("LC_ALL=C.UTF-8");
    QProcess process;
    process.setProcessEnvironment(environment(all));
    process.start(QStringLiteral(DISCONE_PROGRAM), args);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return {};
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

} // namespace discone::test
