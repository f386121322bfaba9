// The island editor's core: strokes and fills undone cell for cell, the
// length of the undo history, and a redrawn scene that keeps the rules of a
// generated island.

#include "../island/islandchecks.h"
#include "land/landedit.h"

#include <gtest/gtest.h>

namespace {

QByteArray GridBytes(const TLandEdit& edit) {
    return QByteArray(edit.Land().Grid.Bytes(), TTerrainGrid::ByteSize);
}

} // namespace

TEST(LandEdit, StrokesFillsAndStartMovesUndoAndRedoExactly) {
    const TIslandLand island = GenerateIslandLand(3);
    TLandEdit edit(island);
    // Unedited, the editor draws exactly the generator's scene.
    EXPECT_EQ(edit.Files().Scene, GenerateIsland(3).Scene);
    const TCellPoint s = island.Start;
    using Change = std::function<void(TLandEdit&)>;
    const std::vector<std::pair<const char*, Change>> changes{
        {"sea stroke into the coast",
         [](TLandEdit& e) {
             e.BeginStroke();
             for (int c = 20; c < 140; c += 4)
                 e.Dab(c, 140, ekSea, 32, TLandEdit::bsRound);
             e.EndStroke();
         }},
        {"forest square at the map's corner",
         [](TLandEdit& e) { e.Dab(5, 5, ekForest, 5, TLandEdit::bsSquare), e.EndStroke(); }},
        {"gold fill of the start's land", [s](TLandEdit& e) { e.Fill(s.X, s.Y, ekGold); }},
        {"start moved", [](TLandEdit& e) { e.MoveStart(10, 12); }},
    };
    for (const auto& [name, change] : changes) {
        SCOPED_TRACE(name);
        const QByteArray before = GridBytes(edit);
        const TCellPoint startBefore = edit.Land().Start;
        const QByteArray sceneBefore = edit.Scene();
        change(edit);
        const QByteArray after = GridBytes(edit);
        const TCellPoint startAfter = edit.Land().Start;
        EXPECT_TRUE(after != before || !(startAfter == startBefore));
        edit.Undo();
        EXPECT_TRUE(GridBytes(edit) == before);
        EXPECT_TRUE(edit.Land().Start == startBefore);
        EXPECT_TRUE(edit.Scene() == sceneBefore);
        edit.Redo();
        EXPECT_TRUE(GridBytes(edit) == after);
        EXPECT_TRUE(edit.Land().Start == startAfter);
        EXPECT_FALSE(edit.CanRedo());
    }
}

TEST(LandEdit, FillStopsAtTheAreaEdgeAndNeverCrossesACorner) {
    TIslandLand land;
    // Two lakes of the same kind touching only at a corner, inside land.
    for (int c = 100; c < 130; ++c)
        for (int r = 100; r < 130; ++r)
            land.Grid.Cell(c, r).Kind = ekLand;
    for (const TCellPoint p : {TCellPoint{110, 110}, {111, 111}, {110, 109}})
        land.Grid.Cell(p.X, p.Y) = {ekWater, 0, 0, 1};
    TLandEdit edit(land);
    edit.Fill(110, 110, ekOil);
    const struct {
        TCellPoint Cell;
        TEarthKind Kind;
    } cases[] = {{{110, 110}, ekOil},
                 {{110, 109}, ekOil},
                 {{111, 111}, ekWater},
                 {{111, 110}, ekLand},
                 {{105, 105}, ekLand}};
    for (const auto& c : cases)
        EXPECT_EQ(edit.Land().Grid.EarthKind(c.Cell.X, c.Cell.Y), c.Kind)
            << c.Cell.X << "," << c.Cell.Y;
}

TEST(LandEdit, KeepsTheLastHundredSteps) {
    TLandEdit edit(TIslandLand{});
    for (int i = 0; i < TLandEdit::MaxSteps + 1; ++i)
        edit.MoveStart(i + 1, i + 1);
    EXPECT_EQ(edit.UndoCount(), TLandEdit::MaxSteps);
    while (edit.CanUndo())
        edit.Undo();
    // The first move is gone: the start goes back only to where the second began.
    EXPECT_TRUE(edit.Land().Start == (TCellPoint{1, 1}));
    EXPECT_EQ(edit.Files().Grid.size(), TTerrainGrid::ByteSize);
}

TEST(LandEdit, TheSceneAfterStrokesKeepsTheIslandRules) {
    TLandEdit edit(GenerateIslandLand(5));
    const TCellPoint s = edit.Land().Start;
    // Land raised in the open sea, the sea cut into the start's island and a
    // lake closed off from the sea, each brush shape and kind.
    const struct {
        TCellPoint Cell;
        TEarthKind Kind;
        int Size;
        TLandEdit::TBrushShape Shape;
    } strokes[] = {{{12, 12}, ekLand, 9, TLandEdit::bsRound},
                   {{s.X + 6, s.Y}, ekSea, 4, TLandEdit::bsSquare},
                   {{s.X, s.Y + 8}, ekCoast, 3, TLandEdit::bsRound},
                   {{2, 270}, ekOre, 32, TLandEdit::bsSquare}};
    for (const auto& k : strokes) {
        SCOPED_TRACE(k.Kind);
        edit.Dab(k.Cell.X, k.Cell.Y, k.Kind, k.Size, k.Shape);
        edit.EndStroke();
        TEarth earth;
        earth.LoadEarth(edit.Files(), TMapSource::Random(0));
        islandchecks::ExpectCoherent(earth, QPoint(k.Cell.X, k.Cell.Y));
    }
}
