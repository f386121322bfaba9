#pragma once

#include "ui/musicdecoder.h"

#include <QAudioDevice>
#include <QIODevice>
#include <QMutex>
#include <QObject>
#include <QString>

#include <memory>
#include <optional>

class QAudioSink;
class QTimer;

// An endless stream of one piece after another for the audio output to pull
// from: a piece plays round and round, and its last sample is followed by its
// first. Every change is gradual, so nothing clicks: the level glides to a new
// value within a quarter of a second, and a new piece waits until the one
// playing has faded out, then starts at its beginning. Without a piece the
// stream is silence, never a short read. Safe to feed from another thread.
class TMusicLoop : public QIODevice {
public:
    explicit TMusicLoop(QObject* parent = nullptr);

    // The piece to play next, after the current one has faded out.
    void Queue(std::shared_ptr<const TMusicSamples> piece);
    // The level to glide to, 0..1.
    void SetGain(double gain);

    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override;

    // How long the level glides, and how long a piece fades out for the next.
    static constexpr int RampFrames = MusicSampleRate / 4;
    static constexpr int SwitchFrames = MusicSampleRate * 3 / 2;

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QMutex mutex_;
    std::shared_ptr<const TMusicSamples> current_;
    std::shared_ptr<const TMusicSamples> next_;
    bool hasNext_ = false;
    // The current piece's own fade, counted in whole steps so that a fade in
    // takes exactly RampFrames and a fade out exactly SwitchFrames.
    static constexpr qint64 FadeFull = qint64{RampFrames} * SwitchFrames;
    static constexpr qint64 FadeInStep = SwitchFrames;
    static constexpr qint64 FadeOutStep = RampFrames;
    size_t frame_ = 0; // the next frame of the current piece
    qint64 fade_ = 0;  // 0..FadeFull
    double gain_ = 0;
    double targetGain_ = 0;
};

// The game's background music: a waltz in the winter, a march in the summer
// and a folk song in the spring and the autumn, each looped without a gap.
// Nothing is read or decoded, and no audio output opened, until the music is
// first switched on; the piece is then decoded in the background. Where there
// is no audio output, or it fails, the music is silent and says nothing.
class TMusicPlayer : public QObject {
public:
    static constexpr int DefaultVolume = 80;

    // Plays through the system's default audio output, looked up when the
    // music is first switched on.
    explicit TMusicPlayer(QObject* parent = nullptr);
    // Plays through `device`; a null device means silence.
    explicit TMusicPlayer(const QAudioDevice& device, QObject* parent = nullptr);
    ~TMusicPlayer() override;

    // Switches the music on or off; it fades in and out.
    void SetPlaying(bool on);
    bool Playing() const { return playing_; }
    // 0..100, perceived loudness; the default is quieter than the sounds.
    void SetVolume(int percent);
    int Volume() const { return volume_; }
    // Chooses the piece for a season (0 summer, 1 autumn, 2 winter, 3 spring);
    // a change while playing fades one piece into the next.
    void SetSeason(int season);

    // The built-in piece that a season plays.
    static QString PieceOfSeason(int season);

private:
    void Start();
    void Load(const QString& piece);

    std::optional<QAudioDevice> device_; // empty: the default, not looked up yet
    TMusicLoop* loop_ = nullptr;
    QAudioSink* sink_ = nullptr;
    QTimer* stopTimer_ = nullptr;
    std::unique_ptr<TMusicDecoding> decoding_; // queues the pieces on loop_
    QString piece_;
    QString loaded_; // the piece last handed to the worker
    bool playing_ = false;
    bool silent_ = false; // no usable output: stays silent
    int volume_ = DefaultVolume;
};
