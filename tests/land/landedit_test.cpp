// The island editor's core: strokes, fills, raised islands and names undone
// exactly, the length of the undo history, a redrawn scene that keeps the
// rules of a generated island, and its maps read back and saved.

#include "../island/islandchecks.h"
#include "base/gameerror.h"
#include "land/landedit.h"

#include <QFile>
#include <QTemporaryDir>
#include <climits>
#include <gtest/gtest.h>

namespace {

QByteArray Bytes(const TTerrainGrid& grid) {
    return QByteArray(grid.Bytes(), TTerrainGrid::ByteSize);
}

QByteArray GridBytes(const TLandEdit& edit) {
    return Bytes(edit.Land().Grid);
}

// An edited island with every kind of step: a stroke, a raised island and a
// name of its own.
TLandEdit EditedIsland() {
    TLandEdit edit(GenerateIslandLand(7));
    edit.Dab(60, 200, ekForest, 12, TLandEdit::bsRound);
    edit.EndStroke();
    edit.RaiseIsland(MakeRaisedIsland(4, 30), 40, 40);
    std::vector<TMapLabel> labels = edit.Land().Labels;
    labels.push_back({QStringLiteral("Бухта Ясная"), QStringLiteral("water"), {100, 250}});
    edit.SetLabels(labels);
    return edit;
}

bool SameFiles(const TMapFiles& a, const TMapFiles& b) {
    return a.Grid == b.Grid && a.Scene == b.Scene && a.Ini == b.Ini;
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

TEST(LandEdit, RaisedIslandsAndNamesUndoAndRedoExactly) {
    const TRaisedIsland island = MakeRaisedIsland(9, 100);
    ASSERT_FALSE(island.Name.Text.isEmpty());
    // Half as wide, a quarter of the cells.
    EXPECT_NEAR(MakeRaisedIsland(9, 50).Cells.size() * 4.0 / island.Cells.size(), 1, 0.1);
    TLandEdit edit(GenerateIslandLand(2));
    const auto holds = [&edit](const TIslandLand& land) {
        return GridBytes(edit) == Bytes(land.Grid) && edit.Land().Start == land.Start &&
               edit.Land().Labels == land.Labels;
    };
    // In the open middle, across the map's corner, and with the middle off the
    // map, where only a corner of the island (or nothing) lands.
    for (const TCellPoint at : {TCellPoint{140, 140}, {10, 270}, {-60, 300}, {INT_MAX, INT_MIN}}) {
        SCOPED_TRACE(testing::Message() << at.X << "," << at.Y);
        const TIslandLand before = edit.Land();
        edit.RaiseIsland(island, at.X, at.Y);
        const TIslandLand after = edit.Land();
        // Deposits, forests and lakes land where asked, but for the sea kept
        // along the map's edge and the coast drawn along it.
        for (const TRaisedIsland::TCell& cell : island.Cells) {
            const int64_t c = int64_t{at.X} + cell.Offset.x(), r = int64_t{at.Y} + cell.Offset.y();
            if (std::min({c, r, MapCols - 1 - c, MapRows - 1 - r}) >= 6 &&
                cell.Cell.Kind != ekLand && cell.Cell.Kind != ekCoast) {
                ASSERT_TRUE(after.Grid.Cell(int(c), int(r)) == cell.Cell) << c << "," << r;
            }
        }
        ASSERT_EQ(after.Labels.size(), before.Labels.size() + 1);
        const TCellPoint name = after.Labels.back().Cell;
        EXPECT_TRUE(TTerrainGrid::Contains(name.X, name.Y));
        edit.Undo();
        EXPECT_TRUE(holds(before));
        edit.Redo();
        EXPECT_TRUE(holds(after));
    }
    // The same names make no step; others one, undone with the scene.
    const TIslandLand named = edit.Land();
    const QByteArray scene = edit.Scene();
    edit.SetLabels(named.Labels);
    edit.SetLabels({});
    edit.Undo();
    EXPECT_TRUE(holds(named));
    EXPECT_EQ(edit.Scene(), scene);
    edit.Undo();
    EXPECT_FALSE(holds(named));
}

TEST(LandFiles, AnEditedLandReadsBackAsItWasSaved) {
    const TLandEdit edit = EditedIsland();
    const TMapFiles files = edit.Files();
    EXPECT_TRUE(SameFiles(TLandEdit(ReadLand(files)).Files(), files));

    // Another map's text in a font of its own names a place; its start and
    // names are kept on the map.
    const TIslandLand map =
        ReadLand({files.Grid,
                  "<FONT name=Water>\r\n<TEXT left=260 top=-40 font=big value=a>"
                  "\r\n<TEXT left=8000 top=30 font=WATER value=b>",
                  "[Init]\r\nSelX=900\r\nSelY=-3\r\n"});
    EXPECT_TRUE(map.Labels == (std::vector<TMapLabel>{{"a", "place", {10, 0}},
                                                      {"b", "water", {MapCols - 1, 1}}}));
    EXPECT_TRUE(map.Start == (TCellPoint{MapCols - 1, 0}));
    EXPECT_THROW(ReadLand({files.Grid.chopped(1), files.Scene, files.Ini}), TGameError);
}

TEST(LandFiles, MapNames) {
    for (const QString& name : {QStringLiteral("02"), QStringLiteral(" Остров Ясный "),
                                QStringLiteral("a.b"), QString(40, u'я')})
        EXPECT_TRUE(IsMapName(name)) << name.toStdString();
    for (const char* name : {"", "   ", ".", "..", "a/b", "a\\b", "a:b", "a?", "a*", "<a>", "a\"b",
                             "a|b", "a\tb", "x\x7f"})
        EXPECT_FALSE(IsMapName(QString::fromUtf8(name))) << name;
    EXPECT_FALSE(IsMapName(QString(41, u'я')));
}

TEST(LandFiles, SavedMapsLoadAndUnwritableFoldersFailCleanly) {
    const TMapFiles files = EditedIsland().Files();
    QTemporaryDir folder;
    const QString data = folder.filePath(QStringLiteral("data"));
    SaveMap(files, data, QStringLiteral("Ясный"));
    TEarth earth;
    earth.LoadEarth(QStringLiteral("Ясный"), data);
    EXPECT_TRUE(SameFiles(earth.Files(), files));
    EXPECT_TRUE(MapNames({data}).contains(QStringLiteral("Ясный")));

    // A file where the folder should be.
    QFile blocker(folder.filePath(QStringLiteral("file")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    EXPECT_THROW(SaveMap(files, blocker.fileName(), QStringLiteral("02")), TGameError);
}
