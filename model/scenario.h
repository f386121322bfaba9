#pragma once

#include "basetype.h"
#include "eventtype.h"
#include "gamedate.h"
#include "goals.h"
#include "goods.h"
#include "playercommands.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

// How hard a game is. «Обычная» is the game as it always was; the other two
// change a few named numbers.
enum class TDifficulty : uint8_t { Easy, Normal, Hard };
inline constexpr int DifficultyCount = 3;

// The numbers a level changes.
struct TDifficultyRules {
    int32_t MoneyPercent = 100; // of the scenario's start money
    int32_t TaxPercent = 100;   // of every tax: each line of the yearly taxes and the main tax

    bool operator==(const TDifficultyRules&) const = default;
};
TDifficultyRules RulesOf(TDifficulty difficulty);
// «Лёгкая», «Обычная», «Трудная».
QString DifficultyName(TDifficulty difficulty);
// The simulator's and the files' word: easy, normal, hard.
const char* DifficultyWord(TDifficulty difficulty);
std::optional<TDifficulty> DifficultyOfWord(QStringView word);

// A building that stands at the start, finished.
struct TStartBuilding {
    QString Type; // its section in the catalogue
    int32_t Column = 0;
    int32_t Row = 0;

    bool operator==(const TStartBuilding&) const = default;
};

// What a step of the tutorial waits for the player to do.
struct TTutorialStep {
    enum class TAction : uint8_t {
        Select,  // select a cell
        Build,   // build a building of Type
        Command, // use the command of Id
        PayTax,  // pay a yearly tax
        Orders,  // set the market's standing orders
    };
    QString Id;   // its section in the file
    QString Text; // what to do, in the player's words
    TAction Action = TAction::Select;
    QString Type;                                           // for Build
    TPlayerCommand::TId Command = TPlayerCommand::pcNewDay; // for Command

    bool operator==(const TTutorialStep&) const = default;
};

// The medals: a scenario won on or before a medal's date wins it.
enum class TMedal : uint8_t { Gold, Silver, Bronze, None };
QString MedalName(TMedal medal); // «золотая медаль» ...

// The shipped tutorial's name: the start screen offers it until it is won.
inline const QString TutorialName = QStringLiteral("tutorial");

// A scenario as its file gives it.
struct TScenario {
    QString Name; // the file's name without its extension
    QString Title;
    QString Description;
    QString Land = QStringLiteral("01"); // as --map takes it: a map's name, a path or random:SEED
    TGameDate Start{FoundingYear, 3, 1};
    int32_t Money = 82000; // at «Обычная»: the level scales it
    int32_t People = 28;
    TResources Stock{};
    std::vector<TStartBuilding> Buildings;
    QStringList Allowed;  // the types the player may build; empty allows every type
    QStringList NoEvents; // the events that never happen here, by their ids in the catalogue
    TDifficulty Difficulty = TDifficulty::Normal;
    bool FixedDifficulty = false; // the player cannot choose another level
    // Goals, failures and messages in the file's order. A message is shown
    // when its goal is met and counts for nothing else.
    std::vector<TGoal> Goals;
    std::array<std::optional<TGameDate>, 3> MedalDates; // gold, silver, bronze
    std::vector<TTutorialStep> Tutorial;
    QByteArray Source; // the file as read: a save carries it

    bool Allows(const TBaseType& type) const;
    bool Excludes(const TEventType& event) const;
    TMedal MedalOn(const TGameDate& won) const;
};

// A scenario in play, as a save keeps it beside the colony's state (which
// holds the goals' progress).
struct TScenarioPlay {
    std::shared_ptr<const TScenario> Scenario; // none in the free game
    TDifficulty Difficulty = TDifficulty::Normal;
    bool UndoUsed = false;     // a command was taken back in this game
    uint32_t TutorialStep = 0; // the tutorial's step the player is on
};

// How a scenario in play ended, for its medal and the records.
struct TScenarioResult {
    QString Scenario; // its name
    QString Title;
    TDifficulty Difficulty = TDifficulty::Normal;
    TScenarioState State = TScenarioState::Playing;
    TGameDate Date;   // the day it was decided on
    int32_t Days = 0; // the turns played since its start
    int32_t Money = 0;
    int32_t People = 0;
    bool UndoUsed = false; // a command was taken back in the game
    TMedal Medal = TMedal::None;
};

// A scenario file read: the scenario, or every fault found in it.
struct TScenarioReading {
    std::optional<TScenario> Scenario;
    // One line a fault, naming its section and key:
    // «[Goal2] Figure: неизвестный показатель "helth"».
    QStringList Errors;
};

// Reads a scenario file's bytes against the building and event catalogues;
// the name is the file's name without its extension. Never throws: malformed
// bytes give errors.
TScenarioReading ReadScenario(const QByteArray& bytes, const QString& name,
                              const TBaseTypeList& catalogue, const TEventTypeList& events);

// The paths of the scenario files (*.ini) in the SCENARIOS folders of a
// data folder and a save folder: the player's own hides a shipped one of the
// same name, names matched ignoring case. Sorted by name, as the scenarios'
// dialog lists them.
QStringList ScenarioFiles(const QString& dataFolder, const QString& saveFolder);
// The file of a scenario named as --scenario takes it: a name in those
// folders or a path; empty when there is none.
QString FindScenarioFile(const QString& nameOrPath, const QString& dataFolder,
                         const QString& saveFolder);
