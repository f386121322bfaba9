#pragma once

// A colony on a small made-up map with a small catalogue, and window services
// that write down every call as a line, so tests read what the player would
// see and hear in order.
#include "model/colony.h"
#include "model/market.h"
#include "model/services.h"
#include "model/taxes.h"

#include <QStringList>
#include <functional>

class TRecorder : public TWindowServices {
public:
    QStringList Calls;
    bool PayTaxes = true;
    bool Confirmed = true;
    QString FailingSound; // a sound that cannot be found
    std::function<void(TMarketDialog&)> OnMarket;

    void Sound(TSound sound) override {
        const QString name = SoundName(sound);
        if (name == FailingSound)
            throw TGameError("Cannot find sound " + name);
        Calls << "sound " + name;
    }
    void ShowStatus(const QString& text) override { Calls << "status " + text; }
    void ShowResources(bool moneyOnly) override {
        Calls << (moneyOnly ? QStringLiteral("money") : QStringLiteral("resources"));
    }
    void ShowGameState() override { Calls << "gamestate"; }
    void ShowInfo(TSound sound, const QString& text) override {
        Calls << "info " + SoundName(sound) + " " + text;
    }
    void ShowNote(TMessageKind kind, const QString& text) override {
        Calls << QStringLiteral("note ") + MessageKindRow(kind).Key + " " + text;
    }
    void ShowTrades(int64_t sold, int64_t bought) override {
        Calls << QStringLiteral("traded %1 %2").arg(sold).arg(bought);
    }
    void ShowSeason(int season) override {
        if (FailingSound == "Season") // the season dialog plays it
            throw TGameError(QStringLiteral("Cannot find sound Season"));
        Calls << "season " + QString::number(season);
    }
    void RunYearlyTaxes(TTaxDialog& dialog) override { AnswerTax("taxes", dialog); }
    void RunMainTax(TTaxDialog& dialog) override { AnswerTax("maintax", dialog); }
    void RunMarket(TMarketDialog& dialog) override {
        Calls << "market";
        if (OnMarket)
            OnMarket(dialog);
    }
    bool Confirm(const QString& text) override {
        Calls << "confirm " + text;
        return Confirmed;
    }
    // Play on plays RunDays at most, asking OnRunDay after each day.
    std::optional<int32_t> RunDays = 30;
    std::function<bool()> OnRunDay;
    std::optional<int32_t> BeginRun(const TGameDate&) override { return RunDays; }
    bool RunGoesOn() override { return !OnRunDay || OnRunDay(); }
    void EndRun(const TRunResult& run) override { Calls << QStringLiteral("ran %1").arg(run.Days); }
    void UpdateCell(int column, int row) override {
        Calls << QStringLiteral("cell %1 %2").arg(column).arg(row);
    }
    void UpdateImage() override { Calls << "image"; }
    void UpdatePlan() override { Calls << "plan"; }
    void ShowRect(const QRect& rect) override {
        Calls << QStringLiteral("rect %1 %2").arg(rect.x()).arg(rect.y());
    }
    void StepSelection() override { Calls << "step"; }
    void RepaintWindow() override { Calls << "repaint"; }
    void SetBusy(bool busy) override { Calls << (busy ? "busy" : "idle"); }
    void Autosave() override { Calls << "autosave"; }
    void ShowUndoSteps() override {}
    void ShowGoals() override {}
    void ScenarioEnded(const TScenarioResult& result) override { Ended.push_back(result); }
    std::vector<TScenarioResult> Ended;

    // The calls that the player notices: sounds, texts and dialogs.
    QStringList Shown() const {
        QStringList shown;
        for (const QString& call : Calls)
            if (call.startsWith("sound ") || call.startsWith("status ") ||
                call.startsWith("info ") || call.startsWith("note ") ||
                call.startsWith("season ") || call.startsWith("taxes ") ||
                call.startsWith("maintax "))
                shown << call;
        return shown;
    }

private:
    void AnswerTax(const QString& kind, TTaxDialog& dialog) {
        Calls << kind + " " + QString::number(dialog.Amount());
        if (PayTaxes)
            dialog.Pay();
    }
};

// Types: 0 the founding colony, 1 a summer farm on land, 2 a house that cannot
// be blocked, 3 a forest sawmill of one year's life, 4 an everlasting tower
// that may stand anywhere and pays no land tax.
inline TBaseTypeList RulesCatalogue() {
    TBaseTypeList list(5);
    list[0].Id = "Colony";
    list[0].Caption = "Поселение";
    list[0].Price = 50000;
    list[0].LiveYears = 60;
    list[0].HomePlaces = 40;
    list[0].NeedWorkers = 2;
    list[0].NeedEarth = 10;
    list[0].WorkSeasons = 0b1111;
    list[0].Style = bsNoNearBase;
    list[1].Id = "Farm";
    list[1].Caption = "Ферма";
    list[1].Price = 5000;
    list[1].BuildTime = 5;
    list[1].LiveYears = 10;
    list[1].NeedWorkers = 6;
    list[1].WorkSeasons = 1 << ssSummer;
    list[1].Profit[gdFood] = 40;
    list[2].Id = "House";
    list[2].Caption = "Дом";
    list[2].Price = 999;
    list[2].LiveYears = 20;
    list[2].HomePlaces = 20;
    list[2].NeedEarth = 10;
    list[2].WorkSeasons = 0b1111;
    list[2].Style = bsNoPreserve;
    list[3].Id = "Sawmill";
    list[3].Caption = "Лесопилка";
    list[3].Price = 36400;
    list[3].LiveYears = 1;
    list[3].NeedWorkers = 10;
    list[3].NeedEarth = 4;
    list[3].WorkSeasons = 0b1111;
    list[3].Profit[gdWood] = 10;
    list[4].Id = "Tower";
    list[4].Caption = "Башня";
    list[4].Price = 100;
    list[4].NeedEarth = 10;
    list[4].WorkSeasons = 0b1111;
    list[4].Style = bsNoNearBase | bsNoOccupy;
    return list;
}

// Land everywhere in columns 0..99, with a forest strip in column 20, coast in
// column 30 and sea beyond column 99.
inline TTerrainGrid RulesTerrain() {
    TTerrainGrid grid;
    for (int col = 0; col < MapCols; ++col)
        for (int row = 0; row < MapRows; ++row) {
            int kind = col < 100 ? ekLand : ekSea;
            if (col == 20)
                kind = ekForest;
            if (col == 30)
                kind = ekCoast;
            grid.Cell(col, row).Kind = static_cast<int8_t>(kind);
        }
    return grid;
}

struct TRulesFixture {
    static constexpr int StartCol = 10;
    static constexpr int StartRow = 10;

    TBaseTypeList Catalogue = RulesCatalogue();
    TEventTypeList Events;
    TTerrainGrid Terrain = RulesTerrain();
    TRecorder Window;
    TColony Colony{Catalogue, Events, Terrain, Window, StartCol, StartRow};

    TGame& Game() { return Colony.Game(); }
    // Selects a cell without recording the selection's calls.
    void Select(int col, int row) {
        Colony.SelectCell(col, row);
        Window.Calls.clear();
    }
    TBase& Place(int type, int col, int row, bool prebuilt = true) {
        return Game().AddBase(Catalogue[type], col, row, prebuilt);
    }
};
