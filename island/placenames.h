#pragma once

#include "island/genrandom.h"

#include <QString>
#include <vector>

// Names for the places of a generated island, Russian as the game's own map
// has them, drawn from the seed's chance.
class TPlaceNames {
public:
    explicit TPlaceNames(TGenRandom& rng) : rng_(rng) {}

    // The main island's name, e.g. "Велдария".
    QString Island();
    // A smaller island, "о. Лисий"; never twice the same on one map.
    QString Islet();
    // A sea, "Студёное море"; never twice the same on one map.
    QString Sea();
    // A bay, "Залив Удачи".
    QString Bay();

private:
    // A name of the list not given yet on this map, when any is left.
    QString Fresh(const std::vector<const char*>& names, std::vector<int>& used);

    TGenRandom& rng_;
    std::vector<int> usedIslets_;
    std::vector<int> usedSeas_;
};

// A name the generator gives, in the language of the installed catalogues: an
// islet's, a sea's or a bay's as the catalogue translates it, an island's
// syllable by syllable; any other name, and every name when no catalogue
// translates it, as it is. The stored name stays the Russian one.
QString PlaceNameInLanguage(const QString& name);
