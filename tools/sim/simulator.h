#pragma once

#include "land/earth.h"
#include "model/colony.h"
#include "model/quietservices.h"

#include <QPoint>
#include <QString>
#include <QStringList>
#include <ostream>

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
    void ShowSeason(int season) override;
    void RunYearlyTaxes(TTaxDialog& dialog) override;
    void RunMainTax(TTaxDialog& dialog) override;
    void RunMarket(TMarketDialog& dialog) override;
    // Answered "Да" without a line: scripts demolish what they name.
    bool Confirm(const QString&) override { return true; }

private:
    // Runs a parsed command; false when it is unknown or malformed.
    bool Run(const QStringList& words);
    bool RunSet(const QStringList& words);
    // save, load, undo and redo: each prints what it did or the error.
    bool RunFileCommand(const QStringList& words);
    void Print(const QString& line);
    void AnswerTax(TTaxDialog& dialog);
    QString StateLine() const;
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
    QStringList marketTokens_;
};
