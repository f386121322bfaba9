#pragma once

#include "basetype.h"
#include "colonystate.h"
#include "commandlog.h"
#include "eventtype.h"
#include "gamedate.h"
#include "history.h"
#include "scenario.h"

#include "base/terrain.h"

#include <QString>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <span>
#include <thread>
#include <vector>

class TColony;
class TGame;

// A game as a replay needs it: its land and catalogues, its scenario and
// level, the colony its log began from, the log, and what the game reached:
// its whole history (the days before the log began among them) and its
// colony.
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

// The colony's game as a replay needs it, with the colony it reached, which
// must outlive the replay's game as the colony must.
TReplayGame ReplayGameOf(const TColony& colony, const TColonyState& end);

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

// A game's log played again to be watched, day by day: a colony of its own,
// played on a thread of its own only while the caller waits for it, so that
// between two steps the caller reads the colony as its own. The land, the
// colony the log began from and the log are copies; the catalogues must
// outlive the replayer.
class TReplayer {
public:
    explicit TReplayer(const TReplayGame& game);
    ~TReplayer();
    TReplayer(const TReplayer&) = delete;
    TReplayer& operator=(const TReplayer&) = delete;

    // The days the log plays, and the one shown: 0 is the colony the log
    // began from, Days() the colony after its last command.
    int32_t Days() const { return days_; }
    int32_t Day() const { return shown_; }
    // Plays to the end of the day, held within 0..Days(); a day already
    // passed is played again from the start. Returns when it is there.
    void Seek(int32_t day);
    // The colony as of the day shown; a seek back replaces it.
    const TColony& Colony() const { return *colony_; }
    const TGame& Game() const;
    // The colony the log began from.
    const TColonyState& Start() const { return start_; }

private:
    // Thrown through the colony's command at a pause, to play again from
    // the start or to end.
    struct TRestart {};
    struct TQuit {};

    void Work();
    // The colony has played the day: it waits there when the day asked for
    // is reached, and throws to play again or to end.
    void Reached(int32_t day);

    const TBaseTypeList& catalogue_;
    const TEventTypeList& events_;
    TTerrainGrid terrain_;
    TScenarioPlay play_;
    TColonyState start_;
    std::vector<TLogEntry> log_;
    std::vector<THistoryDay> before_;
    int32_t days_ = 0;
    // The worker's own while it plays, the caller's while it waits.
    std::unique_ptr<TColony> colony_;
    int32_t shown_ = 0;

    std::mutex mutex_;
    std::condition_variable wake_;
    int32_t target_ = 0;   // under mutex_
    bool waiting_ = false; // under mutex_: the worker waits at target_
    bool restart_ = false; // under mutex_
    bool quit_ = false;    // under mutex_
    std::thread thread_;
};
