#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The game's music as scores: notes on a grid of sixteenth notes, played by a
// handful of synthesised instruments. Everything here is integer, so a score
// is the same on every machine; only the rendering works in floating point.

enum class TInstrument { Piano, MusicBox, Pluck, Reed, Bass, Horn };

struct TScoreNote {
    int64_t Start = 0;  // in samples from the start of the piece
    int64_t Length = 0; // in samples; how long the key is held
    int Pitch = 60;     // MIDI note number, 60 is the middle C
    int Velocity = 64;  // 1..127
    int Pan = 0;        // -100 (left) .. 100 (right)
    TInstrument Instrument = TInstrument::Piano;
};

struct TScore {
    std::string Name;   // the file name without ".ogg"
    int64_t Frames = 0; // the length of one pass of the loop, in samples
    // The file starts this many samples before the first bar, so that its two
    // ends meet in the last note's fading sound rather than on the downbeat,
    // where every voice strikes at once.
    int64_t Lead = 0;
    std::vector<TScoreNote> Notes;
};

inline constexpr int MusicRate = 22050;

// The waltz, the folk song and the march, composed afresh on every call and
// always alike.
std::vector<TScore> ComposeMusic();
