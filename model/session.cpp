#include "session.h"

#include "base/crashguard.h"
#include "base/gameerror.h"
#include "colony.h"
#include "goals.h"
#include "savefile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

// Filled with the file's name.
const char* const Saved = QT_TRANSLATE_NOOP("Session", "Игра сохранена в файл «%1»");
// Filled with the file's name and the date of the colony in it.
const char* const ReplaceColony =
    QT_TRANSLATE_NOOP("Session", "В файле «%1» сохранена другая колония (%2). Заменить её?");
const char* const ReplaceFile =
    QT_TRANSLATE_NOOP("Session", "Файл «%1» не читается как сохранённая игра. Заменить его?");
const char* const AutosaveTaken =
    QT_TRANSLATE_NOOP("Session", "Имя «%1» занято автосохранениями: выберите другое.");
const char* const CrashSaveTaken =
    QT_TRANSLATE_NOOP("Session", "Имя «%1» занято сохранением при сбое: выберите другое.");

constexpr int AutosaveFiles = 3;

// The text that refuses the player's save under a name the game writes
// itself; none when the name is free.
const char* TakenName(const QString& path) {
    if (TSession::IsAutosave(path))
        return AutosaveTaken;
    if (TSession::IsCrashSave(path))
        return CrashSaveTaken;
    return nullptr;
}

QString AutosaveFile(int turn) {
    return QStringLiteral("Autosave%1.dat").arg(turn + 1);
}

} // namespace

TSession::TSession(const TColony& colony, std::function<TSavedGame()> snapshot,
                   std::function<QString()> landTitle, TSessionDialogs& dialogs, QString folder)
    : colony_(colony), snapshot_(std::move(snapshot)), landTitle_(std::move(landTitle)),
      dialogs_(dialogs), folder_(std::move(folder)) {
    Began();
}

void TSession::Began() {
    current_.clear();
    savedRevision_ = colony_.Revision();
}

void TSession::Loaded(const QString& path) {
    current_ = TakenName(path) ? QString() : path;
    savedRevision_ = colony_.Revision();
}

bool TSession::Changed() const {
    return colony_.Revision() != savedRevision_;
}

bool TSession::Save() {
    return current_.isEmpty() ? SaveAs() : SaveTo(current_);
}

bool TSession::SaveAs() {
    QDir().mkpath(folder_);
    const QString path = dialogs_.ChooseSaveFile(folder_, ProposedName());
    if (path.isEmpty())
        return false;
    if (const char* taken = TakenName(path)) {
        dialogs_.ShowError(
            QCoreApplication::translate("Session", taken).arg(QFileInfo(path).fileName()));
        return false;
    }
    return SaveTo(path);
}

bool TSession::SaveTo(const QString& path) {
    if (!MayReplace(path))
        return false;
    try {
        WriteSaveFile(path, snapshot_());
    } catch (const TGameError& error) {
        dialogs_.ShowError(error.Text());
        return false;
    }
    current_ = path;
    savedRevision_ = colony_.Revision();
    dialogs_.ShowStatus(
        QCoreApplication::translate("Session", Saved).arg(QFileInfo(path).fileName()));
    return true;
}

bool TSession::MayReplace(const QString& path) {
    const QFileInfo info(path);
    // A folder is refused by the writing itself, with its reason.
    if (!info.exists() || info.isDir())
        return true;
    const std::optional<TSavedGame> there = Peek(path);
    if (there && there->Identity == colony_.Identity())
        return true;
    return dialogs_.Confirm(
        there ? QCoreApplication::translate("Session", ReplaceColony)
                    .arg(info.fileName(), DateText(there->Colony.Date))
              : QCoreApplication::translate("Session", ReplaceFile).arg(info.fileName()));
}

std::optional<TSavedGame> TSession::Peek(const QString& path) const {
    try {
        return ReadSaveFile(path, colony_.Catalogue(), colony_.Events());
    } catch (const TGameError&) {
        return std::nullopt;
    }
}

QString TSession::SaveDate(const QString& path) const {
    const std::optional<TSavedGame> game = Peek(path);
    return game ? DateText(game->Colony.Date)
                : QCoreApplication::translate("Session", "не читается");
}

QString TSession::LatestPlayable(const QString& folder) const {
    // Reading a save costs a little, so only the newest few are looked at.
    constexpr qsizetype Looked = 12;
    const QFileInfoList saves =
        QDir(folder).entryInfoList({QStringLiteral("*.dat")}, QDir::Files, QDir::Time);
    for (const QFileInfo& save : saves.mid(0, Looked)) {
        // The crash save is offered at the start on its own, once.
        if (IsCrashSave(save.fileName()))
            continue;
        const std::optional<TSavedGame> game = Peek(save.absoluteFilePath());
        if (!game)
            continue;
        if (game->Scenario.Scenario) {
            TGoalBook book(game->Scenario.Scenario->Goals);
            if (!book.Assign(game->Colony.Goals) || book.State() == TScenarioState::Lost)
                continue;
        }
        return save.absoluteFilePath();
    }
    return QString();
}

bool TSession::KeepGame() {
    if (!Changed() || !Options.AskBeforeDiscard)
        return true;
    switch (dialogs_.AskToKeep()) {
    case TSessionDialogs::TKeep::Save:
        return Save();
    case TSessionDialogs::TKeep::Discard:
        return true;
    case TSessionDialogs::TKeep::Stay:
        break;
    }
    return false;
}

void TSession::Autosave() {
    if (!Options.Autosave)
        return;
    const TSavedGame game = snapshot_();
    try {
        WriteSaveFile(QDir(folder_).filePath(AutosaveName(game.Colony.Date)), game);
    } catch (const TGameError& error) {
        dialogs_.ShowError(error.Text());
    }
}

QString TSession::ProposedName() const {
    const QString stem = landTitle_() + QStringLiteral(", ") + DateText(colony_.Game().Date);
    const QDir folder(folder_);
    QString name = stem + QStringLiteral(".dat");
    for (int copy = 2; folder.exists(name); ++copy)
        name = QStringLiteral("%1 (%2).dat").arg(stem).arg(copy);
    return name;
}

QString TSession::AutosaveName(const TGameDate& date) {
    return AutosaveFile((date.Year * 12 + date.Month - 1) % AutosaveFiles);
}

bool TSession::IsCrashSave(const QString& path) {
    return QFileInfo(path).fileName().compare(QLatin1String(CrashGuard::SaveName),
                                              Qt::CaseInsensitive) == 0;
}

bool TSession::IsAutosave(const QString& path) {
    const QString name = QFileInfo(path).fileName();
    if (name.compare(QStringLiteral("Autosave.dat"), Qt::CaseInsensitive) == 0)
        return true;
    for (int file = 0; file < AutosaveFiles; ++file)
        if (name.compare(AutosaveFile(file), Qt::CaseInsensitive) == 0)
            return true;
    return false;
}
