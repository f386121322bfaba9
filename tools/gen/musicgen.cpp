// Renders the game's three pieces of music (see musicscores.cpp) with additive
// synthesis and a small room reverb, and writes each as a stereo Ogg Vorbis
// file that loops without a seam:
//
//   tarvenia-gen-music OUTDIR      writes Waltz.ogg, FolkSong.ogg and March.ogg
//
// Every note that rings past the end of a pass is folded into the start of
// the pass, and the reverb hears a whole pass before the one that is kept, so
// the end flows into the beginning as it would if the piece were played round
// and round; the file itself starts a sixteenth before the first bar, so that
// its two ends meet inside a held note rather than on a downbeat.
//
// The output is the same on every run: the scores are integer, the synthesis
// runs in plain double arithmetic in a fixed order (the target is built
// without contracted multiply-adds), the samples are rounded to 16 bits before
// the encoder sees them, and the Ogg stream's serial number is fixed.

#include "musicscore.h"

#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

// The loudness of the finished pieces: well under the sound clips, which peak
// at 85 % of full scale, so that the music stays in the background.
constexpr double TargetRms = 0.06;
constexpr double PeakLimit = 0.4;
// Vorbis quality, -0.1 .. 1: a modest setting keeps the three pieces at about
// 1.3 MB together.
constexpr float Quality = 0.3f;

// One partial of a tone: its frequency as a multiple of the note's, its
// amplitude, and how fast it fades, as a quick first decay mixed with a slow
// one (per second, of the amplitude's natural logarithm).
struct TPartial {
    double Ratio;
    double Amp;
    double FastDecay;
    double SlowDecay;
    double FastShare;
};

struct TTimbre {
    std::vector<TPartial> Partials;
    double Attack = 0.003; // seconds to full strength
    double Release = 0.1;  // time constant of the fade after the key is let go
    bool Rings = false;    // a struck tine rings on after the note's length
    double Gain = 1;
};

// The instruments, as functions of the frequency and the velocity (0..1).
TTimbre Timbre(TInstrument instrument, double freq, double vel) {
    TTimbre t;
    switch (instrument) {
    case TInstrument::Piano: {
        // Strings slightly stretched (inharmonic), two strings a little out
        // of tune with each other, the upper partials dimmer when played softly.
        const double bright = 0.35 + 0.4 * vel;
        const double slow = 0.35 + freq / 700;
        for (int n = 1; n <= 8; ++n) {
            const double ratio = n * std::sqrt(1 + 0.0004 * n * n);
            const double amp = std::pow(bright, n - 1) / n;
            const double decay = slow * (1 + 0.4 * (n - 1));
            t.Partials.push_back({ratio, amp * 0.6, decay * 3.5 + 2, decay, 0.55});
            t.Partials.push_back({ratio * 1.0004, amp * 0.4, decay * 3.5 + 2, decay, 0.55});
        }
        t.Attack = 0.003;
        t.Release = 0.12;
        t.Gain = 1.0;
        break;
    }
    case TInstrument::MusicBox: {
        // A steel tine: the fundamental, a little of the octave and a short
        // metallic overtone far above.
        const double d = 0.8 + freq / 1200;
        t.Partials = {{1, 0.75, d, d, 0},
                      {1.0015, 0.25, d, d, 0},
                      {2, 0.1, 3 * d, 2 * d, 0.5},
                      {6.27, 0.12, 12 * d + 8, 8 * d, 0.5}};
        t.Attack = 0.001;
        t.Rings = true;
        t.Gain = 0.5;
        break;
    }
    case TInstrument::Pluck: {
        // A string plucked a fifth of its length from the end.
        const double bright = 0.5 + 0.35 * vel;
        const double d = 1.1 + freq / 500;
        for (int n = 1; n <= 10; ++n) {
            const double amp = std::abs(std::sin(n * M_PI * 0.2)) / n * std::pow(bright, n - 1);
            t.Partials.push_back({static_cast<double>(n), amp, d * (1 + 0.5 * (n - 1)) * 4,
                                  d * (1 + 0.5 * (n - 1)), 0.3});
        }
        t.Attack = 0.0015;
        t.Release = 0.15;
        t.Gain = 1.3;
        break;
    }
    case TInstrument::Reed: {
        // A harmonium: two reeds a few cents apart, held as long as the key.
        for (int n = 1; n <= 12; ++n) {
            const double amp = std::pow(n, -1.2) * (n <= 3 ? 1 : std::pow(0.75, n - 3));
            t.Partials.push_back({static_cast<double>(n), amp * 0.5, 0.08, 0.08, 0});
            t.Partials.push_back({n * 1.0015, amp * 0.5, 0.08, 0.08, 0});
        }
        t.Attack = 0.07;
        t.Release = 0.2;
        t.Gain = 0.5;
        break;
    }
    case TInstrument::Bass: {
        // A soft plucked bass.
        t.Partials = {
            {1, 1, 1.6, 1.6, 0}, {2, 0.4, 2.2, 2.2, 0}, {3, 0.15, 3, 3, 0}, {4, 0.06, 4, 4, 0}};
        t.Attack = 0.008;
        t.Release = 0.08;
        t.Gain = 1.0;
        break;
    }
    case TInstrument::Horn: {
        // A mellow horn, brighter when it plays louder.
        static const double amps[8] = {1, 0.55, 0.32, 0.2, 0.12, 0.07, 0.04, 0.025};
        const double bright = 0.6 + 0.4 * vel;
        for (int n = 1; n <= 8; ++n)
            t.Partials.push_back(
                {static_cast<double>(n), amps[n - 1] * std::pow(bright, n - 1), 0.25, 0.25, 0});
        t.Attack = 0.04;
        t.Release = 0.1;
        t.Gain = 0.45;
        break;
    }
    }
    return t;
}

double Frequency(int pitch) {
    return 440.0 * std::pow(2.0, (pitch - 69) / 12.0);
}

// A stereo signal as two channels of doubles.
struct TStereo {
    std::vector<double> Left, Right;
    explicit TStereo(size_t frames = 0) : Left(frames, 0.0), Right(frames, 0.0) {}
    size_t Frames() const { return Left.size(); }
};

// Adds one note to `out`, growing it if the note rings past its end.
void RenderNote(const TScoreNote& note, TStereo& out) {
    const double freq = Frequency(note.Pitch);
    const double vel = note.Velocity / 127.0;
    const TTimbre timbre = Timbre(note.Instrument, freq, vel);
    const double amp = std::pow(vel, 1.7) * timbre.Gain;

    struct TOsc {
        double Cos, Sin, StepCos, StepSin, Fast, Slow, FastMul, SlowMul;
    };
    std::vector<TOsc> oscs;
    for (const TPartial& p : timbre.Partials) {
        const double f = freq * p.Ratio;
        if (f >= 0.45 * MusicRate)
            continue;
        const double w = 2 * M_PI * f / MusicRate;
        oscs.push_back({1, 0, std::cos(w), std::sin(w), p.Amp * p.FastShare,
                        p.Amp * (1 - p.FastShare), std::exp(-p.FastDecay / MusicRate),
                        std::exp(-p.SlowDecay / MusicRate)});
    }
    const auto attack = static_cast<int64_t>(timbre.Attack * MusicRate);
    const double releaseMul = std::exp(-1.0 / (timbre.Release * MusicRate));
    // A ringing tine is let to sound for as long as it is audible; other notes
    // stop soon after their key is let go.
    const int64_t limit = timbre.Rings
                              ? 5 * MusicRate
                              : note.Length + static_cast<int64_t>(8 * timbre.Release * MusicRate);
    const double angle = (note.Pan + 100) / 200.0 * M_PI / 2;
    const double gainLeft = amp * std::cos(angle);
    const double gainRight = amp * std::sin(angle);

    const auto end = static_cast<size_t>(note.Start + limit);
    if (out.Frames() < end) {
        out.Left.resize(end, 0.0);
        out.Right.resize(end, 0.0);
    }
    double release = 1;
    for (int64_t i = 0; i < limit; ++i) {
        double sum = 0;
        double level = 0;
        for (TOsc& o : oscs) {
            const double c = o.Cos * o.StepCos - o.Sin * o.StepSin;
            o.Sin = o.Cos * o.StepSin + o.Sin * o.StepCos;
            o.Cos = c;
            const double env = o.Fast + o.Slow;
            sum += env * o.Sin;
            level += env;
            o.Fast *= o.FastMul;
            o.Slow *= o.SlowMul;
        }
        if (i < attack)
            sum *= 0.5 - 0.5 * std::cos(M_PI * static_cast<double>(i) / attack);
        if (!timbre.Rings && i >= note.Length)
            release *= releaseMul;
        sum *= release;
        const auto at = static_cast<size_t>(note.Start + i);
        out.Left[at] += gainLeft * sum;
        out.Right[at] += gainRight * sum;
        if (level * release < 1e-4)
            break;
    }
}

// A small room after the well-known design of eight damped comb filters and
// four all-pass filters per channel, the right channel's delays a little
// longer than the left's for width. Delays are for 22 050 samples a second.
class TReverb {
public:
    TReverb() {
        static const int combs[8] = {558, 594, 638, 678, 711, 745, 778, 808};
        static const int allpasses[4] = {278, 220, 170, 112};
        for (int ch = 0; ch < 2; ++ch) {
            for (int len : combs)
                comb_[ch].push_back({std::vector<double>(len + 11 * ch, 0.0), 0, 0});
            for (int len : allpasses)
                allpass_[ch].push_back({std::vector<double>(len + 11 * ch, 0.0), 0, 0});
        }
    }

    // The reverberation of one frame, added to it.
    void Process(double& left, double& right) {
        const double input = (left + right) * 0.015;
        double wet[2];
        for (int ch = 0; ch < 2; ++ch) {
            double out = 0;
            for (TLine& c : comb_[ch]) {
                const double y = c.Buffer[c.At];
                c.Store = y * (1 - Damp) + c.Store * Damp;
                c.Buffer[c.At] = input + c.Store * Feedback;
                c.At = (c.At + 1) % c.Buffer.size();
                out += y;
            }
            for (TLine& a : allpass_[ch]) {
                const double y = a.Buffer[a.At];
                a.Buffer[a.At] = out + y * 0.5;
                a.At = (a.At + 1) % a.Buffer.size();
                out = y - out;
            }
            wet[ch] = out;
        }
        left += Wet * wet[0];
        right += Wet * wet[1];
    }

private:
    static constexpr double Feedback = 0.84;
    static constexpr double Damp = 0.4;
    static constexpr double Wet = 0.55;
    struct TLine {
        std::vector<double> Buffer;
        size_t At;
        double Store;
    };
    std::vector<TLine> comb_[2], allpass_[2];
};

// The piece as one pass of an endless loop, as 16-bit interleaved stereo.
std::vector<int16_t> Render(const TScore& score) {
    const auto frames = static_cast<size_t>(score.Frames);
    TStereo dry(frames);
    for (const TScoreNote& note : score.Notes)
        RenderNote(note, dry);
    // What rings past the end sounds again at the start of the next pass.
    for (size_t i = frames; i < dry.Frames(); ++i) {
        dry.Left[i % frames] += dry.Left[i];
        dry.Right[i % frames] += dry.Right[i];
    }
    dry.Left.resize(frames);
    dry.Right.resize(frames);

    // The reverb listens to one whole pass first, so that at the start of the
    // second its rooms still echo the end of the first; the second is kept.
    TReverb reverb;
    TStereo wet(frames);
    for (int pass = 0; pass < 2; ++pass)
        for (size_t i = 0; i < frames; ++i) {
            double l = dry.Left[i], r = dry.Right[i];
            reverb.Process(l, r);
            wet.Left[i] = l;
            wet.Right[i] = r;
        }

    double sumSquares = 0, peak = 0;
    for (size_t i = 0; i < frames; ++i) {
        sumSquares += wet.Left[i] * wet.Left[i] + wet.Right[i] * wet.Right[i];
        peak = std::max({peak, std::abs(wet.Left[i]), std::abs(wet.Right[i])});
    }
    const double rms = std::sqrt(sumSquares / (2.0 * static_cast<double>(frames)));
    if (rms <= 0)
        throw std::runtime_error(score.Name + " is silent");
    const double gain = std::min(TargetRms / rms, PeakLimit / peak);
    std::printf("%s: %.1f s, rms %.4f, peak %.4f\n", score.Name.c_str(),
                static_cast<double>(frames) / MusicRate, rms * gain, peak * gain);

    std::vector<int16_t> pcm(2 * frames);
    const auto lead = static_cast<size_t>(score.Lead) % frames;
    for (size_t i = 0; i < frames; ++i) {
        const size_t from = (i + frames - lead) % frames;
        pcm[2 * i] = static_cast<int16_t>(std::lround(wet.Left[from] * gain * 32767));
        pcm[2 * i + 1] = static_cast<int16_t>(std::lround(wet.Right[from] * gain * 32767));
    }
    return pcm;
}

// The interleaved stereo samples as an Ogg Vorbis file.
std::string EncodeVorbis(const std::vector<int16_t>& pcm, const std::string& title, int serial) {
    vorbis_info info;
    vorbis_info_init(&info);
    if (vorbis_encode_init_vbr(&info, 2, MusicRate, Quality) != 0)
        throw std::runtime_error("the Vorbis encoder refuses its settings");
    vorbis_comment comment;
    vorbis_comment_init(&comment);
    vorbis_comment_add_tag(&comment, "TITLE", title.c_str());
    vorbis_dsp_state dsp;
    vorbis_block block;
    vorbis_analysis_init(&dsp, &info);
    vorbis_block_init(&dsp, &block);
    ogg_stream_state stream;
    ogg_stream_init(&stream, serial);

    std::string file;
    ogg_page page;
    auto writePages = [&](bool flush) {
        while (flush ? ogg_stream_flush(&stream, &page) : ogg_stream_pageout(&stream, &page)) {
            file.append(reinterpret_cast<const char*>(page.header), page.header_len);
            file.append(reinterpret_cast<const char*>(page.body), page.body_len);
        }
    };

    ogg_packet header, commentHeader, codeHeader;
    vorbis_analysis_headerout(&dsp, &comment, &header, &commentHeader, &codeHeader);
    ogg_stream_packetin(&stream, &header);
    ogg_stream_packetin(&stream, &commentHeader);
    ogg_stream_packetin(&stream, &codeHeader);
    writePages(true); // the audio starts on a page of its own

    const size_t frames = pcm.size() / 2;
    const size_t chunk = 1024;
    ogg_packet packet;
    for (size_t at = 0;; at += chunk) {
        const size_t n = at < frames ? std::min(chunk, frames - at) : 0;
        if (n > 0) {
            float** buffer = vorbis_analysis_buffer(&dsp, static_cast<int>(n));
            for (size_t i = 0; i < n; ++i) {
                buffer[0][i] = pcm[2 * (at + i)] / 32768.0f;
                buffer[1][i] = pcm[2 * (at + i) + 1] / 32768.0f;
            }
        }
        vorbis_analysis_wrote(&dsp, static_cast<int>(n)); // 0 marks the end
        while (vorbis_analysis_blockout(&dsp, &block) == 1) {
            vorbis_analysis(&block, nullptr);
            vorbis_bitrate_addblock(&block);
            while (vorbis_bitrate_flushpacket(&dsp, &packet)) {
                ogg_stream_packetin(&stream, &packet);
                writePages(false);
            }
        }
        if (n == 0)
            break;
    }
    writePages(true);

    ogg_stream_clear(&stream);
    vorbis_block_clear(&block);
    vorbis_dsp_clear(&dsp);
    vorbis_comment_clear(&comment);
    vorbis_info_clear(&info);
    return file;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: tarvenia-gen-music OUTDIR\n");
        return 2;
    }
    try {
        int serial = 0x54617200; // "Tar", then the piece's number
        for (const TScore& score : ComposeMusic()) {
            const std::string ogg = EncodeVorbis(Render(score), score.Name, ++serial);
            const std::string path = std::string(argv[1]) + "/" + score.Name + ".ogg";
            FILE* f = std::fopen(path.c_str(), "wb");
            const bool written = f && std::fwrite(ogg.data(), 1, ogg.size(), f) == ogg.size();
            if (!f || std::fclose(f) != 0 || !written) {
                std::fprintf(stderr, "cannot write %s\n", path.c_str());
                return 1;
            }
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "tarvenia-gen-music: %s\n", e.what());
        return 1;
    }
    return 0;
}
