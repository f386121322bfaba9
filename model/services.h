#pragma once

#include "messagekind.h"
#include "playon.h"
#include "sounds.h"

#include <QRect>
#include <QString>

class TColony;
struct TForecast;
class TMarketDialog;
struct TScenarioResult;
class TTaxDialog;

// What the colony's rules ask of the window that shows them. The rules decide
// everything (checks, messages, amounts, state changes); an implementation
// only shows, plays and asks. The main window implements it with widgets, the
// simulator by printing. Every call comes from the one thread that runs the
// game.
class TWindowServices {
public:
    virtual ~TWindowServices() = default;

    // Plays the sound when the sound switch is on. A sound never fails the
    // command that asked for it: a clip that cannot be played is only reported.
    virtual void Sound(TSound sound) = 0;

    // Shows the text in the status line exactly as given: the rules have
    // already removed an error's "!" and played the error sound; an empty
    // text comes as ShowCellStatus instead. The window resets the label's
    // font to its parent's before showing it.
    virtual void ShowStatus(const QString& text) = 0;
    // Shows the selected cell's info in the status line. A window with room
    // for it appends why the building there works or not today; the default
    // shows the info alone.
    virtual void ShowCellStatus(const QString& info, const QString& /*why*/) { ShowStatus(info); }

    // Refreshes the money label and, unless moneyOnly, the nine goods labels.
    virtual void ShowResources(bool moneyOnly) = 0;

    // Refreshes the whole status panel (money, goods, date, season picture,
    // people, housing, work places, unemployed, health bar) and repaints the
    // map view and the overview map.
    virtual void ShowGameState() = 0;

    // The modal message dialog: plays the sound when it opens, shows the text
    // as plain text, plays "Button" when its button closes it. Returns when
    // the dialog has closed.
    virtual void ShowInfo(TSound sound, const QString& text) = 0;

    // A message of a kind the player wants quiet: shown in the status line
    // with the game going on, its sound played already. The messages of one
    // day read as one line.
    virtual void ShowNote(TMessageKind kind, const QString& text) = 0;

    // The standing orders made deals after the day: the money they brought
    // and spent. The journal has each deal.
    virtual void ShowTrades(int64_t sold, int64_t bought) = 0;

    // The modal season dialog for season 0..3: the season's name as caption,
    // its picture and arrival text; plays "Season" when it opens and "Button"
    // when its button closes it.
    virtual void ShowSeason(int season) = 0;

    // The modal yearly taxes dialog: plays "Nalog" when shown, shows the
    // dialog's label texts, sends "Да" to TTaxDialog::Pay (closing only when
    // it returns true) and closes on "Нет", Esc or the close box. The rules
    // then ask the dialog whether the tax was paid.
    virtual void RunYearlyTaxes(TTaxDialog& dialog) = 0;

    // The modal main tax dialog, with the same behaviour; it shows only the
    // amount.
    virtual void RunMainTax(TTaxDialog& dialog) = 0;

    // The modal market dialog: draws the dialog's caption, prices, fields and
    // sums, passes every edit, key, picture click and button to it, and
    // closes when it says so. Beeps and moves the focus where it asks.
    virtual void RunMarket(TMarketDialog& dialog) = 0;

    // The modal question with "Да" and "Нет"; true for "Да".
    virtual bool Confirm(const QString& text) = 0;

    // The play-on command begins a run as far as the player's limit lets it
    // go from today: the most days it may play, or none when the limit is
    // past (the status line says so). The window shows that it is playing.
    virtual std::optional<int32_t> BeginRun(const TGameDate& today) = 0;
    // After each day of the run: the day is shown at the player's pace;
    // false when the player asked the run to stop.
    virtual bool RunGoesOn() = 0;
    // The run is over: the window tells why it stopped.
    virtual void EndRun(const TRunResult& run) = 0;

    // The forecast the advisor weighs the colony's money by, to the next tax
    // (AdviceForecastSettings): the window's latest, played on the
    // forecast's threads away from the day; none while there is none yet.
    virtual const TForecast* AdviceForecast(const TColony& /*colony*/) { return nullptr; }

    // Repaints one cell of the map view.
    virtual void UpdateCell(int column, int row) = 0;
    // Repaints the whole map view.
    virtual void UpdateImage() = 0;
    // Repaints the overview map.
    virtual void UpdatePlan() = 0;
    // Scrolls the map view as little as needed to show the rectangle, given
    // in map pixels.
    virtual void ShowRect(const QRect& rect) = 0;
    // Runs one step of the selection animation at once, so that the newly
    // selected cell shows its highlight.
    virtual void StepSelection() = 0;
    // Repaints the whole main window at once (after a turn started by a key).
    virtual void RepaintWindow() = 0;
    // Shows the hourglass cursor while busy is true, the normal one after.
    virtual void SetBusy(bool busy) = 0;
    // The turn that began a month is over: the window writes the monthly
    // autosave. A failure to write it is shown and ends nothing.
    virtual void Autosave() = 0;
    // What can be taken back or played again changed: the window names the
    // steps in its menu.
    virtual void ShowUndoSteps() = 0;
    // The scenario's goals or the tutorial's step changed: the window shows
    // their progress again.
    virtual void ShowGoals() = 0;
    // The turn decided the scenario: the window shows the end (the medal of a
    // win) and keeps the result among the records.
    virtual void ScenarioEnded(const TScenarioResult& result) = 0;
};
