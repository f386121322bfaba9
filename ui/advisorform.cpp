#include "ui/advisorform.h"

#include "model/colony.h"
#include "ui/forecaster.h"
#include "ui/sidewindow.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

TAdvisorForm::TAdvisorForm(const TAdviceStops& stops, std::function<void(const TAdvice&)> goThere,
                           const std::function<void(const TAdviceStops&)>& stopsChanged,
                           QWidget* parent)
    : QWidget(parent, Qt::Window), goThere_(std::move(goThere)) {
    setWindowTitle(tr("Советник"));
    setObjectName(QStringLiteral("AdvisorForm"));
    setFixedSize(560, 330);

    table_ = new QTableWidget(0, 2, this);
    table_->setObjectName(QStringLiteral("Warnings"));
    table_->setHorizontalHeaderLabels({tr("Вид"), tr("Предупреждение")});
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setWordWrap(false);
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    table_->horizontalHeader()->setHighlightSections(false);
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->setColumnWidth(0, 90);
    connect(table_, &QAbstractItemView::activated, this, [this](const QModelIndex& index) {
        if (index.row() >= 0 && static_cast<size_t>(index.row()) < shown_.size())
            goThere_(shown_[static_cast<size_t>(index.row())]);
    });

    forecast_ = new QLabel(this);
    forecast_->setObjectName(QStringLiteral("Forecast"));

    auto* box = new QGroupBox(tr("Останавливать игру при новом предупреждении"), this);
    auto* boxes = new QGridLayout(box);
    for (const TAdviceKindRow& row : AdviceKinds()) {
        const auto at = static_cast<int>(row.Kind);
        auto* check = new QCheckBox(AdviceKindName(row.Kind), box);
        check->setObjectName(QStringLiteral("cbStop_") + QLatin1String(row.Key));
        check->setChecked(stops[row.Kind]);
        boxes->addWidget(check, 0, at);
        stops_[static_cast<size_t>(at)] = check;
        connect(check, &QCheckBox::toggled, this, [this, stopsChanged] {
            TAdviceStops chosen;
            for (const TAdviceKindRow& kind : AdviceKinds())
                chosen.Set(kind.Kind, stops_[static_cast<size_t>(kind.Kind)]->isChecked());
            stopsChanged(chosen);
        });
    }

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table_, 1);
    layout->addWidget(forecast_);
    layout->addWidget(box);
}

void TAdvisorForm::Show(const std::vector<TAdvice>& advice,
                        const std::optional<TGameDate>& forecastDate) {
    shown_ = advice;
    table_->setRowCount(advice.empty() ? 1 : static_cast<int>(advice.size()));
    const QString hint = tr("Двойной щелчок или Enter: показать");
    if (advice.empty()) {
        table_->setItem(0, 0, new QTableWidgetItem());
        table_->setItem(0, 1, new QTableWidgetItem(tr("Предупреждений нет.")));
    }
    for (size_t i = 0; i < advice.size(); ++i) {
        const auto row = static_cast<int>(i);
        const QString texts[] = {AdviceKindName(advice[i].Kind), advice[i].Text()};
        for (int column = 0; column < 2; ++column) {
            auto* item = new QTableWidgetItem(texts[column]);
            item->setForeground(QColor(GoThereColour));
            item->setToolTip(texts[1] + QStringLiteral("\n\n") + hint);
            table_->setItem(row, column, item);
        }
    }
    forecast_->setText(forecastDate ? tr("Деньги взвешены прогнозом от %1 до следующего налога.")
                                          .arg(DateText(*forecastDate))
                                    : tr("Прогноз денег до следующего налога еще считается."));
}

TAdviceForecast::TAdviceForecast(QObject* parent)
    : QObject(parent), forecaster_(new TForecaster(this)) {
    connect(forecaster_, &TForecaster::Ready, this, [this](const TForecast& forecast) {
        latest_ = forecast;
        latestGame_ = asked_->Game;
        emit Played();
    });
}

void TAdviceForecast::Follow(const TColony& colony) {
    const TAsked now{colony.Identity(), colony.Revision(), colony.Game().Date};
    if (forecaster_->Running() || asked_ == now)
        return;
    asked_ = now;
    forecaster_->Request(colony, AdviceForecastSettings(now.Date));
}

const TForecast* TAdviceForecast::Of(const TColony& colony) const {
    return latest_ && latestGame_ == colony.Identity() ? &*latest_ : nullptr;
}
