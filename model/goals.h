#pragma once

#include "account.h"
#include "basetype.h"
#include "game.h"
#include "gamedate.h"
#include "history.h"

#include <QString>
#include <QStringView>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

// What the colony counts for its goals besides its figures and its history:
// the taxes it paid when they were asked for, and those it refused.
struct TGoalCounters {
    int32_t YearlyTaxesPaid = 0;
    int32_t MainTaxesPaid = 0;
    int32_t TaxesRefused = 0;

    bool operator==(const TGoalCounters&) const = default;
};

// What a goal's figures are read from at the end of a turn: the colony, the
// day its history recorded, its finished buildings counted by their type's
// place in the catalogue, and its counters.
struct TGoalSource {
    const TGame& Game;
    const THistoryDay& Day;
    std::span<const int32_t> Finished;
    const TGoalCounters& Counters;
};

// What stands in a figure's word for the part of the colony it names.
enum class TGoalPart : uint8_t {
    None, // the word names the figure whole
    Good, // GOOD: a good by its key or its number
    Type, // TYPE: a building type by its section in the catalogue
    Flow, // WORD: a kind of money by its key
};

// One figure a goal may watch: the word a scenario names it by, the values
// it can take, how it is taken from the colony, and its line in the guide
// for scenario authors. GoalFigures() holds them all.
struct TGoalFigureRow {
    const char* Word;  // the whole word, or what comes before its part
    TGoalPart Part;    // what the word names after Word
    const char* After; // what comes after its part
    int64_t Low;       // the values it can take
    int64_t High;
    // Its value as the colony stands; part is the good's index, the type's
    // place in the catalogue or the kind of money.
    int64_t (*Take)(const TGoalSource& source, int part);
    const char* Guide; // what it counts, for the guide's table
    // What the goals window calls it, %1 for its part; none for a history
    // field, which goes by its column's name.
    const char* Label;
    const THistoryField* Field = nullptr; // the history field it reads, if any

    // The word that names this part ("stock.food"); a row with no part has
    // one word, whatever the part.
    QString WordWith(QStringView part) const;
    // The word as the guide writes it: its part in capitals ("stock.GOOD").
    QString Pattern() const;
};

// The figures a goal may watch, in the order the guide lists them.
std::span<const TGoalFigureRow> GoalFigures();

struct TGoalFigureWord;

// The figure a goal watches: a row of GoalFigures() and the part it names.
class TGoalFigure {
public:
    // No figure: 0, for a message shown on a date whatever the colony.
    static TGoalFigure None() { return {}; }

    int64_t Value(const TGoalSource& source) const { return row_ ? row_->Take(source, part_) : 0; }
    // Its row, or none for no figure.
    const TGoalFigureRow* Row() const { return row_; }
    // What its part names (the good, which is the history field's column; the
    // type's place in the catalogue; the kind of money); 0 with no part.
    int Part() const { return part_; }
    // The place in the catalogue of the type whose buildings it counts, or -1.
    int CountedType() const { return row_ && row_->Part == TGoalPart::Type ? part_ : -1; }
    // The history field it reads, or none for a figure of another kind.
    const THistoryField* Field() const { return row_ ? row_->Field : nullptr; }
    // What it counts in the player's words ("Отказов платить налог"), its
    // part named from the catalogue; empty for no figure.
    QString Label(const TBaseTypeList& catalogue) const;

private:
    friend TGoalFigureWord ReadGoalFigure(QStringView word, const TBaseTypeList& catalogue);
    TGoalFigure() = default;
    TGoalFigure(const TGoalFigureRow& row, int part) : row_(&row), part_(part) {}

    const TGoalFigureRow* row_ = nullptr;
    int part_ = 0;
};

// What a scenario's word for a figure names.
struct TGoalFigureWord {
    std::optional<TGoalFigure> Figure;
    // With no figure: the row whose form the word has and the text in its
    // part's place, which names nothing; no row when no row has its form.
    const TGoalFigureRow* Row = nullptr;
    QString Part;
};
// The figure of the word, its case ignored.
TGoalFigureWord ReadGoalFigure(QStringView word, const TBaseTypeList& catalogue);

enum class TComparison : uint8_t { Less, LessOrEqual, Equal, GreaterOrEqual, Greater };
// Whether the value stands to the target as the comparison says.
bool Compare(int64_t value, TComparison comparison, int64_t target);

// What a goal means to the scenario: every required goal done wins it, a
// failure met loses it; an optional goal only counts for itself, and a
// message is a text shown once, when its condition first holds.
enum class TGoalRole : uint8_t { Required, Optional, Failure, Message };

// "Figure, comparison, value", optionally by a date and held for some days.
struct TGoal {
    QString Id;
    QString Text; // what the player reads
    TGoalFigure Figure;
    TComparison Comparison = TComparison::GreaterOrEqual;
    int64_t Target = 0;
    // The last day it may be met on. A goal still open after it fails; a
    // failure not met by then is done, avoided.
    std::optional<TGameDate> By;
    // The turns in a row its condition must hold at their end; 0 counts as 1.
    int32_t HeldDays = 1;
    TGoalRole Role = TGoalRole::Required;
    // The first day it may be met on: its condition is not looked at before.
    std::optional<TGameDate> From;
};

// A goal's state: a done goal stays done and a failed one failed. A failure
// that is met is failed.
enum class TGoalState : uint8_t { Open, Done, Failed };

// How far a goal has come: what a save and an undo step keep of it.
struct TGoalProgress {
    TGoalState State = TGoalState::Open;
    int32_t Held = 0; // the turns in a row that ended with its condition true

    bool operator==(const TGoalProgress&) const = default;
};

enum class TScenarioState : uint8_t { Playing, Won, Lost };

// What a turn's check changed, for the window to announce: goals by their
// place in the book.
struct TGoalNews {
    std::vector<size_t> Done;
    std::vector<size_t> Failed;
    TScenarioState State = TScenarioState::Playing; // Won or Lost on the day it is decided

    bool operator==(const TGoalNews&) const = default;
};

// A scenario's goals and failures with their progress, checked once at the
// end of every turn that passed, on the date the turn ends on.
class TGoalBook {
public:
    explicit TGoalBook(std::vector<TGoal> goals);

    // Brings every open goal up to the turn that has just ended, whose day
    // the history has just recorded. Once the scenario is won or lost
    // nothing changes any more. A failure is decided before a win of the
    // same day. A turn stopped by a refused tax is checked too, with the day
    // not passed: it holds no condition a day longer, but decides what it
    // meets (a refused tax, say).
    TGoalNews Check(const TGame& game, const THistoryDay& today, const TGoalCounters& counters,
                    bool dayPassed = true);
    // The goal's figure as the colony stands now, between turns too.
    int64_t Value(size_t goal, const TGame& game, const TGoalCounters& counters) const;
    // Whether refusing the tax asked now would meet an open failure of
    // today, one that the colony does not meet already: the tax dialog
    // warns of it.
    bool RefusalLoses(const TGame& game, const TGoalCounters& counters) const;

    std::span<const TGoal> Goals() const { return goals_; }
    const std::vector<TGoalProgress>& Progress() const { return progress_; }
    // Progress kept by a save or an undo step; progress of another number of
    // goals, or held longer than its goal asks, is refused and false returned.
    bool Assign(std::vector<TGoalProgress> progress);
    // Lost when a failure was met or a required goal failed, won when there
    // is a required goal and every one is done.
    TScenarioState State() const;

private:
    std::vector<TGoal> goals_;
    std::vector<TGoalProgress> progress_;
    // The types whose buildings the open goals count, and their counts: kept
    // from turn to turn so that a turn allocates nothing.
    std::vector<int> counted_;
    std::vector<int32_t> finished_;
};
