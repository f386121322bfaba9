// Synthesises the game's sixteen sound clips as 16-bit mono PCM WAV files
// named as the game asks for them (Base.wav, Button.wav, ...).
//
//   tarvenia-gen-sounds OUTDIR

#include "island/genrandom.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int Rate = 22050;

enum class TWave { Sine, Bell, Brass };

// A clip under construction: sounds are mixed into it at given times.
class TClip {
public:
    explicit TClip(double seconds) : samples_(static_cast<size_t>(seconds * Rate), 0.0) {}

    // A tone with a quick attack and an exponential fade; the frequency may
    // glide linearly to `toFreq`.
    void Tone(double at, double length, double freq, double amp, TWave wave, double decay = 6,
              double toFreq = 0) {
        double phase = 0;
        ForEach(at, length, [&](double t, double& out) {
            const double f = toFreq > 0 ? freq + (toFreq - freq) * t / length : freq;
            phase += 2 * M_PI * f / Rate;
            const double env = std::min(1.0, t / 0.004) * std::exp(-decay * t);
            out += amp * env * Shape(wave, phase);
        });
    }

    // Noise through a one-pole low-pass filter: 0 < smooth < 1, higher is duller.
    void Noise(double at, double length, double amp, double smooth, double decay, uint64_t seed) {
        TGenRandom rng(seed);
        double low = 0;
        ForEach(at, length, [&](double t, double& out) {
            low += (1 - smooth) * (rng.Between(-1, 1) - low);
            out += amp * std::min(1.0, t / 0.002) * std::exp(-decay * t) * low;
        });
    }

    QByteArray Wav() const {
        double peak = 1e-9;
        for (double s : samples_)
            peak = std::max(peak, std::abs(s));
        const double gain = 0.85 / peak;
        QByteArray data;
        for (size_t i = 0; i < samples_.size(); ++i) {
            // A short fade at the end avoids a click when the clip stops.
            const double tail = std::min(1.0, static_cast<double>(samples_.size() - i) / 200);
            const auto v = static_cast<qint16>(std::lround(samples_[i] * gain * tail * 32767));
            data.append(reinterpret_cast<const char*>(&v), 2);
        }
        QByteArray wav("RIFF");
        Append32(wav, 36 + data.size());
        wav.append("WAVEfmt ");
        Append32(wav, 16);
        Append16(wav, 1); // PCM
        Append16(wav, 1); // mono
        Append32(wav, Rate);
        Append32(wav, Rate * 2);
        Append16(wav, 2);
        Append16(wav, 16);
        wav.append("data");
        Append32(wav, data.size());
        return wav + data;
    }

private:
    static double Shape(TWave wave, double phase) {
        switch (wave) {
        case TWave::Sine:
            return std::sin(phase);
        case TWave::Bell:
            return std::sin(phase) + 0.5 * std::sin(2.76 * phase) + 0.25 * std::sin(5.4 * phase);
        case TWave::Brass:
            return std::sin(phase) + 0.6 * std::sin(2 * phase) + 0.4 * std::sin(3 * phase) +
                   0.25 * std::sin(4 * phase) + 0.15 * std::sin(5 * phase);
        }
        return 0;
    }

    void ForEach(double at, double length, const std::function<void(double, double&)>& sample) {
        const auto first = static_cast<size_t>(at * Rate);
        const auto count = static_cast<size_t>(length * Rate);
        for (size_t i = 0; i < count && first + i < samples_.size(); ++i)
            sample(static_cast<double>(i) / Rate, samples_[first + i]);
    }

    static void Append16(QByteArray& b, int v) {
        const auto le = qToLittleEndian(static_cast<quint16>(v));
        b.append(reinterpret_cast<const char*>(&le), 2);
    }
    static void Append32(QByteArray& b, qint64 v) {
        const auto le = qToLittleEndian(static_cast<quint32>(v));
        b.append(reinterpret_cast<const char*>(&le), 4);
    }

    std::vector<double> samples_;
};

// Equal-tempered pitch: semitones from A4.
double Note(int semitones) {
    return 440.0 * std::pow(2.0, semitones / 12.0);
}

void Clink(TClip& c, double at, double freq) {
    c.Tone(at, 0.35, freq, 0.5, TWave::Bell, 14);
    c.Tone(at, 0.3, freq * 1.5, 0.3, TWave::Sine, 18);
    c.Noise(at, 0.01, 0.4, 0.2, 200, static_cast<uint64_t>(freq));
}

void Knock(TClip& c, double at, double freq, uint64_t seed) {
    c.Tone(at, 0.15, freq, 0.9, TWave::Sine, 30, freq * 0.6);
    c.Noise(at, 0.06, 0.6, 0.7, 60, seed);
}

struct TSound {
    const char* Name;
    double Seconds;
    std::function<void(TClip&)> Make;
};

const std::vector<TSound>& Sounds() {
    static const std::vector<TSound> sounds{
        // A building is placed: three hammer blows.
        {"Base", 0.6,
         [](TClip& c) {
             for (int i = 0; i < 3; ++i)
                 Knock(c, 0.18 * i, 190 - 15 * i, 10 + static_cast<uint64_t>(i));
         }},
        // A building is taken down for a tenth of its price: rubble, then a coin.
        {"BaseSale", 0.7,
         [](TClip& c) {
             c.Noise(0, 0.3, 0.7, 0.85, 12, 20);
             Clink(c, 0.3, Note(26));
         }},
        // A click.
        {"Button", 0.06,
         [](TClip& c) {
             c.Noise(0, 0.01, 0.6, 0.3, 300, 30);
             c.Tone(0, 0.05, 1800, 0.4, TWave::Sine, 90);
         }},
        // Buildings fell: a crash with a long rumble.
        {"Destroy", 1.4,
         [](TClip& c) {
             c.Noise(0, 1.4, 1.0, 0.6, 4, 40);
             c.Noise(0, 1.4, 0.9, 0.97, 2.5, 41);
             c.Tone(0, 1.2, 70, 0.6, TWave::Sine, 3, 45);
             for (int i = 0; i < 4; ++i)
                 Knock(c, 0.25 + 0.17 * i, 140 + 20 * i, 42 + static_cast<uint64_t>(i));
         }},
        // Something is not allowed: a low double buzz.
        {"Error", 0.35,
         [](TClip& c) {
             c.Tone(0, 0.14, 220, 0.5, TWave::Brass, 8);
             c.Tone(0.16, 0.18, 175, 0.5, TWave::Brass, 8);
         }},
        // The weakest building is found: a quick rising search.
        {"FindSlow", 0.4,
         [](TClip& c) {
             for (int i = 0; i < 3; ++i)
                 c.Tone(0.1 * i, 0.12, Note(7 + 5 * i), 0.5, TWave::Sine, 20);
         }},
        // Land is improved: two spade strokes and a soft chime.
        {"GoodEarth", 0.8,
         [](TClip& c) {
             c.Noise(0, 0.15, 0.7, 0.5, 15, 50);
             c.Noise(0.2, 0.15, 0.7, 0.5, 15, 51);
             c.Tone(0.4, 0.4, Note(15), 0.4, TWave::Bell, 7);
         }},
        // The greeting of the start screen: a brass fanfare.
        {"Hello", 1.9,
         [](TClip& c) {
             const int melody[] = {3, 7, 10, 15, 10, 15};
             const double starts[] = {0, 0.18, 0.36, 0.54, 0.9, 1.08};
             const double lengths[] = {0.18, 0.18, 0.18, 0.36, 0.18, 0.8};
             for (int i = 0; i < 6; ++i) {
                 c.Tone(starts[i], lengths[i], Note(melody[i] - 12), 0.5, TWave::Brass, 1.5);
                 c.Tone(starts[i], lengths[i], Note(melody[i] - 24), 0.25, TWave::Brass, 1.5);
             }
             c.Noise(1.08, 0.5, 0.15, 0.2, 6, 60);
         }},
        // Goods are bought: the till opens and coins drop.
        {"MarketBuy", 0.7,
         [](TClip& c) {
             Knock(c, 0, 900, 70);
             Knock(c, 0.06, 1100, 71);
             Clink(c, 0.15, Note(24));
             Clink(c, 0.27, Note(31));
         }},
        // Goods are sold: coins pour in.
        {"MarketSale", 0.7,
         [](TClip& c) {
             for (int i = 0; i < 4; ++i)
                 Clink(c, 0.09 * i, Note(31 - 3 * (i % 2)));
         }},
        // A message: a two-note chime.
        {"Message", 0.9,
         [](TClip& c) {
             c.Tone(0, 0.5, Note(19), 0.5, TWave::Bell, 5);
             c.Tone(0.22, 0.65, Note(15), 0.5, TWave::Bell, 4);
         }},
        // The tax collector: two strokes of a low bell.
        {"Nalog", 1.3,
         [](TClip& c) {
             c.Tone(0, 0.8, Note(-14), 0.7, TWave::Bell, 3);
             c.Tone(0.45, 0.85, Note(-19), 0.7, TWave::Bell, 3);
         }},
        // A new day: a light rising triad.
        {"NewDay", 0.45,
         [](TClip& c) {
             for (int i = 0; i < 3; ++i)
                 c.Tone(0.07 * i, 0.3,
                        Note(12 + (i == 0   ? 0
                                   : i == 1 ? 4
                                            : 7)),
                        0.4, TWave::Sine, 9);
         }},
        // Blocked or unblocked: the click of a lock.
        {"Preserve", 0.25,
         [](TClip& c) {
             Knock(c, 0, 1400, 80);
             Knock(c, 0.09, 2100, 81);
         }},
        // Restoration: a ratchet turning, then a rising tone.
        {"Restore", 0.7,
         [](TClip& c) {
             for (int i = 0; i < 6; ++i)
                 c.Noise(0.05 * i, 0.02, 0.7, 0.2, 150, 90 + static_cast<uint64_t>(i));
             c.Tone(0.3, 0.35, Note(7), 0.45, TWave::Sine, 6, Note(14));
         }},
        // The season changes: a run of wind chimes.
        {"Season", 1.4,
         [](TClip& c) {
             const int notes[] = {22, 24, 27, 29, 31, 34};
             for (int i = 0; i < 6; ++i)
                 c.Tone(0.11 * i, 0.7, Note(notes[i]), 0.35, TWave::Bell, 5);
         }},
    };
    return sounds;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: tarvenia-gen-sounds OUTDIR\n");
        return 2;
    }
    for (const TSound& sound : Sounds()) {
        TClip clip(sound.Seconds);
        sound.Make(clip);
        const QString path = QString::fromLocal8Bit(argv[1]) + QLatin1Char('/') +
                             QLatin1String(sound.Name) + QStringLiteral(".wav");
        QFile file(path);
        const QByteArray wav = clip.Wav();
        if (!file.open(QIODevice::WriteOnly) || file.write(wav) != wav.size()) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
