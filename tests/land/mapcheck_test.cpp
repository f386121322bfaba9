// The check of a land before play: shipped and generated lands pass, and each
// fault is found on a small land made to have it.
#include "land/earth.h"
#include "land/mapcheck.h"

#include <QRect>
#include <gtest/gtest.h>

namespace {

TEST(MapCheck, ShippedAndGeneratedLandsHaveNoError) {
    TBaseTypeList catalogue;
    LoadBaseTypes(catalogue, TARVENIA_GAME_DATA);
    ASSERT_FALSE(catalogue.empty());
    std::vector<TMapSource> sources{TMapSource::Named("01")};
    for (uint32_t seed = 1; seed <= 50; ++seed)
        sources.push_back(TMapSource::Random(seed));
    for (const TMapSource& source : sources) {
        TEarth earth;
        earth.Scene.MeasureTexts = false;
        earth.LoadEarth(source, {TARVENIA_GAME_DATA});
        for (const TMapProblem& problem : CheckMap(earth.Grid, earth.StartCell, catalogue))
            EXPECT_FALSE(problem.Error)
                << source.Text().toStdString() << ": " << problem.Text.toStdString();
    }
}

TBaseType Type(const char* caption, int needEarth, int homes, int price, int makes = -1) {
    TBaseType type;
    type.Caption = QString::fromUtf8(caption);
    type.NeedEarth = needEarth;
    type.HomePlaces = homes;
    type.Price = price;
    if (makes >= 0)
        type.Profit[makes] = 1;
    return type;
}

TEST(MapCheck, EachFaultOnALandMadeToHaveIt) {
    // The founding hall houses 30, yet the settlers' own houses hold 8 or,
    // dearer, 50; coal comes from a mine or from a kiln, which may stand
    // alone in the forest.
    TBaseTypeList catalogue{
        Type("Управа", AnyBuildableEarth, 30, 20000), Type("Дом", ekLand, 50, 4000),
        Type("Изба", AnyBuildableEarth, 8, 1500),     Type("Шахта", ekCoal, 0, 1000, gdCoal),
        Type("Печь", ekForest, 0, 1000, gdCoal),
    };
    catalogue.back().Style = bsNoNearBase;
    const QPoint start(100, 100);
    struct TCase {
        const char* name;
        std::vector<std::pair<QRect, TEarthKind>> paint; // over a sea, in order
        int errors;
        int warnings;
        const char* says; // a word of the first problem
        QRect shown;      // around the cells the first problem shows
    };
    const QRect island(96, 96, 9, 9);
    const std::vector<TCase> cases{
        {"fine", {{island, ekLand}, {QRect(97, 97, 1, 1), ekCoal}}, 0, 0, "", {}},
        {"start on the coast",
         {{island, ekLand}, {QRect(start, start), ekCoast}, {QRect(97, 97, 1, 1), ekCoal}},
         1,
         0,
         "Управа",
         QRect(start, start)},
        {"four cells: homes for 24",
         {{QRect(100, 100, 3, 1), ekLand}, {QRect(103, 100, 1, 1), ekCoal}},
         1,
         0,
         "24 из 28",
         island},
        {"land beyond the radius houses no one",
         {{QRect(100, 100, 1, 1), ekLand},
          {QRect(101, 100, 3, 1), ekCoast},
          {QRect(104, 100, 10, 1), ekLand},
          {QRect(110, 100, 1, 1), ekCoal}},
         1,
         0,
         "0 из 28",
         island},
        {"no coal", {{island, ekLand}}, 2, 0, "Шахта", {}},
        {"coal from the forest's kiln",
         {{island, ekLand}, {QRect(97, 97, 1, 1), ekForest}},
         0,
         0,
         "",
         {}},
        {"coal far away",
         {{island, ekLand}, {QRect(97, 180, 5, 1), ekCoal}},
         0,
         1,
         "80",
         QRect(QPoint(97, 100), QPoint(100, 180))},
        {"tiny islands",
         {{island, ekLand},
          {QRect(97, 97, 1, 1), ekCoal},
          {QRect(10, 20, 2, 2), ekLand},
          {QRect(30, 20, 5, 1), ekCoast},
          {QRect(50, 50, 1, 1), ekForest}},
         0,
         1,
         "1, первый у клетки 10, 20",
         QRect(10, 20, 2, 2)},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.name);
        TTerrainGrid grid;
        for (const auto& [rect, kind] : c.paint)
            for (int col = rect.left(); col <= rect.right(); ++col)
                for (int row = rect.top(); row <= rect.bottom(); ++row)
                    grid.Cell(col, row).Kind = kind;
        const std::vector<TMapProblem> problems = CheckMap(grid, start, catalogue);
        const auto errors = std::ranges::count_if(problems, &TMapProblem::Error);
        EXPECT_EQ(errors, c.errors);
        EXPECT_EQ(std::ssize(problems) - errors, c.warnings);
        if (!problems.empty()) {
            EXPECT_TRUE(problems.front().Text.contains(QString::fromUtf8(c.says)))
                << problems.front().Text.toStdString();
            QRect shown;
            for (const QPoint cell : problems.front().Cells)
                shown |= QRect(cell, QSize(1, 1));
            EXPECT_EQ(shown, c.shown);
        }
    }
}

} // namespace
