#pragma once

#include "scenario.h"

#include <QString>
#include <vector>

// Whether a won result is better than another of the same scenario and
// level: a game played without taking a command back beats one with undo,
// then fewer days win, then more money.
bool Beats(const TScenarioResult& result, const TScenarioResult& other);

// A result's figures in the player's words, one a line: the day it was
// decided on, the days played, the money, the people, and "с отменой ходов"
// when a command was taken back.
QString ResultText(const TScenarioResult& result);

// The best won result of every scenario at every level, as the player's
// records file keeps them.
class TRecords {
public:
    // The records file of the save folder.
    static QString FileName();
    // Reads a records file. A missing file reads as no records; a record
    // whose figures do not read is left out, the others kept.
    static TRecords Load(const QString& path = FileName());
    // Writes the file at once or not at all; false when it cannot be written.
    bool Save(const QString& path = FileName()) const;

    // The best result of the scenario at the level, or none.
    const TScenarioResult* Best(const QString& scenario, TDifficulty difficulty) const;
    // Keeps a won result that beats the best one of its scenario and level;
    // true when it became the new best. A lost or unfinished one is no record.
    bool Add(const TScenarioResult& result);

private:
    std::vector<TScenarioResult> best_;
};
