#include "musicplayer.h"

#include "model/gamedate.h"

#include <QAudioFormat>
#include <QAudioSink>
#include <QFile>
#include <QMediaDevices>
#include <QSysInfo>
#include <QTimer>

#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

constexpr qint64 MaxMusicFrames = qint64{MusicSampleRate} * 600;
constexpr int FrameBytes = MusicChannels * 2;

// libvorbisfile reads the file from memory through these.
struct TMemoryFile {
    const char* Data;
    size_t Size;
    size_t At;
};

size_t ReadMemory(void* to, size_t size, size_t count, void* source) {
    auto* file = static_cast<TMemoryFile*>(source);
    if (size == 0)
        return 0;
    const size_t items = std::min(count, (file->Size - file->At) / size);
    std::memcpy(to, file->Data + file->At, items * size);
    file->At += items * size;
    return items;
}

int SeekMemory(void* source, ogg_int64_t offset, int whence) {
    auto* file = static_cast<TMemoryFile*>(source);
    const auto size = static_cast<ogg_int64_t>(file->Size);
    ogg_int64_t base = 0;
    if (whence == SEEK_CUR)
        base = static_cast<ogg_int64_t>(file->At);
    else if (whence == SEEK_END)
        base = size;
    else if (whence != SEEK_SET)
        return -1;
    // Both values lie within a file held in memory, so the sum cannot overflow
    // unless the offset is absurd; such an offset is refused first.
    if (offset < -size || offset > size || base + offset < 0 || base + offset > size)
        return -1;
    file->At = static_cast<size_t>(base + offset);
    return 0;
}

long TellMemory(void* source) {
    return static_cast<long>(static_cast<TMemoryFile*>(source)->At);
}

bool IsMusicFormat(const vorbis_info* info) {
    return info && info->channels == MusicChannels && info->rate == MusicSampleRate;
}

// Perceived loudness in percent as the factor on the samples.
double VolumeGain(int percent) {
    const double v = std::clamp(percent, 0, 100) / 100.0;
    return v * v;
}

} // namespace

TMusicSamples DecodeMusic(const QByteArray& ogg, const std::atomic<bool>* cancel) {
    TMemoryFile file{ogg.constData(), static_cast<size_t>(ogg.size()), 0};
    const ov_callbacks callbacks{ReadMemory, SeekMemory, nullptr, TellMemory};
    OggVorbis_File vf;
    if (ov_open_callbacks(&file, &vf, nullptr, 0, callbacks) != 0)
        return {};
    TMusicSamples samples;
    bool ok = IsMusicFormat(ov_info(&vf, -1));
    const ogg_int64_t total = ok ? ov_pcm_total(&vf, -1) : 0;
    ok = ok && total > 0 && total <= MaxMusicFrames;
    if (ok)
        samples.reserve(static_cast<size_t>(total) * MusicChannels);
    char buffer[4096];
    const int bigEndian = QSysInfo::ByteOrder == QSysInfo::BigEndian ? 1 : 0;
    while (ok) {
        if (cancel && cancel->load()) {
            ok = false;
            break;
        }
        int section = 0;
        const long bytes = ov_read(&vf, buffer, sizeof buffer, bigEndian, 2, 1, &section);
        if (bytes == 0)
            break;
        // A hole in the stream, a chained stream of another format, a length
        // that is not whole frames, or more than ten minutes: damaged.
        ok = bytes > 0 && bytes % FrameBytes == 0 && IsMusicFormat(ov_info(&vf, section)) &&
             static_cast<qint64>(samples.size() / MusicChannels) + bytes / FrameBytes <=
                 MaxMusicFrames;
        if (ok) {
            const size_t at = samples.size();
            samples.resize(at + static_cast<size_t>(bytes) / 2);
            std::memcpy(samples.data() + at, buffer, static_cast<size_t>(bytes));
        }
    }
    ov_clear(&vf);
    if (!ok)
        return {};
    return samples;
}

// ---------------------------------------------------------------------------

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
    StopWorker();
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

bool TMusicPlayer::Audible() const {
    return sink_ && sink_->state() != QAudio::StoppedState;
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
    StopWorker();
    loaded_ = piece;
    worker_ = std::thread([loop = loop_, piece, cancel = &cancel_] {
        QFile file(piece);
        TMusicSamples samples;
        if (file.open(QIODevice::ReadOnly))
            samples = DecodeMusic(file.readAll(), cancel);
        if (!cancel->load())
            loop->Queue(std::make_shared<const TMusicSamples>(std::move(samples)));
    });
}

void TMusicPlayer::StopWorker() {
    if (!worker_.joinable())
        return;
    cancel_ = true;
    worker_.join();
    cancel_ = false;
}
