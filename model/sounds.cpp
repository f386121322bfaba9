#include "sounds.h"

#include <array>

QString SoundName(TSound sound) {
    static constexpr std::array<const char*, SoundCount> Names = {
        "Base",      "BaseSale", "Button",    "Destroy",    "Error",   "FindSlow",
        "GoodEarth", "Hello",    "MarketBuy", "MarketSale", "Message", "Nalog",
        "NewDay",    "Preserve", "Restore",   "Season"};
    return QString::fromLatin1(Names[static_cast<size_t>(sound)]);
}
