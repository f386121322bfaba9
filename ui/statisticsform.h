#pragma once

#include "model/history.h"

#include <QPen>
#include <QWidget>
#include <array>
#include <functional>
#include <span>
#include <vector>

class QCategoryAxis;
class QChart;
class QChartView;
class QComboBox;
class QLineSeries;
class QTabWidget;
class QTableWidget;
class TColony;
class TImageList;

// The colony's history at a glance: charts of money, people, health, goods
// and trade over the last year, ten years or all of it, and the money account
// by year, each to be saved as a spreadsheet. A window of its own beside the
// main window; it follows the game after every turn while it is open.
class TStatisticsForm : public QWidget {
    Q_OBJECT

public:
    enum TPage { pgMoney, pgPeople, pgHealth, pgGoods, pgTrade, pgAccount, PageCount };
    enum TRange { rgYear, rgTenYears, rgAll };

    // The colony and the goods' pictures outlive the window.
    TStatisticsForm(const TColony& colony, const TImageList& goodsPictures, QWidget* parent);

    // Shows the game as it is now: the page in view at once, the others when
    // they are next looked at.
    void Follow();
    // Puts the window beside the game's window, within the screen.
    void PlaceBeside(const QWidget& window);
    void SetRange(TRange range);
    void ShowPage(TPage page);

    // What a page shows, for tests and the benchmark: its charts (none for
    // the account; one a good on the goods page) and the account's table.
    QChart* Chart(TPage page, size_t index = 0) const;
    QTableWidget* Account() const { return account_; }

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // One line of a day chart: its name, pen and value of a day.
    struct TLine {
        QString Name;
        QPen Pen;
        std::function<double(const THistoryDay&)> Value;
    };
    // One chart: a page's, or one good's on the goods page; it draws the
    // page's lines from its first, as many as it has series. A small one
    // has fewer marks on its axes.
    struct TPlot {
        TPage Page = pgMoney;
        size_t FirstLine = 0;
        bool Small = false;
        QChartView* View = nullptr;
        QChart* Chart = nullptr;
        QCategoryAxis* X = nullptr;
        QCategoryAxis* Y = nullptr;
        std::vector<QLineSeries*> Series;
    };

    std::span<const THistoryDay> RangeDays() const;
    // A chart of the page's lines from the first, count of them, on an axis
    // of the unit.
    QChartView* MakePlot(TPage page, size_t firstLine, size_t count, const QString& unit);
    QWidget* MakeGoodsPage(const TImageList& pictures);
    void Refresh(int page);
    void RefreshDayChart(TPlot& plot);
    void RefreshTrade(TPlot& plot);
    void RefreshAccount();
    // Fits the axes to the range and the values drawn.
    void FitAxes(TPlot& plot, double low, double high, std::span<const THistoryDay> days);
    int Columns(const TPlot& plot) const;
    void ShowDayHint(TPage page, const QPointF& point);
    void ShowTradeHint(const QPointF& point);
    void Export(bool account);

    const TColony& colony_;
    QComboBox* range_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    QTableWidget* account_ = nullptr;
    std::array<bool, PageCount> stale_{};
    std::vector<TPlot> plots_;
    std::array<std::vector<TLine>, PageCount> lines_;
};
