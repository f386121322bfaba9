#pragma once

#include "land/mapsource.h"
#include "model/datatexts.h"
#include "scene/wall.h"

#include <QString>
#include <vector>

// Shows the names written in a land's scene in the game's language: a name of
// a map of the data folder as its data catalogue translates it, one the island
// generator gives as its words are translated, any other as it is. The scene
// file keeps the Russian names.
void ShowNamesInLanguage(TWall& scene, const TMapSource& source);

// Every player's text of a data folder's files, in their order: the
// catalogue, the events, each scenario of its SCENARIOS that reads without a
// fault and the names on each map of its MAPS (each name once, keyed
// "TEXT/value" under "MAPS/<name>.WLL"); with no catalogue installed they are
// the Russian texts. Empty texts are left out: there is nothing to translate.
std::vector<TDataEntry> DataFolderTexts(const QString& folder);
