// Play on at the fastest pace with the window showing, on the balance colony
// of 1901: a year of it against the same year played by the rules alone plus
// one repaint of the window for each frame it showed (the budget is 1.5 times
// the rules' year plus the repaints), and how soon a key stops a run (at most
// 50 ms).

#include "bench/balancecolony.h"
#include "bench/bigcolony.h"
#include "map/placebox.h"
#include "model/colony.h"
#include "model/quietservices.h"
#include "model/savecodec.h"
#include "model/savefile.h"
#include "model/taxes.h"
#include "resources/datamodule.h"
#include "ui/application.h"
#include "ui/mainform.h"
#include "ui/settings.h"
#include "ui/smallcontrols.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <QTimer>
#include <atomic>
#include <benchmark/benchmark.h>
#include <chrono>
#include <memory>
#include <thread>

namespace {

QString DataFolder() {
    return QCoreApplication::applicationDirPath();
}

// The settings and saves of the benchmark's windows in a folder of their
// own, never the player's.
const QTemporaryDir& Scratch() {
    static const QTemporaryDir dir = [] {
        QTemporaryDir made;
        qputenv("XDG_CONFIG_HOME", made.filePath(QStringLiteral("config")).toUtf8());
        qputenv("TARVENIA_SAVE_DIR", made.filePath(QStringLiteral("saves")).toUtf8());
        return made;
    }();
    return dir;
}

// Every message quiet: a run stops only at its limit and at the taxes.
TQuietMessages AllQuiet() {
    TQuietMessages quiet;
    quiet.SetAll(true);
    return quiet;
}

// The rules alone, as the simulator plays them: the taxes paid, nothing shown.
class TPayingServices : public TQuietServices {
public:
    void RunYearlyTaxes(TTaxDialog& dialog) override { dialog.Pay(); }
    void RunMainTax(TTaxDialog& dialog) override { dialog.Pay(); }
};

// The balance colony of 1901, once for the program: the saved game and the
// catalogues it plays with.
struct TBalance {
    TBigColony Big{1, DataFolder()};
    QString Save = BalanceSave1901(DataFolder(), Scratch().path());
    TSavedGame Game = ReadSaveFile(Save, Big.catalogue, Big.events);
};

TBalance& Balance() {
    static TBalance balance;
    return balance;
}

// Plays runs of play on until the colony's date is a year on, each run as
// far as the days left; a tax paid stops a run, the next one goes on.
template <typename TRun> void PlayYear(TColony& colony, TRun run) {
    const TGameDate until = DaysAfter(colony.Game().Date, ForecastYearDays);
    while (colony.Game().Date < until) {
        const TGameDate before = colony.Game().Date;
        run(*DaysOfLimit(TRunLimit::Date, before, until));
        if (colony.Game().Date == before)
            throw TGameError(QStringLiteral("the run did not go on"));
    }
}

// Answers each tax dialog "Да" as soon as it shows.
class TTaxAnswerer : public QObject {
public:
    TTaxAnswerer() {
        timer_.setInterval(1);
        connect(&timer_, &QTimer::timeout, this, [] {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
                if (auto* yes = dialog->findChild<TvtButton*>(QStringLiteral("bt1")))
                    yes->Click();
        });
        timer_.start();
    }

private:
    QTimer timer_;
};

// Counts the paints of a widget.
class TPaintCounter : public QObject {
public:
    explicit TPaintCounter(QWidget& widget) { widget.installEventFilter(this); }
    int Paints = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            ++Paints;
        return QObject::eventFilter(watched, event);
    }
};

// The game's window on the balance colony, with play on set to the pace
// given (0: the fastest) as far as the date given and every message quiet.
std::unique_ptr<TMainForm> BalanceWindow(const TDM& images, const TGameDate& until, int pace = 0) {
    Scratch();
    TSettings settings;
    settings.RunPace = pace;
    settings.RunLimit = TRunLimit::Date;
    settings.RunUntil = until;
    settings.QuietMessages = AllQuiet();
    settings.Autosave = false;
    settings.AskBeforeDiscard = false;
    settings.Music = false;
    settings.Sound = false;
    if (!settings.Save())
        throw TGameError(QStringLiteral("the settings cannot be written"));
    auto form = std::make_unique<TMainForm>(images, DataFolder());
    if (!form->LoadFrom(Balance().Save))
        throw TGameError(QStringLiteral("the balance colony does not load"));
    form->show();
    QCoreApplication::processEvents();
    return form;
}

// A year of play on at the fastest pace in the window, against the same year
// by the rules alone and the window's repaints.
void BM_PlayOnYearAgainstRules(benchmark::State& state) {
    TApplication::SetUpLook();
    const TDM images;
    TBalance& balance = Balance();
    TPayingServices paying;
    TColony rules(balance.Big.catalogue, balance.Big.events, balance.Big.earth.Grid, paying, 0, 0);
    rules.SetQuietMessages(AllQuiet());
    const TSavedGame& game = balance.Game;
    const TGameDate until = DaysAfter(game.Colony.Date, ForecastYearDays);
    const std::unique_ptr<TMainForm> form = BalanceWindow(images, until);
    const TTaxAnswerer answerer;
    double rulesMs = 0;
    double windowMs = 0;
    double repaintMs = 0;
    int frames = 0;
    for (auto _ : state) {
        rules.LoadState(game.Colony, game.Days, game.Identity, game.Scenario);
        QElapsedTimer clock;
        clock.start();
        PlayYear(rules, [&rules](int32_t days) { rules.PlayOn(days); });
        rulesMs += static_cast<double>(clock.nsecsElapsed()) / 1e6;

        form->LoadFrom(balance.Save);
        QCoreApplication::processEvents();
        const TPaintCounter paints(*form->pb1);
        clock.restart();
        PlayYear(form->Colony(), [&form](int32_t) { form->Colony().PlayOnCommand(); });
        windowMs += static_cast<double>(clock.nsecsElapsed()) / 1e6;
        frames += paints.Paints;
        if (form->Colony().Game().Date != rules.Game().Date ||
            form->Colony().Game().Money != rules.Game().Money)
            state.SkipWithError("the window played another year than the rules");

        constexpr int Repaints = 20;
        clock.restart();
        for (int i = 0; i < Repaints; ++i)
            form->repaint();
        repaintMs += static_cast<double>(clock.nsecsElapsed()) / 1e6 / Repaints;
    }
    const double runs = static_cast<double>(state.iterations());
    const double budget = 1.5 * rulesMs / runs + frames / runs * repaintMs / runs;
    state.counters["rules_ms"] = rulesMs / runs;
    state.counters["window_ms"] = windowMs / runs;
    state.counters["frames"] = frames / runs;
    state.counters["repaint_ms"] = repaintMs / runs;
    state.counters["budget_ms"] = budget;
    state.counters["of_budget"] = windowMs / runs / budget;
    state.counters["buildings"] = static_cast<double>(rules.Game().Buildings().size());
}
BENCHMARK(BM_PlayOnYearAgainstRules)->Unit(benchmark::kMillisecond)->Iterations(30)->UseRealTime();

// The 5 000-building colony as a saved game, for the window to load: its
// days are long enough that a year's run spans several frames.
const QString& LargeSave() {
    static const QString save = [] {
        TBigColony big(5000, DataFolder());
        const QString path = Scratch().filePath(QStringLiteral("5000.tsav"));
        WriteSaveFile(
            path, SavedGameOf(*big.colony, big.earth.SavedLand(), big.earth.StartScreen, false));
        return path;
    }();
    return save;
}

// A key pressed while the game plays, at the fastest pace (0) or at two days
// a second: the time from the key's arrival, at a moment of its own on
// another thread, until the run has ended and its last day is shown.
void BM_PlayOnStopsAtAKey(benchmark::State& state) {
    TApplication::SetUpLook();
    const TDM images;
    const int pace = static_cast<int>(state.range(0));
    const std::unique_ptr<TMainForm> form = BalanceWindow(images, {FoundingYear + 100, 1, 1}, pace);
    if (!form->LoadFrom(LargeSave()))
        throw TGameError(QStringLiteral("the large colony does not load"));
    const TTaxAnswerer answerer;
    // What the status line says of a run the player stopped.
    const QString stopped = RunStopText({.Stop = TRunStop::Player}, TRunLimit::Date);
    double worst = 0;
    int missed = 0;
    for (auto _ : state) {
        for (;;) {
            std::atomic<int64_t> pressed{0};
            QElapsedTimer clock;
            clock.start();
            // Made here: an event makes its keyboard on first use, which
            // belongs to the window's thread.
            auto* press = new QKeyEvent(QEvent::KeyPress, Qt::Key_F12, Qt::NoModifier);
            std::thread key([&] {
                std::this_thread::sleep_for(std::chrono::milliseconds(pace == 0 ? 20 : 300));
                pressed = clock.nsecsElapsed();
                QCoreApplication::postEvent(form->pb1, press);
            });
            form->Colony().PlayOnCommand();
            const int64_t ended = clock.nsecsElapsed();
            key.join();
            QCoreApplication::processEvents(); // a key that came after the run
            if (form->lbStatus->text().contains(stopped)) {
                worst = std::max(worst, static_cast<double>(ended - pressed) / 1e6);
                break;
            }
            ++missed; // the run reached a tax first: the next one goes on
        }
    }
    state.counters["worst_ms"] = worst;
    state.counters["missed"] = missed;
    state.counters["buildings"] = static_cast<double>(form->Colony().Game().Buildings().size());
}
BENCHMARK(BM_PlayOnStopsAtAKey)
    ->Arg(0)
    ->Arg(2)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5)
    ->UseRealTime();

} // namespace
