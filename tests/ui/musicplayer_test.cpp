// The built-in music (each season's piece decodes, lasts as long as it should,
// is heard but stays under the sound clips, and loops without a seam), damaged
// music files, the decoding thread, the endless stream the output pulls from,
// and the player on a machine without sound.

#include "ui/musicplayer.h"

#include <QDir>
#include <QFile>
#include <QtEndian>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <gtest/gtest.h>
#include <mutex>

namespace {

QByteArray Resource(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The root mean square of `count` values from `at` on, with `step` between
// them, on the full scale of 1.
double Rms(const qint16* at, size_t count, size_t step = 1) {
    double sum = 0;
    for (size_t i = 0; i < count; ++i)
        sum += static_cast<double>(at[i * step]) * at[i * step];
    return count > 0 ? std::sqrt(sum / static_cast<double>(count)) / 32768 : 0;
}

// The loudest stretch of `window` samples, sliding by a quarter window.
double LoudestWindow(const qint16* samples, size_t count, size_t window) {
    window = std::min(window, count);
    double loudest = 0;
    for (size_t at = 0; at + window <= count; at += std::max<size_t>(window / 4, 1))
        loudest = std::max(loudest, Rms(samples + at, window));
    return loudest;
}

// Reads `frames` frames from the stream, in reads of odd sizes as an audio
// output may ask for them.
TMusicSamples Pull(TMusicLoop& loop, size_t frames) {
    TMusicSamples out(frames * MusicChannels);
    size_t done = 0;
    for (size_t i = 0; done < frames; ++i) {
        const size_t ask = std::min<size_t>(1 + (i * 37) % 500, frames - done);
        const qint64 got = loop.read(reinterpret_cast<char*>(out.data() + done * MusicChannels),
                                     static_cast<qint64>(ask * 4 + 3));
        EXPECT_EQ(got, static_cast<qint64>(ask * 4)) << "whole frames, never short";
        if (got <= 0)
            break;
        done += static_cast<size_t>(got) / 4;
    }
    return out;
}

// Ogg pages carry a checksum; a page changed on purpose needs a new one.
void SetPageChecksum(QByteArray& file, qsizetype page) {
    const int segments = static_cast<uchar>(file[page + 26]);
    qsizetype size = 27 + segments;
    for (int i = 0; i < segments; ++i)
        size += static_cast<uchar>(file[page + 27 + i]);
    qToLittleEndian<quint32>(0, file.data() + page + 22);
    quint32 crc = 0;
    for (qsizetype i = 0; i < size; ++i) {
        crc ^= static_cast<quint32>(static_cast<uchar>(file[page + i])) << 24;
        for (int bit = 0; bit < 8; ++bit)
            crc = crc & 0x80000000u ? (crc << 1) ^ 0x04c11db7u : crc << 1;
    }
    qToLittleEndian<quint32>(crc, file.data() + page + 22);
}

TMusicSamples Piece(size_t frames, qint16 (*left)(size_t), qint16 (*right)(size_t)) {
    TMusicSamples s;
    for (size_t i = 0; i < frames; ++i) {
        s.push_back(left(i));
        s.push_back(right(i));
    }
    return s;
}

} // namespace

TEST(Music, EachSeasonsPieceLoopsWithoutASeamUnderTheSounds) {
    // The sound clips' loudness: the loudest tenth of a second of the quietest
    // clip. The music, even at its loudest, stays under it.
    double quietestClip = 1;
    const QDir sounds(QStringLiteral(":/sounds"));
    ASSERT_FALSE(sounds.entryList().isEmpty());
    for (const QString& name : sounds.entryList()) {
        const QByteArray wav = Resource(sounds.filePath(name));
        ASSERT_GT(wav.size(), 44) << qPrintable(name);
        const auto* samples = reinterpret_cast<const qint16*>(wav.constData() + 44);
        quietestClip = std::min(
            quietestClip, LoudestWindow(samples, (wav.size() - 44) / 2, MusicSampleRate / 10));
    }

    const struct {
        int season;
        const char* piece;
        size_t frames;
    } cases[] = {{0, "March", 2016000},    // 80 bars of 2/4 at 105 a minute, 91.4 s
                 {1, "FolkSong", 2419200}, // 32 bars of 4/4 at 70 a minute, 109.7 s
                 {2, "Waltz", 2016000},    // 64 bars of 3/4 at 126 a minute, 91.4 s
                 {3, "FolkSong", 2419200}};
    for (const auto& c : cases) {
        const QString path = TMusicPlayer::PieceOfSeason(c.season);
        SCOPED_TRACE(qPrintable(path));
        EXPECT_EQ(path, QStringLiteral(":/music/%1.ogg").arg(QLatin1String(c.piece)));
        // Only 22 050 Hz stereo decodes at all.
        const TMusicSamples pcm = DecodeMusic(Resource(path));
        ASSERT_EQ(pcm.size(), c.frames * MusicChannels);
        const size_t frames = c.frames;

        // Heard all through: no second of it is near silence.
        for (size_t s = 0; s + MusicSampleRate <= frames; s += MusicSampleRate)
            ASSERT_GT(Rms(pcm.data() + s * 2, MusicSampleRate * 2), 0.01) << "second " << s;
        EXPECT_LT(LoudestWindow(pcm.data(), pcm.size(), MusicSampleRate / 10 * 2), quietestClip);

        // The seam: the step from the last frame to the first is no larger than
        // the steps within the ten milliseconds either side of it, and the
        // level on both sides is alike.
        const size_t near = MusicSampleRate / 100;
        for (int ch = 0; ch < MusicChannels; ++ch) {
            auto at = [&](size_t frame) { return static_cast<int>(pcm[frame * 2 + ch]); };
            int largestStep = 0;
            for (size_t i = 0; i + 1 < near; ++i)
                largestStep = std::max({largestStep, std::abs(at(i + 1) - at(i)),
                                        std::abs(at(frames - 1 - i) - at(frames - 2 - i))});
            EXPECT_LE(std::abs(at(0) - at(frames - 1)), largestStep) << "channel " << ch;
            const double before = Rms(pcm.data() + (frames - 2 * near) * 2 + ch, 2 * near, 2);
            const double after = Rms(pcm.data() + ch, 2 * near, 2);
            EXPECT_LT(std::max(before, after), 1.5 * std::min(before, after)) << "channel " << ch;
        }
    }
}

TEST(Music, DamagedFilesDecodeToNothingOrToWhatIsLeft) {
    const QByteArray ogg = Resource(TMusicPlayer::PieceOfSeason(2));
    const size_t whole = DecodeMusic(ogg).size();
    ASSERT_GT(whole, 0u);

    QByteArray flipped = ogg;
    flipped[flipped.size() / 2] = static_cast<char>(flipped[flipped.size() / 2] ^ 0x5a);
    QByteArray rate = ogg; // the sample rate in the identification header
    qToLittleEndian<quint32>(44100, rate.data() + rate.indexOf("\x01vorbis") + 12);
    SetPageChecksum(rate, 0);
    const struct {
        const char* what;
        QByteArray file;
    } nothing[] = {{"empty", QByteArray()},
                   {"not Ogg", QByteArray(5000, 'x')},
                   {"the first page only", ogg.left(ogg.indexOf("OggS", 4))},
                   {"a damaged page", flipped},
                   {"another rate", rate}};
    for (const auto& c : nothing)
        EXPECT_TRUE(DecodeMusic(c.file).empty()) << c.what;

    const size_t half = DecodeMusic(ogg.left(ogg.size() / 2)).size();
    EXPECT_GT(half, whole / 3);
    EXPECT_LT(half, whole * 2 / 3);

    const std::atomic<bool> cancelled{true};
    EXPECT_TRUE(DecodeMusic(ogg, &cancelled).empty());
}

TEST(MusicDecoding, HandsOnTheLastPieceAskedForWholeAndNothingCancelled) {
    const QString waltz = TMusicPlayer::PieceOfSeason(2);
    const QString march = TMusicPlayer::PieceOfSeason(0);
    const TMusicSamples wholeWaltz = DecodeMusic(Resource(waltz));
    const TMusicSamples wholeMarch = DecodeMusic(Resource(march));
    const TMusicSamples silence;
    const struct {
        std::vector<QString> asked;
        const TMusicSamples& heard;
    } cases[] = {
        {{waltz}, wholeWaltz},
        {{waltz, march}, wholeMarch}, // the waltz is cancelled on its way
        {{march, QStringLiteral(":/music/NoSuch.ogg")}, silence},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(qPrintable(c.asked.back()));
        std::mutex mutex;
        std::condition_variable arrived;
        std::vector<std::shared_ptr<const TMusicSamples>> handed;
        size_t heardAt = 0;
        {
            TMusicDecoding decoding([&](std::shared_ptr<const TMusicSamples> piece) {
                const std::lock_guard lock(mutex);
                handed.push_back(std::move(piece));
                arrived.notify_all();
            });
            for (const QString& path : c.asked)
                decoding.Start(path);
            std::unique_lock lock(mutex);
            ASSERT_TRUE(arrived.wait_for(lock, std::chrono::minutes(1), [&] {
                return !handed.empty() && *handed.back() == c.heard;
            }));
            heardAt = handed.size();
            lock.unlock();
            // Ended while a piece decodes: it is cancelled, or it comes whole.
            decoding.Start(waltz);
        }
        EXPECT_LE(heardAt, c.asked.size());
        ASSERT_LE(handed.size(), heardAt + 1);
        if (handed.size() > heardAt) {
            EXPECT_EQ(*handed.back(), wholeWaltz);
        }
    }
}

TEST(MusicLoop, WrapsRoundWithoutAGapAndGlidesBetweenLevelsAndPieces) {
    TMusicLoop loop;
    // Silence until there is a piece, in full reads.
    for (qint16 s : Pull(loop, 1000))
        ASSERT_EQ(s, 0);

    // Odd lengths, so that reads and the loop's end never line up.
    const size_t n = 997, m = 331;
    const auto a = std::make_shared<const TMusicSamples>(Piece(
        n, [](size_t i) { return static_cast<qint16>(30 * static_cast<int>(i) - 14995); },
        [](size_t i) { return static_cast<qint16>(14995 - 30 * static_cast<int>(i)); }));
    loop.Queue(a);
    loop.SetGain(1);
    Pull(loop, TMusicLoop::RampFrames);
    const TMusicSamples full = Pull(loop, 3 * n);
    for (size_t i = 0; i < 3 * n; ++i) {
        const size_t k = (TMusicLoop::RampFrames + i) % n;
        ASSERT_EQ(full[2 * i], (*a)[2 * k]) << i;
        ASSERT_EQ(full[2 * i + 1], (*a)[2 * k + 1]) << i;
    }

    // A new piece: the old one fades out evenly, and the new one fades in
    // from its beginning.
    const auto b = std::make_shared<const TMusicSamples>(Piece(
        m, [](size_t i) { return static_cast<qint16>(9000 + 7 * static_cast<int>(i)); },
        [](size_t i) { return static_cast<qint16>(-9000 - 5 * static_cast<int>(i)); }));
    loop.Queue(b);
    const size_t playedA = TMusicLoop::RampFrames + 3 * n;
    const size_t fadeOut = TMusicLoop::SwitchFrames;
    const TMusicSamples change = Pull(loop, fadeOut + TMusicLoop::RampFrames + m);
    for (size_t i = 0; i + 1 < fadeOut; ++i) {
        const double level = 1 - static_cast<double>(i + 1) / fadeOut;
        ASSERT_NEAR(change[2 * i], (*a)[2 * ((playedA + i) % n)] * level, 1) << i;
    }
    for (size_t i = fadeOut - 1; i < change.size() / 2; ++i) {
        const size_t k = (i - (fadeOut - 1)) % m;
        ASSERT_LE(change[2 * i], (*b)[2 * k]) << i;
        if (i >= fadeOut - 1 + TMusicLoop::RampFrames) {
            ASSERT_EQ(change[2 * i], (*b)[2 * k]) << i;
        }
    }

    // Switched off: down to silence within the glide, evenly.
    const size_t playedB = TMusicLoop::RampFrames + m + 1;
    loop.SetGain(0);
    const TMusicSamples off = Pull(loop, TMusicLoop::RampFrames + 10);
    for (size_t i = 0; i < off.size() / 2; ++i) {
        const double level = std::max(0.0, 1 - static_cast<double>(i + 1) / TMusicLoop::RampFrames);
        ASSERT_NEAR(off[2 * i + 1], (*b)[2 * ((playedB + i) % m) + 1] * level, 1) << i;
    }
    EXPECT_EQ(off[off.size() - 2], 0);
}

// Without an audio output the music keeps its switch, and its volume in range.
TEST(MusicPlayer, WithoutAnAudioOutputKeepsItsSwitchAndVolume) {
    TMusicPlayer player{QAudioDevice()};
    EXPECT_EQ(player.Volume(), TMusicPlayer::DefaultVolume);
    player.SetPlaying(true);
    player.SetVolume(150);
    EXPECT_TRUE(player.Playing());
    EXPECT_EQ(player.Volume(), 100);
    player.SetVolume(-5);
    EXPECT_EQ(player.Volume(), 0);
}
