#pragma once

#include <QByteArray>
#include <QString>

#include <atomic>
#include <functional>
#include <memory>
#include <thread>
#include <vector>

// The music as the program plays it: interleaved 16-bit stereo samples.
using TMusicSamples = std::vector<qint16>;

inline constexpr int MusicSampleRate = 22050;
inline constexpr int MusicChannels = 2;
// The longest piece: ten minutes.
inline constexpr qint64 MaxMusicFrames = qint64{MusicSampleRate} * 600;

// Decodes an Ogg Vorbis file held in memory. A file that is damaged, has
// another sample rate or channel count, or would last longer than
// MaxMusicFrames gives no samples; so does a decoding stopped early through
// `cancel`.
TMusicSamples DecodeMusic(const QByteArray& ogg, const std::atomic<bool>* cancel = nullptr);

// Reads and decodes one piece at a time on a thread of its own, so that the
// window never waits for it, and hands the samples on from that thread; a
// piece that cannot be read or decoded is handed on as silence. Asking for
// another piece, or the end of this object, cancels the one under way, which
// is then never handed on.
class TMusicDecoding {
public:
    using TReceiver = std::function<void(std::shared_ptr<const TMusicSamples>)>;

    explicit TMusicDecoding(TReceiver receiver);
    ~TMusicDecoding();
    TMusicDecoding(const TMusicDecoding&) = delete;
    TMusicDecoding& operator=(const TMusicDecoding&) = delete;

    // Starts decoding the file at `path` (a resource path or a file).
    void Start(const QString& path);

private:
    void Cancel();

    TReceiver receiver_;
    std::thread worker_;
    std::atomic<bool> cancel_{false};
};
