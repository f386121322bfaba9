#pragma once

// What every land keeps, generated or edited: the grid's rules and a scene
// that covers the world and paints the coast on the coast cells.

#include "base/inifile.h"
#include "base/terrain.h"
#include "land/earth.h"
#include "scene/shapes.h"

#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace islandchecks {

inline const QRgb Shore = qRgb(0xE3, 0xD3, 0xA0), Sea = qRgb(0x2B, 0x64, 0x97),
                  Shallows = qRgb(0x4C, 0x86, 0xB8);

// A band of cells painted as the map view paints the scene without its
// names: the shore colour shows on exactly the coast cells.
inline void ExpectCoastPainted(const TEarth& earth, const QRect& cells) {
    TWall land;
    land.ParseText(DecodeDataText(earth.Files().Scene)
                       .remove(QRegularExpression(QStringLiteral("<TEXT [^>]*>"))));
    QImage picture(cells.size() * CellSize, QImage::Format_RGB32);
    QPainter painter(&picture);
    painter.translate(-cells.topLeft() * CellSize);
    land.PaintSprites(land.Sprites, painter,
                      QRect(cells.topLeft() * CellSize, cells.size() * CellSize), pmNormal);
    painter.end();
    for (int c = cells.left(); c <= cells.right(); ++c)
        for (int r = cells.top(); r <= cells.bottom(); ++r) {
            const QRgb centre = picture.pixel((c - cells.left()) * CellSize + 12,
                                              (r - cells.top()) * CellSize + 12);
            const int kind = earth.EarthKind(c, r);
            const bool wet = centre == Sea || centre == Shallows;
            ASSERT_EQ(centre == Shore, kind == ekCoast) << c << "," << r;
            ASSERT_EQ(wet, kind == ekSea) << c << "," << r;
        }
}

// The grid: sea all round, the sea meeting land only at the coast,
// decorations where they are drawn; the scene covering the world and painting
// the coast on the coast cells along the cell's row and column.
inline void ExpectCoherent(const TEarth& earth, QPoint cell) {
    for (int c = 0; c < MapCols; ++c)
        for (int r = 0; r < MapRows; ++r) {
            const int kind = earth.EarthKind(c, r);
            const bool border = c == 0 || r == 0 || c == MapCols - 1 || r == MapRows - 1;
            ASSERT_TRUE(!border || kind == ekSea) << c << "," << r;
            ASSERT_TRUE(kind < ekWater || kind > ekGold || earth.EarthVariant(c, r) >= 0)
                << c << "," << r;
            bool seesSea = false, seesLand = false;
            for (int dc = -1; dc <= 1; ++dc)
                for (int dr = -1; dr <= 1; ++dr) {
                    if (!TTerrainGrid::Contains(c + dc, r + dr))
                        continue;
                    const int near = earth.EarthKind(c + dc, r + dr);
                    seesSea = seesSea || near == ekSea;
                    seesLand = seesLand || near >= ekLand;
                }
            ASSERT_FALSE(kind == ekSea && seesLand) << c << "," << r;
            ASSERT_FALSE(kind == ekCoast && !seesSea) << c << "," << r;
        }

    const TSceneBounds bounds = TWall::SpritesBounds(earth.Scene.Sprites);
    EXPECT_EQ(QRect(QPoint(bounds.Left, bounds.Top), QPoint(bounds.Right, bounds.Bottom)),
              QRect(QPoint(0, 0), QPoint(WorldSize, WorldSize)));
    ExpectCoastPainted(earth, QRect(0, cell.y() - 1, MapCols, 3));
    ExpectCoastPainted(earth, QRect(cell.x() - 1, 0, 3, MapRows));
}

} // namespace islandchecks
