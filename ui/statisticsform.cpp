#include "ui/statisticsform.h"

#include "model/colony.h"
#include "model/describe.h"
#include "model/nextday.h"
#include "resources/imagelist.h"
#include "ui/application.h"
#include "ui/chartpoints.h"
#include "ui/filedialog.h"
#include "ui/forecaster.h"
#include "ui/goalsform.h"

#include <QAreaSeries>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QCursor>
#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QLocale>
#include <QMouseEvent>
#include <QPushButton>
#include <QSaveFile>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QToolTip>
#include <QVBoxLayout>
#include <algorithm>
#include <array>
#include <cmath>
#include <functional>

namespace {

// The lines' colours: Paul Tol's "bright" palette for the pages' charts and
// his "muted" one, nine hues, for the goods; both are told apart by players
// who see colours differently.
namespace Bright {
const QColor Blue(0x44, 0x77, 0xaa), Cyan(0x66, 0xcc, 0xee), Green(0x22, 0x88, 0x33),
    Yellow(0xcc, 0xbb, 0x44), Red(0xee, 0x66, 0x77), Purple(0xaa, 0x33, 0x77),
    Grey(0xbb, 0xbb, 0xbb);
}
// In goods order: gold sand, food green, coal indigo, iron purple, oil wine,
// stone olive, water cyan, wood rose, electricity teal.
const std::array<QColor, GoodsCount> GoodColors = {
    QColor(0xdd, 0xcc, 0x77), QColor(0x11, 0x77, 0x33), QColor(0x33, 0x22, 0x88),
    QColor(0xaa, 0x44, 0x99), QColor(0x88, 0x22, 0x55), QColor(0x99, 0x99, 0x33),
    QColor(0x88, 0xcc, 0xee), QColor(0xcc, 0x66, 0x77), QColor(0x44, 0xaa, 0x99)};

// A line's pen: lines that can lie on one another are a wide one under a
// thin or dashed one, so that both show.
QPen LinePen(const QColor& color, qreal width = 2, Qt::PenStyle style = Qt::SolidLine) {
    QPen pen(color, width, style);
    pen.setCapStyle(Qt::FlatCap);
    return pen;
}

// Puts the marks on the axis, which holds min to max.
void SetMarks(QCategoryAxis* axis, const std::vector<TAxisMark>& marks, double min, double max) {
    for (const QString& label : axis->categoriesLabels())
        axis->remove(label);
    axis->setStartValue(min);
    for (const TAxisMark& mark : marks)
        axis->append(mark.Label, mark.Value);
    axis->setRange(min, max);
}

// The index of the item nearest the point of the time axis, of items in
// the order of their dates.
template <typename T, typename TDateOf>
size_t Nearest(std::span<const T> items, double x, TDateOf dateOf) {
    const auto it = std::lower_bound(items.begin(), items.end(), x, [&](const T& item, double v) {
        return YearPoint(dateOf(item)) < v;
    });
    size_t i = static_cast<size_t>(it - items.begin());
    if (i == items.size() ||
        (i > 0 && x - YearPoint(dateOf(items[i - 1])) < YearPoint(dateOf(items[i])) - x))
        i = i > 0 ? i - 1 : 0;
    return i;
}

// A month and the change in it of each line's figure.
struct TMonthChange {
    TGameDate Month; // its first day
    std::vector<int64_t> Change;
};

// The months of the days, the last part of all days; the first month is
// measured from the day before them.
std::vector<TMonthChange> MonthChanges(std::span<const THistoryDay> all,
                                       std::span<const THistoryDay> days,
                                       const std::vector<TStatisticsForm::TLine>& lines) {
    const THistoryDay* before =
        days.size() < all.size() ? &all[all.size() - days.size() - 1] : nullptr;
    std::vector<int64_t> last(lines.size());
    for (size_t i = 0; i < lines.size() && before; ++i)
        last[i] = lines[i].Field->Get(*before, lines[i].Column);
    std::vector<TMonthChange> months;
    for (const THistoryDay& day : days) {
        if (months.empty() || months.back().Month.Year != day.Date.Year ||
            months.back().Month.Month != day.Date.Month)
            months.push_back(
                {{day.Date.Year, day.Date.Month, 1}, std::vector<int64_t>(lines.size())});
        for (size_t i = 0; i < lines.size(); ++i) {
            const int64_t value = lines[i].Field->Get(day, lines[i].Column);
            months.back().Change[i] += value - last[i];
            last[i] = value;
        }
    }
    return months;
}

double MonthPoint(const TGameDate& month) {
    return month.Year + (month.Month - 1) / 12.0 + 1 / 24.0;
}

// The dates of a forecast's days, from the day it starts from.
std::vector<TGameDate> ForecastDates(const TForecast& forecast) {
    std::vector<TGameDate> dates;
    TGameDate date = forecast.From;
    for (size_t day = 0; day < forecast.Days.size(); ++day, SetDay(date, date.Day + 1))
        dates.push_back(date);
    return dates;
}

// A line that draws a field's column under its spreadsheet name.
TStatisticsForm::TLine Line(const THistoryField& field, QPen pen, int column = 0) {
    const QString name = field.ColumnName(column);
    return {&field, column, std::move(pen), name, name};
}

} // namespace

std::vector<TStatisticsForm::TPageRow> TStatisticsForm::Pages() {
    std::vector<TLine> goods;
    goods.reserve(GoodsCount);
    for (int good = 0; good < GoodsCount; ++good)
        goods.push_back(Line(HistoryField("stock"), LinePen(GoodColors[good]), good));
    return {
        {.Page = pgMoney,
         .Name = tr("Деньги"),
         .Unit = tr("деньги"),
         .Lines = {Line(HistoryField("money"), LinePen(Bright::Blue))}},
        {.Page = pgPeople,
         .Name = tr("Люди"),
         .Unit = tr("человек"),
         .Lines = {Line(HistoryField("homes"), LinePen(Bright::Cyan, 5)),
                   Line(HistoryField("people"), LinePen(Bright::Blue)),
                   Line(HistoryField("work"), LinePen(Bright::Yellow, 5)),
                   Line(HistoryField("employed"), LinePen(Bright::Purple, 2, Qt::DashLine))}},
        {.Page = pgHealth,
         .Name = tr("Здоровье"),
         .Unit = tr("здоровье, из %1").arg(NumToStr(TGame::MaxHealth)),
         .Lines = {Line(HistoryField("health"), LinePen(Bright::Red))},
         .Marks = {{tr("Ниже %1 рождений нет").arg(HealthForBirths),
                    LinePen(Bright::Grey, 2, Qt::DashLine), HealthForBirths}},
         .Top = TGame::MaxHealth},
        {.Page = pgGoods,
         .Name = tr("Товары"),
         .Kind = pkGoods,
         .Unit = tr("штук"),
         .Lines = goods},
        {.Page = pgTrade,
         .Name = tr("Торговля"),
         .Kind = pkMonths,
         .Unit = tr("деньги за месяц"),
         .Lines = {{&HistoryField("sold"), 0, LinePen(Bright::Green), tr("Продано за месяц"),
                    tr("Продано")},
                   {&HistoryField("bought"), 0, LinePen(Bright::Red, 2, Qt::DashLine),
                    tr("Куплено за месяц"), tr("Куплено")}}},
        {.Page = pgAccount, .Name = tr("Счёт"), .Kind = pkAccount},
        // The lines in the order of the forecast's figures.
        {.Page = pgForecast,
         .Name = tr("П&рогноз"),
         .Kind = pkForecast,
         .Lines = {Line(HistoryField("money"), LinePen(Bright::Blue)),
                   Line(HistoryField("people"), LinePen(Bright::Purple)),
                   Line(HistoryField("health"), LinePen(Bright::Red)),
                   Line(HistoryField("stock"), LinePen(GoodColors[1]), 1)}},
    };
}

TStatisticsForm::TStatisticsForm(const TColony& colony, const TImageList& goodsPictures,
                                 QWidget* parent)
    : QWidget(parent, Qt::Window), colony_(colony) {
    setWindowTitle(tr("Статистика"));
    setObjectName(QStringLiteral("StatisticsForm"));
    resize(900, 660);

    range_ = new QComboBox(this);
    range_->addItems({tr("Последний год"), tr("Последние 10 лет"), tr("Вся история")});
    range_->setCurrentIndex(rgTenYears);
    auto* exportHistory = new QPushButton(tr("История в CSV..."), this);
    auto* exportAccount = new QPushButton(tr("Счёт в CSV..."), this);
    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(tr("Период:"), this));
    top->addWidget(range_);
    top->addStretch();
    top->addWidget(exportHistory);
    top->addWidget(exportAccount);

    tabs_ = new QTabWidget(this);
    pages_ = Pages();
    stale_.assign(pages_.size(), false);
    for (size_t page = 0; page < pages_.size(); ++page) {
        QWidget* content = nullptr;
        switch (pages_[page].Kind) {
        case pkAccount:
            account_ = new QTableWidget(this);
            account_->setObjectName(QStringLiteral("Account"));
            account_->setEditTriggers(QAbstractItemView::NoEditTriggers);
            account_->verticalHeader()->setDefaultSectionSize(account_->fontMetrics().height() + 6);
            account_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
            content = account_;
            break;
        case pkGoods:
            content = MakeSmallPlots(page, 3, &goodsPictures);
            break;
        case pkForecast:
            content = MakeForecastPage(page);
            break;
        case pkDays:
        case pkMonths:
            content = MakePlot(page, 0, pages_[page].Lines.size());
            break;
        }
        tabs_->addTab(content, pages_[page].Name);
    }

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(tabs_);

    connect(range_, &QComboBox::currentIndexChanged, this, [this] {
        stale_.assign(pages_.size(), true);
        Refresh(tabs_->currentIndex());
    });
    connect(tabs_, &QTabWidget::currentChanged, this, [this](int page) {
        if (static_cast<size_t>(page) != forecastPage_)
            PauseForecast();
        Refresh(page);
    });
    connect(exportHistory, &QPushButton::clicked, this, [this] { Export(false); });
    connect(exportAccount, &QPushButton::clicked, this, [this] { Export(true); });
}

QChartView* TStatisticsForm::MakePlot(size_t page, size_t firstLine, size_t count) {
    const TPageRow& row = pages_[page];
    TPlot p;
    p.Page = page;
    p.FirstLine = firstLine;
    p.LineCount = count;
    p.Small = row.Kind == pkGoods || row.Kind == pkForecast;
    p.Chart = new QChart;
    p.Chart->setMargins(QMargins(4, 4, 4, 4));
    p.Chart->legend()->setAlignment(Qt::AlignBottom);
    // The legend draws each line's own pen, so that its width and dashes tell it.
    p.Chart->legend()->setMarkerShape(QLegend::MarkerShapeFromSeries);
    p.X = new QCategoryAxis(p.Chart);
    p.X->setTitleText(row.Kind == pkMonths ? tr("месяц") : tr("дата"));
    p.Y = new QCategoryAxis(p.Chart);
    p.Y->setTitleText(row.Unit);
    for (QCategoryAxis* axis : {p.X, p.Y}) {
        axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
        // Titles as plain as the labels; a small chart's a little smaller.
        QFont font = axis->labelsFont();
        if (p.Small) {
            // The game's fonts are sized in pixels: a font of either kind
            // is scaled in its own unit.
            constexpr double SmallScale = 0.85;
            if (font.pixelSize() > 0)
                font.setPixelSize(std::max(1, qRound(font.pixelSize() * SmallScale)));
            else
                font.setPointSizeF(font.pointSizeF() * SmallScale);
            axis->setLabelsFont(font);
        }
        axis->setTitleFont(font);
    }
    p.Chart->addAxis(p.X, Qt::AlignBottom);
    p.Chart->addAxis(p.Y, Qt::AlignLeft);
    if (row.Kind == pkForecast) {
        // The band of the futures between their 10th and 90th percentile, in
        // a light shade of the line's colour under the line.
        p.Band = new QAreaSeries;
        p.Band->setUpperSeries(new QLineSeries(p.Band));
        p.Band->setLowerSeries(new QLineSeries(p.Band));
        QColor shade = row.Lines[firstLine].Pen.color();
        shade.setAlpha(70);
        p.Band->setBrush(shade);
        p.Band->setPen(Qt::NoPen);
        p.Chart->addSeries(p.Band);
        p.Band->attachAxis(p.X);
        p.Band->attachAxis(p.Y);
        for (QLegendMarker* marker : p.Chart->legend()->markers(p.Band))
            marker->setVisible(false);
    }
    for (size_t i = firstLine; i < firstLine + count; ++i)
        AddSeries(p, row.Lines[i].Name, row.Lines[i].Pen);
    for (const TMark& mark : row.Marks)
        AddSeries(p, mark.Name, mark.Pen);
    // A small chart's heading names its line: its legend names only the
    // goals' targets.
    for (size_t i = 0; p.Small && i < count; ++i)
        for (QLegendMarker* marker : p.Chart->legend()->markers(p.Series[i]))
            marker->setVisible(false);
    p.View = new QChartView(p.Chart);
    p.View->setRenderHint(QPainter::Antialiasing);
    // The pointer anywhere over the plot shows the day (or month) under it.
    p.View->viewport()->setMouseTracking(true);
    p.View->viewport()->installEventFilter(this);
    plots_.push_back(p);
    return p.View;
}

void TStatisticsForm::AddSeries(TPlot& plot, const QString& name, const QPen& pen) {
    auto* series = new QLineSeries(plot.Chart);
    series->setName(name);
    series->setPen(pen);
    plot.Chart->addSeries(series);
    series->attachAxis(plot.X);
    series->attachAxis(plot.Y);
    plot.Series.push_back(series);
}

void TStatisticsForm::MarkGoals(TPlot& plot) {
    const TPageRow& page = pages_[plot.Page];
    plot.Goals.clear();
    // A month's change is no figure a goal watches.
    if (page.Kind != pkMonths)
        for (const TGoal& goal : colony_.Goals().Goals()) {
            const auto drawn = page.Lines.begin() + static_cast<ptrdiff_t>(plot.FirstLine);
            const bool watched = std::any_of(
                drawn, drawn + static_cast<ptrdiff_t>(plot.LineCount), [&goal](const TLine& line) {
                    return line.Field == goal.Figure.Field() && line.Column == goal.Figure.Part();
                });
            if (!watched || goal.Role == TGoalRole::Message)
                continue;
            const bool failure = goal.Role == TGoalRole::Failure;
            plot.Goals.push_back({(failure ? tr("Беда: %1") : tr("Цель: %1")).arg(TargetText(goal)),
                                  failure ? LinePen(Bright::Red, 2, Qt::DotLine)
                                          : LinePen(Bright::Green, 2, Qt::DashDotLine),
                                  static_cast<double>(goal.Target)});
        }
    const size_t count = plot.LineCount + page.Marks.size() + plot.Goals.size();
    while (plot.Series.size() > count) {
        plot.Chart->removeSeries(plot.Series.back());
        delete plot.Series.back();
        plot.Series.pop_back();
    }
    while (plot.Series.size() < count)
        AddSeries(plot, QString(), QPen());
    for (size_t i = 0; i < plot.Goals.size(); ++i) {
        QLineSeries* series = plot.Series[count - plot.Goals.size() + i];
        series->setName(plot.Goals[i].Name);
        series->setPen(plot.Goals[i].Pen);
    }
    plot.Chart->legend()->setVisible(count > 1);
}

QWidget* TStatisticsForm::MakeSmallPlots(size_t page, int perRow, const TImageList* pictures) {
    // Each line on a chart of its own scale, under its name (and a good's
    // picture from the status panel): food's thousands leave the others
    // readable.
    auto* content = new QWidget;
    auto* grid = new QGridLayout(content);
    grid->setContentsMargins(2, 2, 2, 2);
    grid->setSpacing(2);
    const std::vector<TLine>& lines = pages_[page].Lines;
    for (size_t i = 0; i < lines.size(); ++i) {
        auto* cell = new QVBoxLayout;
        cell->setSpacing(0);
        auto* caption =
            new QLabel(QStringLiteral("<b>%1</b>").arg(lines[i].Name.toHtmlEscaped()), content);
        auto* heading = new QHBoxLayout;
        if (pictures) {
            auto* picture = new QLabel(content);
            picture->setPixmap(
                QPixmap::fromImage(pictures->Picture(lines[i].Column))
                    .scaled(QSize(18, 18), Qt::KeepAspectRatio, Qt::SmoothTransformation));
            heading->addWidget(picture);
        }
        heading->addWidget(caption, 1);
        cell->addLayout(heading);
        cell->addWidget(MakePlot(page, i, 1), 1);
        const int at = static_cast<int>(i);
        grid->addLayout(cell, at / perRow, at % perRow);
    }
    return content;
}

QWidget* TStatisticsForm::MakeForecastPage(size_t page) {
    forecastPage_ = page;
    auto* content = new QWidget;
    horizon_ = new QComboBox(content);
    // In the order of the horizons.
    horizon_->addItems(
        {tr("До ежегодного налога"), tr("До Главного налога"), tr("30 дней"), tr("365 дней")});
    horizon_->setCurrentIndex(static_cast<int>(TForecastHorizon::YearlyTax));
    forecastState_ = new QLabel(content);
    forecastSummary_ = new QLabel(content);
    forecastSummary_->setObjectName(QStringLiteral("ForecastSummary"));
    QFont bold = forecastSummary_->font();
    bold.setBold(true);
    forecastSummary_->setFont(bold);
    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(tr("Срок:"), content));
    top->addWidget(horizon_);
    top->addWidget(forecastState_, 1);
    auto* layout = new QVBoxLayout(content);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addLayout(top);
    layout->addWidget(forecastSummary_);
    layout->addWidget(MakeSmallPlots(page, 2, nullptr), 1);

    forecaster_ = new TForecaster(this);
    forecastTimer_ = new QTimer(this);
    forecastTimer_->setSingleShot(true);
    forecastTimer_->setInterval(0);
    connect(forecastTimer_, &QTimer::timeout, this, [this] { StartForecast(); });
    connect(forecaster_, &TForecaster::Ready, this,
            [this](const TForecast& forecast) { ShowForecast(forecast); });
    connect(horizon_, &QComboBox::currentIndexChanged, this, [this] { ForecastAgain(); });
    return content;
}

bool TStatisticsForm::eventFilter(QObject* watched, QEvent* event) {
    // The view's own tooltip event would hide the hint at once: it has none.
    if (event->type() == QEvent::ToolTip)
        return true;
    if (event->type() != QEvent::MouseMove)
        return QWidget::eventFilter(watched, event);
    for (const TPlot& p : plots_) {
        if (p.View->viewport() != watched)
            continue;
        const QPointF at =
            p.View->mapToScene(static_cast<QMouseEvent*>(event)->position().toPoint());
        const QPointF inChart = p.Chart->mapFromScene(at);
        if (!p.Chart->plotArea().contains(inChart)) {
            QToolTip::hideText();
            break;
        }
        ShowHint(p.Page, p.Chart->mapToValue(inChart));
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void TStatisticsForm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    Follow();
}

void TStatisticsForm::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    PauseForecast();
}

QChart* TStatisticsForm::Chart(TPage page, size_t index) const {
    for (const TPlot& plot : plots_)
        if (pages_[plot.Page].Page == page && index-- == 0)
            return plot.Chart;
    return nullptr;
}

void TStatisticsForm::Follow() {
    stale_.assign(pages_.size(), true);
    ForecastAgain();
}

void TStatisticsForm::ForecastAgain() {
    forecaster_->Cancel();
    stale_[forecastPage_] = true;
    if (isVisible())
        Refresh(tabs_->currentIndex());
}

void TStatisticsForm::SetHorizon(TForecastHorizon horizon) {
    horizon_->setCurrentIndex(static_cast<int>(horizon));
}

bool TStatisticsForm::ForecastInView() const {
    return isVisible() && static_cast<size_t>(tabs_->currentIndex()) == forecastPage_;
}

void TStatisticsForm::PauseForecast() {
    // The forecast nobody looks at is not played; it is when next looked at.
    if (!forecaster_->Running() && !forecastTimer_->isActive())
        return;
    forecaster_->Cancel();
    forecastTimer_->stop();
    stale_[forecastPage_] = true;
}

void TStatisticsForm::StartForecast() {
    if (!ForecastInView())
        return;
    TForecastSettings settings;
    settings.Days =
        HorizonDays(static_cast<TForecastHorizon>(horizon_->currentIndex()), colony_.Game().Date);
    forecaster_->Request(colony_, settings);
    forecastState_->setText(tr("Считается…"));
}

void TStatisticsForm::ShowForecast(const TForecast& forecast) {
    forecast_ = forecast;
    forecastSummary_->setText(ForecastSummary(forecast));
    forecastState_->setText(
        tr("Исходов: %1, от %2. Линия - середина исходов, полоса - 8 исходов из 10.")
            .arg(forecast.Runs)
            .arg(DateText(forecast.From)));
    for (TPlot& plot : plots_)
        if (plot.Page == forecastPage_)
            RefreshForecastPlot(plot);
}

void TStatisticsForm::RefreshForecastPlot(TPlot& plot) {
    const TForecast& forecast = *forecast_;
    const std::vector<TGameDate> dates = ForecastDates(forecast);
    const auto figure = static_cast<TForecastFigure>(plot.FirstLine);
    const auto x = [&dates](size_t day) { return YearPoint(dates[day]); };
    const int columns = Columns(plot);
    double low = 0;
    double high = 1;
    const auto points = [&](int32_t TForecastBand::*value) {
        QList<QPointF> line = ColumnPoints(dates.size(), columns, x, [&](size_t day) {
            return static_cast<double>(forecast.Days[day][figure].*value);
        });
        for (const QPointF& point : line) {
            low = std::min(low, point.y());
            high = std::max(high, point.y());
        }
        return line;
    };
    MarkGoals(plot);
    plot.Band->upperSeries()->replace(points(&TForecastBand::High));
    plot.Band->lowerSeries()->replace(points(&TForecastBand::Low));
    plot.Series[0]->replace(points(&TForecastBand::Median));
    const double first = x(0);
    const double last = std::max(x(dates.size() - 1), first + 1.0 / 365);
    for (size_t i = 0; i < plot.Goals.size(); ++i) {
        const double level = plot.Goals[i].Level;
        plot.Series[plot.LineCount + i]->replace({QPointF(first, level), QPointF(last, level)});
        low = std::min(low, level);
        high = std::max(high, level);
    }
    FitAxes(plot, low, high, first, last);
}

void TStatisticsForm::SetRange(TRange range) {
    range_->setCurrentIndex(range);
}

void TStatisticsForm::ShowPage(TPage page) {
    for (size_t row = 0; row < pages_.size(); ++row)
        if (pages_[row].Page == page)
            tabs_->setCurrentIndex(static_cast<int>(row));
}

std::span<const THistoryDay> TStatisticsForm::RangeDays() const {
    const std::span<const THistoryDay> days = colony_.History().Days();
    if (days.empty() || range_->currentIndex() == rgAll)
        return days;
    const int years = range_->currentIndex() == rgYear ? 1 : 10;
    TGameDate from = days.back().Date;
    from.Year = static_cast<uint16_t>(std::max(from.Year - years, 0));
    if (from.Month == 2 && from.Day == 29)
        from.Day = 28;
    // The days are in date order: the first after that day is found by halves.
    const auto first = std::partition_point(
        days.begin(), days.end(), [from](const THistoryDay& d) { return d.Date <= from; });
    return days.subspan(static_cast<size_t>(first - days.begin()));
}

void TStatisticsForm::Refresh(int page) {
    if (page < 0 || static_cast<size_t>(page) >= pages_.size() || !stale_[page])
        return;
    stale_[page] = false;
    if (pages_[page].Kind == pkAccount)
        RefreshAccount();
    if (pages_[page].Kind == pkForecast) {
        forecastTimer_->start();
        return;
    }
    for (TPlot& plot : plots_)
        if (plot.Page == static_cast<size_t>(page))
            RefreshPlot(plot);
}

int TStatisticsForm::Columns(const TPlot& plot) const {
    const int area = static_cast<int>(plot.Chart->plotArea().width());
    return std::max(area > 0 ? area : plot.View->width() - 80, 100);
}

void TStatisticsForm::RefreshPlot(TPlot& plot) {
    const TPageRow& page = pages_[plot.Page];
    const std::span<const THistoryDay> days = RangeDays();
    const bool byMonth = page.Kind == pkMonths;
    const std::vector<TMonthChange> months =
        byMonth ? MonthChanges(colony_.History().Days(), days, page.Lines)
                : std::vector<TMonthChange>();
    const size_t count = byMonth ? months.size() : days.size();
    const auto x = [&](size_t k) {
        return byMonth ? MonthPoint(months[k].Month) : YearPoint(days[k].Date);
    };
    MarkGoals(plot);
    const int columns = Columns(plot);
    double low = 0;
    double high = 1;
    const size_t drawn = plot.LineCount + page.Marks.size();
    for (size_t i = 0; i < drawn; ++i) {
        const size_t line = plot.FirstLine + i;
        const auto y = [&](size_t k) -> double {
            if (i >= plot.LineCount)
                return page.Marks[i - plot.LineCount].Level;
            if (byMonth)
                return static_cast<double>(months[k].Change[line]);
            return static_cast<double>(
                page.Lines[line].Field->Get(days[k], page.Lines[line].Column));
        };
        const QList<QPointF> points = ColumnPoints(count, columns, x, y);
        for (const QPointF& point : points) {
            low = std::min(low, point.y());
            high = std::max(high, point.y());
        }
        plot.Series[i]->replace(points);
    }
    // A goal's target spans the whole time axis, even before the first day.
    const auto [first, last] = TimeSpan(days);
    for (size_t i = 0; i < plot.Goals.size(); ++i) {
        const double level = plot.Goals[i].Level;
        plot.Series[drawn + i]->replace({QPointF(first, level), QPointF(last, level)});
        low = std::min(low, level);
        high = std::max(high, level);
    }
    if (page.Top > 0)
        high = page.Top;
    FitAxes(plot, low, high, first, last);
}

std::pair<double, double> TStatisticsForm::TimeSpan(std::span<const THistoryDay> days) const {
    // A young colony's axis spans a year from its first day, which its
    // days fill as it plays.
    const double first = YearPoint(days.empty() ? colony_.Game().Date : days.front().Date);
    const double last =
        std::max(days.empty() ? first : YearPoint(days.back().Date), first + 1 - 1.0 / 365);
    return {first, last};
}

void TStatisticsForm::FitAxes(TPlot& plot, double low, double high, double first, double last) {
    SetMarks(plot.X, TimeMarks(first, last, plot.Small ? 5 : 12), first, last);
    const std::vector<TAxisMark> values = ValueMarks(low, high, plot.Small ? 2 : 4);
    SetMarks(plot.Y, values, values.front().Value, values.back().Value);
}

void TStatisticsForm::ShowHint(size_t page, const QPointF& point) {
    const TPageRow& row = pages_[page];
    const std::span<const THistoryDay> days = RangeDays();
    // The figures of the lines; the marks are no figures.
    QString text;
    std::vector<QString> figures;
    if (row.Kind == pkForecast) {
        if (!forecast_)
            return;
        // A figure's middle and its band.
        const std::vector<TGameDate> dates = ForecastDates(*forecast_);
        const size_t day = Nearest(std::span<const TGameDate>(dates), point.x(),
                                   [](const TGameDate& d) { return d; });
        text = DateText(dates[day]);
        for (const TForecastBand& band : forecast_->Days[day])
            figures.push_back(
                QStringLiteral("%1 (%2 - %3)")
                    .arg(NumToStr(band.Median), NumToStr(band.Low), NumToStr(band.High)));
    } else if (row.Kind == pkMonths) {
        const std::vector<TMonthChange> months =
            MonthChanges(colony_.History().Days(), days, row.Lines);
        if (months.empty())
            return;
        const TMonthChange& nearest = *std::min_element(
            months.begin(), months.end(), [&point](const TMonthChange& a, const TMonthChange& b) {
                return std::abs(MonthPoint(a.Month) - point.x()) <
                       std::abs(MonthPoint(b.Month) - point.x());
            });
        text = QStringLiteral("%1 %2").arg(
            TApplication::Locale().standaloneMonthName(nearest.Month.Month),
            QString::number(nearest.Month.Year));
        for (const int64_t change : nearest.Change)
            figures.push_back(NumToStr(change));
    } else {
        if (days.empty())
            return;
        const THistoryDay& day =
            days[Nearest(days, point.x(), [](const THistoryDay& d) { return d.Date; })];
        text = DateText(day.Date);
        for (const TLine& line : row.Lines)
            figures.push_back(NumToStr(line.Field->Get(day, line.Column)));
    }
    for (size_t i = 0; i < row.Lines.size(); ++i)
        text += QStringLiteral("\n%1: %2").arg(row.Lines[i].Hint, figures[i]);
    QToolTip::showText(QCursor::pos(), text, this);
}

void TStatisticsForm::RefreshAccount() {
    const TGame& game = colony_.Game();
    const std::span<const TYearAccount> all = game.Account.Years();
    const std::span<const TYearAccount> years = all.last(std::min<size_t>(all.size(), 10));

    // The rows: the opening, the incomes and their sum, the spendings (as
    // the amounts paid) and their sum, the closing; a row without an amount
    // is a heading.
    struct TRow {
        QString Caption;
        std::function<int64_t(const TYearAccount&, int64_t closing)> Amount;
    };
    std::vector<TRow> rows = {
        {tr("На начало года"), [](const TYearAccount& y, int64_t) { return y.Opening; }}};
    for (const bool income : {true, false}) {
        rows.push_back({income ? tr("Доходы") : tr("Расходы"), {}});
        for (int i = 0; i < MoneyFlowCount; ++i) {
            const auto flow = static_cast<TMoneyFlow>(i);
            if (IsIncome(flow) == income)
                rows.push_back(
                    {QStringLiteral("    ") + MoneyFlowCaption(flow),
                     [flow](const TYearAccount& y, int64_t) { return std::abs(y.Flow(flow)); }});
        }
        rows.push_back({income ? tr("Всего доходов") : tr("Всего расходов"),
                        [income](const TYearAccount& y, int64_t) {
                            return income ? y.Incomes() : -y.Spendings();
                        }});
    }
    rows.push_back(
        {tr("На конец года"), [](const TYearAccount&, int64_t closing) { return closing; }});

    account_->clear();
    account_->setRowCount(static_cast<int>(rows.size()));
    account_->setColumnCount(static_cast<int>(years.size()) + 1);
    for (size_t row = 0; row < rows.size(); ++row) {
        // Headings and sums stand out from the flows.
        auto* caption = new QTableWidgetItem(rows[row].Caption);
        QFont font = caption->font();
        font.setBold(!rows[row].Caption.startsWith(u' '));
        caption->setFont(font);
        account_->setVerticalHeaderItem(static_cast<int>(row), caption);
    }
    QStringList columns;
    for (const TYearAccount& year : years)
        columns << QString::number(year.Year);
    columns << tr("Всего");
    account_->setHorizontalHeaderLabels(columns);

    // The last column is the whole account: from its first opening to the
    // money the colony has now.
    TYearAccount total;
    total.Opening = all.empty() ? game.Money : all.front().Opening;
    for (int flow = 0; flow < MoneyFlowCount; ++flow)
        total.Flows[static_cast<size_t>(flow)] = game.Account.Total(static_cast<TMoneyFlow>(flow));
    for (int column = 0; column < account_->columnCount(); ++column) {
        const bool isTotal = column == static_cast<int>(years.size());
        const TYearAccount& year = isTotal ? total : years[static_cast<size_t>(column)];
        const int64_t closing = isTotal ? game.Money : game.Account.Closing(year, game.Money);
        for (size_t row = 0; row < rows.size(); ++row) {
            if (!rows[row].Amount)
                continue;
            auto* item = new QTableWidgetItem(NumToStr(rows[row].Amount(year, closing)));
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            account_->setItem(static_cast<int>(row), column, item);
        }
    }
}

void TStatisticsForm::Export(bool account) {
    const QString path =
        ChooseFile(this, account ? tr("Сохранить счёт") : tr("Сохранить историю"), QDir::homePath(),
                   tr("Таблицы CSV (*.csv)"), QStringLiteral("csv"), true,
                   account ? tr("Счёт.csv") : tr("История.csv"));
    if (path.isEmpty())
        return;
    const TGame& game = colony_.Game();
    const QByteArray csv =
        account ? AccountCsv(game.Account, game.Money) : HistoryCsv(colony_.History().Days());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(csv) != csv.size() || !file.commit())
        TApplication::ShowError(tr("Не удалось сохранить файл %1: %2.")
                                    .arg(QDir::toNativeSeparators(path), file.errorString()));
}
