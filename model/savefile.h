#pragma once

#include "base/gameerror.h"
#include "savecodec.h"

#include <QString>
#include <functional>

// Writes the file at once or not at all: the file that was there before
// stays whole until the new one has been written. beforeCommit runs between
// writing and replacing (tests make the write fail there). Throws TGameError
// "Не удалось сохранить игру в файл ...".
void WriteSaveFile(const QString& path, const TSavedGame& game,
                   const std::function<void()>& beforeCommit = {});
// Throws TGameError "Не удалось загрузить игру из файла ...: reason".
TSavedGame ReadSaveFile(const QString& path, const TBaseTypeList& catalogue,
                        const TEventTypeList& events);
// That error, for a reason found after the file was read (its land, say).
TGameError LoadFailure(const QString& path, const QString& reason);

// Hands the game to the crash guard (base/crashguard.h): what a crash
// writes as Crash.dat from now on, with the journal's last lines for
// Crash.log. The content is stored unpacked, which costs a copy.
void KeepForCrash(const TSavedGame& game);

// The player's save folder: TARVENIA_SAVE_DIR when it is set, else the
// game's folder among the user's data (~/.local/share/tarvenia). Not made
// here.
QString SaveFolder();
