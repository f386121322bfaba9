#include "map/overlay.h"

#include "model/game.h"
#include "model/idle.h"

namespace {

// Wear: the days of life left, a step a colour; the last is the everlasting.
constexpr int32_t WearLimits[] = {TBase::WornDays, 364, 5 * 364};
constexpr TLegendEntry WearLegend[] = {
    {0xffe02020, QT_TRANSLATE_NOOP("Overlay", "до 60 дней")},
    {0xfff08c00, QT_TRANSLATE_NOOP("Overlay", "до года")},
    {0xffe8d820, QT_TRANSLATE_NOOP("Overlay", "до 5 лет")},
    {0xff30b030, QT_TRANSLATE_NOOP("Overlay", "больше 5 лет")},
    {0xff3070e0, QT_TRANSLATE_NOOP("Overlay", "вечно")},
};
static_assert(std::size(WearLegend) == std::size(WearLimits) + 2);
static_assert(TBase::WornDays == 60, "the first step's text names the days");

// Work: a colour for each reason but None, in the reasons' order.
constexpr TLegendEntry WorkLegend[] = {
    {0xff30b030, QT_TRANSLATE_NOOP("Overlay", "работает")},
    {0xff9090a0, QT_TRANSLATE_NOOP("Overlay", "строится")},
    {0xff404040, QT_TRANSLATE_NOOP("Overlay", "заблокировано")},
    {0xff40c0e0, QT_TRANSLATE_NOOP("Overlay", "не его сезон")},
    {0xfff08c00, QT_TRANSLATE_NOOP("Overlay", "нет ресурсов")},
    {0xffe02020, QT_TRANSLATE_NOOP("Overlay", "нет рабочих")},
};
static_assert(std::size(WorkLegend) == static_cast<size_t>(TIdleReason::Workers));

constexpr TLegendEntry ImprovedLegend[] = {
    {0xffe8d820, QT_TRANSLATE_NOOP("Overlay", "улучшенная земля")}};

int WearStep(const TBase& base) {
    if (base.Kind->LiveYears == 0)
        return static_cast<int>(std::size(WearLimits)) + 1;
    int step = 0;
    while (step < static_cast<int>(std::size(WearLimits)) && base.LifeDays > WearLimits[step])
        ++step;
    return step;
}

} // namespace

std::span<const TLegendEntry> OverlayLegend(TOverlay overlay) {
    switch (overlay) {
    case TOverlay::Wear:
        return WearLegend;
    case TOverlay::Work:
        return WorkLegend;
    case TOverlay::Improved:
        return ImprovedLegend;
    default:
        return {};
    }
}

int OverlayStep(TOverlay overlay, const TGame& game, int32_t col, int32_t row) {
    if (overlay == TOverlay::Improved)
        return game.Cell(col, row).Improved != 0 ? 0 : -1;
    const TBase* base = overlay == TOverlay::None ? nullptr : game.BaseAt(col, row);
    if (!base)
        return -1;
    if (overlay == TOverlay::Wear)
        return WearStep(*base);
    return static_cast<int>(IdleReasonOf(*base)) - 1;
}
