#pragma once

// The colony the balance player has made by the first days of 1901, played
// by its script and the simulator beside the benchmark program, as a saved
// game in the folder given.
#include "base/gameerror.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QString>

inline QString BalanceSave1901(const QString& dataFolder, const QString& saveFolder) {
    const QString save = QDir(saveFolder).filePath(QStringLiteral("1901.tsav"));
    QProcess play;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("SIM"),
                       QDir(dataFolder).filePath(QStringLiteral("tarvenia-sim")));
    environment.insert(QStringLiteral("DATA"), dataFolder);
    environment.insert(QStringLiteral("UNTIL"), QStringLiteral("1900"));
    environment.insert(QStringLiteral("SAVE"), save);
    play.setProcessEnvironment(environment);
    play.start(QStringLiteral("bash"), {QStringLiteral(TARVENIA_BALANCE "/play.sh")});
    if (!play.waitForFinished(600000) || play.exitCode() != 0)
        throw TGameError(QStringLiteral("the balance player did not run"));
    return save;
}
