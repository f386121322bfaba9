#pragma once

#include "land/earth.h"
#include "model/colony.h"
#include "tools/sim/simulator.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <random>

// What a game is played on: map "01" and the two catalogues of a data
// folder, loaded as the game loads them (TGameError when they cannot be).
struct TSoakData {
    explicit TSoakData(const QString& folder);
    TEarth Earth;
    TBaseTypeList Catalogue;
    TEventTypeList Events;
};

// A player who presses everything: a seeded stream of random simulator
// commands, made from the simulator's verbs, on random cells, mostly near the
// colony so that it grows.
class TSoakPlayer {
public:
    explicit TSoakPlayer(uint64_t seed) : random_(seed) {}

    // The next command line for the simulator.
    QString NextCommand(const TColony& colony);
    // How many turns a command line can play at most.
    static int32_t MaxDays(const QString& command);

private:
    int32_t Below(int32_t bound);
    QString RandomCell(const TColony& colony);
    // What the player types into the market's nine fields.
    QStringList Quantities();
    // A made-up argument: a random one of its kind, small where it is a
    // number.
    QString Argument(const TSimArgument& argument, const TColony& colony);

    std::mt19937_64 random_;
};

// What the checker remembers of the colony before a command.
struct TColonySnapshot {
    TGameDate Date;
    TResources Stock;
    // The most that one day's production can take from each good: the
    // production ranges that exceed their means, over all buildings.
    std::array<int64_t, GoodsCount> DailyLoss{};
};

TColonySnapshot TakeSnapshot(const TColony& colony);

// The rules that no command may break: money, people and health in range;
// every building inside the grid on ground it accepts (the founding building
// stands wherever the map starts the colony), at most one per cell; stock
// entries below 0 only as far as production ranges reach; the date moved by
// whole days, at most as many as the command could play; the account
// balanced (CheckAccount). Returns one line per broken rule.
QStringList CheckColony(const TColony& colony, const TColonySnapshot& before, int32_t maxDays,
                        int32_t startColumn, int32_t startRow);

// Every year of the account balances to the unit: its opening and the sum of
// its flows make the next year's opening, and for the last year the money the
// colony has now. Returns one line per year that does not.
QStringList CheckAccount(const TGame& game);

struct TSoakFigures {
    int64_t Commands = 0;
    int64_t Days = 0;
    // Times a colony stuck on an unpaid tax was given the money to pay it.
    int64_t Rescues = 0;
};

// Plays random commands through the simulator until the colony has lived the
// given number of years, checking the colony after every command. Stops at
// the first broken rule and returns its lines, prefixed by the command.
QStringList RunSoak(TSimulator& simulator, TSoakPlayer& player, int32_t years, int32_t startColumn,
                    int32_t startRow, TSoakFigures& figures);
