#include "ui/forecaster.h"

#include "model/colony.h"

#include <sys/resource.h>
#include <unistd.h>

TForecaster::TForecaster(QObject* parent) : QObject(parent), thread_([this] { Work(); }) {}

TForecaster::~TForecaster() {
    {
        const std::lock_guard lock(mutex_);
        stop_ = true;
        waiting_.reset();
        cancel_ = true;
    }
    wake_.notify_one();
    // Once the thread has ended nothing more is posted to this object, and
    // what was posted goes with it.
    thread_.join();
}

void TForecaster::Request(const TColony& colony, const TForecastSettings& settings) {
    auto job = std::make_unique<TJob>();
    job->Number = ++latest_;
    job->Catalogue = &colony.Catalogue();
    job->Events = &colony.Events();
    job->Terrain = colony.Terrain();
    job->Start = ForecastStartOf(colony);
    job->Settings = settings;
    running_ = true;
    {
        const std::lock_guard lock(mutex_);
        waiting_ = std::move(job);
        cancel_ = true;
    }
    wake_.notify_one();
}

void TForecaster::Cancel() {
    ++latest_;
    running_ = false;
    const std::lock_guard lock(mutex_);
    waiting_.reset();
    cancel_ = true;
}

bool TForecaster::Idle() const {
    const std::lock_guard lock(mutex_);
    return !waiting_ && !playing_;
}

void TForecaster::Work() {
    // The futures, played on threads this one starts, which take its
    // niceness, give way to the window: it stays quick while they play.
    // Where the system refuses, they play at the window's own priority.
    setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), ForecastNiceness);
    for (;;) {
        std::unique_ptr<TJob> job;
        {
            std::unique_lock lock(mutex_);
            playing_ = false;
            wake_.wait(lock, [this] { return stop_ || waiting_; });
            if (stop_)
                return;
            job = std::move(waiting_);
            playing_ = true;
            // A request after this one sets it again.
            cancel_ = false;
        }
        const TForecastWorld world{*job->Catalogue, *job->Events, job->Terrain};
        std::optional<TForecast> forecast =
            PlayForecast(world, job->Start, job->Settings, &cancel_);
        if (!forecast)
            continue;
        {
            // Handed over under the lock, which orders it for every checker.
            const std::lock_guard lock(mutex_);
            played_ = std::move(forecast);
            playedNumber_ = job->Number;
        }
        QMetaObject::invokeMethod(
            this, [this] { Deliver(); }, Qt::QueuedConnection);
    }
}

void TForecaster::Deliver() {
    std::optional<TForecast> forecast;
    uint64_t number = 0;
    {
        const std::lock_guard lock(mutex_);
        forecast.swap(played_);
        number = playedNumber_;
    }
    if (!forecast || number != latest_)
        return;
    running_ = false;
    emit Ready(*forecast);
}
