#pragma once

#include <QColor>
#include <cstdint>
#include <span>

class TGame;

// What the map view tints its cells by, over the usual picture: a building's
// days of life left, why it works or not, or the improved land.
enum class TOverlay : uint8_t { None, Wear, Work, Improved };

// One colour of an overlay with what it means to the player.
struct TLegendEntry {
    QRgb Colour;
    const char* Text;
};

// The colours of an overlay in the order of its steps; none for None.
std::span<const TLegendEntry> OverlayLegend(TOverlay overlay);

// The step of the legend a cell of the grid is tinted with, or -1 for a
// cell left as it is.
int OverlayStep(TOverlay overlay, const TGame& game, int32_t col, int32_t row);
