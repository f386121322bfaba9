#include "uitesting.h"

#include "base/language.h"
#include "map/placebox.h"
#include "model/colony.h"
#include "model/describe.h"
#include "model/savecodec.h"
#include "ui/advisorform.h"
#include "ui/chartpoints.h"
#include "ui/forecaster.h"
#include "ui/smallcontrols.h"
#include "ui/statisticsform.h"

#include <QAction>
#include <QApplication>
#include <QCategoryAxis>
#include <QChart>
#include <QCheckBox>
#include <QGraphicsView>
#include <QLabel>
#include <QLineSeries>
#include <QMouseEvent>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QThread>
#include <QToolTip>
#include <QValueAxis>
#include <gtest/gtest.h>

namespace {

QList<QPointF> Points(TStatisticsForm& form, TStatisticsForm::TPage page, int line = 0) {
    return static_cast<QLineSeries*>(form.Chart(page)->series()[line])->points();
}

double FirstYearShown(TStatisticsForm& form) {
    return static_cast<QValueAxis*>(form.Chart(TStatisticsForm::pgMoney)->axes(Qt::Horizontal)[0])
        ->min();
}

// Puts the days in the colony as its history, the last of them today.
void LoadDays(TColony& colony, const std::vector<THistoryDay>& days) {
    TColonyState state = colony.TakeState();
    state.Date = days.back().Date;
    state.Season = SeasonOfMonth(state.Date.Month);
    state.HistoryDays = static_cast<uint32_t>(days.size());
    colony.LoadState(state, days);
}

// Days from the first, each with its money from the function of its index.
template <typename TMoney>
std::vector<THistoryDay> MakeDays(TGameDate date, int count, TMoney money) {
    std::vector<THistoryDay> days;
    for (int i = 0; i < count; ++i, SetDay(date, date.Day + 1)) {
        THistoryDay day;
        day.Date = date;
        day.Money = money(i, date);
        day.People = 28;
        days.push_back(day);
    }
    return days;
}

TEST(Statistics, OpensFromTheMenuFollowsEachTurnAndShowsTheChosenYears) {
    TGameWindow w;
    TMainForm& f = w.Form;
    // Twelve years of history with one day of riches in 1895: a spike that
    // every range that holds it must show.
    const std::vector<THistoryDay> days =
        MakeDays({1890, 3, 2}, 12 * 365, [](int i, const TGameDate& date) {
            return date == TGameDate{1895, 6, 1} ? 50000000 : 1000 + i;
        });
    LoadDays(f.Colony(), days);

    QAction* open = nullptr;
    for (QAction* action : f.findChildren<QAction*>())
        if (action->text() == QString::fromUtf8("С&татистика"))
            open = action;
    ASSERT_NE(open, nullptr);
    EXPECT_EQ(open->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_T));
    open->trigger();
    auto* form = f.findChild<TStatisticsForm*>();
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(form->isVisible());
    form->ShowPage(TStatisticsForm::pgMoney);

    // Ten years back from the last day; then all of it, drawn with a few
    // points a pixel column and the spike kept.
    const double last = YearPoint(days.back().Date);
    EXPECT_NEAR(FirstYearShown(*form), last - 10, 0.01);
    form->SetRange(TStatisticsForm::rgAll);
    EXPECT_NEAR(FirstYearShown(*form), 1890.16, 0.01);
    const QList<QPointF> all = Points(*form, TStatisticsForm::pgMoney);
    EXPECT_EQ(all.front(), QPointF(YearPoint(days.front().Date), days.front().Money));
    EXPECT_EQ(all.back(), QPointF(last, days.back().Money));
    EXPECT_TRUE(std::any_of(all.begin(), all.end(), [](QPointF p) { return p.y() == 50000000; }));
    // The pointer over the plot tells the day under it and its figures.
    QChart* chart = form->Chart(TStatisticsForm::pgMoney);
    QWidget* viewport = static_cast<QGraphicsView*>(chart->scene()->views().front())->viewport();
    const QPointF spike = chart->mapToPosition(QPointF(YearPoint({1895, 6, 1}), 0));
    QMouseEvent move(QEvent::MouseMove, spike, viewport->mapToGlobal(spike), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &move);
    EXPECT_TRUE(QToolTip::text().contains(QString::fromUtf8("июня 1895\nДеньги: ")))
        << QToolTip::text().toStdString();

    form->SetRange(TStatisticsForm::rgYear);
    EXPECT_NEAR(FirstYearShown(*form), last - 1, 0.01);
    EXPECT_EQ(Points(*form, TStatisticsForm::pgMoney).size(), 365);

    // A turn played in the main window shows at once.
    TDialogAnswerer answerer([](QDialog& d) { PressEnter(d); });
    QTest::keyClick(f.pb1, Qt::Key_N);
    EXPECT_EQ(Points(*form, TStatisticsForm::pgMoney).back().y(), f.Colony().Game().Money);
    form->ShowPage(TStatisticsForm::pgAccount);
    QTableWidget* account = form->Account();
    ASSERT_EQ(account->columnCount(), 2); // the one year booked, and the total
    EXPECT_EQ(account->horizontalHeaderItem(0)->text(), "1902");
    EXPECT_EQ(account->item(account->rowCount() - 1, 0)->text(), NumToStr(f.Colony().Game().Money));
}

TEST(Statistics, ValueAxesAreMarkedInRoundStepsWrittenAsTheGameWritesNumbers) {
    const struct {
        double Low, High;
        QStringList Labels;
    } cases[] = {
        {0, 1450000, {"0", "500 000", "1 000 000", "1 500 000"}},
        {0, 1, {"0", "1"}}, // nothing yet: whole steps all the same
        {-1200, 800, {"-1 500", "-1 000", "-500", "0", "500", "1 000"}},
    };
    for (const auto& c : cases) {
        QStringList labels;
        for (const TAxisMark& mark : ValueMarks(c.Low, c.High, 4))
            labels << mark.Label;
        EXPECT_EQ(labels, c.Labels) << c.Low << ".." << c.High;
    }
}

TEST(Statistics, TimeAxesNameTheMonthsOfAYearAndTheYearsBeyondAndLinesDifferInColour) {
    TGameWindow w;
    TStatisticsForm& form = w.Form.OpenStatistics();
    const auto labels = [&form](TStatisticsForm::TPage page) {
        form.ShowPage(page);
        return static_cast<QCategoryAxis*>(form.Chart(page)->axes(Qt::Horizontal)[0])
            ->categoriesLabels()
            .join(u' ')
            .toStdString();
    };
    const struct {
        int Days;
        TStatisticsForm::TRange Range;
        std::string Labels;
    } cases[] = {
        // A new game's one day still shows the year before it.
        {1, TStatisticsForm::rgYear, "апр май июн июл авг сен окт ноя дек 1891 фев мар"},
        {365, TStatisticsForm::rgYear, "апр май июн июл авг сен окт ноя дек 1891 фев мар"},
        {365 * 4, TStatisticsForm::rgTenYears, "1891 1892 1893 1894"},
        {365 * 40, TStatisticsForm::rgAll, "1895 1900 1905 1910 1915 1920 1925 1930"},
    };
    for (const auto& c : cases) {
        LoadDays(w.Form.Colony(),
                 MakeDays({1890, 3, 2}, c.Days, [](int, const TGameDate&) { return 1000; }));
        form.SetRange(c.Range);
        form.Follow();
        // The goods' small charts have fewer marks.
        for (const TStatisticsForm::TPageRow& page : TStatisticsForm::Pages())
            if (page.Kind == TStatisticsForm::pkDays || page.Kind == TStatisticsForm::pkMonths) {
                EXPECT_EQ(labels(page.Page), c.Labels) << c.Days << " days, page " << page.Page;
            }
    }

    // An English game names the months in English.
    {
        TTranslations english;
        english.Install(TLanguage::English, TranslationsFolder(DataFolder()));
        QStringList names;
        for (const TAxisMark& mark :
             TimeMarks(YearPoint({1890, 3, 2}), YearPoint({1891, 3, 2}), 12))
            names << mark.Label;
        EXPECT_EQ(names.join(u' '), "Apr May Jun Jul Aug Sep Oct Nov Dec 1891 Feb Mar");
    }

    // No two lines of a chart have the same hue; a grey one has none.
    for (int page = 0; page < TStatisticsForm::PageCount; ++page)
        for (size_t i = 0; QChart* chart = form.Chart(static_cast<TStatisticsForm::TPage>(page), i);
             ++i) {
            std::vector<int> hues;
            // A forecast's band is its line's own hue.
            for (QAbstractSeries* series : chart->series())
                if (auto* line = qobject_cast<QLineSeries*>(series))
                    hues.push_back(line->pen().color().hslHue());
            for (size_t a = 0; a < hues.size(); ++a)
                for (size_t b = a + 1; b < hues.size(); ++b)
                    EXPECT_TRUE(hues[a] < 0 || hues[b] < 0 ||
                                std::min(std::abs(hues[a] - hues[b]),
                                         360 - std::abs(hues[a] - hues[b])) >= 15)
                        << "page " << page << ", lines " << a << " and " << b;
        }
}

// A field of the history is a column of the spreadsheet, bytes of a save,
// and a line of the statistics when it is marked as charted.
TEST(Statistics, EveryHistoryFieldIsInTheSpreadsheetTheSaveAndTheChartsItIsMarkedFor) {
    TGameWindow w;
    TColony& colony = w.Form.Colony();
    // A day with a value of its own in each column, beyond 32 bits in the
    // wide ones.
    THistoryDay day;
    day.Date = {1890, 3, 2};
    std::vector<std::pair<const THistoryField*, int>> columns;
    for (const THistoryField& field : HistoryFields)
        for (int column = 0; column < field.Columns; ++column) {
            columns.emplace_back(&field, column);
            field.Set(day, column, std::ssize(columns) << (field.Bytes > 4 ? 33 : 0));
        }
    LoadDays(colony, {day});
    const QList<QByteArray> csv = HistoryCsv(colony.History().Days()).split('\n');
    const TSavedGame read =
        DecodeSave(EncodeSave(SavedGameOf(colony, TSavedLand::Named("01"), {}, true)),
                   colony.Catalogue(), colony.Events());
    ASSERT_EQ(read.Days.size(), 1u);
    const std::vector<TStatisticsForm::TPageRow> pages = TStatisticsForm::Pages();
    for (size_t k = 0; k < columns.size(); ++k) {
        const auto [field, column] = columns[k];
        const int64_t value = field->Get(day, column);
        const int at = static_cast<int>(k) + 1; // after the date
        EXPECT_EQ(QString::fromUtf8(csv[0].split(',').value(at)), field->ColumnName(column))
            << field->Key;
        EXPECT_EQ(csv[1].split(',').value(at).toLongLong(), value) << field->Key;
        EXPECT_EQ(field->Get(read.Days[0], column), value) << field->Key;
        bool drawn = false;
        for (const TStatisticsForm::TPageRow& page : pages)
            for (const TStatisticsForm::TLine& line : page.Lines)
                drawn |= line.Field == field && line.Column == column;
        EXPECT_EQ(drawn, field->Charted) << field->Key << " " << column;
    }
}

} // namespace

namespace {

// The statistics window on the forecast page of the game in the window, once
// its forecast is shown.
TStatisticsForm& ForecastPage(TMainForm& f, TForecastHorizon horizon) {
    TStatisticsForm& form = f.OpenStatistics();
    form.SetHorizon(horizon);
    form.ShowPage(TStatisticsForm::pgForecast);
    auto* forecaster = form.findChild<TForecaster*>();
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            return !forecaster->Running() && form.Forecast() &&
                   form.Forecast()->From == f.Colony().Game().Date;
        },
        ForecastWait));
    return form;
}

TEST(Statistics, TheForecastPageShowsTheFuturesOfTheGameAndNamesATaxWithinItsHorizon) {
    TGameWindow w(QStringLiteral(TARVENIA_GAME_DATA));
    TColony& colony = w.Form.Colony();
    const struct {
        TGameDate Date;
        TForecastHorizon Horizon;
        std::optional<TGameDate> Tax;
    } cases[] = {
        {{1891, 2, 15}, TForecastHorizon::YearlyTax, TGameDate{1891, 3, 1}},
        {{1891, 1, 15}, TForecastHorizon::Month, std::nullopt},
    };
    for (const auto& c : cases) {
        TColonyState state = colony.TakeState();
        state.Date = c.Date;
        state.Season = SeasonOfMonth(c.Date.Month);
        colony.LoadState(state, {});
        TStatisticsForm& form = ForecastPage(w.Form, c.Horizon);
        const TForecast& forecast = *form.Forecast();
        EXPECT_EQ(forecast.From, c.Date);
        ASSERT_EQ(forecast.Tax.has_value(), c.Tax.has_value())
            << ShortDateText(c.Date).toStdString();
        if (c.Tax) {
            EXPECT_EQ(forecast.Tax->Date, *c.Tax);
            EXPECT_TRUE(form.ForecastSummaryLine()->text().contains(NumToStr(forecast.Tax->Amount)))
                << form.ForecastSummaryLine()->text().toStdString();
        }
        // Each figure's chart draws its middle line day by day to the last.
        for (size_t figure = 0; figure < ForecastFigureCount; ++figure) {
            QLineSeries* middle = nullptr;
            for (QAbstractSeries* series :
                 form.Chart(TStatisticsForm::pgForecast, figure)->series())
                if (!middle)
                    middle = qobject_cast<QLineSeries*>(series);
            ASSERT_NE(middle, nullptr);
            ASSERT_EQ(middle->count(), std::ssize(forecast.Days));
            EXPECT_EQ(middle->points().back().y(), forecast.Days.back()[figure].Median) << figure;
        }
    }
}

TEST(Statistics, AForecastOvertakenByATurnIsNeverShown) {
    TGameWindow w(QStringLiteral(TARVENIA_GAME_DATA));
    TStatisticsForm& form = ForecastPage(w.Form, TForecastHorizon::Year);
    auto* forecaster = form.findChild<TForecaster*>();
    std::vector<TGameDate> shown;
    QObject::connect(forecaster, &TForecaster::Ready,
                     [&shown](const TForecast& forecast) { shown.push_back(forecast.From); });
    // A turn once the forecast of the day before has been played and is on
    // its way to the window: only the turn's is shown.
    form.ForecastAgain();
    ASSERT_TRUE(QTest::qWaitFor([&] { return forecaster->Running(); }, ForecastWait));
    while (!forecaster->Idle())
        QThread::yieldCurrentThread();
    {
        const TDialogAnswerer answerer([](QDialog& d) { PressEnter(d); });
        w.Form.Colony().NewDay();
    }
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return !shown.empty() && !forecaster->Running(); }, ForecastWait));
    EXPECT_EQ(shown, std::vector<TGameDate>{w.Form.Colony().Game().Date});
    EXPECT_EQ(form.Forecast()->From, w.Form.Colony().Game().Date);

    // The window goes while ten years of futures play: they stop first.
    form.SetHorizon(TForecastHorizon::MainTax);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !forecaster->Idle(); }, ForecastWait));
}

} // namespace

// The advisor weighs the money by the same futures as the forecast page to
// the next tax, and its warnings go where they point: a building's to the
// map, the colony's to their page of the statistics. Its ticks of the kinds
// that stop play on reach the rules and the settings.
TEST(Advisor, AgreesWithTheForecastAndGoesWhereItsWarningsPoint) {
    TGameWindow w;
    TMainForm& f = w.Form;
    TColony& colony = f.Colony();
    colony.Game().SetMoney(TMoneyFlow::Gesture, 3000);
    // Every place in the homes taken, after a day that the forecast follows.
    colony.Game().People = colony.Game().TotalHomePlaces();
    {
        const TDialogAnswerer answerer([](QDialog& d) { PressEnter(d); });
        colony.NewDay();
    }
    TAdvisorForm& advisor = f.OpenAdvisor();
    auto* table = advisor.findChild<QTableWidget*>("Warnings");
    const auto texts = [table] {
        QStringList rows;
        for (int row = 0; row < table->rowCount(); ++row)
            rows << table->item(row, 0)->text() + ": " + table->item(row, 1)->text();
        return rows;
    };
    ASSERT_TRUE(QTest::qWaitFor([&] { return texts().size() == 4; }, ForecastWait))
        << texts().join('\n').toStdString();

    const TStatisticsForm& form = ForecastPage(f, TForecastHorizon::YearlyTax);
    const TForecastTax& tax = *form.Forecast()->Tax;
    const QStringList rows = texts();
    EXPECT_EQ(rows[0], QStringLiteral("Деньги: Налог 1 марта 1891 (%1): хватит в %2 % исходов")
                           .arg(NumToStr(tax.Amount))
                           .arg(TaxPaidPercent(tax)));
    EXPECT_TRUE(rows[1].startsWith("Деньги: В среднем исходе деньги кончатся"))
        << rows[1].toStdString();
    const TGame& game = colony.Game();
    EXPECT_EQ(
        rows.mid(2),
        QStringList({QStringLiteral("Работа: Без работы %1 человек: рабочих мест не хватает")
                         .arg(game.Unemployed()),
                     QStringLiteral("Жилье: Все места в домах заняты (%1): родившимся негде жить")
                         .arg(game.TotalHomePlaces())}))
        << rows.mid(2).join('\n').toStdString();
    EXPECT_EQ(f.findChild<TvtPic*>("pcAdvice")->ImageIndex(), 27);

    auto* statistics = f.findChild<TStatisticsForm*>();
    statistics->ShowPage(TStatisticsForm::pgMoney);
    emit table->activated(table->model()->index(3, 1));
    EXPECT_EQ(statistics->findChild<QTabWidget*>()->currentIndex(), TStatisticsForm::pgPeople);

    advisor.findChild<QCheckBox*>("cbStop_goods")->setChecked(true);
    EXPECT_TRUE(colony.AdviceStops()[TAdviceKind::Goods]);
    EXPECT_TRUE(TSettings::Load().AdviceStops[TAdviceKind::Goods]);
    EXPECT_FALSE(TSettings::Load().AdviceStops[TAdviceKind::Money]);
    TSettings{}.Save();
}
