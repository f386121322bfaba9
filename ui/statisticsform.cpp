#include "ui/statisticsform.h"

#include "model/colony.h"
#include "model/describe.h"
#include "model/nextday.h"
#include "resources/imagelist.h"
#include "ui/application.h"
#include "ui/chartpoints.h"
#include "ui/filedialog.h"

#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QCursor>
#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLegend>
#include <QLineSeries>
#include <QLocale>
#include <QMouseEvent>
#include <QPushButton>
#include <QSaveFile>
#include <QScreen>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolTip>
#include <QVBoxLayout>
#include <QValueAxis>
#include <cmath>

namespace {

// The goods' colours on the chart, in goods order.
const std::array<QColor, GoodsCount> GoodColors = {
    QColor(212, 160, 23),  QColor(60, 150, 50),  QColor(40, 40, 40),
    QColor(110, 120, 150), QColor(120, 70, 30),  QColor(150, 150, 140),
    QColor(40, 110, 220),  QColor(170, 110, 60), QColor(230, 90, 20)};

const char* const PageNames[] = {"Деньги", "Люди", "Здоровье", "Товары", "Торговля", "Счёт"};

// Years between the time axis's marks: about ten marks at most.
double YearStep(double span) {
    for (double step : {1.0, 2.0, 5.0, 10.0, 20.0, 50.0})
        if (span / step <= 10)
            return step;
    return 100.0;
}

// The index of the day nearest the point of the time axis.
size_t NearestDay(std::span<const THistoryDay> days, double x) {
    const auto it =
        std::lower_bound(days.begin(), days.end(), x,
                         [](const THistoryDay& d, double v) { return YearPoint(d.Date) < v; });
    size_t i = static_cast<size_t>(it - days.begin());
    if (i == days.size() ||
        (i > 0 && x - YearPoint(days[i - 1].Date) < YearPoint(days[i].Date) - x))
        i = i > 0 ? i - 1 : 0;
    return i;
}

// The trade of each month: what the market paid and took in it.
struct TMonthTrade {
    TGameDate Month; // its first day
    int64_t Sold = 0;
    int64_t Bought = 0;
};

// The months of the days, the last part of all days; the first month is
// measured from the day before them.
std::vector<TMonthTrade> MonthTrade(std::span<const THistoryDay> all,
                                    std::span<const THistoryDay> days) {
    const THistoryDay* before =
        days.size() < all.size() ? &all[all.size() - days.size() - 1] : nullptr;
    std::vector<TMonthTrade> months;
    int64_t sold = before ? before->Sold : 0;
    int64_t bought = before ? before->Bought : 0;
    for (const THistoryDay& day : days) {
        if (months.empty() || months.back().Month.Year != day.Date.Year ||
            months.back().Month.Month != day.Date.Month)
            months.push_back({{day.Date.Year, day.Date.Month, 1}, 0, 0});
        months.back().Sold += day.Sold - sold;
        months.back().Bought += day.Bought - bought;
        sold = day.Sold;
        bought = day.Bought;
    }
    return months;
}

double MonthPoint(const TGameDate& month) {
    return month.Year + (month.Month - 1) / 12.0 + 1 / 24.0;
}

} // namespace

TStatisticsForm::TStatisticsForm(const TColony& colony, const TImageList& goodsPictures,
                                 QWidget* parent)
    : QWidget(parent, Qt::Window), colony_(colony) {
    setWindowTitle(QStringLiteral("Статистика"));
    setObjectName(QStringLiteral("StatisticsForm"));
    resize(760, 480);

    range_ = new QComboBox(this);
    range_->addItems({QStringLiteral("Последний год"), QStringLiteral("Последние 10 лет"),
                      QStringLiteral("Вся история")});
    range_->setCurrentIndex(rgTenYears);
    auto* exportHistory = new QPushButton(QStringLiteral("История в CSV..."), this);
    auto* exportAccount = new QPushButton(QStringLiteral("Счёт в CSV..."), this);
    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("Период:"), this));
    top->addWidget(range_);
    top->addStretch();
    top->addWidget(exportHistory);
    top->addWidget(exportAccount);

    const auto field = [](int32_t THistoryDay::*member) {
        return [member](const THistoryDay& d) { return static_cast<double>(d.*member); };
    };
    lines_[pgMoney] = {{QStringLiteral("Деньги"), QColor(0, 128, 0), field(&THistoryDay::Money)}};
    lines_[pgPeople] = {
        {QStringLiteral("Люди"), QColor(200, 40, 40), field(&THistoryDay::People)},
        {QStringLiteral("Места в домах"), QColor(40, 90, 200), field(&THistoryDay::Homes)},
        {QStringLiteral("Рабочие места"), QColor(150, 100, 20), field(&THistoryDay::Work)},
        {QStringLiteral("Заняты"), QColor(120, 120, 120), field(&THistoryDay::Employed)}};
    lines_[pgHealth] = {
        {QStringLiteral("Здоровье"), QColor(200, 40, 40), field(&THistoryDay::Health)},
        {QStringLiteral("Ниже %1 рождений нет").arg(HealthForBirths), QColor(120, 120, 120),
         [](const THistoryDay&) { return double{HealthForBirths}; }}};
    for (int good = 0; good < GoodsCount; ++good)
        lines_[pgGoods].push_back({GoodName(good), GoodColors[good], [good](const THistoryDay& d) {
                                       return static_cast<double>(d.Stock[good]);
                                   }});
    lines_[pgTrade] = {{QStringLiteral("Продано за месяц"), QColor(0, 128, 0), {}},
                       {QStringLiteral("Куплено за месяц"), QColor(200, 40, 40), {}}};

    tabs_ = new QTabWidget(this);
    for (int page = pgMoney; page < pgAccount; ++page)
        tabs_->addTab(MakeChartPage(static_cast<TPage>(page), lines_[page],
                                    page == pgGoods ? MakeGoodsLegend(goodsPictures) : nullptr),
                      QString::fromUtf8(PageNames[page]));
    account_ = new QTableWidget(this);
    account_->setObjectName(QStringLiteral("Account"));
    account_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    account_->verticalHeader()->setDefaultSectionSize(account_->fontMetrics().height() + 6);
    account_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    tabs_->addTab(account_, QString::fromUtf8(PageNames[pgAccount]));

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(tabs_);

    connect(range_, &QComboBox::currentIndexChanged, this, [this] {
        for (TChartPage& page : pages_)
            page.Stale = true;
        Refresh(tabs_->currentIndex());
    });
    connect(tabs_, &QTabWidget::currentChanged, this, [this](int page) { Refresh(page); });
    connect(exportHistory, &QPushButton::clicked, this, [this] { Export(false); });
    connect(exportAccount, &QPushButton::clicked, this, [this] { Export(true); });
}

QWidget* TStatisticsForm::MakeChartPage(TPage page, const std::vector<TLine>& lines,
                                        QWidget* legend) {
    TChartPage& p = pages_[page];
    p.Chart = new QChart;
    p.Chart->setMargins(QMargins(4, 4, 4, 4));
    p.Chart->legend()->setAlignment(Qt::AlignBottom);
    p.Chart->legend()->setVisible(legend == nullptr);
    p.X = new QValueAxis(p.Chart);
    p.X->setLabelFormat(QStringLiteral("%.0f"));
    p.X->setTickType(QValueAxis::TicksDynamic);
    p.Y = new QValueAxis(p.Chart);
    p.Y->setLabelFormat(QStringLiteral("%.0f"));
    p.Chart->addAxis(p.X, Qt::AlignBottom);
    p.Chart->addAxis(p.Y, Qt::AlignLeft);
    for (const TLine& line : lines) {
        auto* series = new QLineSeries(p.Chart);
        series->setName(line.Name);
        QPen pen(line.Color, 1.5);
        if (page == pgHealth && &line != &lines.front())
            pen.setStyle(Qt::DashLine);
        series->setPen(pen);
        p.Chart->addSeries(series);
        series->attachAxis(p.X);
        series->attachAxis(p.Y);
        p.Series.push_back(series);
    }
    p.View = new QChartView(p.Chart);
    p.View->setRenderHint(QPainter::Antialiasing);
    // The pointer anywhere over the plot shows the day (or month) under it.
    p.View->viewport()->setMouseTracking(true);
    p.View->viewport()->installEventFilter(this);
    if (!legend)
        return p.View;
    auto* holder = new QWidget;
    auto* layout = new QVBoxLayout(holder);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(p.View);
    layout->addWidget(legend);
    return holder;
}

QWidget* TStatisticsForm::MakeGoodsLegend(const TImageList& pictures) {
    // Each good with its picture from the status panel, in its line's
    // colour; unticked, its line leaves the chart and the scale fits the rest.
    auto* legend = new QWidget;
    auto* layout = new QGridLayout(legend);
    layout->setContentsMargins(4, 0, 4, 4);
    for (int good = 0; good < GoodsCount; ++good) {
        auto* box = new QCheckBox(GoodName(good), legend);
        box->setObjectName(QStringLiteral("Good%1").arg(good));
        box->setIcon(QPixmap::fromImage(pictures.Picture(good)));
        box->setIconSize(QSize(20, 20));
        box->setChecked(true);
        box->setStyleSheet(
            QStringLiteral("color: %1; font-weight: bold;").arg(GoodColors[good].name()));
        connect(box, &QCheckBox::toggled, this, [this, good](bool on) {
            pages_[pgGoods].Series[static_cast<size_t>(good)]->setVisible(on);
            pages_[pgGoods].Stale = true;
            Refresh(pgGoods);
        });
        layout->addWidget(box, good / 5, good % 5);
    }
    return legend;
}

bool TStatisticsForm::eventFilter(QObject* watched, QEvent* event) {
    // The view's own tooltip event would hide the hint at once: it has none.
    if (event->type() == QEvent::ToolTip)
        return true;
    if (event->type() != QEvent::MouseMove)
        return QWidget::eventFilter(watched, event);
    for (int page = pgMoney; page < pgAccount; ++page) {
        const TChartPage& p = pages_[page];
        if (p.View->viewport() != watched)
            continue;
        const QPointF at =
            p.View->mapToScene(static_cast<QMouseEvent*>(event)->position().toPoint());
        const QPointF inChart = p.Chart->mapFromScene(at);
        if (!p.Chart->plotArea().contains(inChart)) {
            QToolTip::hideText();
            break;
        }
        const QPointF value = p.Chart->mapToValue(inChart);
        if (page == pgTrade)
            ShowTradeHint(value);
        else
            ShowDayHint(static_cast<TPage>(page), value);
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void TStatisticsForm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    Follow();
}

void TStatisticsForm::PlaceBeside(const QWidget& window) {
    // To the right of the window, else below it, else to its left, where
    // the screen has room; else over the window's right part. Never off the
    // screen.
    const QRect frame = window.frameGeometry();
    const QScreen* screen = window.screen();
    const QRect room = screen ? screen->availableGeometry() : QRect(QPoint(), frame.size());
    const QSize size = frameGeometry().size();
    const QPoint places[] = {{frame.right() + 8, frame.top()},
                             {frame.left(), frame.bottom() + 8},
                             {frame.left() - 8 - size.width(), frame.top()}};
    QPoint at = places[0];
    for (const QPoint& place : places)
        if (room.contains(QRect(place, size))) {
            at = place;
            break;
        }
    at.setX(std::clamp(at.x(), room.left(), std::max(room.left(), room.right() - size.width())));
    at.setY(std::clamp(at.y(), room.top(), std::max(room.top(), room.bottom() - size.height())));
    move(at);
}

void TStatisticsForm::Follow() {
    for (TChartPage& page : pages_)
        page.Stale = true;
    accountStale_ = true;
    if (isVisible())
        Refresh(tabs_->currentIndex());
}

void TStatisticsForm::SetRange(TRange range) {
    range_->setCurrentIndex(range);
}

void TStatisticsForm::ShowPage(TPage page) {
    tabs_->setCurrentIndex(page);
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
    if (page == pgAccount) {
        if (accountStale_)
            RefreshAccount();
        return;
    }
    if (page < 0 || page >= pgAccount || !pages_[page].Stale)
        return;
    if (page == pgTrade)
        RefreshTrade();
    else
        RefreshDayChart(static_cast<TPage>(page));
    pages_[page].Stale = false;
}

int TStatisticsForm::Columns(const TChartPage& page) const {
    const int plot = static_cast<int>(page.Chart->plotArea().width());
    return std::max(plot > 0 ? plot : page.View->width() - 80, 100);
}

void TStatisticsForm::RefreshDayChart(TPage page) {
    TChartPage& p = pages_[page];
    const std::span<const THistoryDay> days = RangeDays();
    const int columns = Columns(p);
    double low = 0;
    double high = 1;
    for (size_t i = 0; i < p.Series.size(); ++i) {
        const auto& value = lines_[page][i].Value;
        const QList<QPointF> points = ColumnPoints(
            days.size(), columns, [days](size_t k) { return YearPoint(days[k].Date); },
            [days, &value](size_t k) { return value(days[k]); });
        if (p.Series[i]->isVisible())
            for (const QPointF& point : points) {
                low = std::min(low, point.y());
                high = std::max(high, point.y());
            }
        p.Series[i]->replace(points);
    }
    if (page == pgHealth)
        high = TGame::MaxHealth;
    FitAxes(p, low, high, days);
}

void TStatisticsForm::RefreshTrade() {
    TChartPage& p = pages_[pgTrade];
    const std::span<const THistoryDay> days = RangeDays();
    const std::vector<TMonthTrade> months = MonthTrade(colony_.History().Days(), days);
    const int columns = Columns(p);
    double high = 1;
    for (int line = 0; line < 2; ++line) {
        const QList<QPointF> points = ColumnPoints(
            months.size(), columns, [&months](size_t k) { return MonthPoint(months[k].Month); },
            [&months, line](size_t k) {
                return static_cast<double>(line == 0 ? months[k].Sold : months[k].Bought);
            });
        for (const QPointF& point : points)
            high = std::max(high, point.y());
        p.Series[static_cast<size_t>(line)]->replace(points);
    }
    FitAxes(p, 0, high, days);
}

void TStatisticsForm::FitAxes(TChartPage& page, double low, double high,
                              std::span<const THistoryDay> days) {
    double first = days.empty() ? colony_.Game().Date.Year : YearPoint(days.front().Date);
    double last = days.empty() ? first : YearPoint(days.back().Date);
    if (last - first < 1.0 / 12)
        last = first + 1.0 / 12;
    page.X->setRange(first, last);
    const double step = YearStep(last - first);
    page.X->setTickAnchor(std::floor(first / step) * step);
    page.X->setTickInterval(step);
    page.Y->setRange(low, high);
    page.Y->applyNiceNumbers();
}

void TStatisticsForm::ShowDayHint(TPage page, const QPointF& point) {
    const std::span<const THistoryDay> days = RangeDays();
    if (days.empty())
        return;
    const THistoryDay& day = days[NearestDay(days, point.x())];
    QString text = DateText(day.Date);
    // The figures of the lines shown; the health's mark of 500 is no figure.
    for (size_t i = 0; i < lines_[page].size(); ++i)
        if (pages_[page].Series[i]->isVisible() && (page != pgHealth || i == 0))
            text += QStringLiteral("\n%1: %2")
                        .arg(lines_[page][i].Name,
                             NumToStr(static_cast<int64_t>(lines_[page][i].Value(day))));
    QToolTip::showText(QCursor::pos(), text, this);
}

void TStatisticsForm::ShowTradeHint(const QPointF& point) {
    const std::vector<TMonthTrade> months = MonthTrade(colony_.History().Days(), RangeDays());
    if (months.empty())
        return;
    const auto nearest = std::min_element(months.begin(), months.end(),
                                          [&point](const TMonthTrade& a, const TMonthTrade& b) {
                                              return std::abs(MonthPoint(a.Month) - point.x()) <
                                                     std::abs(MonthPoint(b.Month) - point.x());
                                          });
    QToolTip::showText(QCursor::pos(),
                       QStringLiteral("%1 %2\nПродано: %3\nКуплено: %4")
                           .arg(QLocale(QLocale::Russian).standaloneMonthName(nearest->Month.Month),
                                QString::number(nearest->Month.Year), NumToStr(nearest->Sold),
                                NumToStr(nearest->Bought)),
                       this);
}

void TStatisticsForm::RefreshAccount() {
    accountStale_ = false;
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
    std::vector<TRow> rows = {{QStringLiteral("На начало года"),
                               [](const TYearAccount& y, int64_t) { return y.Opening; }}};
    for (const bool income : {true, false}) {
        rows.push_back({income ? QStringLiteral("Доходы") : QStringLiteral("Расходы"), {}});
        for (int i = 0; i < MoneyFlowCount; ++i) {
            const auto flow = static_cast<TMoneyFlow>(i);
            if (IsIncome(flow) == income)
                rows.push_back(
                    {QStringLiteral("    ") + MoneyFlowCaption(flow),
                     [flow](const TYearAccount& y, int64_t) { return std::abs(y.Flow(flow)); }});
        }
        rows.push_back({income ? QStringLiteral("Всего доходов") : QStringLiteral("Всего расходов"),
                        [income](const TYearAccount& y, int64_t) {
                            return income ? y.Incomes() : -y.Spendings();
                        }});
    }
    rows.push_back({QStringLiteral("На конец года"),
                    [](const TYearAccount&, int64_t closing) { return closing; }});

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
    columns << QStringLiteral("Всего");
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
    const QString path = ChooseFile(
        this, account ? QStringLiteral("Сохранить счёт") : QStringLiteral("Сохранить историю"),
        QDir::homePath(), QStringLiteral("Таблицы CSV (*.csv)"), QStringLiteral("csv"), true,
        account ? QStringLiteral("Счёт.csv") : QStringLiteral("История.csv"));
    if (path.isEmpty())
        return;
    const TGame& game = colony_.Game();
    const QByteArray csv =
        account ? AccountCsv(game.Account, game.Money) : HistoryCsv(colony_.History().Days());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(csv) != csv.size() || !file.commit())
        TApplication::ShowError(QStringLiteral("Не удалось сохранить файл %1: %2.")
                                    .arg(QDir::toNativeSeparators(path), file.errorString()));
}
