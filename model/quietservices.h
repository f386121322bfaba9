#pragma once

#include "services.h"

// Window services that show nothing and ask nothing: every dialog closes as
// its close box would (a tax is refused, a deal is not made). For running the
// rules where nobody looks: benchmarks, fuzzing, and the refreshes of the
// simulator, which prints only what a player would notice.
class TQuietServices : public TWindowServices {
public:
    void Sound(TSound) override {}
    void ShowStatus(const QString&) override {}
    void ShowResources(bool) override {}
    void ShowGameState() override {}
    void ShowInfo(TSound, const QString&) override {}
    void ShowNote(TMessageKind, const QString&) override {}
    void ShowTrades(int64_t, int64_t) override {}
    void ShowSeason(int) override {}
    void RunYearlyTaxes(TTaxDialog&) override {}
    void RunMainTax(TTaxDialog&) override {}
    void RunMarket(TMarketDialog&) override {}
    bool Confirm(const QString&) override { return false; }
    std::optional<int32_t> BeginRun(const TGameDate&) override { return std::nullopt; }
    bool RunGoesOn() override { return false; }
    void EndRun(const TRunResult&) override {}
    void UpdateCell(int, int) override {}
    void UpdateImage() override {}
    void UpdatePlan() override {}
    void ShowRect(const QRect&) override {}
    void StepSelection() override {}
    void RepaintWindow() override {}
    void SetBusy(bool) override {}
    void Autosave() override {}
    void ShowUndoSteps() override {}
    void ShowGoals() override {}
    void ScenarioEnded(const TScenarioResult&) override {}
};
