#include "map/overlay.h"

#include "model/game.h"
#include "model/idle.h"

namespace {

// The days of life left where each step of the wear's legend ends.
constexpr int32_t WearLimits[] = {TBase::WornDays, 364, 5 * 364};
static_assert(std::size(WearLegend) == std::size(WearLimits) + 2);
static_assert(TBase::WornDays == 60, "the first step's text names the days");
static_assert(std::size(WorkLegend) == static_cast<size_t>(TIdleReason::Workers));

} // namespace

int WearStep(const TGame& game, int32_t col, int32_t row) {
    const TBase* base = game.BaseAt(col, row);
    if (!base)
        return -1;
    if (base->Kind->LiveYears == 0)
        return static_cast<int>(std::size(WearLimits)) + 1;
    int step = 0;
    while (step < static_cast<int>(std::size(WearLimits)) && base->LifeDays > WearLimits[step])
        ++step;
    return step;
}

int WorkStep(const TGame& game, int32_t col, int32_t row) {
    const TBase* base = game.BaseAt(col, row);
    return base ? static_cast<int>(IdleReasonOf(*base)) - 1 : -1;
}

int ImprovedStep(const TGame& game, int32_t col, int32_t row) {
    return game.Cell(col, row).Improved != 0 ? 0 : -1;
}

int OverlayStep(TOverlay overlay, const TGame& game, int32_t col, int32_t row) {
    const TOverlayRow& shown = OverlayRow(overlay);
    // A step past the legend has no colour to paint with.
    const int step = shown.Step ? shown.Step(game, col, row) : -1;
    return step < std::ssize(shown.Legend) ? step : -1;
}
