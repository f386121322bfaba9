#pragma once

#include "model/forecast.h"
#include "model/history.h"

#include <QPen>
#include <QWidget>
#include <optional>
#include <span>
#include <vector>

class QAreaSeries;
class QCategoryAxis;
class QChart;
class QChartView;
class QComboBox;
class QLabel;
class QLineSeries;
class QTabWidget;
class QTableWidget;
class QTimer;
class TColony;
class TForecaster;
class TImageList;

// The colony's history at a glance: charts of money, people, health, goods
// and trade over the last year, ten years or all of it, with the targets of
// the scenario's goals, and the money account by year, each to be saved as a
// spreadsheet; and the colony's forecast. A window of its own beside the
// main window; it follows the game after every turn while it is open.
class TStatisticsForm : public QWidget {
    Q_OBJECT

public:
    enum TPage { pgMoney, pgPeople, pgHealth, pgGoods, pgTrade, pgAccount, pgForecast, PageCount };
    enum TRange { rgYear, rgTenYears, rgAll };

    // How a page shows its lines: on one chart day by day, each on a small
    // chart of its own under its good's picture, on one chart by the change
    // in each month; or the money account's table instead of lines; or the
    // forecast's figures, each on a small chart of its own with its band.
    enum TKind { pkDays, pkGoods, pkMonths, pkAccount, pkForecast };
    // A line of a page: one column of a history field, named in the legend
    // and in the hint that the pointer over the chart shows.
    struct TLine {
        const THistoryField* Field = nullptr;
        int Column = 0;
        QPen Pen;
        QString Name;
        QString Hint;
    };
    // A level drawn across a page's charts with its name in the legend, and
    // not told in the hint (the health below which no one is born).
    struct TMark {
        QString Name;
        QPen Pen;
        double Level = 0;
    };
    struct TPageRow {
        TPage Page = pgMoney;
        QString Name; // the tab's
        TKind Kind = pkDays;
        QString Unit = {}; // the value axis's title
        std::vector<TLine> Lines = {};
        std::vector<TMark> Marks = {};
        double Top = 0; // the value axis's top whatever the values, or 0 to fit them
    };
    // The window's pages, in the order of their tabs.
    static std::vector<TPageRow> Pages();

    // The colony and the goods' pictures outlive the window.
    TStatisticsForm(const TColony& colony, const TImageList& goodsPictures, QWidget* parent);

    // Shows the game as it is now: the page in view at once, the others when
    // they are next looked at.
    void Follow();
    // A command changed the game: its forecast is played again once the
    // command is done, and the one in play is not shown.
    void ForecastAgain();
    void SetRange(TRange range);
    void SetHorizon(TForecastHorizon horizon);
    void ShowPage(TPage page);

    // What a page shows, for tests and the benchmark: its charts (none for
    // the account; one a good on the goods page) and the account's table.
    QChart* Chart(TPage page, size_t index = 0) const;
    QTableWidget* Account() const { return account_; }
    // The forecast on the page, and its summary line.
    const std::optional<TForecast>& Forecast() const { return forecast_; }
    QLabel* ForecastSummaryLine() const { return forecastSummary_; }

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // One chart: a page's, or one good's on the goods page; it draws some of
    // the page's lines, then the page's marks. A small one has fewer marks on
    // its axes.
    struct TPlot {
        size_t Page = 0; // the page's row and tab
        size_t FirstLine = 0;
        size_t LineCount = 0;
        bool Small = false;
        QChartView* View = nullptr;
        QChart* Chart = nullptr;
        QCategoryAxis* X = nullptr;
        QCategoryAxis* Y = nullptr;
        std::vector<QLineSeries*> Series; // the lines', the marks', the goals'
        QAreaSeries* Band = nullptr;      // a forecast's, under its line
        // The targets of the scenario's goals that watch a line of the chart.
        std::vector<TMark> Goals;
    };

    std::span<const THistoryDay> RangeDays() const;
    // A chart of the page's lines from the first, count of them, and its
    // marks.
    QChartView* MakePlot(size_t page, size_t firstLine, size_t count);
    // Each line of the page on a small chart of its own under its name, and
    // its picture when there are pictures, so many charts to a row.
    QWidget* MakeSmallPlots(size_t page, int perRow, const TImageList* pictures);
    QWidget* MakeForecastPage(size_t page);
    void AddSeries(TPlot& plot, const QString& name, const QPen& pen);
    // Draws the target of each goal that watches one of the chart's lines
    // across it, named by the target in the legend.
    void MarkGoals(TPlot& plot);
    void Refresh(int page);
    void RefreshPlot(TPlot& plot);
    void RefreshAccount();
    bool ForecastInView() const;
    // Stops the forecast while its page is out of view.
    void PauseForecast();
    // Asks for the forecast of the game as it is now to the chosen horizon.
    void StartForecast();
    void ShowForecast(const TForecast& forecast);
    void RefreshForecastPlot(TPlot& plot);
    // The time axis's ends for the days shown.
    std::pair<double, double> TimeSpan(std::span<const THistoryDay> days) const;
    // Fits the axes to the time span and the values drawn.
    void FitAxes(TPlot& plot, double low, double high, double first, double last);
    int Columns(const TPlot& plot) const;
    // The day or month under the point of the page's chart and the figures
    // of its lines there.
    void ShowHint(size_t page, const QPointF& point);
    void Export(bool account);

    const TColony& colony_;
    QComboBox* range_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    QTableWidget* account_ = nullptr;
    std::vector<TPageRow> pages_;
    std::vector<bool> stale_;
    std::vector<TPlot> plots_;

    size_t forecastPage_ = 0;
    TForecaster* forecaster_ = nullptr;
    // Waits for the command that changed the game to end: many changes, one forecast.
    QTimer* forecastTimer_ = nullptr;
    QComboBox* horizon_ = nullptr;
    QLabel* forecastState_ = nullptr;
    QLabel* forecastSummary_ = nullptr;
    std::optional<TForecast> forecast_;
};
