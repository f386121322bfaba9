#pragma once

#include "basetype.h"
#include "colonystate.h"
#include "commandlog.h"
#include "eventtype.h"
#include "gamedate.h"
#include "history.h"
#include "scenario.h"

#include <QString>
#include <cstdint>
#include <optional>
#include <span>

class TTerrainGrid;

// A game as a replay needs it: its land and catalogues, its scenario and
// level, the colony its log began from, the log, and what the game reached:
// its whole history and its colony.
struct TReplayGame {
    const TBaseTypeList& Catalogue;
    const TEventTypeList& Events;
    const TTerrainGrid& Terrain;
    TScenarioPlay Play;
    const TColonyState& Start;
    std::span<const TLogEntry> Log;
    std::span<const THistoryDay> Days;
    const TColonyState& End;
};

// The first thing the replay reached otherwise than the game: on a day of
// the history, or at the end. The field is named as the simulator names the
// colony's figures, or "date", "buildings", "cells".
struct TReplayDifference {
    TGameDate Date;
    QString Field;
    QString Saved;
    QString Replayed;
};

struct TReplayResult {
    int32_t Days = 0;     // played by the log
    int32_t Commands = 0; // the log's entries
    std::optional<TReplayDifference> Difference;
};

// Plays the log again from its start through the colony's own commands, the
// dialogs answered as the game's were, and compares each day it reaches with
// the game's history, then its colony with the game's.
TReplayResult Replay(const TReplayGame& game);
