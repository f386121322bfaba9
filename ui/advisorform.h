#pragma once

#include "model/advisor.h"

#include <QObject>
#include <QUuid>
#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

class QCheckBox;
class QLabel;
class QTableWidget;
class TColony;
class TForecaster;

// The forecast the advisor weighs the money by, played on the forecast's
// own thread: a new one is asked when the last is in and the colony has
// moved on since it was asked (a day, a command), so that the futures follow
// a run of play on as fast as they can play without ever holding up a day.
class TAdviceForecast : public QObject {
    Q_OBJECT

public:
    explicit TAdviceForecast(QObject* parent);

    // Asks for the forecast of the colony as it stands, unless one is in play
    // or the last was asked for it as it stands now.
    void Follow(const TColony& colony);
    // The latest forecast of this game, none before its first.
    const TForecast* Of(const TColony& colony) const;

signals:
    // A forecast came in.
    void Played();

private:
    TForecaster* forecaster_ = nullptr;
    std::optional<TForecast> latest_;
    // The game, its revision and date the forecast in play or the latest
    // was asked for.
    struct TAsked {
        QUuid Game;
        uint64_t Revision = 0;
        TGameDate Date;
        bool operator==(const TAsked&) const = default;
    };
    std::optional<TAsked> asked_;
    QUuid latestGame_;
};

// The advisor's window: the colony's warnings, each with its kind, and for
// each kind whether a new warning of it stops play on. Choosing a warning (a
// double click, or Enter) goes where it points: the first building it names
// on the map, or the page of the statistics that shows it. A window of its
// own beside the main window; the main window tells it the warnings as they
// change.
class TAdvisorForm : public QWidget {
    Q_OBJECT

public:
    // goThere shows what a warning is about; stopsChanged takes the kinds
    // that stop play on as the player ticks them.
    TAdvisorForm(const TAdviceStops& stops, std::function<void(const TAdvice&)> goThere,
                 const std::function<void(const TAdviceStops&)>& stopsChanged, QWidget* parent);

    // Lists the warnings; forecastDate is the day the money's forecast was
    // played from, none while there is none yet.
    void Show(const std::vector<TAdvice>& advice, const std::optional<TGameDate>& forecastDate);

private:
    std::function<void(const TAdvice&)> goThere_;
    QTableWidget* table_ = nullptr;
    QLabel* forecast_ = nullptr;
    std::array<QCheckBox*, AdviceKindCount> stops_{};
    std::vector<TAdvice> shown_;
};
