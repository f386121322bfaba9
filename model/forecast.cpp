#include "forecast.h"

#include "colony.h"
#include "describe.h"
#include "quietservices.h"
#include "taxes.h"

#include <QCoreApplication>
#include <QStringList>
#include <QUuid>
#include <algorithm>
#include <climits>
#include <exception>
#include <mutex>
#include <thread>

namespace {

// Far enough to find every tax: the main tax falls every ten years.
constexpr int32_t TaxSearchDays = (MainTaxPeriod + 1) * 366;

// The first tax a future was asked, as the dialog opened.
struct TAskedTax {
    TGameDate Date;
    bool Main = false;
    int64_t Amount = 0;
    int32_t Money = 0;
    bool Paid = false;
};

// A future's window: it shows nothing and answers the taxes as told,
// noting the first.
class TFutureServices : public TQuietServices {
public:
    TFutureServices(bool payTaxes) : payTaxes_(payTaxes) {}

    void Watch(const TColony& colony) { colony_ = &colony; }
    const std::optional<TAskedTax>& FirstTax() const { return firstTax_; }

    void RunYearlyTaxes(TTaxDialog& dialog) override { Answer(dialog, false); }
    void RunMainTax(TTaxDialog& dialog) override { Answer(dialog, true); }

private:
    void Answer(TTaxDialog& dialog, bool main) {
        const int32_t money = colony_->Game().Money;
        // "Да" once; a tax the chest cannot hold is then refused.
        if (payTaxes_)
            dialog.Pay();
        if (!firstTax_)
            firstTax_ =
                TAskedTax{colony_->Game().Date, main, dialog.Amount(), money, dialog.Paid()};
    }

    bool payTaxes_;
    const TColony* colony_ = nullptr;
    std::optional<TAskedTax> firstTax_;
};

TForecastPoint PointOf(const TGame& game) {
    TForecastPoint point{};
    point[ffMoney] = game.Money;
    point[ffPeople] = game.People;
    point[ffHealth] = game.Health;
    point[ffFood] = game.Stock[gdFood];
    return point;
}

// One future played to the end.
struct TFuture {
    std::vector<TForecastPoint> Points; // day 0 and one after each turn
    std::optional<TAskedTax> Tax;
};

// Plays one future; false when it was cancelled on the way.
bool PlayFuture(const TForecastWorld& world, const TForecastStart& start,
                const TForecastSettings& settings, int32_t run, const std::atomic<bool>* cancel,
                TFuture& future) {
    TFutureServices services(settings.PayTaxes);
    TColony colony(world.Catalogue, world.Events, world.Terrain, services,
                   start.State.SelectedColumn, start.State.SelectedRow);
    services.Watch(colony);
    colony.LoadState(start.State, {}, QUuid(), start.Play);
    colony.Game().Random.Seed(FutureSeed(start.State.Random, run));
    future.Points.reserve(static_cast<size_t>(settings.Days) + 1);
    future.Points.push_back(PointOf(colony.Game()));
    bool going = true;
    for (int32_t day = 0; day < settings.Days; ++day) {
        if (cancel && cancel->load(std::memory_order_relaxed))
            return false;
        // A refused tax stops the calendar for good: nobody answers again.
        going = going && colony.DayTurn();
        future.Points.push_back(PointOf(colony.Game()));
    }
    future.Tax = services.FirstTax();
    return true;
}

// The 10th, 50th and 90th percentile, by nearest rank; the values are
// reordered.
TForecastBand BandOf(std::vector<int32_t>& values) {
    const auto rank = [&values](int percent) {
        const size_t at = (static_cast<size_t>(percent) * (values.size() - 1) + 50) / 100;
        std::nth_element(values.begin(), values.begin() + static_cast<ptrdiff_t>(at), values.end());
        return values[at];
    };
    TForecastBand band;
    band.Low = rank(10);
    band.Median = rank(50);
    band.High = rank(90);
    return band;
}

TForecast Gather(const TForecastStart& start, const TForecastSettings& settings,
                 const std::vector<TFuture>& futures) {
    TForecast forecast;
    forecast.From = start.State.Date;
    forecast.Runs = settings.Runs;
    std::vector<int32_t> values(futures.size());
    for (int32_t day = 0; day <= settings.Days; ++day) {
        TForecastDay bands;
        for (int figure = 0; figure < ForecastFigureCount; ++figure) {
            for (size_t run = 0; run < futures.size(); ++run)
                values[run] = futures[run].Points[static_cast<size_t>(day)][figure];
            bands[figure] = BandOf(values);
        }
        forecast.Days.push_back(bands);
    }

    std::vector<int32_t> amounts;
    std::vector<int32_t> money;
    const TAskedTax* first = nullptr;
    int32_t paid = 0;
    for (const TFuture& future : futures)
        if (future.Tax) {
            first = &*future.Tax;
            amounts.push_back(
                static_cast<int32_t>(std::min<int64_t>(future.Tax->Amount, INT32_MAX)));
            money.push_back(future.Tax->Money);
            paid += future.Tax->Paid ? 1 : 0;
        }
    if (first) {
        TForecastTax tax;
        tax.Date = first->Date;
        tax.Main = first->Main;
        tax.Amount = BandOf(amounts).Median;
        tax.Asked = static_cast<int32_t>(money.size());
        tax.Paid = paid;
        tax.Money = BandOf(money);
        forecast.Tax = tax;
    }

    std::vector<int32_t> foodGone;
    for (const TFuture& future : futures) {
        const auto gone = std::find_if(future.Points.begin(), future.Points.end(),
                                       [](const TForecastPoint& p) { return p[ffFood] <= 0; });
        foodGone.push_back(gone == future.Points.end()
                               ? INT32_MAX
                               : static_cast<int32_t>(gone - future.Points.begin()));
    }
    const int32_t median = BandOf(foodGone).Median;
    if (median != INT32_MAX)
        forecast.FoodGoneAfter = median;
    return forecast;
}

} // namespace

int32_t HorizonDays(TForecastHorizon horizon, const TGameDate& date) {
    const auto untilTax = [&date](bool main) {
        TGameDate day = date;
        for (int32_t days = 1; days <= TaxSearchDays; ++days) {
            const TTaxesDue due = TaxesDue(day);
            if (main ? due.MainTax != 0 : due.Yearly)
                return days; // the turn of that day asks it first
            SetDay(day, day.Day + 1);
        }
        return TaxSearchDays;
    };
    switch (horizon) {
    case TForecastHorizon::YearlyTax:
        return untilTax(false);
    case TForecastHorizon::MainTax:
        return untilTax(true);
    case TForecastHorizon::Month:
        return ForecastMonthDays;
    case TForecastHorizon::Year:
        break;
    }
    return ForecastYearDays;
}

TForecastStart ForecastStartOf(const TColony& colony) {
    return {colony.TakeState(), colony.ScenarioPlay()};
}

TForecastWorld ForecastWorldOf(const TColony& colony) {
    return {colony.Catalogue(), colony.Events(), colony.Terrain()};
}

uint64_t FutureSeed(const TRandomState& game, int32_t run) {
    // A constant of its own keeps the futures off the game's own stream even
    // where the mixing would otherwise meet it.
    uint64_t mix = 0x666f726563617374ULL; // "forecast"
    for (uint64_t word : game) {
        mix ^= word;
        mix = TRandom::SplitMix(mix);
    }
    mix += static_cast<uint64_t>(run);
    return TRandom::SplitMix(mix);
}

std::optional<TForecast> PlayForecast(const TForecastWorld& world, const TForecastStart& start,
                                      const TForecastSettings& settings,
                                      const std::atomic<bool>* cancel) {
    TForecastSettings played = settings;
    played.Runs = std::max(settings.Runs, 1);
    played.Days = std::max(settings.Days, 1);
    std::vector<TFuture> futures(static_cast<size_t>(played.Runs));
    std::atomic<int32_t> next = 0;
    std::atomic<bool> stopped = false;
    std::exception_ptr failure;
    std::mutex failureLock;
    const auto work = [&] {
        for (int32_t run = next++; run < played.Runs && !stopped; run = next++) {
            try {
                if (!PlayFuture(world, start, played, run, cancel,
                                futures[static_cast<size_t>(run)]))
                    stopped = true;
            } catch (...) {
                const std::lock_guard lock(failureLock);
                failure = std::current_exception();
                stopped = true;
            }
        }
    };
    const int cores = static_cast<int>(std::max(std::thread::hardware_concurrency(), 1u));
    const int threads = std::min(played.Threads > 0 ? played.Threads : cores, played.Runs);
    {
        std::vector<std::jthread> workers;
        for (int i = 1; i < threads; ++i)
            workers.emplace_back(work);
        work(); // the calling thread is a worker too
    }
    if (failure)
        std::rethrow_exception(failure);
    if (stopped)
        return std::nullopt;
    return Gather(start, played, futures);
}

int TaxPaidPercent(const TForecastTax& tax) {
    return tax.Asked > 0 ? (tax.Paid * 100 + tax.Asked / 2) / tax.Asked : 0;
}

QString ForecastSummary(const TForecast& forecast) {
    QStringList parts;
    if (forecast.Tax && forecast.Tax->Asked > 0) {
        const TForecastTax& tax = *forecast.Tax;
        const int percent = TaxPaidPercent(tax);
        parts << QCoreApplication::translate("Forecast", "%1 %2 (%3): хватит в %4 % исходов")
                     .arg(tax.Main ? QCoreApplication::translate("Forecast", "Главный налог")
                                   : QCoreApplication::translate("Forecast", "налог"),
                          NumToStr(tax.Amount), DateText(tax.Date))
                     .arg(percent);
    }
    // Food is what the sawmills, quarries and mines take, and its band is
    // the futures' spread: the median's last day of it, or none at all.
    if (forecast.FoodGoneAfter)
        parts << QCoreApplication::translate("Forecast", "в среднем исходе еда кончится %1")
                     .arg(DateText(DaysAfter(forecast.From, *forecast.FoodGoneAfter)));
    else
        parts << QCoreApplication::translate("Forecast", "еды хватит на весь прогноз");
    if (!forecast.Days.empty()) {
        const int32_t now = forecast.Days.front()[ffHealth].Median;
        const int32_t then = forecast.Days.back()[ffHealth].Median;
        // A few points either way are the day's noise, not a trend.
        constexpr int32_t Steady = 10;
        const QString trend =
            then > now + Steady   ? QCoreApplication::translate("Forecast", "растет")
            : then < now - Steady ? QCoreApplication::translate("Forecast", "падает")
                                  : QCoreApplication::translate("Forecast", "держится");
        parts << QCoreApplication::translate("Forecast", "здоровье %1: %2 → %3")
                     .arg(trend)
                     .arg(now)
                     .arg(then);
    }
    QString line = parts.join(QStringLiteral("; "));
    if (!line.isEmpty())
        line[0] = line[0].toUpper();
    return line;
}
