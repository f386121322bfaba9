#pragma once

#include "advisor.h"
#include "base/terrain.h"
#include "basetype.h"
#include "colonystate.h"
#include "commandlog.h"
#include "eventtype.h"
#include "game.h"
#include "history.h"
#include "journal.h"
#include "messagekind.h"
#include "playon.h"
#include "scenario.h"
#include "services.h"
#include "undohistory.h"

#include <QChar>
#include <QPoint>
#include <QString>
#include <QUuid>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

// The colony as the player runs it: the colony state with the selected cell,
// the player's commands on it, the daily turn with its taxes and events, and
// the status line's rules. It reaches the window only through the window
// services, so the game plays the same with or without a window.
class TTaxDialog;

class TColony {
public:
    static constexpr int32_t ImproveLandPrice = 10999;
    // Of a building's price, given back when it is demolished.
    static constexpr int32_t DemolitionRefundPercent = 10;
    static constexpr int32_t GestureMoney = 1000000;
    static constexpr int WeekDays = 7;

    enum class TArrow { Left, Up, Right, Down };

    // Starts a game at once, without showing it: the window shows the state
    // when it is ready. The catalogue must hold at least one type (TGameError
    // otherwise); catalogue, events, terrain and services outlive the colony.
    TColony(const TBaseTypeList& catalogue, const TEventTypeList& events,
            const TTerrainGrid& terrain, TWindowServices& services, int32_t startColumn,
            int32_t startRow);

    TGame& Game() { return *game_; }
    const TGame& Game() const { return *game_; }
    TWindowServices& Services() { return services_; }
    const TBaseTypeList& Catalogue() const { return catalogue_; }
    const TEventTypeList& Events() const { return events_; }
    const TTerrainGrid& Terrain() const { return terrain_; }
    int32_t SelectedColumn() const { return selColumn_; }
    int32_t SelectedRow() const { return selRow_; }

    // Seeds the generator of the game as it begins, from the clock without a
    // seed; its log begins from there.
    void SeedGame(std::optional<uint64_t> seed);

    // The new-game command: a fresh colony with the selection on the start
    // cell; improved land and ruins start afresh. The window scrolls its map
    // view to the map's start screen before it calls this.
    void NewGame(int32_t startColumn, int32_t startRow);

    // The scenario in play on the land the caller has loaded, as a new game
    // on it: the start's date, figures and buildings, the level's numbers
    // and the goals. Throws TGameError when a start building cannot stand
    // where the scenario puts it; the colony is then a new free game.
    void BeginScenario(std::shared_ptr<const TScenario> scenario, TDifficulty difficulty,
                       int32_t startColumn, int32_t startRow);
    // What a save keeps of the scenario beside the colony's state.
    TScenarioPlay ScenarioPlay() const;
    // The scenario in play, or none in the free game.
    const TScenario* Scenario() const { return play_.Scenario.get(); }
    TDifficulty Difficulty() const { return play_.Difficulty; }
    const TDifficultyRules& Rules() const { return rules_; }
    // Which kinds of message are shown quietly, as the player's settings say.
    const TQuietMessages& QuietMessages() const { return quiet_; }
    void SetQuietMessages(const TQuietMessages& quiet) { quiet_ = quiet; }

    // The advisor's warnings as the colony stands: the money's from the
    // services' forecast, the others from the colony itself.
    std::vector<TAdvice> Advice() const;
    // The kinds of warning whose new ones stop a run of play on.
    const TAdviceStops& AdviceStops() const { return adviceStops_; }
    void SetAdviceStops(const TAdviceStops& stops) { adviceStops_ = stops; }
    // The scenario's goals with their progress; empty in the free game.
    const TGoalBook& Goals() const { return book_; }
    const TGoalCounters& Counters() const { return counters_; }
    // A goal's figure as the colony stands now.
    int64_t GoalValue(size_t goal) const { return book_.Value(goal, *game_, counters_); }
    TScenarioState ScenarioState() const { return book_.State(); }
    // The result as it stands: decided or still playing.
    TScenarioResult Result() const;
    // The tutorial's step the player is on, or none when the scenario has no
    // tutorial or its last step is done.
    const TTutorialStep* TutorialStep() const;
    uint32_t TutorialIndex() const { return play_.TutorialStep; }

    // The status line: an empty text shows the selected cell's info; a text
    // beginning with "!" is an error, shown without it after the error sound.
    void ShowStatus(const QString& text);
    void ShowCellInfo() { ShowStatus(QString()); }
    // What the status line shows for a cell: its building or its ground, with
    // "+ " in front on improved land.
    QString CellInfo(int32_t column, int32_t row) const;

    // Selects a cell, held at the edge of the grid, scrolls to it and shows
    // its info; selecting the selected cell again does nothing.
    void SelectCell(int32_t column, int32_t row);
    void ArrowKey(TArrow arrow);
    // The mouse on the map view, in map pixels: a left press selects and
    // starts a drag, a move while dragging selects, any release ends it.
    void MouseDown(bool leftButton, int32_t x, int32_t y);
    void MouseMove(int32_t x, int32_t y);
    void MouseUp();
    // A letter typed on the map view, on any keyboard layout; returns whether
    // it was a command key.
    bool KeyPress(QChar key);

    // The player's commands on the selected cell; each checks before it
    // changes anything and reports a failure in the status line.
    void Build(const TBaseType& type);
    void ImproveLand();
    void FindWeakest();
    void Restore();
    void RestoreAll();
    void Demolish();
    void Block();
    void Market(bool sale);
    // Sets the standing order of the good (0..8), or takes it away with none;
    // bounds that make no order are told in the status line.
    void SetOrder(int good, std::optional<TStandingOrder> order);
    // Sets every good's standing order at once, one step of undo.
    void SetOrders(const TStandingOrders& orders);
    // The new-day and new-week commands; false when a refused tax stopped them.
    bool NewDay();
    bool NewWeek();
    // Play on: day after day, at most maxDays, until a day brings what needs
    // the player; goOn, asked after each day, stops it when false. The whole
    // run is one undo step, named by its days.
    TRunResult PlayOn(int32_t maxDays, const std::function<bool()>& goOn = {});
    // The play-on command: a run as far and as fast as the window lets it go.
    void PlayOnCommand();
    // The hidden gesture on the money icon: right button with Ctrl.
    void MoneyGesture(bool rightButton, bool ctrl);

    // One turn: warnings, taxes, the colony's day, season, events and the
    // day's messages; a turn that begins a month ends with the autosave.
    // False when a tax was refused and the day did not pass.
    bool DayTurn();

    // The colony as a record, and the colony put back as a record has it
    // (its types from this colony's catalogue), shown at once.
    TColonyState TakeState() const;
    void RestoreState(const TColonyState& state);
    // A loaded game replaces this one with its days: no command of the old
    // one can be taken back. It keeps the identity it was saved with; a
    // null identity gives it a new one.
    // The scenario's goals were saved in the state; goals of another number
    // than the scenario's make it a free game. Without its log the game logs
    // from here.
    void LoadState(const TColonyState& state, std::vector<THistoryDay> days,
                   QUuid identity = QUuid(), TScenarioPlay play = {},
                   std::vector<TJournalEntry> journal = {}, std::optional<TColonyLog> log = {});
    // Which game this is: made when a game begins and kept in its saves, so
    // that a save of another colony is never written over unasked.
    const QUuid& Identity() const { return identity_; }

    // Takes back the last command that changed the game, or plays again the
    // last one taken back. Returns the status line's text: what was done, or
    // an error beginning with "!" when there is nothing to do.
    QString Undo();
    QString Redo();
    const TUndoHistory& UndoSteps() const { return undo_; }
    // The colony's days, one after each turn.
    const THistory& History() const { return days_; }
    // Every message the game showed the player, with its day and kind.
    const TJournal& Journal() const { return journal_; }
    // The commands that changed the game since its log began, and the colony
    // as it stood then: as a new game or scenario began, or as a game saved
    // without its log was loaded. Played again from there, they reach the
    // colony as it stands.
    const TCommandLog& CommandLog() const { return log_; }
    const TColonyState& LogStart() const { return logStart_; }
    // Which state of the game this is: every command, new or loaded game
    // makes a new one, and a step taken back or played again returns to the
    // state it was. So the game is as it was saved when the revision is the
    // one it was saved at, even after commands and their undoing.
    uint64_t Revision() const { return revision_; }

private:
    // A journal entry about no cell.
    static constexpr QPoint NoCell{-1, -1};

    TBase* SelectedBase() const { return game_->BaseAt(selColumn_, selRow_); }
    class TCommand;

    bool AskTaxes();
    // The standing orders' deals after the day, each kept in the journal.
    void Trade();
    // Keeps a message in the journal on today's date, about the cell when it
    // concerns one on the map; Tell then shows it in the message dialog, or
    // quietly when its kind is to be.
    void Note(TJournalKind kind, const QString& text, QPoint cell = NoCell);
    void Tell(TMessageKind kind, TSound sound, const QString& text, QPoint cell = NoCell);
    // Plays the sound and shows the text as a note when the kind is quiet;
    // else the caller's window is to show it, and a run stops after the day.
    bool ToldQuietly(TMessageKind kind, TSound sound, const QString& text);
    // The goals after a turn, or after a tax refused stopped it: announced,
    // and the end shown when decided.
    void CheckGoals(bool dayPassed);
    // Counts a tax paid under its counter, or refused; true when paid.
    bool Answered(const TTaxDialog& dialog, int32_t TGoalCounters::*paid);
    // The player did what the tutorial's step waits for, maybe.
    void Did(TTutorialStep::TAction action, TPlayerCommand::TId command = TPlayerCommand::pcNewDay,
             const TBaseType* type = nullptr);
    // Back to the free game of the normal level.
    void EndScenario();
    // Returns the cell of the last building an event destroyed, or (-1, -1).
    QPoint RunEvents(int32_t& destroyed);
    // The colony beside its land and buildings, and the colony set to it.
    TColonyHead Head() const;
    void SetHead(const TColonyHead& head);
    // Takes back (back) or plays again the step, if any, and tells what was
    // done, or that there was nothing to do.
    QString StepTo(std::optional<TUndoHistory::TStep> step, bool back);
    // Turns the colony to the other side of the edits, which turn into the
    // way back; the window is told with ShowReturn. Going back takes the
    // journal's entries since the command out into the edits; going forward
    // puts them back after those made meanwhile.
    void GoThrough(TColonyEdits& edits, bool back);
    void ShowReturn();
    // The log begins again from the colony as it stands.
    void BeginLog();
    // A command that changed the game, given on the selected cell.
    TLogEntry Entry(TLogCommand command, int32_t count = 0) const;
    void Logged(const TLogEntry& entry) { log_.Record(entry); }
    // A command of days, with its tax refused when the last turn refused one.
    void LoggedDays(TLogCommand command, int32_t days);

    const TBaseTypeList& catalogue_;
    const TEventTypeList& events_;
    const TTerrainGrid& terrain_;
    TWindowServices& services_;
    std::unique_ptr<TGame> game_;
    int32_t selColumn_ = 0;
    int32_t selRow_ = 0;
    bool dragging_ = false;
    TUndoHistory undo_;
    THistory days_;
    TJournal journal_;
    TCommandLog log_;
    TColonyState logStart_;
    // The tax the last turn refused, if any.
    TRefusedTax refused_ = TRefusedTax::None;
    uint64_t revision_ = 0;
    uint64_t lastRevision_ = 0; // the newest revision given
    QUuid identity_ = QUuid::createUuid();
    TScenarioPlay play_;
    TDifficultyRules rules_;
    TGoalBook book_{{}};
    TGoalCounters counters_;
    TQuietMessages quiet_;
    TAdviceStops adviceStops_;
    // The buildings the last day found waiting for goods or workers, with
    // the date it left and the revision it was played in. The day's events
    // befall only buildings at work, so the tally holds after them.
    struct TWaitingDay {
        TGameDate Date;
        uint64_t Revision = 0;
        TWaitingTally Tally;
    };
    std::optional<TWaitingDay> waitingDay_;
    // What the day being played brought first that stops a run of play on.
    std::optional<TRunResult> dayStop_;
    void StopRun(TRunStop stop, TMessageKind kind = TMessageKind::Event);
};
