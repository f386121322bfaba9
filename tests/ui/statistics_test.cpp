#include "uitesting.h"

#include "map/placebox.h"
#include "model/colony.h"
#include "model/describe.h"
#include "ui/chartpoints.h"
#include "ui/statisticsform.h"

#include <QAction>
#include <QApplication>
#include <QChart>
#include <QGraphicsView>
#include <QLineSeries>
#include <QMouseEvent>
#include <QTableWidget>
#include <QTest>
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

TEST(Statistics, OpensFromTheMenuFollowsEachTurnAndShowsTheChosenYears) {
    TGameWindow w;
    TMainForm& f = w.Form;
    // Twelve years of history with one day of riches in 1895: a spike that
    // every range that holds it must show.
    std::vector<THistoryDay> days;
    TGameDate date{1890, 3, 2};
    for (int i = 0; i < 12 * 365; ++i, SetDay(date, date.Day + 1)) {
        THistoryDay day;
        day.Date = date;
        day.Money = date == TGameDate{1895, 6, 1} ? 50000000 : 1000 + i;
        day.People = 28;
        days.push_back(day);
    }
    TColonyState state = f.Colony().TakeState();
    state.Date = days.back().Date;
    state.Season = SeasonOfMonth(state.Date.Month);
    state.HistoryDays = static_cast<uint32_t>(days.size());
    f.Colony().LoadState(state, days);

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
    EXPECT_FALSE(form->isModal());

    // Ten years back from the last day; then all of it, drawn with a few
    // points a pixel column and the spike kept.
    const double last = YearPoint(days.back().Date);
    EXPECT_NEAR(FirstYearShown(*form), last - 10, 0.01);
    form->SetRange(TStatisticsForm::rgAll);
    EXPECT_NEAR(FirstYearShown(*form), 1890.16, 0.01);
    const QList<QPointF> all = Points(*form, TStatisticsForm::pgMoney);
    EXPECT_LT(all.size(), 2000);
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

} // namespace
