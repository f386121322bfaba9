// The three pieces of the game's music, written out as melodies and chord
// symbols bar by bar; the accompaniment, the ornaments of the repeats and the
// small unevenness of a human player come from fixed seeds.
//
// Melodies are written as "pitch:length" tokens with bars between "|": "f#5:4"
// is the F sharp above the middle C held for a quarter note (four sixteenths),
// "bb4:2" a B flat eighth note, "r:4" a quarter rest. Chords are written one
// symbol per bar, or several that share the bar equally ("Gm C"): a root with
// "m", "7", "m7" or "dim", and an optional bass note after "/".

#include "island/genrandom.h"
#include "musicscore.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <sstream>
#include <stdexcept>

namespace {

struct TPlayed {
    int Tick = 0;
    int Length = 0;
    int Pitch = 0;
};

struct TChord {
    int Tick = 0;
    int Length = 0;
    int Root = 0;           // pitch class 0..11, 0 is C
    int Bass = 0;           // pitch class of the lowest note
    std::vector<int> Upper; // pitch classes the hands play above the bass
};

// A scale as its pitch classes, for the neighbour notes of ornaments.
using TScale = std::array<int, 7>;
constexpr TScale GMajor{7, 9, 11, 0, 2, 4, 6};
constexpr TScale DMinor{2, 4, 5, 7, 9, 10, 0};
constexpr TScale FMajor{5, 7, 9, 10, 0, 2, 4};

std::vector<std::string> Split(const std::string& text, char by) {
    std::vector<std::string> parts;
    std::string part;
    std::istringstream in(text);
    while (std::getline(in, part, by))
        parts.push_back(part);
    return parts;
}

std::vector<std::string> Words(const std::string& text) {
    std::vector<std::string> words;
    std::istringstream in(text);
    for (std::string w; in >> w;)
        words.push_back(w);
    return words;
}

// Reads a note name with its accidental ("c", "f#", "bb") from `at`; returns
// the pitch class and moves `at` past it.
int PitchClass(const std::string& text, size_t& at) {
    static const int natural[7] = {9, 11, 0, 2, 4, 5, 7}; // a b c d e f g
    if (at >= text.size())
        throw std::runtime_error("a note name is missing in \"" + text + "\"");
    const char letter = static_cast<char>(std::tolower(static_cast<unsigned char>(text[at])));
    if (letter < 'a' || letter > 'g')
        throw std::runtime_error("not a note name: \"" + text + "\"");
    int pc = natural[letter - 'a'];
    ++at;
    if (at < text.size() && text[at] == '#') {
        ++pc;
        ++at;
    } else if (at < text.size() && text[at] == 'b') {
        --pc;
        ++at;
    }
    return (pc + 12) % 12;
}

// A melody in the notation above, checked bar by bar; rests are left out.
std::vector<TPlayed> Melody(const std::string& text, int ticksPerBar, int firstBar) {
    std::vector<TPlayed> notes;
    int tick = firstBar * ticksPerBar;
    const std::vector<std::string> bars = Split(text, '|');
    for (size_t b = 0; b < bars.size(); ++b) {
        const int barStart = tick;
        for (const std::string& token : Words(bars[b])) {
            const size_t colon = token.find(':');
            if (colon == std::string::npos)
                throw std::runtime_error("no length in \"" + token + "\"");
            const int length = std::atoi(token.c_str() + colon + 1);
            if (length <= 0)
                throw std::runtime_error("bad length in \"" + token + "\"");
            if (token[0] != 'r') {
                const std::string name = token.substr(0, colon);
                size_t at = 0;
                const int pc = PitchClass(name, at);
                if (at + 1 != name.size() || name[at] < '0' || name[at] > '8')
                    throw std::runtime_error("bad octave in \"" + token + "\"");
                // A "cb" or "b#" would cross the octave; no score here needs them.
                notes.push_back({tick, length, (name[at] - '0' + 1) * 12 + pc});
            }
            tick += length;
        }
        if (tick - barStart != ticksPerBar)
            throw std::runtime_error("bar " + std::to_string(firstBar + b + 1) + " lasts " +
                                     std::to_string(tick - barStart) + " sixteenths: " + bars[b]);
    }
    return notes;
}

std::vector<TChord> Chords(const std::string& text, int ticksPerBar, int firstBar) {
    std::vector<TChord> chords;
    const std::vector<std::string> bars = Split(text, '|');
    for (size_t b = 0; b < bars.size(); ++b) {
        const std::vector<std::string> symbols = Words(bars[b]);
        if (symbols.empty() || ticksPerBar % static_cast<int>(symbols.size()) != 0)
            throw std::runtime_error("bad chords in bar " + std::to_string(firstBar + b + 1));
        const int length = ticksPerBar / static_cast<int>(symbols.size());
        for (size_t i = 0; i < symbols.size(); ++i) {
            const std::string& s = symbols[i];
            size_t at = 0;
            TChord c;
            c.Tick = (firstBar + static_cast<int>(b)) * ticksPerBar + static_cast<int>(i) * length;
            c.Length = length;
            c.Root = PitchClass(s, at);
            const size_t slash = s.find('/', at);
            const std::string quality =
                s.substr(at, slash == std::string::npos ? slash : slash - at);
            std::vector<int> intervals; // above the root; a seventh chord leaves its fifth out
            if (quality.empty())
                intervals = {0, 4, 7};
            else if (quality == "m")
                intervals = {0, 3, 7};
            else if (quality == "7")
                intervals = {4, 7, 10};
            else if (quality == "m7")
                intervals = {3, 7, 10};
            else if (quality == "dim")
                intervals = {0, 3, 6};
            else
                throw std::runtime_error("unknown chord \"" + s + "\"");
            for (int iv : intervals)
                c.Upper.push_back((c.Root + iv) % 12);
            c.Bass = c.Root;
            if (slash != std::string::npos) {
                size_t bassAt = slash + 1;
                c.Bass = PitchClass(s, bassAt);
            }
            chords.push_back(c);
        }
    }
    return chords;
}

// The lowest pitch of class `pc` at or above `low`.
int PitchAtOrAbove(int pc, int low) {
    return low + ((pc - low) % 12 + 12) % 12;
}

// Chooses the close position of the chord within [low, high] that moves the
// hand least from `previous`, as a pianist would.
std::vector<int> Voice(const TChord& chord, int low, int high, const std::vector<int>& previous) {
    std::vector<int> best;
    int bestCost = 0;
    for (int base = low; base < low + 12; ++base) {
        if (std::find(chord.Upper.begin(), chord.Upper.end(), base % 12) == chord.Upper.end())
            continue;
        std::vector<int> v{base};
        for (int p = base + 1; v.size() < chord.Upper.size(); ++p)
            if (std::find(chord.Upper.begin(), chord.Upper.end(), p % 12) != chord.Upper.end())
                v.push_back(p);
        if (v.back() > high)
            continue;
        int cost = 0;
        for (size_t i = 0; i < v.size() && i < previous.size(); ++i)
            cost += std::abs(v[i] - previous[i]);
        if (best.empty() || cost < bestCost) {
            best = v;
            bestCost = cost;
        }
    }
    if (best.empty())
        throw std::runtime_error("no room for a chord between " + std::to_string(low) + " and " +
                                 std::to_string(high));
    return best;
}

// The next note of the scale above `pitch`.
int UpperNeighbour(int pitch, const TScale& scale) {
    for (int p = pitch + 1;; ++p)
        if (std::find(scale.begin(), scale.end(), p % 12) != scale.end())
            return p;
}

// A piece under construction, on a grid of sixteenths.
class TPiece {
public:
    TPiece(std::string name, int bpm, int ticksPerBar, int bars) : ticksPerBar_(ticksPerBar) {
        score_.Name = std::move(name);
        // Tempi are chosen so that a sixteenth is a whole number of samples.
        if ((MusicRate * 60) % (bpm * 4) != 0)
            throw std::runtime_error("a sixteenth at " + std::to_string(bpm) +
                                     " beats a minute is not a whole number of samples");
        samplesPerTick_ = MusicRate * 60 / (bpm * 4);
        score_.Frames = static_cast<int64_t>(samplesPerTick_) * ticksPerBar * bars;
        score_.Lead = samplesPerTick_;
    }

    void Add(int tick, int length, int pitch, int velocity, int pan, TInstrument instrument) {
        AddAt(static_cast<int64_t>(tick) * samplesPerTick_,
              static_cast<int64_t>(length) * samplesPerTick_, pitch, velocity, pan, instrument);
    }

    // A note placed in samples, for figures finer than the grid.
    void AddAt(int64_t start, int64_t length, int pitch, int velocity, int pan,
               TInstrument instrument) {
        if (start < 0 || start >= score_.Frames || length <= 0)
            throw std::runtime_error("a note outside the piece");
        score_.Notes.push_back({start, length, pitch, velocity, pan, instrument});
    }

    // A melody line; notes on the first beat of a bar lean a little louder,
    // and each phrase of four bars swells towards its third bar.
    void AddLine(const std::vector<TPlayed>& line, int velocity, int pan, TInstrument instrument,
                 int transpose = 0) {
        static const int phrase[4] = {0, 4, 7, -3};
        for (const TPlayed& n : line) {
            const int bar = n.Tick / ticksPerBar_;
            const int accent = n.Tick % ticksPerBar_ == 0 ? 6 : 0;
            Add(n.Tick, n.Length, n.Pitch + transpose, velocity + accent + phrase[bar % 4], pan,
                instrument);
        }
    }

    // The finished score: each note starts up to a few milliseconds late and a
    // little louder or softer, as a player's hand does.
    TScore Finish(uint64_t seed) {
        std::stable_sort(
            score_.Notes.begin(), score_.Notes.end(),
            [](const TScoreNote& a, const TScoreNote& b) { return a.Start < b.Start; });
        TGenRandom rng(seed);
        for (TScoreNote& n : score_.Notes) {
            n.Start += rng.Below(MusicRate / 160);
            n.Velocity = std::clamp(n.Velocity + rng.Below(9) - 4, 1, 127);
        }
        return score_;
    }

    int64_t SamplesPerTick() const { return samplesPerTick_; }

private:
    int ticksPerBar_;
    int64_t samplesPerTick_ = 0;
    TScore score_;
};

// Turns some long notes into a note, its upper neighbour and the note again,
// the way a repeat is decorated.
std::vector<TPlayed> Ornamented(const std::vector<TPlayed>& line, const TScale& scale,
                                uint64_t seed) {
    TGenRandom rng(seed);
    std::vector<TPlayed> out;
    for (const TPlayed& n : line) {
        if (n.Length >= 8 && rng.Below(2) == 0) {
            out.push_back({n.Tick, n.Length - 4, n.Pitch});
            out.push_back({n.Tick + n.Length - 4, 2, UpperNeighbour(n.Pitch, scale)});
            out.push_back({n.Tick + n.Length - 2, 2, n.Pitch});
        } else {
            out.push_back(n);
        }
    }
    return out;
}

std::vector<TChord> Concat(std::initializer_list<std::vector<TChord>> parts) {
    std::vector<TChord> all;
    for (const auto& p : parts)
        all.insert(all.end(), p.begin(), p.end());
    return all;
}

// ---------------------------------------------------------------------------
// A slow waltz in G major for the winter: a parlour piano with the left hand's
// "oom-pah-pah", the repeat of the tune brightened by a music box, and a
// gentler trio in C major.

TScore Waltz() {
    const int bar = 12;
    TPiece piece("Waltz", 126, bar, 64);
    const std::string a1 = "b4:8 a4:2 b4:2 | d5:8 b4:4 | c5:8 a4:2 c5:2 | d5:8 c5:4 |"
                           "a4:8 f#4:2 a4:2 | c5:8 a4:4 | b4:4 d5:4 g5:4 | g5:8 r:4 |"
                           "b4:8 d5:2 e5:2 | f5:8 d5:4 | e5:8 d5:2 e5:2 | g5:8 eb5:4 |"
                           "d5:8 b4:4 | c5:4 a4:4 f#4:4 | g4:12 |";
    const std::string a1Chords = "G | G | D7 | D7 | D7 | D7 | G | G | G | G7 | C | Cm | G/D | D7 |"
                                 "G |";
    const std::string b = "g5:8 f#5:2 e5:2 | b4:8 e5:4 | e5:8 d5:2 c5:2 | a4:12 |"
                          "a4:4 d5:4 f#5:4 | a5:8 f#5:4 | g5:8 d5:4 | b4:12 |"
                          "c5:4 e5:4 g5:4 | g5:8 e5:4 | d5:8 b4:4 | e5:8 b4:4 |"
                          "c5:8 e5:4 | d5:8 c5:4 | b4:12 | a4:4 b4:4 c5:4";
    const std::string bChords = "Em | Em | Am | Am | D7 | D7 | G | G | C | C | G | Em | Am | D7 |"
                                "G | D7";
    const std::string trio = "e5:8 d5:2 c5:2 | d5:8 b4:4 | c5:8 b4:2 a4:2 | b4:8 g4:4 |"
                             "a4:8 c5:4 | e5:8 g5:4 | f#5:8 e5:2 d5:2 | d5:12 |"
                             "e5:8 d5:2 c5:2 | d5:8 b4:4 | c5:8 e5:4 | e5:4 c#5:4 a4:4 |"
                             "d5:8 f5:4 | b4:8 d5:4 | c5:8 a4:4 | f#4:4 a4:4 c5:4";
    const std::string trioChords = "C | G7 | Am | Em | F | C/E | D7 | G7 | C | G7 | Am | A7 | Dm |"
                                   "G7 | Am | D7";

    // A, B, A decorated and leading to C, the trio leading back to A.
    const auto tuneA = Melody(a1 + "a4:4 b4:4 c5:4", bar, 0);
    const auto tuneB = Melody(b, bar, 16);
    const auto tuneA2 = Ornamented(Melody(a1 + "b4:4 d5:4 f5:4", bar, 32), GMajor, 11);
    const auto tuneC = Melody(trio, bar, 48);
    const auto chords = Concat({Chords(a1Chords + "D7", bar, 0), Chords(bChords, bar, 16),
                                Chords(a1Chords + "G7", bar, 32), Chords(trioChords, bar, 48)});

    piece.AddLine(tuneA, 78, 10, TInstrument::Piano);
    piece.AddLine(tuneB, 74, 10, TInstrument::Piano);
    piece.AddLine(tuneA2, 72, 10, TInstrument::Piano);
    piece.AddLine(tuneA2, 52, 35, TInstrument::MusicBox, 12);
    piece.AddLine(tuneC, 80, -5, TInstrument::MusicBox, 12);
    piece.AddLine(tuneC, 40, 10, TInstrument::Piano);

    // The left hand: the bass on the first beat, the root and then the fifth
    // while a chord lasts, and the chord on the second and third beats.
    std::vector<int> hand{59, 62, 67};
    int previousRoot = -1;
    bool fifth = false;
    for (const TChord& c : chords) {
        const bool trioPart = c.Tick >= 48 * bar;
        fifth = c.Root == previousRoot && c.Bass == c.Root && !fifth;
        previousRoot = c.Root;
        const int bass = PitchAtOrAbove(fifth ? (c.Root + 7) % 12 : c.Bass, 40);
        piece.Add(c.Tick, 4, bass, trioPart ? 56 : 64, -10, TInstrument::Piano);
        piece.Add(c.Tick, 8, bass, 46, 0, TInstrument::Bass);
        hand = Voice(c, 55, 68, hand);
        for (int beat = 1; beat < 3; ++beat)
            for (int p : hand)
                piece.Add(c.Tick + 4 * beat, 3, p, (trioPart ? 38 : 44) - 3 * beat, -20,
                          TInstrument::Piano);
    }
    return piece.Finish(101);
}

// ---------------------------------------------------------------------------
// A folk song in D minor for the spring and the autumn: a plucked zither sings
// it over a harmonium and a soft bass; the harmonium takes the tune in the
// repeat, and the last verse is played with the zither's tremolo.

TScore FolkSong() {
    const int bar = 16;
    TPiece piece("FolkSong", 70, bar, 32);
    const std::string verse = "d5:6 e5:2 f5:4 e5:2 d5:2 | c5:4 f5:4 e5:6 d5:2 |"
                              "d5:4 a4:4 c5:4 e5:4 | d5:12 c5:2 e5:2 |"
                              "f5:4 a5:4 g5:6 f5:2 | e5:4 g5:4 f5:4 c5:4 |"
                              "d5:4 bb4:4 c#5:4 e5:4 |";
    const std::string verseChords = "Dm | F C | Dm Am | Dm | Dm Gm | C F | Gm A7 |";
    const std::string bridge = "a5:6 g5:2 f5:4 c5:4 | d5:4 f5:4 c5:8 |"
                               "e5:6 f5:2 g5:4 e5:4 | f5:12 c5:4 |"
                               "d5:6 e5:2 f5:4 a5:4 | bb5:4 g5:4 e5:4 c5:4 |"
                               "a4:4 c5:4 d5:4 f5:4 | e5:8 c#5:4 e5:4";
    const std::string bridgeChords = "F | Bb F | C | F | Dm | Gm C | F Dm | A7";

    const auto verse1 = Melody(verse + "d5:12 a4:4", bar, 0);
    const auto verse2 = Melody(verse + "d5:8 c5:4 e5:2 g5:2", bar, 8);
    const auto tuneB = Melody(bridge, bar, 16);
    const auto verse3 = Melody(verse + "d5:12 a4:4", bar, 24);
    const auto chords =
        Concat({Chords(verseChords + "Dm", bar, 0), Chords(verseChords + "Dm C", bar, 8),
                Chords(bridgeChords, bar, 16), Chords(verseChords + "Dm", bar, 24)});

    piece.AddLine(verse1, 84, 15, TInstrument::Pluck);
    piece.AddLine(verse2, 80, 0, TInstrument::Reed);
    piece.AddLine(tuneB, 80, 15, TInstrument::Pluck);
    piece.AddLine(verse3, 44, -15, TInstrument::Reed, -12);
    // The last verse: long notes are played as a tremolo of quick plucks, the
    // first a little louder than the rest.
    const int64_t step = piece.SamplesPerTick() / 2;
    TGenRandom rng(23);
    for (const TPlayed& n : verse3) {
        if (n.Length >= 6 && rng.Below(3) != 0) {
            const int64_t start = n.Tick * piece.SamplesPerTick();
            const int64_t end = start + n.Length * piece.SamplesPerTick();
            for (int64_t t = start; t + step <= end; t += step)
                piece.AddAt(t, step, n.Pitch, t == start ? 84 : 60, 15, TInstrument::Pluck);
        } else {
            piece.Add(n.Tick, n.Length, n.Pitch, 84, 15, TInstrument::Pluck);
        }
    }

    // The bass plays the root and then the fifth, a half note each; the
    // harmonium holds the chords, and while it sings the tune the zither
    // breaks them into eighth notes.
    std::vector<int> hand{57, 62, 65};
    for (const TChord& c : chords) {
        const bool reedSings = c.Tick >= 8 * bar && c.Tick < 16 * bar;
        const int root = PitchAtOrAbove(c.Bass, 38);
        if (c.Length == bar) {
            piece.Add(c.Tick, 8, root, 60, 0, TInstrument::Bass);
            piece.Add(c.Tick + 8, 8, PitchAtOrAbove((c.Root + 7) % 12, 38), 54, 0,
                      TInstrument::Bass);
        } else {
            piece.Add(c.Tick, c.Length, root, 58, 0, TInstrument::Bass);
        }
        hand = Voice(c, 53, 66, hand);
        if (reedSings) {
            static const int order[4] = {0, 1, 2, 1};
            for (int t = 0; t < c.Length; t += 2)
                piece.Add(c.Tick + t, 2, hand[order[(t / 2) % 4]], t % 4 == 0 ? 44 : 36, -30,
                          TInstrument::Pluck);
        } else {
            for (int p : hand)
                piece.Add(c.Tick, c.Length, p, 40, -25, TInstrument::Reed);
        }
    }
    return piece.Finish(202);
}

// ---------------------------------------------------------------------------
// A gentle march in F major for the summer, as a band plays it in a park: a
// bass on the beats, chords on the off-beats, the tune on the piano, then a
// trio in B flat that the horn sings.

TScore March() {
    const int bar = 8;
    TPiece piece("March", 105, bar, 80);
    const std::string a = "c5:3 f5:1 a5:2 f5:2 | c6:4 a5:4 | bb5:3 a5:1 g5:2 e5:2 | f5:4 c5:4 |"
                          "d5:3 f5:1 bb5:2 f5:2 | a5:3 g5:1 f5:2 c5:2 | d5:2 g5:2 b5:2 g5:2 |"
                          "g5:4 r:2 c5:2 |"
                          "c5:3 f5:1 a5:2 f5:2 | c6:4 a5:2 f5:2 | d6:4 bb5:2 f5:2 | db6:4 bb5:4 |"
                          "a5:3 g5:1 f5:2 a5:2 | g5:3 f5:1 e5:2 g5:2 | f5:4 c5:2 a4:2 |";
    const std::string aChords = "F | F | C7 | F | Bb | F | G7 | C7 | F | F7 | Bb | Bbm | F/C | C7 |"
                                "F |";
    const std::string b = "a5:6 f5:2 | e5:6 c#5:2 | d5:4 f5:2 a5:2 | d6:8 |"
                          "bb5:6 g5:2 | e5:6 c5:2 | a5:3 g5:1 f5:2 a5:2 | c6:8 |"
                          "d6:6 bb5:2 | c6:6 a5:2 | b5:3 a5:1 g5:2 f5:2 | e5:6 g5:2 |"
                          "a5:4 c6:2 a5:2 | f#5:4 a5:2 f#5:2 | g5:4 e5:4 | g4:2 c5:2 e5:2 d5:2";
    const std::string bChords = "Dm | A7 | Dm | Dm | Gm | C7 | F | F | Bb | F | G7 | C | F | D7 |"
                                "Gm C7 | C7";
    const std::string trio = "d5:6 c5:2 | d5:4 f5:4 | g5:6 f5:2 | d5:8 |"
                             "eb5:6 d5:2 | c5:4 a4:4 | c5:2 d5:2 eb5:2 c5:2 | d5:8 |"
                             "f5:6 d5:2 | ab5:6 f5:2 | g5:6 eb5:2 | gb5:6 eb5:2 |"
                             "d5:6 f5:2 | eb5:4 c5:4 | bb4:8 |";
    const std::string trioChords = "Bb | Bb | Eb | Bb | Cm | F7 | F7 | Bb | Bb | Bb7 | Eb | Ebm |"
                                   "Bb/F | F7 | Bb |";

    // A, B, A decorated and leading to the trio, the trio twice, the second
    // time leading back to A.
    const auto tuneA = Melody(a + "g4:2 c5:2 e5:2 d5:2", bar, 0);
    const auto tuneB = Melody(b, bar, 16);
    const auto tuneA2 = Ornamented(Melody(a + "a4:2 c5:2 eb5:2 c5:2", bar, 32), FMajor, 31);
    const auto tuneT = Melody(trio + "f4:2 a4:2 bb4:2 c5:2", bar, 48);
    const auto tuneT2 = Melody(trio + "g4:2 c5:2 e5:2 d5:2", bar, 64);
    const auto chords = Concat({Chords(aChords + "C7", bar, 0), Chords(bChords, bar, 16),
                                Chords(aChords + "F7", bar, 32), Chords(trioChords + "F7", bar, 48),
                                Chords(trioChords + "C7", bar, 64)});

    piece.AddLine(tuneA, 76, 10, TInstrument::Piano);
    piece.AddLine(tuneB, 72, 10, TInstrument::Piano);
    piece.AddLine(tuneA2, 72, 10, TInstrument::Piano);
    piece.AddLine(tuneA2, 48, 35, TInstrument::MusicBox, 12);
    piece.AddLine(tuneT, 76, -10, TInstrument::Horn);
    piece.AddLine(tuneT2, 70, 10, TInstrument::Piano);
    piece.AddLine(tuneT2, 50, -10, TInstrument::Horn);

    // The bass walks root - fifth on the beats, the chords answer on the
    // off-beats: short on the piano, held a little longer by the horns in the
    // trio.
    std::vector<int> hand{57, 60, 65};
    for (const TChord& c : chords) {
        const bool trioPart = c.Tick >= 48 * bar;
        const int root = PitchAtOrAbove(c.Bass, 41);
        piece.Add(c.Tick, 3, root, 56, 0, TInstrument::Bass);
        if (c.Length == bar)
            piece.Add(c.Tick + 4, 3, PitchAtOrAbove((c.Root + 7) % 12, 36), 50, 0,
                      TInstrument::Bass);
        hand = Voice(c, 55, 67, hand);
        for (int t = 2; t < c.Length; t += 4)
            for (int p : hand)
                piece.Add(c.Tick + t, trioPart ? 2 : 1, p, 40, -20,
                          trioPart ? TInstrument::Horn : TInstrument::Piano);
    }
    return piece.Finish(303);
}

} // namespace

std::vector<TScore> ComposeMusic() {
    return {Waltz(), FolkSong(), March()};
}
