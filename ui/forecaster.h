#pragma once

#include "model/forecast.h"

#include <QObject>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

class TColony;

// Plays the colony's forecast on a thread of its own, so that the window
// never waits for it. The colony is taken as a record on the window's thread
// and the futures play that copy; only the latest request counts: a new one
// stops the forecast in play and takes the place of one still waiting, and a
// forecast that ends after a newer request is thrown away, never shown.
class TForecaster : public QObject {
    Q_OBJECT

public:
    // How far below the window the futures play (a Linux nice value).
    static constexpr int ForecastNiceness = 10;

    explicit TForecaster(QObject* parent = nullptr);
    // Stops the forecast in play and waits for its thread.
    ~TForecaster() override;

    // Forecasts the colony as it stands now over the days of the settings.
    // The colony's catalogue and events must outlive the forecaster.
    void Request(const TColony& colony, const TForecastSettings& settings);
    // Drops every request: nothing is shown until the next one.
    void Cancel();
    // A request is in play or waiting, and its forecast not yet shown.
    bool Running() const { return running_; }
    // The thread has played every request made and posted what it played.
    bool Idle() const;

signals:
    // The forecast of the latest request, on the window's thread.
    void Ready(const TForecast& forecast);

private:
    // One request: what its futures start from and play with. The land is a
    // copy, since a new game may load another one while the futures play.
    struct TJob {
        uint64_t Number = 0;
        const TBaseTypeList* Catalogue = nullptr;
        const TEventTypeList* Events = nullptr;
        TTerrainGrid Terrain;
        TForecastStart Start;
        TForecastSettings Settings;
    };

    void Work();
    // Shows the forecast the thread handed over last, if it is the latest
    // request's.
    void Deliver();

    // The window's thread's own: the number of the latest request.
    uint64_t latest_ = 0;
    bool running_ = false;

    mutable std::mutex mutex_;
    std::condition_variable wake_;
    std::unique_ptr<TJob> waiting_;   // under mutex_
    std::optional<TForecast> played_; // under mutex_, with its request's number
    uint64_t playedNumber_ = 0;       // under mutex_
    bool stop_ = false;               // under mutex_
    bool playing_ = false;            // under mutex_
    std::atomic<bool> cancel_{false};
    std::thread thread_;
};
