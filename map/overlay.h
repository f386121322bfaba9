#pragma once

#include <QColor>
#include <QtGlobal>
#include <cstddef>
#include <cstdint>
#include <span>

class TGame;

// What the map view tints its cells by, over the usual picture: a building's
// days of life left, why it works or not, or the improved land.
enum class TOverlay : uint8_t { None, Wear, Work, Improved };
// A new overlay goes last, counted here, with its row in Overlays below.
inline constexpr size_t OverlayCount = static_cast<size_t>(TOverlay::Improved) + 1;

// One colour of an overlay with what it means to the player.
struct TLegendEntry {
    QRgb Colour;
    const char* Text;
};

// An overlay is one row: the View menu's item that shows it, with its key
// and its line in the help, the colours of its legend and the rule that
// picks a cell's colour. The window's View menu, the legend, the tints and
// the help's menu table are all made from the rows.
struct TOverlayRow {
    TOverlay Overlay;
    const char* Caption;  // the View menu's item
    const char* Shortcut; // as QKeySequence reads it
    const char* Help;     // what the item shows, for the help page
    // The colours in the order of the rule's steps; none for the plain view.
    std::span<const TLegendEntry> Legend;
    // The step of the legend a cell of the grid is tinted with, or -1 for a
    // cell left as it is; none for the plain view.
    int (*Step)(const TGame& game, int32_t col, int32_t row) = nullptr;
    // The overview marks every cell of the ground the rule tints, rather
    // than the buildings alone.
    bool Ground = false;
};

// The overlays' colour rules, for their rows.
int WearStep(const TGame& game, int32_t col, int32_t row);
int WorkStep(const TGame& game, int32_t col, int32_t row);
int ImprovedStep(const TGame& game, int32_t col, int32_t row);

// The legends' colours stay apart for a player who tells red from green
// poorly or sees no colours: each step of a legend is at least ten steps of
// lightness from every other, besides its hue.

// Wear: the days of life left, a step a colour, lighter the longer; the last
// is the everlasting.
inline constexpr TLegendEntry WearLegend[] = {
    {0xff800c0c, QT_TRANSLATE_NOOP("Overlay", "до 60 дней")},
    {0xffc8401c, QT_TRANSLATE_NOOP("Overlay", "до года")},
    {0xffee8c22, QT_TRANSLATE_NOOP("Overlay", "до 5 лет")},
    {0xffe8cf4a, QT_TRANSLATE_NOOP("Overlay", "больше 5 лет")},
    {0xffeef8ff, QT_TRANSLATE_NOOP("Overlay", "вечно")},
};

// Work: a colour for each reason but None, in the reasons' order.
inline constexpr TLegendEntry WorkLegend[] = {
    {0xff8fd18f, QT_TRANSLATE_NOOP("Overlay", "работает")},
    {0xff6c7aa0, QT_TRANSLATE_NOOP("Overlay", "строится")},
    {0xff3a3a3a, QT_TRANSLATE_NOOP("Overlay", "заблокировано")},
    {0xffc8f0ff, QT_TRANSLATE_NOOP("Overlay", "не его сезон")},
    {0xfff08c00, QT_TRANSLATE_NOOP("Overlay", "нет ресурсов")},
    {0xffb22222, QT_TRANSLATE_NOOP("Overlay", "нет рабочих")},
};

inline constexpr TLegendEntry ImprovedLegend[] = {
    {0xffe8d820, QT_TRANSLATE_NOOP("Overlay", "улучшенная земля")}};

// Every overlay, in the order of TOverlay and of the View menu.
inline constexpr TOverlayRow Overlays[] = {
    {TOverlay::None,
     QT_TRANSLATE_NOOP("Menus", "&Обычный вид"),
     "Ctrl+1",
     QT_TRANSLATE_NOOP("MenuHelp", "карта без раскраски"),
     {}},
    {TOverlay::Wear, QT_TRANSLATE_NOOP("Menus", "&Износ"), "Ctrl+2",
     QT_TRANSLATE_NOOP(
         "MenuHelp",
         "строения раскрашены по оставшемуся сроку службы: от темно-красного (до 60 дней) к "
         "желтому, чем дольше, тем светлее; вечные почти белые"),
     WearLegend, WearStep},
    {TOverlay::Work, QT_TRANSLATE_NOOP("Menus", "&Работа"), "Ctrl+3",
     QT_TRANSLATE_NOOP(
         "MenuHelp",
         "строения раскрашены по работе: работает, строится, заблокировано, не его сезон, нет "
         "ресурсов, нет рабочих"),
     WorkLegend, WorkStep},
    {TOverlay::Improved, QT_TRANSLATE_NOOP("Menus", "&Улучшенная земля"), "Ctrl+4",
     QT_TRANSLATE_NOOP("MenuHelp", "улучшенная земля отмечена желтым"), ImprovedLegend,
     ImprovedStep, true},
};
static_assert(std::size(Overlays) == OverlayCount);
static_assert(
    [] {
        for (size_t i = 0; i < std::size(Overlays); ++i)
            if (Overlays[i].Overlay != static_cast<TOverlay>(i))
                return false;
        return true;
    }(),
    "the rows are in the order of TOverlay");

// The row of an overlay.
constexpr const TOverlayRow& OverlayRow(TOverlay overlay) {
    return Overlays[static_cast<size_t>(overlay)];
}

// The colours of an overlay in the order of its steps; none for None.
constexpr std::span<const TLegendEntry> OverlayLegend(TOverlay overlay) {
    return OverlayRow(overlay).Legend;
}

// The step of the legend a cell of the grid is tinted with, or -1 for a
// cell left as it is.
int OverlayStep(TOverlay overlay, const TGame& game, int32_t col, int32_t row);
