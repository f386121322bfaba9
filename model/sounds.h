#pragma once

#include <QString>
#include <cstdint>

// The game's sounds: each is the built-in clip of its name, so "Base" plays
// Base.wav. A sound that is not in this list cannot be asked for.
enum class TSound : uint8_t {
    Base,
    BaseSale,
    Button,
    Destroy,
    Error,
    FindSlow,
    GoodEarth,
    Hello,
    MarketBuy,
    MarketSale,
    Message,
    Nalog,
    NewDay,
    Preserve,
    Restore,
    Season,
};
inline constexpr int SoundCount = static_cast<int>(TSound::Season) + 1;

// The sound's name: its clip's file name without ".wav", and the word the
// simulator prints.
QString SoundName(TSound sound);
