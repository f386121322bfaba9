#pragma once

#include "model/history.h"

#include <QWidget>
#include <array>
#include <functional>
#include <span>
#include <vector>

class QChart;
class QChartView;
class QComboBox;
class QLineSeries;
class QTabWidget;
class QTableWidget;
class QValueAxis;
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

    // What a page shows, for tests and the benchmark: the chart's lines (none
    // for the account) and the account's table.
    QChart* Chart(TPage page) const { return pages_[page].Chart; }
    QTableWidget* Account() const { return account_; }

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // One line of a day chart: its name, colour and value of a day.
    struct TLine {
        QString Name;
        QColor Color;
        std::function<double(const THistoryDay&)> Value;
    };
    struct TChartPage {
        QChartView* View = nullptr;
        QChart* Chart = nullptr;
        QValueAxis* X = nullptr;
        QValueAxis* Y = nullptr;
        std::vector<QLineSeries*> Series;
        bool Stale = true;
    };

    std::span<const THistoryDay> RangeDays() const;
    QWidget* MakeChartPage(TPage page, const std::vector<TLine>& lines, QWidget* legend = nullptr);
    QWidget* MakeGoodsLegend(const TImageList& pictures);
    void Refresh(int page);
    void RefreshDayChart(TPage page);
    void RefreshTrade();
    void RefreshAccount();
    // Fits the axes to the range and the values drawn.
    void FitAxes(TChartPage& page, double low, double high, std::span<const THistoryDay> days);
    int Columns(const TChartPage& page) const;
    void ShowDayHint(TPage page, const QPointF& point);
    void ShowTradeHint(const QPointF& point);
    void Export(bool account);

    const TColony& colony_;
    QComboBox* range_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    QTableWidget* account_ = nullptr;
    bool accountStale_ = true;
    std::array<TChartPage, PageCount> pages_;
    std::array<std::vector<TLine>, PageCount> lines_;
};
