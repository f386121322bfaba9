#include "musicplayer.h"

#include "model/gamedate.h"

#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

constexpr int FrameBytes = MusicChannels * 2;

// Perceived loudness in percent as the factor on the samples.
double VolumeGain(int percent) {
    const double v = std::clamp(percent, 0, 100) / 100.0;
    return v * v;
}

} // namespace

TMusicLoop::TMusicLoop(QObject* parent) : QIODevice(parent) {
    open(QIODevice::ReadOnly | QIODevice::Unbuffered);
}

void TMusicLoop::Queue(std::shared_ptr<const TMusicSamples> piece) {
    QMutexLocker lock(&mutex_);
    next_ = std::move(piece);
    hasNext_ = true;
}

void TMusicLoop::SetGain(double gain) {
    QMutexLocker lock(&mutex_);
    targetGain_ = std::clamp(gain, 0.0, 1.0);
}

qint64 TMusicLoop::bytesAvailable() const {
    // The stream never ends; a second of it is always ready.
    return QIODevice::bytesAvailable() + qint64{MusicSampleRate} * FrameBytes;
}

qint64 TMusicLoop::readData(char* data, qint64 maxSize) {
    QMutexLocker lock(&mutex_);
    const qint64 frames = std::max<qint64>(maxSize, 0) / FrameBytes;
    constexpr double gainStep = 1.0 / RampFrames;
    qint16 out[MusicChannels];
    for (qint64 f = 0; f < frames; ++f) {
        if (hasNext_) {
            fade_ = std::max<qint64>(0, fade_ - FadeOutStep);
            if (fade_ == 0 || !current_ || current_->empty() || gain_ == 0) {
                current_ = std::move(next_);
                hasNext_ = false;
                frame_ = 0;
                fade_ = 0;
            }
        } else {
            fade_ = std::min(FadeFull, fade_ + FadeInStep);
        }
        if (gain_ < targetGain_)
            gain_ = std::min(targetGain_, gain_ + gainStep);
        else if (gain_ > targetGain_)
            gain_ = std::max(targetGain_, gain_ - gainStep);

        const size_t n = current_ ? current_->size() / MusicChannels : 0;
        const double level = gain_ * static_cast<double>(fade_) / FadeFull;
        for (int ch = 0; ch < MusicChannels; ++ch) {
            const double s = n > 0 ? (*current_)[frame_ * MusicChannels + ch] : 0;
            out[ch] = static_cast<qint16>(std::lround(s * level));
        }
        if (n > 0)
            frame_ = (frame_ + 1) % n;
        std::memcpy(data + f * FrameBytes, out, FrameBytes);
    }
    return frames * FrameBytes;
}

// ---------------------------------------------------------------------------

TMusicPlayer::TMusicPlayer(QObject* parent) : QObject(parent), piece_(PieceOfSeason(ssSpring)) {}

TMusicPlayer::TMusicPlayer(const QAudioDevice& device, QObject* parent)
    : QObject(parent), device_(device), piece_(PieceOfSeason(ssSpring)) {}

TMusicPlayer::~TMusicPlayer() {
    decoding_.reset();
    // The output stops pulling before the stream it pulls from goes.
    delete sink_;
    delete loop_;
}

QString TMusicPlayer::PieceOfSeason(int season) {
    switch (season) {
    case ssSummer:
        return QStringLiteral(":/music/March.ogg");
    case ssWinter:
        return QStringLiteral(":/music/Waltz.ogg");
    default:
        return QStringLiteral(":/music/FolkSong.ogg");
    }
}

void TMusicPlayer::SetPlaying(bool on) {
    playing_ = on;
    if (on) {
        Start();
    } else if (loop_) {
        loop_->SetGain(0);
        // Once the fade has been heard the output is let go.
        stopTimer_->start();
    }
}

void TMusicPlayer::SetVolume(int percent) {
    volume_ = std::clamp(percent, 0, 100);
    if (loop_ && playing_)
        loop_->SetGain(VolumeGain(volume_));
}

void TMusicPlayer::SetSeason(int season) {
    piece_ = PieceOfSeason(season);
    if (loop_ && playing_ && loaded_ != piece_)
        Load(piece_);
}

void TMusicPlayer::Start() {
    if (silent_)
        return;
    if (!loop_) {
        if (!device_)
            device_ = QMediaDevices::defaultAudioOutput();
        QAudioFormat format;
        format.setSampleRate(MusicSampleRate);
        format.setChannelCount(MusicChannels);
        format.setSampleFormat(QAudioFormat::Int16);
        if (device_->isNull() || !device_->isFormatSupported(format)) {
            silent_ = true;
            return;
        }
        loop_ = new TMusicLoop;
        decoding_ = std::make_unique<TMusicDecoding>(
            [loop = loop_](std::shared_ptr<const TMusicSamples> piece) {
                loop->Queue(std::move(piece));
            });
        sink_ = new QAudioSink(*device_, format);
        stopTimer_ = new QTimer(this);
        stopTimer_->setSingleShot(true);
        stopTimer_->setInterval(1000);
        connect(stopTimer_, &QTimer::timeout, this, [this] {
            if (!playing_)
                sink_->stop();
        });
    }
    stopTimer_->stop();
    if (loaded_ != piece_)
        Load(piece_);
    loop_->SetGain(VolumeGain(volume_));
    if (sink_->state() == QAudio::StoppedState)
        sink_->start(loop_);
}

void TMusicPlayer::Load(const QString& piece) {
    loaded_ = piece;
    decoding_->Start(piece);
}
