#include "savefile.h"

#include "base/crashguard.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <algorithm>

namespace {

// A save killed after its new file got a name of its own and before that
// file replaced the old one leaves it beside the save, named as the save
// with a dot and six letters or digits; the next save of that name clears it.
void RemoveLeftovers(const QFileInfo& save) {
    QDir folder = save.absoluteDir();
    const QString prefix = save.fileName() + u'.';
    for (const QString& name : folder.entryList({prefix + QStringLiteral("??????")}, QDir::Files)) {
        const QStringView tail = QStringView(name).mid(prefix.size());
        if (std::ranges::all_of(tail,
                                [](QChar c) { return c.isLetterOrNumber() && c.unicode() < 128; }))
            folder.remove(name);
    }
}

} // namespace

void WriteSaveFile(const QString& path, const TSavedGame& game,
                   const std::function<void()>& beforeCommit) {
    const auto fail = [&path](const QString& reason) {
        throw TGameError(
            QCoreApplication::translate("SaveFile", "Не удалось сохранить игру в файл %1: %2.")
                .arg(QDir::toNativeSeparators(path), reason));
    };
    const QFileInfo info(path);
    if (!QDir().mkpath(info.absolutePath()))
        fail(QCoreApplication::translate("SaveFile", "не удалось создать папку %1")
                 .arg(info.absolutePath()));
    if (info.isDir())
        fail(QCoreApplication::translate("SaveFile", "это папка, а не файл"));
    QByteArray bytes;
    try {
        bytes = EncodeSave(game);
    } catch (const TGameError& error) {
        fail(error.Text());
    }
    RemoveLeftovers(info);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        fail(QCoreApplication::translate("SaveFile", "файл не открывается для записи (%1)")
                 .arg(file.errorString()));
    // The write goes through a buffer: a full disk shows only when it is
    // flushed, and the file must not be committed then.
    if (file.write(bytes) != bytes.size() || !file.flush())
        fail(QCoreApplication::translate("SaveFile", "запись не удалась (%1)")
                 .arg(file.errorString()));
    try {
        if (beforeCommit)
            beforeCommit();
    } catch (const std::exception& e) {
        fail(QString::fromStdString(e.what()));
    }
    if (!file.commit())
        fail(QCoreApplication::translate("SaveFile", "запись не удалась (%1)")
                 .arg(file.errorString()));
}

TGameError LoadFailure(const QString& path, const QString& reason) {
    return TGameError(
        QCoreApplication::translate("SaveFile", "Не удалось загрузить игру из файла %1: %2.")
            .arg(QDir::toNativeSeparators(path), reason));
}

TSavedGame ReadSaveFile(const QString& path, const TBaseTypeList& catalogue,
                        const TEventTypeList& events) {
    const auto fail = [&path](const QString& reason) { throw LoadFailure(path, reason); };
    const QFileInfo info(path);
    if (!info.exists()) {
        // A file in a folder the player may not open looks as if it were not
        // there: say which it is.
        const QFileInfo folder(info.absolutePath());
        if (folder.isDir() && !(folder.isReadable() && folder.isExecutable()))
            fail(QCoreApplication::translate("SaveFile", "нет доступа к папке %1")
                     .arg(QDir::toNativeSeparators(folder.absoluteFilePath())));
        fail(QCoreApplication::translate("SaveFile", "файла нет"));
    }
    if (info.isDir())
        fail(QCoreApplication::translate("SaveFile", "это папка, а не файл"));
    // No saved game comes near this size; a larger file is not read into memory.
    if (info.size() > static_cast<qint64>(SaveFormat::MaxContentSize))
        fail(QCoreApplication::translate("SaveFile", "это не сохранённая игра"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        fail(QCoreApplication::translate("SaveFile", "файл не читается (%1)")
                 .arg(file.errorString()));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        fail(QCoreApplication::translate("SaveFile", "файл не читается (%1)")
                 .arg(file.errorString()));
    try {
        return DecodeSave(bytes, catalogue, events);
    } catch (const TGameError& error) {
        fail(error.Text());
    }
    return {};
}

void KeepForCrash(const TSavedGame& game) {
    // Enough of the journal to tell what the player last saw.
    constexpr size_t JournalLines = 20;
    QByteArray journal;
    const size_t first =
        game.Journal.size() > JournalLines ? game.Journal.size() - JournalLines : 0;
    for (size_t index = first; index < game.Journal.size(); ++index) {
        const TJournalEntry& entry = game.Journal[index];
        journal +=
            (DateText(entry.Date) + QStringLiteral(": ") + QString(entry.Text).replace(u'\n', u' '))
                .toUtf8();
        journal += '\n';
    }
    CrashGuard::Prepare(EncodeSave(game, TPacking::Stored), std::move(journal));
}

QString SaveFolder() {
    QString chosen = qEnvironmentVariable("TARVENIA_SAVE_DIR");
    if (!chosen.isEmpty())
        return chosen;
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
        .filePath(QStringLiteral("tarvenia"));
}
