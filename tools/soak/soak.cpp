#include "soak.h"

#include <QDir>
#include <QSet>
#include <cstdlib>
#include <string_view>

namespace {

// How often the player gives a verb, per mille of all commands; each other
// verb of play or of looking comes OtherWeight times in a thousand, and the
// verbs that set the game from outside play never.
struct TWeight {
    std::string_view Word;
    int32_t PerMille;
};
constexpr TWeight Weights[] = {
    {"day", 337},       {"week", 40},    {"improve", 30}, {"find", 15},   {"restore", 20},
    {"restoreall", 10}, {"demolish", 8}, {"block", 20},   {"gesture", 5}, {"state", 10},
    {"pay", 35},        {"select", 200}, {"build", 130},  {"sell", 8},    {"buy", 7},
    {"days", 10},       {"cell", 45},    {"base", 70},
};
constexpr int32_t OtherWeight = 3;

// The largest number the player gives: long runs of days or big forecasts
// would only slow the soak down.
constexpr int32_t NumberSpan = 30;

int32_t Weight(const TSimVerb& verb) {
    if (verb.Use == TSimVerb::Setup)
        return 0;
    for (const TWeight& weight : Weights)
        if (weight.Word == verb.Word)
            return weight.PerMille;
    return OtherWeight;
}

// Commands in a row that leave the date standing before the player, stuck on
// a tax the colony cannot pay, is given the money.
constexpr int32_t StuckCommands = 400;

TGameDate NextDate(TGameDate date) {
    SetDay(date, date.Day + 1);
    return date;
}

} // namespace

TSoakData::TSoakData(const QString& folder) {
    Earth.LoadEarth(QStringLiteral("01"), folder);
    LoadBaseTypes(Catalogue, folder);
    LoadEventTypes(Events, folder);
}

int32_t TSoakPlayer::Below(int32_t bound) {
    return static_cast<int32_t>(std::uniform_int_distribution<int32_t>(0, bound - 1)(random_));
}

QString TSoakPlayer::RandomCell(const TColony& colony) {
    const TGame& game = colony.Game();
    int32_t column = Below(MapCols);
    int32_t row = Below(MapRows);
    // Most cells are picked next to a building, where building can succeed.
    if (!game.Buildings().empty() && Below(4) != 0) {
        const TBase& near = *game.Buildings()[static_cast<size_t>(
            Below(static_cast<int32_t>(std::min<size_t>(game.Buildings().size(), INT32_MAX))))];
        column = std::clamp(near.Column + Below(7) - 3, 0, MapCols - 1);
        row = std::clamp(near.Row + Below(7) - 3, 0, MapRows - 1);
    }
    return QStringLiteral("%1 %2").arg(column).arg(row);
}

QStringList TSoakPlayer::Quantities() {
    // Empty fields, small and large amounts, all of a good, and text that is
    // no number at all.
    static const char* const odd[] = {"-", "12abc", "1e3", "+5", "-7", "999999", "0", "x"};
    QStringList words;
    for (int good = 0; good < GoodsCount; ++good) {
        switch (Below(4)) {
        case 0:
            words << QString::number(Below(200));
            break;
        case 1:
            words << QString::fromLatin1(odd[Below(static_cast<int32_t>(std::size(odd)))]);
            break;
        default:
            words << QStringLiteral("_");
        }
    }
    return words;
}

QString TSoakPlayer::Argument(const TSimArgument& argument, const TColony& colony) {
    switch (argument.Kind) {
    case TSimArgument::Word: {
        const QStringList choices = QString::fromLatin1(argument.Name).split(u'|');
        return choices[Below(static_cast<int32_t>(choices.size()))];
    }
    case TSimArgument::Number:
        return QString::number(argument.Low +
                               Below(static_cast<int32_t>(std::min<int64_t>(
                                   int64_t{argument.High} - argument.Low + 1, NumberSpan))));
    case TSimArgument::Seed:
        return QString::number(random_());
    case TSimArgument::Cell:
    case TSimArgument::Building:
        return RandomCell(colony);
    case TSimArgument::Type: {
        const TBaseTypeList& catalogue = colony.Catalogue();
        return catalogue[static_cast<size_t>(Below(static_cast<int32_t>(catalogue.size())))].Id;
    }
    case TSimArgument::Quantities:
        return Quantities().join(u' ');
    case TSimArgument::Date:
        return ShortDateText(colony.Game().Date);
    case TSimArgument::File:
        return QDir::temp().filePath(QStringLiteral("tarvenia-soak.dat"));
    }
    return {};
}

QString TSoakPlayer::NextCommand(const TColony& colony) {
    const std::span<const TSimVerb> verbs = TSimulator::Verbs();
    int32_t total = 0;
    for (const TSimVerb& verb : verbs)
        total += Weight(verb);
    int32_t pick = Below(total);
    for (const TSimVerb& verb : verbs) {
        pick -= Weight(verb);
        if (pick >= 0)
            continue;
        QStringList words{QString::fromLatin1(verb.Word)};
        for (const TSimArgument& argument : verb.Arguments)
            words << Argument(argument, colony);
        return words.join(u' ');
    }
    return {};
}

int32_t TSoakPlayer::MaxDays(const QString& command) {
    const QStringList words = command.split(u' ');
    for (const TSimVerb& verb : TSimulator::Verbs())
        if (verb.Fits(words))
            return verb.Days == TSimVerb::DaysOfNumber ? words[1].toInt() : verb.Days;
    return 0;
}

TColonySnapshot TakeSnapshot(const TColony& colony) {
    const TGame& game = colony.Game();
    TColonySnapshot snapshot{game.Date, game.Stock, {}};
    for (const auto& base : game.Buildings())
        for (int good = 0; good < GoodsCount; ++good) {
            const int64_t mean = base->Kind->Profit[good];
            const int64_t range = std::llabs(int64_t{base->Kind->ProfitRange[good]});
            snapshot.DailyLoss[good] += std::max<int64_t>(range - mean, 0);
        }
    return snapshot;
}

QStringList CheckColony(const TColony& colony, const TColonySnapshot& before, int32_t maxDays,
                        int32_t startColumn, int32_t startRow) {
    const TGame& game = colony.Game();
    QStringList broken;
    if (game.Money < 0)
        broken << QStringLiteral("money %1 below 0").arg(game.Money);
    if (game.People < 0)
        broken << QStringLiteral("people %1 below 0").arg(game.People);
    if (game.Health < 0 || game.Health > TGame::MaxHealth)
        broken << QStringLiteral("health %1 outside 0..%2").arg(game.Health).arg(TGame::MaxHealth);
    if (game.Employed < 0 || game.Employed > game.People)
        broken << QStringLiteral("employed %1 of %2 people").arg(game.Employed).arg(game.People);
    if (game.Purchases < 0 || game.Sales < 0)
        broken << QStringLiteral("turnover %1/%2 below 0").arg(game.Purchases).arg(game.Sales);

    QSet<int32_t> taken;
    for (const auto& base : game.Buildings()) {
        const int32_t column = base->Column;
        const int32_t row = base->Row;
        const QString where =
            QStringLiteral("%1 at %2,%3").arg(base->Kind->Id).arg(column).arg(row);
        if (!TTerrainGrid::Contains(column, row)) {
            broken << where + QStringLiteral(" outside the grid");
            continue;
        }
        const bool founding =
            base->Kind == &colony.Catalogue().front() && column == startColumn && row == startRow;
        if (!founding && !base->Kind->AcceptsEarth(colony.Terrain().EarthKind(column, row)))
            broken << where + QStringLiteral(" on ground it does not accept");
        if (taken.contains(column * MapRows + row))
            broken << where + QStringLiteral(" shares its cell");
        taken.insert(column * MapRows + row);
        if (game.BaseAt(column, row) == nullptr)
            broken << where + QStringLiteral(" not found on its cell");
    }

    // The date moved by 0..maxDays days; count them to bound the stock.
    TGameDate date = before.Date;
    int32_t days = 0;
    while (!(date == game.Date) && days < maxDays) {
        date = NextDate(date);
        ++days;
    }
    if (!(date == game.Date))
        broken << QStringLiteral("date %1 is not within %2 days after %3")
                      .arg(DateText(game.Date))
                      .arg(maxDays)
                      .arg(DateText(before.Date));
    for (int good = 0; good < GoodsCount; ++good) {
        const int64_t floor =
            std::min<int64_t>(before.Stock[good], 0) - before.DailyLoss[good] * days;
        if (game.Stock[good] < 0 && game.Stock[good] < floor)
            broken << QStringLiteral("stock of good %1 is %2, below %3")
                          .arg(good)
                          .arg(game.Stock[good])
                          .arg(floor);
    }
    return broken + CheckAccount(game);
}

QStringList CheckAccount(const TGame& game) {
    QStringList broken;
    const std::span<const TYearAccount> years = game.Account.Years();
    for (size_t i = 0; i < years.size(); ++i) {
        const TYearAccount& year = years[i];
        // Closing as TAccount::Closing gives it, without its search of the years.
        const int64_t closing = i + 1 < years.size() ? years[i + 1].Opening : game.Money;
        const int64_t made = year.Opening + year.Incomes() + year.Spendings();
        if (made != closing)
            broken << QStringLiteral("account of %1: opening %2 and flows make %3, closing is %4")
                          .arg(year.Year)
                          .arg(year.Opening)
                          .arg(made)
                          .arg(closing);
    }
    return broken;
}

QStringList RunSoak(TSimulator& simulator, TSoakPlayer& player, int32_t years, int32_t startColumn,
                    int32_t startRow, TSoakFigures& figures) {
    TColony& colony = simulator.Colony();
    int32_t standing = 0;
    // A soak of Y years ends on the first day of the year Y years after the
    // founding.
    while (colony.Game().Date.Year < FoundingYear + years) {
        QStringList commands{player.NextCommand(colony)};
        if (standing >= StuckCommands) {
            // The money comes as a gift, booked as the account books every
            // change of the colony's money.
            colony.Game().SetMoney(TMoneyFlow::Gesture, INT32_MAX);
            commands = QStringList{QStringLiteral("pay yes"), QStringLiteral("day")};
            ++figures.Rescues;
            standing = 0;
        }
        for (const QString& command : commands) {
            const TColonySnapshot before = TakeSnapshot(colony);
            simulator.Execute(command);
            ++figures.Commands;
            QStringList broken =
                CheckColony(colony, before, TSoakPlayer::MaxDays(command), startColumn, startRow);
            if (!broken.isEmpty()) {
                for (QString& line : broken)
                    line.prepend(
                        QStringLiteral("after \"%1\" on %2: ").arg(command, DateText(before.Date)));
                return broken;
            }
            if (before.Date == colony.Game().Date)
                ++standing;
            for (TGameDate date = before.Date; !(date == colony.Game().Date);
                 date = NextDate(date)) {
                ++figures.Days;
                standing = 0;
            }
        }
    }
    return {};
}
