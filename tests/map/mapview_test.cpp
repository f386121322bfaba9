#include "land/earth.h"
#include "map/mapview.h"
#include "map/overlay.h"
#include "map/placebox.h"
#include "map/plan.h"
#include "model/game.h"
#include "resources/datamodule.h"

#include <QPainter>
#include <algorithm>
#include <array>
#include <cmath>
#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace {

constexpr TColor SceneGreen = 0x00C000; // blue 0, green 192, red 0
const QColor Ground(0, 192, 0);

// A colony on a blank map, shown through the plain stand-in pictures, with
// the selection parked in the far corner and the animation stopped.
struct TViewFixture {
    TBaseTypeList catalogue;
    TEarth earth;
    TDM dm{QStringLiteral("/nonexistent")};
    TvtPlaceBox box;
    std::unique_ptr<TGame> game;
    std::unique_ptr<TMapView> view;

    TViewFixture() {
        TBaseType home;
        home.ImageIndex = 3;
        home.LiveYears = 10;
        home.WorkSeasons = 0b1111;
        home.Style = bsPlan;
        TBaseType mine;
        mine.ImageIndex = 5;
        mine.WorkSeasons = 0b0001; // summer only
        catalogue = {home, mine};
        earth.Scene.Color = SceneGreen;
        box.resize(200, 200);
        box.Initialize(MapCols, MapRows, CellSize, CellSize);
        game = std::make_unique<TGame>(catalogue, 0, 0);
        game->Season = 0;
        view = std::make_unique<TMapView>(box, earth, dm);
        view->tmSelect.stop();
        view->SetGame(game.get());
        view->SetSelection(QPoint(MapCols - 1, MapRows - 1));
        view->SelectionFrame = 0;
    }

    TBase& Build(int type, int col, int row) {
        TBase& base = game->AddBase(catalogue[static_cast<size_t>(type)], col, row, true);
        return base;
    }

    // One cell as the place box paints it, brought into view.
    QImage Cell(int col, int row) {
        const QRect cell(col * CellSize, row * CellSize, CellSize, CellSize);
        box.SetScreen(cell.x(), cell.y());
        QImage view(box.size(), QImage::Format_RGB32);
        view.fill(Qt::black);
        QPainter painter(&view);
        painter.translate(-box.DeviceOrigin());
        box.DestPaint(painter, cell);
        return view.copy(cell.translated(-box.DeviceOrigin()));
    }

    void SetGround(int col, int row, int kind, int variant) {
        earth.Grid.Cell(col, row).Kind = static_cast<int8_t>(kind);
        earth.Grid.Cell(col, row).Variant = static_cast<int8_t>(variant);
    }
};

QColor Centre(const TImageList& list, int index) {
    return list.Picture(index).pixelColor(list.Width() / 2, list.Height() / 2);
}

} // namespace

TEST(MapView, GroundDecorationsByKindAndVariant) {
    struct {
        int kind, variant;
        int picture; // -1: only the scene shows
    } const cases[] = {
        {ekCoal, 7, 27},    {ekWater, 0, 0}, {ekGold, 9, 59}, {ekForest, 4, 14}, {ekLand, 3, -1},
        {ekUnknown, 3, -1}, {ekSea, 3, -1},  {ekOre, 12, -1}, {42, 1, -1},
    };
    for (const auto& c : cases) {
        TViewFixture f;
        f.SetGround(5, 6, c.kind, c.variant);
        const QImage cell = f.Cell(5, 6);
        const QColor expected = c.picture < 0 ? Ground : Centre(f.dm.imlEarth, c.picture);
        EXPECT_EQ(cell.pixelColor(12, 12), expected) << c.kind << "/" << c.variant;
        EXPECT_EQ(cell.pixelColor(1, 1), Ground) << "the decoration leaves the scene around it";
    }
}

TEST(MapView, RuinsAndImprovedLandOverTheDecoration) {
    TViewFixture f;
    f.SetGround(5, 6, ekOre, 2);
    const TImageList& earth = f.dm.imlEarth;
    EXPECT_EQ(f.Cell(5, 6).pixelColor(12, 12), Centre(earth, 32));
    f.game->Cell(5, 6).Ruins = 3;
    EXPECT_EQ(f.Cell(5, 6).pixelColor(12, 12), Centre(earth, 64));
    f.game->Cell(5, 6).Improved = 1;
    // The cross sits in the middle of the cell, at (5, 5) with 14-pixel icons.
    const QImage cell = f.Cell(5, 6);
    EXPECT_EQ(cell.pixelColor(12, 12), Centre(f.dm.imlIcons, 2));
    EXPECT_EQ(cell.pixelColor(5 + 4, 5 + 4), f.dm.imlIcons.Picture(2).pixelColor(4, 4));
    f.game->Cell(5, 6).Ruins = 0;
    f.game->Cell(5, 6).Improved = 0;
    EXPECT_EQ(f.Cell(5, 6).pixelColor(12, 12), Centre(earth, 32));

    // A building hides decoration, ruins and the cross.
    f.game->Cell(5, 6).Ruins = 3;
    f.game->Cell(5, 6).Improved = 1;
    f.Build(0, 5, 6);
    EXPECT_EQ(f.Cell(5, 6).pixelColor(12, 5), f.dm.imlBases.Picture(3).pixelColor(12, 5));
}

TEST(MapView, BuildingIconsInTheirOrder) {
    const int none = -1;
    struct {
        int type;
        int season;
        int32_t buildDays;
        bool blocked;
        uint8_t status;
        int32_t lifeDays;
        int topIcon;
    } const cases[] = {
        {0, 0, 0, false, 0, 3000, none},
        {1, 2, 0, false, 0, 0, 5},                               // out of season
        {1, 2, 4, false, 0, 0, 1},                               // under construction over it
        {0, 0, 0, true, bsLacksGoods | bsLacksWorkers, 3000, 3}, // the padlock only
        {0, 0, 0, false, bsLacksGoods, 3000, 4},
        {0, 0, 0, false, bsLacksGoods | bsLacksWorkers, 3000, 6},
        {0, 0, 3, true, 0, 60, 0}, // flames over everything
        {0, 0, 0, false, 0, 61, none},
        {1, 0, 0, false, 0, 0, none}, // a building that never wears out
    };
    for (const auto& c : cases) {
        TViewFixture f;
        f.game->Season = static_cast<uint8_t>(c.season);
        TBase& base = f.Build(c.type, 8, 9);
        base.BuildDays = c.buildDays;
        base.Blocked = c.blocked;
        base.Status = c.status;
        base.LifeDays = c.lifeDays;
        const QImage cell = f.Cell(8, 9);
        const TImageList& icons = f.dm.imlIcons;
        // Icons stand in the bottom-left corner: 14 pixels from (0, 11).
        const QColor expected = c.topIcon == none
                                    ? f.dm.imlBases.Picture(base.Kind->ImageIndex).pixelColor(7, 18)
                                    : Centre(icons, c.topIcon);
        EXPECT_EQ(cell.pixelColor(7, 18), expected) << "top icon " << c.topIcon;
        EXPECT_EQ(cell.pixelColor(20, 5),
                  f.dm.imlBases.Picture(base.Kind->ImageIndex).pixelColor(20, 5));
    }
}

TEST(MapView, PictureIndexOutsideTheListDrawsNothing) {
    TViewFixture f;
    f.catalogue[1].ImageIndex = 99;
    f.Build(1, 2, 3);
    EXPECT_EQ(f.Cell(2, 3).pixelColor(20, 5), Ground);
    f.catalogue[1].ImageIndex = -1;
    EXPECT_EQ(f.Cell(2, 3).pixelColor(20, 5), Ground);
}

TEST(MapView, SelectionFrameColourFollowsTheGround) {
    struct {
        int kind;
        QColor colour;
    } const cases[] = {
        {ekSea, Qt::cyan},       {ekCoast, Qt::white}, {ekLand, Qt::yellow},
        {ekUnknown, Qt::yellow}, {ekGold, Qt::yellow},
    };
    for (const auto& c : cases) {
        TViewFixture f;
        f.SetGround(4, 4, c.kind, 0);
        f.view->SetSelection(QPoint(4, 4));
        f.view->SelectionFrame = 0;
        const QImage cell = f.Cell(4, 4);
        // Frame 0: border pixels 0..12 black, 13..23 coloured, clockwise from the corner.
        EXPECT_EQ(cell.pixelColor(0, 0), QColor(Qt::black));
        EXPECT_EQ(cell.pixelColor(13, 0), c.colour) << c.kind;
        EXPECT_EQ(cell.pixelColor(12, 12), c.kind == ekGold ? Centre(f.dm.imlEarth, 50) : Ground);
    }
}

TEST(MapView, SelectionAnimationStepsAndWraps) {
    TViewFixture f;
    f.SetGround(3, 3, ekLand, 0);
    f.view->SetSelection(QPoint(3, 3));
    EXPECT_EQ(f.view->SelectionFrame, 1);
    f.view->SelectionFrame = 0;
    for (int tick = 1; tick <= 11; ++tick) {
        f.view->tmSelectTimer();
    }
    EXPECT_EQ(f.view->SelectionFrame, 11);
    f.view->tmSelectTimer();
    EXPECT_EQ(f.view->SelectionFrame, 0);

    // The cell shows the frame of the current step, over a building too.
    f.Build(0, 3, 3);
    f.view->SelectionFrame = 5;
    const QImage cell = f.Cell(3, 3);
    for (int k = 0; k < TDM::SelectionBorderLength; ++k) {
        const QPoint p = TDM::SelectionBorderPixel(k);
        const QColor expected = TDM::SelectionPixelIsBlack(5, k) ? Qt::black : Qt::yellow;
        ASSERT_EQ(cell.pixelColor(p), expected) << k;
    }
    EXPECT_EQ(cell.pixelColor(12, 5), f.dm.imlBases.Picture(3).pixelColor(12, 5));
}

TEST(MapView, PlanMarksBuildingsAndWornOnes) {
    TViewFixture f;
    TBase& marked = f.Build(0, 101, 7);
    marked.LifeDays = 1000;
    f.Build(1, 200, 200); // not shown on the overview
    TBase& worn = f.Build(0, 100, 100);
    worn.LifeDays = 30;
    QImage plan(210, 210, QImage::Format_RGB32);
    plan.fill(Qt::white);
    QPainter painter(&plan);
    f.view->PlanPaint(painter);
    painter.end();
    // (101, 7) is plan point (75, 5): a 4 x 4 square from (73, 3).
    EXPECT_EQ(plan.pixelColor(73, 3), QColor(Qt::red));
    EXPECT_EQ(plan.pixelColor(76, 6), QColor(Qt::red));
    EXPECT_EQ(plan.pixelColor(77, 6), QColor(Qt::white));
    EXPECT_EQ(plan.pixelColor(72, 3), QColor(Qt::white));
    EXPECT_EQ(plan.pixelColor(150, 150), QColor(Qt::white));
    // The flames stand centred above the worn building's point (75, 75).
    EXPECT_EQ(plan.pixelColor(75 - 7 + 7, 75 - 16 + 7), Centre(f.dm.imlIcons, 0));
}

TEST(MapView, BackgroundAndOverviewPictureComeFromTheScene) {
    TViewFixture f;
    const QImage shot = f.box.grab().toImage();
    EXPECT_EQ(shot.pixelColor(100, 100), Ground);

    TvtPlan plan;
    plan.resize(70, 70);
    f.view->AttachPlan(plan);
    f.view->DrawPlanBack(plan);
    EXPECT_EQ(plan.Background().pixelColor(35, 35), Ground);
    EXPECT_EQ(f.earth.Scene.Zoom, 100);
    EXPECT_TRUE(static_cast<bool>(plan.OnPaint));
    f.view.reset();
    EXPECT_FALSE(static_cast<bool>(plan.OnPaint));
    EXPECT_FALSE(static_cast<bool>(f.box.OnPaintCell));
}

TEST(MapView, OverlaysTintByWearWorkAndImprovedLand) {
    struct {
        int type;
        int32_t lifeDays;
        bool blocked;
        int32_t buildDays;
        uint8_t status;
        int wear, work; // the legends' steps
    } const cases[] = {
        {0, 60, false, 0, 0, 0, 0},
        {0, 61, false, 0, 0, 1, 0},
        {0, 364, true, 0, 0, 1, 2},
        {0, 365, false, 2, 0, 2, 1},
        {0, 1820, false, 0, bsLacksWorkers, 2, 5},
        {0, 1821, false, 0, bsLacksGoods, 3, 4},
        {1, 0, false, 0, 0, 4, 0}, // everlasting, at work in summer
        {1, 0, false, 0, 0, 4, 3}, // the same in autumn
    };
    TViewFixture f;
    QImage plan(210, 210, QImage::Format_RGB32);
    for (const TOverlay overlay : {TOverlay::Wear, TOverlay::Work}) {
        f.view->SetOverlay(overlay);
        for (size_t i = 0; i < std::size(cases); ++i) {
            const auto& c = cases[i];
            SCOPED_TRACE(i);
            f.game->ClearBases();
            f.game->Season = i + 1 == std::size(cases) ? ssAutumn : ssSummer;
            TBase& base = f.Build(c.type, 4, 3);
            base.LifeDays = c.lifeDays;
            base.Blocked = c.blocked;
            base.BuildDays = c.buildDays;
            base.Status = c.status;
            const int step = overlay == TOverlay::Wear ? c.wear : c.work;
            EXPECT_EQ(OverlayStep(overlay, *f.game, 4, 3), step);
            plan.fill(Qt::white);
            QPainter painter(&plan);
            f.view->PlanPaint(painter);
            EXPECT_EQ(plan.pixel(TMapView::CellOnPlan(QPoint(4, 3))),
                      OverlayLegend(overlay)[static_cast<size_t>(step)].Colour);
        }
    }

    // Improved land shows through its tint; other land stays as it is.
    f.game->ClearBases();
    f.game->Cell(5, 6).Improved = 1;
    const QImage plain = f.Cell(5, 6);
    const QImage other = f.Cell(6, 6);
    f.view->SetOverlay(TOverlay::Improved);
    EXPECT_NE(f.Cell(5, 6).pixelColor(1, 1), plain.pixelColor(1, 1));
    EXPECT_EQ(f.Cell(6, 6), other);
    EXPECT_EQ(OverlayStep(TOverlay::Improved, *f.game, 4, 3), -1);
    f.view->SetOverlay(TOverlay::None);
    EXPECT_EQ(f.Cell(5, 6), plain);
}

// Far out each cell is one colour by its ground, a building by its picture;
// at every other zoom the pictures fill the cell's own pixels; the selection
// keeps a frame at least two pixels wide.
TEST(MapView, EachZoomDrawsTheCellsAtItsOwnPixels) {
    TViewFixture f;
    f.SetGround(1, 1, ekForest, 0);
    f.SetGround(2, 1, ekCoal, 0);
    f.Build(0, 3, 1);
    f.view->SetSelection(QPoint(1, 3));
    QRgb colours[3] = {};
    for (int col = 1; col <= 3; ++col)
        colours[col - 1] = f.view->FlatColour(col, 1);
    EXPECT_NE(colours[0], colours[1]);
    EXPECT_NE(colours[1], colours[2]);
    EXPECT_EQ(f.view->FlatColour(10, 10), QColor(Ground).rgb()) << "the sea is the scene's";
    for (const double zoom : TvtPlaceBox::ZoomLevels) {
        SCOPED_TRACE(zoom);
        f.box.SetZoom(zoom, QPointF());
        f.box.SetScreen(0, 0);
        const int size = static_cast<int>(std::lround(CellSize * zoom));
        QImage view(f.box.size(), QImage::Format_RGB32);
        view.fill(Qt::black);
        {
            QPainter painter(&view);
            painter.translate(-f.box.DeviceOrigin());
            painter.scale(zoom, zoom);
            f.box.DestPaint(painter, f.box.ScreenRect());
        }
        const QPoint home(3 * size + size / 2, size + size / 2);
        if (size <= TMapView::FlatCellPixels) {
            EXPECT_EQ(view.pixel(home), colours[2]);
            EXPECT_EQ(view.pixel(QPoint(size + size / 2, size + size / 2)), colours[0]);
        } else {
            EXPECT_EQ(view.pixelColor(home), Centre(f.dm.imlBases, 3));
        }
        // Two pixels of frame on the selected cell's left edge, or round it
        // where the cell is small; today's frame is the designed one.
        if (zoom == 1)
            continue;
        const int edge = size >= 16 ? size : size - 2;
        const QColor frame = view.pixelColor(edge, 3 * size + size / 2);
        EXPECT_EQ(frame, view.pixelColor(edge + 1, 3 * size + size / 2));
        EXPECT_NE(frame, Ground);
    }
}

namespace {

double Linear(int channel) {
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

// CIE L*a*b* of a colour given in linear RGB.
std::array<double, 3> Lab(const std::array<double, 3>& rgb) {
    const auto f = [](double t) {
        return t > 216.0 / 24389 ? std::cbrt(t) : (24389.0 / 27 * t + 16) / 116;
    };
    const double x = (0.4124 * rgb[0] + 0.3576 * rgb[1] + 0.1805 * rgb[2]) / 0.95047;
    const double y = 0.2126 * rgb[0] + 0.7152 * rgb[1] + 0.0722 * rgb[2];
    const double z = (0.0193 * rgb[0] + 0.1192 * rgb[1] + 0.9505 * rgb[2]) / 1.08883;
    return {116 * f(y) - 16, 500 * (f(x) - f(y)), 200 * (f(y) - f(z))};
}

} // namespace

// Every overlay's steps stay apart in grey (lightness alone) and as the three
// common colour-vision deficiencies see them (the full-severity simulations
// of Machado, Oliveira and Fernandes).
TEST(MapView, OverlayColoursStayApartInGreyAndForColourBlindPlayers) {
    using TMatrix = std::array<std::array<double, 3>, 3>;
    const TMatrix seen[] = {
        {{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}},
        {{{0.152286, 1.052583, -0.204868},
          {0.114503, 0.786281, 0.099216},
          {-0.003882, -0.048116, 1.051998}}},
        {{{0.367322, 0.860646, -0.227968},
          {0.280085, 0.672501, 0.047413},
          {-0.011820, 0.042940, 0.968881}}},
        {{{1.255528, -0.076749, -0.178779},
          {-0.078411, 0.930809, 0.147602},
          {0.004733, 0.691367, 0.303900}}},
    };
    for (const TOverlayRow& row : Overlays) {
        const std::span<const TLegendEntry> legend = row.Legend;
        for (size_t i = 0; i < legend.size(); ++i)
            for (size_t j = i + 1; j < legend.size(); ++j) {
                SCOPED_TRACE(std::string(legend[i].Text) + " / " + legend[j].Text);
                std::array<std::array<double, 3>, 2> labs[std::size(seen)];
                for (size_t m = 0; m < std::size(seen); ++m)
                    for (size_t k = 0; k < 2; ++k) {
                        const QRgb colour = legend[k == 0 ? i : j].Colour;
                        const double rgb[3] = {Linear(qRed(colour)), Linear(qGreen(colour)),
                                               Linear(qBlue(colour))};
                        std::array<double, 3> out{};
                        for (size_t c = 0; c < 3; ++c)
                            out[c] = std::clamp(seen[m][c][0] * rgb[0] + seen[m][c][1] * rgb[1] +
                                                    seen[m][c][2] * rgb[2],
                                                0.0, 1.0);
                        labs[m][k] = Lab(out);
                    }
                EXPECT_GE(std::abs(labs[0][0][0] - labs[0][1][0]), 10) << "in grey";
                for (const auto& pair : labs)
                    EXPECT_GE(std::hypot(pair[0][0] - pair[1][0], pair[0][1] - pair[1][1],
                                         pair[0][2] - pair[1][2]),
                              10);
            }
    }
}

// The ground kept drawn is drawn again for a new land, at today's size and
// at a zoom, and where the view goes beyond it.
TEST(MapView, TheGroundDrawnFollowsANewLandAndTheView) {
    for (const double zoom : {1.0, 0.48}) {
        SCOPED_TRACE(zoom);
        TViewFixture f;
        f.box.SetZoom(zoom, QPointF());
        const auto paint = [](TViewFixture& fixture) {
            QImage view(fixture.box.size(), QImage::Format_RGB32);
            QPainter painter(&view);
            painter.translate(-fixture.box.DeviceOrigin());
            painter.scale(fixture.box.Zoom(), fixture.box.Zoom());
            fixture.box.DestPaint(painter, fixture.box.ScreenRect());
            return view;
        };
        const auto centre = [&] { return paint(f).pixelColor(100, 100); };
        EXPECT_EQ(centre(), Ground);
        f.earth.Scene.Color = 0x0000C0; // red 192
        EXPECT_EQ(centre(), Ground) << "the land is the same";
        for (int cell = 190; cell < 240; cell += 3)
            f.SetGround(cell, cell + cell % 7 - 3, ekForest, cell % 10);
        f.earth.LoadEarth(TMapFiles{QByteArray(f.earth.Grid.Bytes(), TTerrainGrid::ByteSize),
                                    "<PICTURE color=#C00000>", ""},
                          TMapSource::Random(1));
        EXPECT_EQ(centre(), QColor(192, 0, 0));
        f.earth.Scene.Color = SceneGreen;
        f.box.SetScreen(5000, 5000); // far beyond the ground drawn
        EXPECT_EQ(centre(), Ground) << "drawn again where the view went, as the scene now is";

        // Scrolled on past what was drawn, the view shows what a view made
        // there shows: the ground kept has moved over whole.
        TViewFixture fresh;
        fresh.box.SetZoom(zoom, QPointF());
        fresh.earth.Grid = f.earth.Grid;
        f.box.SetScreen(4900, 4950);
        paint(f);
        f.box.SetScreen(5400, 5300);
        fresh.box.SetScreen(5400, 5300);
        EXPECT_EQ(paint(f), paint(fresh));
    }
}
