#pragma once

#include "gamedate.h"
#include "savecodec.h"

#include <QString>
#include <cstdint>
#include <functional>
#include <optional>

class TColony;

// What the session asks the player and tells them. The window answers with
// its dialogs and its status line; tests answer as a player would.
class TSessionDialogs {
public:
    enum class TKeep { Save, Discard, Stay };

    virtual ~TSessionDialogs() = default;
    // "Сохранить текущую игру?": save it, throw it away, or stay in it.
    virtual TKeep AskToKeep() = 0;
    // The file to save to, chosen in the folder with the proposed name
    // filled in; empty when the player cancelled.
    virtual QString ChooseSaveFile(const QString& folder, const QString& proposedName) = 0;
    // A question answered "Да" (true) or "Нет".
    virtual bool Confirm(const QString& question) = 0;
    virtual void ShowError(const QString& text) = 0;
    virtual void ShowStatus(const QString& text) = 0;
};

// The game in play as the player's files see it: the file that "Сохранить"
// writes, whether the game changed since it was saved, the monthly autosave
// and the question before a changed game is thrown away. A save never
// replaces a file of another colony without the player's word.
class TSession {
public:
    struct TOptions {
        bool AskBeforeDiscard = true;
        bool Autosave = true;
    };

    // The snapshot is the game in play as a save records it, with what the
    // window adds (its view and its sound switch); the land's title is what
    // a save's proposed name begins with ("Остров 01"). The saves go to the
    // folder, which is made when first needed. The colony and the dialogs
    // outlive the session.
    TSession(const TColony& colony, std::function<TSavedGame()> snapshot,
             std::function<QString()> landTitle, TSessionDialogs& dialogs, QString folder);

    TOptions Options;

    // A game began (a new game, another island): it has no file yet and
    // nothing to save.
    void Began();
    // The game in play was loaded from the file. An autosave never becomes
    // the file that "Сохранить" writes.
    void Loaded(const QString& path);

    // "Сохранить": to the game's own file, or as "Сохранить как" when it has
    // none. True when the game was saved.
    bool Save();
    // "Сохранить как": a file the player chooses.
    bool SaveAs();
    // Writes the game to the path, asking first when the file holds another
    // colony; the path then becomes the game's file.
    bool SaveTo(const QString& path);
    // Before the game in play is thrown away (a new game, a load, leaving):
    // asks whether to save a changed game. False when the player chose to
    // stay in it, or to save it and it was not saved.
    bool KeepGame();
    // The autosave of a month's first turn, into that month's file.
    void Autosave();

    // Whether the game changed since it was saved, loaded or begun.
    bool Changed() const;
    // The file "Сохранить" writes; empty when the game has none yet.
    const QString& CurrentFile() const { return current_; }
    const QString& Folder() const { return folder_; }
    // The date of the colony a file holds, as the game writes dates, or
    // "не читается" when it holds no game this one can load.
    QString SaveDate(const QString& path) const;
    // The newest save of the folder that can be played on: one this game
    // loads, and not of a scenario already lost. Empty when there is none
    // among the newest few.
    QString LatestPlayable(const QString& folder) const;
    // A name for the game's file that no file of the folder has yet, from
    // the land and the date: "Остров 01, 8 марта 1890.dat".
    QString ProposedName() const;

    // The autosaves take turns in three files, a month each, so the last
    // three months are kept: Autosave1.dat, Autosave2.dat, Autosave3.dat.
    static QString AutosaveName(const TGameDate& date);
    // Whether the file is one the autosave writes (or wrote before it took
    // turns: Autosave.dat), and so is no file of the player's.
    static bool IsAutosave(const QString& path);
    // Whether the file is the one a crash writes (Crash.dat): the player
    // never saves to it, and loaded it is no file of the player's either.
    static bool IsCrashSave(const QString& path);

private:
    // Whether the file may be written over: it is not there, holds this
    // game, or the player said so.
    bool MayReplace(const QString& path);
    // The game a file holds, when it holds one this game can load.
    std::optional<TSavedGame> Peek(const QString& path) const;

    const TColony& colony_;
    std::function<TSavedGame()> snapshot_;
    std::function<QString()> landTitle_;
    TSessionDialogs& dialogs_;
    QString folder_;
    QString current_;
    uint64_t savedRevision_ = 0;
};
