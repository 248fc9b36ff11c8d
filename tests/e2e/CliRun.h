// SPDX-License-Identifier: GPL-3.0-or-later
// qbh52-cli as a child process of an end-to-end test, with its data folder (and so its backups) in a folder
// of the test's own.
#pragma once

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QString>
#include <QStringList>

#include "core/files/DataFile.h"
#include "core/files/StartUp.h"
#include "core/model/Derivations.h"
#include "core/model/ModelCatalogue.h"

struct TCliResult {
    int ExitCode = -1;
    QString Out;
    QString Errors;
};

inline TCliResult RunCliIn(const QString& dataHome, const QStringList& arguments)
{
    constexpr int kCliTimeoutMs = 100000;
    QProcess cli;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_DATA_HOME"), dataHome);
    cli.setProcessEnvironment(environment);
    cli.start(QStringLiteral(QBH52_BIN_DIR) + QStringLiteral("/qbh52-cli"), arguments);
    TCliResult run;
    if (!cli.waitForFinished(kCliTimeoutMs)) {
        cli.kill();
        cli.waitForFinished();
        return run;
    }
    run.ExitCode = cli.exitStatus() == QProcess::NormalExit ? cli.exitCode() : -1;
    run.Out = QString::fromUtf8(cli.readAllStandardOutput());
    run.Errors = QString::fromUtf8(cli.readAllStandardError());
    return run;
}

inline QByteArray FileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The backups a command left, oldest first.
inline QStringList BackupsIn(const QString& dataHome)
{
    QDir folder(dataHome + QStringLiteral("/qbh52/backups"));
    QStringList names = folder.entryList(QDir::Files, QDir::Name);
    for (QString& name : names)
        name = folder.filePath(name);
    return names;
}

// The state the command line works on: the program's start-up with a new data set.
inline void FreshCliState(TAppState& all, TModelCatalogue& list)
{
    InitState(all, list, QDir::tempPath().toStdString() + "/");
    PrepareFirstImage(all, list);
    NewDataSet(all, list);
}
