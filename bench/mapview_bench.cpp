// Repainting the map view over the real map with a large colony, and one
// Ctrl+arrow scroll step, each beside a baseline that only shows one prepared
// picture of the same size; the overview's map picture and marks; and both
// against the colony's size.
#include "bench/bigcolony.h"
#include "land/earth.h"
#include "map/editmarks.h"
#include "map/mapview.h"
#include "map/placebox.h"
#include "map/plan.h"
#include "model/basetype.h"
#include "model/game.h"
#include "resources/datamodule.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <memory>
#include <vector>

namespace {

constexpr size_t BuildingCount = 500;

// The loaded map, the game's pictures and a colony of BuildingCount buildings
// spread evenly over the buildable cells of the map, of every type in turn.
struct TWorld {
    TEarth earth;
    TBaseTypeList catalogue;
    std::unique_ptr<TGame> game;
    TDM dm;

    TWorld() {
        earth.LoadEarth(QStringLiteral("01"), QStringLiteral(TARVENIA_DATA));
        LoadBaseTypes(catalogue, QStringLiteral(TARVENIA_DATA));
        game = std::make_unique<TGame>(catalogue, earth.StartCell.x(), earth.StartCell.y());
        std::vector<QPoint> buildable;
        for (int col = 0; col < MapCols; ++col)
            for (int row = 0; row < MapRows; ++row)
                if (IsBuildableKind(earth.EarthKind(col, row)) &&
                    QPoint(col, row) != earth.StartCell)
                    buildable.push_back(QPoint(col, row));
        const size_t step = std::max<size_t>(buildable.size() / BuildingCount, 1);
        for (size_t n = 0; n * step < buildable.size() && game->Buildings().size() < BuildingCount;
             ++n) {
            const QPoint cell = buildable[n * step];
            TBase& base =
                game->AddBase(catalogue[n % catalogue.size()], cell.x(), cell.y(), n % 3 == 0);
            base.Status = static_cast<uint8_t>(n % 4);
        }
    }
};

TWorld& World() {
    static TWorld world;
    return world;
}

// The main window's map view of a colony, or of none, shown at a given size;
// by default of the colony of BuildingCount buildings.
struct TView {
    TvtPlaceBox box;
    TMapView view;

    TView(QSize size, TEarth& earth, const TGame* game) : view(box, earth, World().dm) {
        view.tmSelect.stop();
        box.ArrowsDragInterval = 12;
        box.resize(size);
        box.Initialize(MapCols, MapRows, CellSize, CellSize);
        view.SetGame(game);
        box.SetScreen(earth.StartScreen.x(), earth.StartScreen.y());
        view.SetSelection(earth.StartCell);
        box.show();
        QCoreApplication::processEvents();
    }
    explicit TView(QSize size) : TView(size, World().earth, World().game.get()) {}
};

// Shows one picture of its own size, prepared in advance: the least a repaint can cost.
class TPictureView : public QWidget {
public:
    explicit TPictureView(QSize size) : picture_(size, QImage::Format_RGB32) {
        setAttribute(Qt::WA_OpaquePaintEvent);
        picture_.fill(QColor(192, 220, 192));
        resize(size);
        show();
        QCoreApplication::processEvents();
    }

protected:
    void paintEvent(QPaintEvent* event) override {
        QPainter painter(this);
        painter.drawImage(event->rect(), picture_, event->rect());
    }

private:
    QImage picture_;
};

void FlushPaint(QWidget& widget) {
    QCoreApplication::sendPostedEvents(widget.window(), QEvent::UpdateRequest);
}

void BM_MapViewFullRepaint(benchmark::State& state) {
    TView view(QSize(static_cast<int>(state.range(0)), static_cast<int>(state.range(1))));
    for (auto _ : state) {
        view.box.repaint();
    }
}
BENCHMARK(BM_MapViewFullRepaint)
    ->Args({537, 369})
    ->Args({1920, 1080})
    ->Args({3840, 2160})
    ->Unit(benchmark::kMicrosecond);

// The island editor's map view in the middle of a stroke of the largest
// brush: the cells it changed shown in their colours over the scene drawn
// before, the brush's outline and a problem's cells tinted, no colony.
void BM_EditorStrokeRepaint(benchmark::State& state) {
    TEarth& earth = World().earth;
    TTerrainGrid ground = earth.Grid;
    const QPoint start = earth.StartCell;
    const int brush = TLandEdit::MaxBrush;
    for (int dc = -brush; dc <= brush; ++dc)
        for (int dr = -brush; dr <= brush; ++dr)
            if (TLandEdit::BrushCovers(brush, TLandEdit::bsRound, dc, dr))
                ground.Cell(start.x() + dc, start.y() + dr).Kind = ekSea;
    TEditMarks marks;
    marks.Drawn = &earth.Grid;
    marks.Ground = &ground;
    marks.BrushCell = start;
    marks.BrushSize = brush;
    std::vector<QPoint> square;
    for (int dc = -4; dc <= 4; ++dc)
        for (int dr = -4; dr <= 4; ++dr)
            square.push_back(start + QPoint(dc, dr));
    marks.SetProblem(square, true);
    TView view(QSize(static_cast<int>(state.range(0)), static_cast<int>(state.range(1))), earth,
               nullptr);
    view.view.OnPaintCellOver = [&marks](QPainter& painter, int32_t col, int32_t row) {
        marks.PaintCell(painter, col, row);
    };
    view.box.CenterPoint(start.x() * CellSize, start.y() * CellSize);
    for (auto _ : state) {
        view.box.repaint();
    }
}
BENCHMARK(BM_EditorStrokeRepaint)
    ->Args({537, 369})
    ->Args({1920, 1080})
    ->Unit(benchmark::kMicrosecond);

void BM_PictureFullRepaint(benchmark::State& state) {
    TPictureView view(QSize(static_cast<int>(state.range(0)), static_cast<int>(state.range(1))));
    for (auto _ : state) {
        view.repaint();
    }
}
BENCHMARK(BM_PictureFullRepaint)
    ->Args({537, 369})
    ->Args({1920, 1080})
    ->Args({3840, 2160})
    ->Unit(benchmark::kMicrosecond);

// One Ctrl+arrow step, right and left in turn, with the uncovered strip painted.
void BM_MapViewCtrlArrowStep(benchmark::State& state) {
    TView view(QSize(static_cast<int>(state.range(0)), static_cast<int>(state.range(1))));
    bool right = true;
    for (auto _ : state) {
        QKeyEvent key(QEvent::KeyPress, right ? Qt::Key_Right : Qt::Key_Left, Qt::ControlModifier);
        QCoreApplication::sendEvent(&view.box, &key);
        FlushPaint(view.box);
        right = !right;
    }
}
BENCHMARK(BM_MapViewCtrlArrowStep)
    ->Args({537, 369})
    ->Args({1920, 1080})
    ->Unit(benchmark::kMicrosecond);

// The same step and a full repaint in turn, each timed on its own: the
// ratio of their sums holds when the machine's speed drifts between two
// benchmarks run one after the other. The figure is the pair's time.
void BM_CtrlArrowStepAgainstFullRepaint(benchmark::State& state) {
    TView view(QSize(static_cast<int>(state.range(0)), static_cast<int>(state.range(1))));
    bool right = true;
    double step = 0;
    double full = 0;
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        QKeyEvent key(QEvent::KeyPress, right ? Qt::Key_Right : Qt::Key_Left, Qt::ControlModifier);
        QCoreApplication::sendEvent(&view.box, &key);
        FlushPaint(view.box);
        const qint64 stepped = timer.nsecsElapsed();
        view.box.repaint();
        step += static_cast<double>(stepped);
        full += static_cast<double>(timer.nsecsElapsed() - stepped);
        right = !right;
    }
    state.counters["step_us"] = step / 1000 / static_cast<double>(state.iterations());
    state.counters["full_us"] = full / 1000 / static_cast<double>(state.iterations());
    state.counters["ratio"] = step / full;
}
BENCHMARK(BM_CtrlArrowStepAgainstFullRepaint)->Args({1920, 1080})->Unit(benchmark::kMicrosecond);

// One step of the selection animation, with the selected cell repainted.
void BM_MapViewSelectionTick(benchmark::State& state) {
    TView view(QSize(537, 369));
    for (auto _ : state) {
        view.view.tmSelectTimer();
        FlushPaint(view.box);
    }
}
BENCHMARK(BM_MapViewSelectionTick)->Unit(benchmark::kMicrosecond);

void BM_PictureScrollStep(benchmark::State& state) {
    TPictureView view(QSize(static_cast<int>(state.range(0)), static_cast<int>(state.range(1))));
    int dx = -12;
    for (auto _ : state) {
        view.scroll(dx, 0);
        FlushPaint(view);
        dx = -dx;
    }
}
BENCHMARK(BM_PictureScrollStep)
    ->Args({537, 369})
    ->Args({1920, 1080})
    ->Unit(benchmark::kMicrosecond);

// The overview's map picture, painted from the scene once per game.
void BM_PlanDrawBack(benchmark::State& state) {
    TView view(QSize(537, 369));
    TvtPlan plan;
    plan.resize(210, 210);
    view.view.AttachPlan(plan);
    for (auto _ : state)
        view.view.DrawPlanBack(plan);
}
BENCHMARK(BM_PlanDrawBack)->Unit(benchmark::kMillisecond);

// The buildings' marks painted over the overview at each of its repaints.
void BM_PlanPaint(benchmark::State& state) {
    TView view(QSize(537, 369));
    QImage picture(210, 210, QImage::Format_RGB32);
    picture.fill(Qt::white);
    for (auto _ : state) {
        QPainter painter(&picture);
        view.view.PlanPaint(painter);
    }
    state.counters["buildings"] = static_cast<double>(World().game->Buildings().size());
}
BENCHMARK(BM_PlanPaint)->Unit(benchmark::kMicrosecond);

// The same against the colony's size (bench/bigcolony.h), each timed per
// building: a full repaint of the view at 1920 x 1080, where it starts, and
// the overview's repaint with the colony's marks.

TBigColony& BigColonyOf(const benchmark::State& state) {
    return BigColony(static_cast<size_t>(state.range(0)), QStringLiteral(TARVENIA_DATA));
}

void BM_ScaleMapViewRepaint(benchmark::State& state) {
    TBigColony& big = BigColonyOf(state);
    TView view(QSize(1920, 1080), big.earth, &big.colony->Game());
    for (auto _ : state)
        view.box.repaint();
    PerBuilding(state, big);
}
BENCHMARK(BM_ScaleMapViewRepaint)->Apply(ColonySizes)->Unit(benchmark::kMicrosecond);

void BM_ScalePlanRepaint(benchmark::State& state) {
    TBigColony& big = BigColonyOf(state);
    TView view(QSize(537, 369), big.earth, &big.colony->Game());
    TvtPlan plan;
    plan.resize(210, 210);
    plan.SetPlaceBox(&view.box);
    view.view.AttachPlan(plan);
    view.view.DrawPlanBack(plan);
    plan.show();
    QCoreApplication::processEvents();
    for (auto _ : state)
        plan.repaint();
    PerBuilding(state, big);
}
BENCHMARK(BM_ScalePlanRepaint)->Apply(ColonySizes)->Unit(benchmark::kMicrosecond);

// One notch of the wheel over a 1920 x 1080 view of the 5 000-building
// colony, from the event to the new frame painted, in and out in turn from
// each level.
void BM_WheelZoomStep(benchmark::State& state) {
    TBigColony& big = BigColony(5000, QStringLiteral(TARVENIA_DATA));
    TView view(QSize(1920, 1080), big.earth, &big.colony->Game());
    view.box.SetZoom(TvtPlaceBox::ZoomLevels[static_cast<size_t>(state.range(0))], {960, 540});
    const QPoint centre = big.earth.StartCell * CellSize;
    view.box.CenterPoint(centre.x(), centre.y());
    int notch =
        state.range(0) + 1 < static_cast<int>(std::size(TvtPlaceBox::ZoomLevels)) ? 120 : -120;
    for (auto _ : state) {
        QWheelEvent wheel(QPointF(700, 400), view.box.mapToGlobal(QPointF(700, 400)), QPoint(),
                          QPoint(0, notch), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(&view.box, &wheel);
        FlushPaint(view.box);
        notch = -notch;
    }
    state.counters["zoom_pct"] = TvtPlaceBox::ZoomLevels[static_cast<size_t>(state.range(0))] * 100;
}
BENCHMARK(BM_WheelZoomStep)
    ->DenseRange(0, static_cast<int>(std::size(TvtPlaceBox::ZoomLevels)) - 1)
    ->Unit(benchmark::kMillisecond);

// A full repaint of a 1920 x 1080 view of the 5 000-building colony at each
// zoom level, and of a 3840 x 2160 one at the farthest and today's, timed in
// turn with its floor: the same view's cells each filled with its plain
// colour on the map, at that zoom. The figure is the pair's time; the
// counters give each and their ratio.
void BM_ZoomRepaintAgainstFloor(benchmark::State& state) {
    TBigColony& big = BigColony(5000, QStringLiteral(TARVENIA_DATA));
    const QSize size(static_cast<int>(state.range(1)), static_cast<int>(state.range(2)));
    TView view(size, big.earth, &big.colony->Game());
    const double zoom = TvtPlaceBox::ZoomLevels[static_cast<size_t>(state.range(0))];
    view.box.SetZoom(zoom, QRectF(QPointF(), size).center());
    const QPoint centre = big.earth.StartCell * CellSize;
    view.box.CenterPoint(centre.x(), centre.y());
    QImage floor(size, QImage::Format_RGB32);
    double painted = 0;
    double floored = 0;
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        view.box.repaint();
        const qint64 full = timer.nsecsElapsed();
        {
            QPainter painter(&floor);
            painter.translate(-view.box.DeviceOrigin());
            painter.scale(zoom, zoom);
            const QRect shown = view.box.ScreenRect();
            for (int col = std::max(shown.left() / CellSize, 0);
                 col <= std::min(shown.right() / CellSize, MapCols - 1); ++col)
                for (int row = std::max(shown.top() / CellSize, 0);
                     row <= std::min(shown.bottom() / CellSize, MapRows - 1); ++row)
                    painter.fillRect(QRect(col * CellSize, row * CellSize, CellSize, CellSize),
                                     QColor::fromRgb(view.view.FlatColour(col, row)));
        }
        painted += static_cast<double>(full);
        floored += static_cast<double>(timer.nsecsElapsed() - full);
    }
    state.counters["zoom_pct"] = zoom * 100;
    state.counters["repaint_ms"] = painted / 1e6 / static_cast<double>(state.iterations());
    state.counters["floor_ms"] = floored / 1e6 / static_cast<double>(state.iterations());
    state.counters["ratio"] = painted / floored;
}
void EachZoomAndTheFarthestIn4K(benchmark::internal::Benchmark* bench) {
    for (int level = 0; level < static_cast<int>(std::size(TvtPlaceBox::ZoomLevels)); ++level)
        bench->Args({level, 1920, 1080});
    const auto today =
        std::find(std::begin(TvtPlaceBox::ZoomLevels), std::end(TvtPlaceBox::ZoomLevels), 1.0);
    bench->Args({0, 3840, 2160});
    bench->Args({today - std::begin(TvtPlaceBox::ZoomLevels), 3840, 2160});
}
BENCHMARK(BM_ZoomRepaintAgainstFloor)
    ->Apply(EachZoomAndTheFarthestIn4K)
    ->Unit(benchmark::kMillisecond);

} // namespace
