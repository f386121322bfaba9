#pragma once

#include "basetype.h"
#include "eventtype.h"
#include "scenario.h"

#include <QString>
#include <span>
#include <vector>

// A text of the data files that a player reads, as the data catalogue of
// another language finds it: the file it comes from, "Section/Key" within it,
// and the Russian text itself, which a translation replaces.
struct TDataText {
    QString File; // "BASES.INI", "SCENARIOS/tutorial.ini"
    QString Key;  // "Hut/Caption"
    QString* Text;
};

// The player's texts of the building catalogue, the events and a scenario.
std::vector<TDataText> DataTexts(TBaseTypeList& types);
std::vector<TDataText> DataTexts(TEventTypeList& events);
std::vector<TDataText> DataTexts(TScenario& scenario);

// A text of the data files by value, as the data catalogue keeps it; a data
// folder's are collected by DataFolderTexts (land/maptexts.h).
struct TDataEntry {
    QString File;
    QString Key;
    QString Text;
};

// Puts the installed catalogues' translation in place of each text that has
// one; with none installed (the simulator) every text stays as it was.
void TranslateDataTexts(std::span<const TDataText> texts);
// A text of a data file in the installed catalogues' language.
QString TranslatedDataText(const QString& file, const QString& text, const QString& key);
