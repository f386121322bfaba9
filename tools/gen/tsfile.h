#pragma once

#include "model/datatexts.h"

#include <QString>
#include <QStringList>
#include <vector>

// A message of a translation catalogue.
struct TTsMessage {
    QString Context;
    QString Comment;
    QString Source;
    QString Translation;     // of a plain text
    bool Numerus = false;    // a text with a number, translated in its plural forms
    QStringList PluralForms; // of a text with a number
    bool Finished = false;
};
// The messages of a catalogue in file order; none for a file that cannot be
// opened, and those before the fault for one that is not well formed. The
// fault, if any, goes to error.
std::vector<TTsMessage> ReadTsFile(const QString& path, QString* error = nullptr);

// Brings a data catalogue (a .ts file) up to the given texts: each keeps the
// translation it had, a new or changed one is added unfinished (a changed one
// with its former translation to start from), and a text that is gone goes.
// The file keeps its language (English for a new one) and is written in
// lupdate's layout, contexts in the order of the texts.
// Returns false when the file cannot be written.
bool UpdateTsFile(const QString& path, const std::vector<TDataEntry>& texts);
