#include "base/paths.h"

#include "base/gameerror.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

QString ProgramFolder() {
    return QCoreApplication::applicationDirPath();
}

QStringList DataFolderCandidates(const QString& programFolder) {
    QStringList folders{QDir::cleanPath(programFolder),
                        QDir::cleanPath(programFolder + QStringLiteral("/../share/tarvenia"))};
    for (const QString& folder :
         QStandardPaths::locateAll(QStandardPaths::GenericDataLocation, QStringLiteral("tarvenia"),
                                   QStandardPaths::LocateDirectory))
        folders.append(QDir::cleanPath(folder));
    folders.removeDuplicates();
    return folders;
}

QString DataFolder(const QString& programFolder) {
    const QStringList folders = DataFolderCandidates(programFolder);
    for (const QString& folder : folders)
        if (QFileInfo(QDir(folder).filePath(QStringLiteral("BASES.INI"))).isFile())
            return folder;
    QString text = QCoreApplication::translate(
        "Files", "Не найдены файлы игры: BASES.INI нет ни в одной из папок:");
    for (const QString& folder : folders)
        text += QStringLiteral("\n") + QDir::toNativeSeparators(folder);
    throw TGameError(text);
}

QString LocalPath(const QString& written) {
    QString path = written;
    path.replace(u'\\', u'/');
    return path;
}

QByteArray ReadDataFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw TGameError(QCoreApplication::translate("Files", "Не удалось открыть файл %1: %2.")
                             .arg(QDir::toNativeSeparators(path), file.errorString()));
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw TGameError(QCoreApplication::translate("Files", "Не удалось прочитать файл %1: %2.")
                             .arg(QDir::toNativeSeparators(path), file.errorString()));
    return bytes;
}

QString ProgramVersion() {
    return QStringLiteral(TARVENIA_VERSION);
}
