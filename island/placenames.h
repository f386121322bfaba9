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
    // A word of the list not given yet on this map, when any is left.
    QString Fresh(const std::vector<const char*>& words, std::vector<int>& used);

    TGenRandom& rng_;
    std::vector<int> usedIslets_;
    std::vector<int> usedSeas_;
};
