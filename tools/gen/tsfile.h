#pragma once

#include "model/datatexts.h"

#include <QString>
#include <vector>

// A message of a translation catalogue.
struct TTsMessage {
    QString Context;
    QString Comment;
    QString Source;
    QString Translation;
    bool Finished = false;
};
// The messages of a catalogue in file order; none for a file that cannot be read.
std::vector<TTsMessage> ReadTsFile(const QString& path);

// Brings the English data catalogue (a .ts file) up to the given texts: each keeps the
// translation it had, a new or changed one is added unfinished (a changed one
// with its former translation to start from), and a text that is gone goes.
// The file is written in lupdate's layout, contexts in the order of the texts.
// Returns false when the file cannot be written.
bool UpdateTsFile(const QString& path, const std::vector<TDataEntry>& texts);
