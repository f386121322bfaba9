// Islands from seeds: each one playable as the game's own map is, and the
// same bytes from the same seed. TARVENIA_ISLAND_SEEDS sets how many seeds
// the check runs through (the longer run is tools/gen/check-islands.sh).

#include "base/inifile.h"
#include "island/islandgen.h"
#include "islandchecks.h"
#include "land/earth.h"
#include "map/mapview.h"
#include "model/basetype.h"
#include "scene/shapes.h"

#include <QCryptographicHash>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QSet>
#include <deque>
#include <gtest/gtest.h>

namespace {

using namespace islandchecks;

const QString GameData = QStringLiteral(TARVENIA_GAME_DATA);

// The cells reachable from a cell through 4-neighbours that pass the test.
int RegionSize(const TEarth& earth, QPoint from, const std::function<bool(int)>& test,
               std::vector<uint8_t>& seen) {
    int size = 0;
    std::deque<QPoint> todo{from};
    seen[from.x() * MapRows + from.y()] = 1;
    while (!todo.empty()) {
        const QPoint p = todo.front();
        todo.pop_front();
        ++size;
        for (const QPoint d : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
            const QPoint q = p + d;
            if (TTerrainGrid::Contains(q.x(), q.y()) && !seen[q.x() * MapRows + q.y()] &&
                test(earth.EarthKind(q.x(), q.y()))) {
                seen[q.x() * MapRows + q.y()] = 1;
                todo.push_back(q);
            }
        }
    }
    return size;
}

// The regions of cells passing the test, with their sizes.
std::vector<int> Regions(const TEarth& earth, const std::function<bool(int)>& test) {
    std::vector<uint8_t> seen(MapCols * MapRows, 0);
    std::vector<int> sizes;
    for (int c = 0; c < MapCols; ++c)
        for (int r = 0; r < MapRows; ++r)
            if (!seen[c * MapRows + r] && test(earth.EarthKind(c, r)))
                sizes.push_back(RegionSize(earth, QPoint(c, r), test, seen));
    return sizes;
}

void ExpectPlayable(TEarth& earth, const TBaseTypeList& catalogue) {
    ExpectCoherent(earth, earth.StartCell);
    // Every kind of ground.
    QSet<int> kinds;
    int land = 0;
    for (int c = 0; c < MapCols; ++c)
        for (int r = 0; r < MapRows; ++r) {
            kinds.insert(earth.EarthKind(c, r));
            land += earth.EarthKind(c, r) != ekSea;
        }
    EXPECT_EQ(kinds.size(), EarthKindCount);

    // A main island with room for a colony, smaller islands, lakes.
    const QPoint start = earth.StartCell;
    ASSERT_EQ(earth.EarthKind(start.x(), start.y()), ekLand);
    std::vector<uint8_t> seen(MapCols * MapRows, 0);
    EXPECT_GE(RegionSize(earth, start, IsBuildableKind, seen), 3000);
    EXPECT_GE(Regions(earth, [](int k) { return k != ekSea; }).size(), 3u) << "islands";
    EXPECT_GE(Regions(earth, [](int k) { return k == ekWater; }).size(), 3u) << "lakes";

    // The start: open land, the ground of every building within 25 cells,
    // inside the view that the game opens with.
    int open = 0;
    for (int dc = -3; dc <= 3; ++dc)
        for (int dr = -3; dr <= 3; ++dr)
            open += earth.EarthKind(start.x() + dc, start.y() + dr) == ekLand;
    EXPECT_GE(open, 30);
    for (const TBaseType& type : catalogue) {
        bool near = false;
        for (int dc = -25; dc <= 25 && !near; ++dc)
            for (int dr = -25; dr <= 25 && !near; ++dr)
                near = IsBuildableKind(earth.EarthKind(start.x() + dc, start.y() + dr)) &&
                       type.AcceptsEarth(earth.EarthKind(start.x() + dc, start.y() + dr));
        EXPECT_TRUE(near) << qPrintable(type.Id);
    }
    EXPECT_TRUE(QRect(earth.StartScreen, QSize(537, 369)).contains(start * CellSize));

    // The overview shows the land as much as the grid has it.
    QImage plan(210, 210, QImage::Format_RGB32);
    TMapView::PaintOverview(earth.Scene, plan);
    int dry = 0;
    for (int x = 0; x < plan.width(); ++x)
        for (int y = 0; y < plan.height(); ++y)
            dry += plan.pixel(x, y) != Sea && plan.pixel(x, y) != Shallows;
    EXPECT_NEAR(dry, land * 9 / 16, land * 9 / 16 / 10);

    // Names in Russian: the island's, the smaller islands', the seas'.
    int names = 0;
    for (int i = 0; i < earth.Scene.Sprites.Count(); ++i)
        if (const auto* text = dynamic_cast<const TTextSprite*>(earth.Scene.Sprite(i))) {
            ++names;
            EXPECT_TRUE(
                QRegularExpression(QStringLiteral("^[А-ЯЁа-яё. ]+$")).match(text->Value).hasMatch())
                << qPrintable(text->Value);
        }
    EXPECT_GE(names, 4);
}

} // namespace

TEST(Island, EverySeedMakesAPlayableIsland) {
    TBaseTypeList catalogue;
    LoadBaseTypes(catalogue, GameData);
    ASSERT_FALSE(catalogue.empty());
    const int count = qEnvironmentVariableIsSet("TARVENIA_ISLAND_SEEDS")
                          ? qEnvironmentVariableIntValue("TARVENIA_ISLAND_SEEDS")
                          : 50;
    // The first seeds, and the largest one.
    std::vector<uint32_t> seeds{4294967295u};
    for (uint32_t seed = 0; seeds.size() < static_cast<size_t>(count); ++seed)
        seeds.push_back(seed);
    for (const uint32_t seed : seeds) {
        SCOPED_TRACE(seed);
        TEarth earth;
        earth.LoadEarth(TMapSource::Random(seed), {});
        ExpectPlayable(earth, catalogue);
        if (HasFatalFailure() || (HasFailure() && count > 50))
            return;
    }
}

TEST(Content, Map01IsAsPlayableAsEveryIsland) {
    TBaseTypeList catalogue;
    LoadBaseTypes(catalogue, GameData);
    TEarth earth;
    earth.LoadEarth(QStringLiteral("01"), GameData);
    ExpectPlayable(earth, catalogue);
}

TEST(Island, SameBytesFromTheSameSeedAndMap01AsDelivered) {
    struct TCase {
        uint32_t Seed;
        // SHA-1 of the grid, the scene and the start: the same from every
        // compiler, which a draw left to the order of evaluation would break.
        const char* Digest;
    };
    const TCase cases[] = {{1, "9b4d0468819904cdb695ed490d7917b5d4e2888a"},
                           {4294967295u, "99287b83d37620d0b6674d816b6e2a26d09503e6"}};
    auto digest = [](const TMapFiles& files) {
        return QCryptographicHash::hash(files.Grid + files.Scene + files.Ini,
                                        QCryptographicHash::Sha1)
            .toHex()
            .toStdString();
    };
    for (const TCase& c : cases)
        EXPECT_EQ(digest(GenerateIsland(c.Seed)), c.Digest) << c.Seed;
    EXPECT_NE(GenerateIsland(1).Grid, GenerateIsland(2).Grid);

    const TMapFiles map01 = GenerateMap01();
    for (const auto& [ext, bytes] : {std::pair{".LTS", map01.Grid}, std::pair{".WLL", map01.Scene},
                                     std::pair{".INI", map01.Ini}}) {
        QFile file(TEarth::MapFilePath(GameData, QStringLiteral("01"), QString::fromLatin1(ext)));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << ext;
        EXPECT_TRUE(file.readAll() == bytes) << ext;
    }
}
