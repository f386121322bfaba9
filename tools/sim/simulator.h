#pragma once

#include "land/earth.h"
#include "model/colony.h"
#include "model/quietservices.h"

#include <QPoint>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <ostream>
#include <span>
#include <vector>

class TSimulator;

// One argument of a simulator command: what it is and how its words are read.
struct TSimArgument {
    enum TKind {
        Word,       // one of the words of Name, as "yes|no"
        Number,     // a whole number from Low to High
        Seed,       // a seed of the random generator, any 64-bit number
        Cell,       // a column and a row of the map: two words
        Building,   // the cell of a building: two words
        Type,       // a building type by its section name
        Quantities, // the nine market fields in goods order, each token as typed
        Date,       // a date D.M.YYYY
        File,       // a path without blanks
    };
    TKind Kind;
    // How the usage writes it: "N", "C R"; a Word's choices joined by "|",
    // as "yes|no", or the one word it must be.
    const char* Name;
    int32_t Low = 0;
    int32_t High = 0;

    // How many words of a line it takes.
    qsizetype Words() const;
};

// The arguments of a command line as its verb read them, in their order.
struct TSimArguments {
    QStringList Words;
    std::vector<int32_t> Numbers;
    uint64_t Seed = 0;
    QPoint Cell;
    TBase* Building = nullptr;
    const TBaseType* Type = nullptr;
    QStringList Quantities;
    TGameDate Date;
    QString File;
};

// One verb of the simulator: its word, its arguments, what it does and its
// usage, which is its line in the manual page. A verb may have several rows
// that differ in their leading Word arguments, as "set money N" and
// "set date D.M.YYYY".
struct TSimVerb {
    // What a verb does to the game: plays it as the player would, only looks
    // at it, or sets it from outside play (its figures, its generator, its
    // file, or back in time), which random play leaves alone.
    enum TUse { Play, Look, Setup };
    // The Days of a verb that plays as many days as its first argument says.
    static constexpr int32_t DaysOfNumber = -1;

    const char* Word;
    std::vector<TSimArgument> Arguments;
    TUse Use;
    int32_t Days; // the most days it plays, or DaysOfNumber
    std::function<void(TSimulator&, const TSimArguments&)> Run;

    // "build ID": the word and the arguments' names.
    QString Usage() const;
    // Whether a line's words have this verb's word, as many words as its
    // arguments take and its Word arguments' choices; the other arguments'
    // values are checked when they are read.
    bool Fits(const QStringList& words) const;
};

// The colony without a window: runs the game's rules on commands read one per
// line, and prints every call that the rules make on the window as one line;
// refreshes of the window print nothing.
class TSimulator : public TQuietServices {
public:
    // The catalogues and the earth outlive the simulator; the catalogue must
    // not be empty. A saved game records the earth's land and its start
    // screen as the view; a game loaded on another land changes the earth
    // to it, a named map looked up in the folders' MAPS.
    TSimulator(const TBaseTypeList& catalogue, const TEventTypeList& events, TEarth& earth,
               int32_t startColumn, int32_t startRow, std::ostream& out, std::ostream& err,
               QStringList mapFolders = {});

    // Runs one line of input. Blank lines and comments do nothing; an unknown
    // or malformed command is reported on the error stream.
    void Execute(const QString& line);

    TColony& Colony() { return colony_; }
    // Plays the scenario from its start instead of the free game, on the
    // earth the caller loaded for it.
    void StartScenario(std::shared_ptr<const TScenario> scenario, TDifficulty difficulty);

    void Sound(TSound sound) override;
    void ShowStatus(const QString& text) override;
    void ShowInfo(TSound sound, const QString& text) override;
    void ShowNote(TMessageKind kind, const QString& text) override;
    void ShowSeason(int season) override;
    void ShowTrades(int64_t sold, int64_t bought) override;
    void RunYearlyTaxes(TTaxDialog& dialog) override;
    void RunMainTax(TTaxDialog& dialog) override;
    void RunMarket(TMarketDialog& dialog) override;
    // Answered "Да" without a line: scripts demolish what they name.
    bool Confirm(const QString&) override { return true; }
    // Play on plays the days its line gives, as fast as it can.
    std::optional<int32_t> BeginRun(const TGameDate&) override { return runDays_; }
    bool RunGoesOn() override { return true; }
    void EndRun(const TRunResult& run) override;
    // The advisor's forecast, played now for the colony as it stands.
    const TForecast* AdviceForecast(const TColony& colony) override;

    // Every verb: the buttons' commands by their rows' words, then the
    // simulator's own.
    static std::span<const TSimVerb> Verbs();

private:
    // Runs a line split into words; false when it is unknown or malformed.
    bool Run(const QStringList& words);
    // Reads the arguments of a line that fits the verb; false when one is
    // malformed.
    bool ReadArguments(const TSimVerb& verb, const QStringList& words,
                       TSimArguments& arguments) const;
    // Prints what undo, redo, save or load did: the error of a result that
    // begins with "!", else the line DONE.
    void PrintOutcome(const QString& result, const QString& done);
    // Saves the game to the file or loads it from there: nothing, or the
    // error's text after a "!".
    QString Save(const QString& file);
    QString Load(const QString& file);
    void Print(const QString& line);
    void AnswerTax(TTaxDialog& dialog);
    QString StateLine() const;
    void PrintOrders();
    void PrintAdvice();
    static QString HistoryLine(const THistoryDay& day);
    // The year's account, or an error when nothing was booked in that year.
    QString FinanceLine(int year) const;
    QString BaseLine(int32_t column, int32_t row) const;
    QString WhyLine(int32_t column, int32_t row) const;
    QString ScenarioLine() const;
    // The forecast of the game as it stands, as one line.
    QString ForecastLine(int32_t days, int32_t runs) const;
    // The largest forecast a command may ask for: a century of a thousand
    // futures would hold gigabytes.
    static constexpr int32_t MaxForecastDays = 36500;
    static constexpr int32_t MaxForecastRuns = 256;
    void PrintGoals();

    const TBaseTypeList& catalogue_;
    TEarth& earth_;
    QStringList mapFolders_;
    QPoint view_;
    int32_t startColumn_;
    int32_t startRow_;
    std::ostream& out_;
    std::ostream& err_;
    TColony colony_;
    bool payTaxes_ = true;
    int32_t runDays_ = 0;
    QStringList marketTokens_;
    std::optional<TForecast> adviceForecast_; // the advisor's latest
};
