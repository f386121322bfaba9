#pragma once

#include <QString>

class QWidget;

// The file dialog of the game, in Russian: the file to save to (the suffix
// added when the name has none) or to open; empty when the player cancels.
// A file to save to that is there already is asked about, unless the caller
// asks itself (a saved game asks only when the file holds another colony).
QString ChooseFile(QWidget* parent, const QString& title, const QString& folder,
                   const QString& filter, const QString& suffix, bool forSaving,
                   const QString& suggestedName = QString(), bool askToReplace = true);
