#include "paths.h"

#include <QCoreApplication>

QString ProgramFolder() {
    return QCoreApplication::applicationDirPath();
}

QString LocalPath(const QString& written) {
    QString path = written;
    path.replace(u'\\', u'/');
    return path;
}

QString ProgramVersion() {
    return QStringLiteral(TARVENIA_VERSION);
}
