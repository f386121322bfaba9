#pragma once

#include <QString>

class QWidget;

// The file dialog of the game, in Russian: the file to save to (the suffix
// added when the name has none) or to open; empty when the player cancels.
QString ChooseFile(QWidget* parent, const QString& title, const QString& folder,
                   const QString& filter, const QString& suffix, bool forSaving,
                   const QString& suggestedName = QString());
