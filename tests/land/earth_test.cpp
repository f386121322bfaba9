// Loading a map: terrain grid, centred scene and start position.
#include "base/language.h"
#include "island/placenames.h"
#include "land/earth.h"
#include "model/game.h"
#include "scene/shapes.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// A map folder of its own for each test, with MAPS/01.* written on demand.
class EarthTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(QDir(dir_.path()).mkdir("MAPS")); }

    void Write(const QString& file, const QByteArray& bytes) {
        QFile out(dir_.path() + "/MAPS/" + file);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(bytes);
    }
    // A grid of plain land, with some cells set afterwards.
    static QByteArray Land(qsizetype size = 313600) {
        QByteArray bytes(size, '\0');
        for (qsizetype i = 0; i < size; i += 4)
            bytes[i] = 2;
        return bytes;
    }
    void WriteMap(const QByteArray& grid, const QByteArray& scene, const QByteArray& ini) {
        Write("01.LTS", grid);
        Write("01.WLL", scene);
        Write("01.INI", ini);
    }
    QString Folder() const { return dir_.path(); }

    QTemporaryDir dir_;
    TEarth earth_;
};

TEST_F(EarthTest, GridOfPlainLandAndResourceCells) {
    QByteArray grid = Land();
    const int coal = 3 * 1120 + 4 * 4; // column 3, row 4
    grid[coal] = 5;
    grid[coal + 1] = 'x';
    grid[coal + 2] = 'y';
    grid[coal + 3] = 7;
    const int odd = 279 * 1120 + 279 * 4;
    grid[odd] = 12;
    grid[odd + 3] = static_cast<char>(-3);
    WriteMap(grid, "", "");
    earth_.LoadEarth("01", Folder());
    EXPECT_EQ(earth_.EarthKind(0, 0), ekLand);
    EXPECT_EQ(earth_.EarthKind(3, 4), ekCoal);
    EXPECT_EQ(earth_.EarthVariant(3, 4), 7);
    EXPECT_EQ(earth_.EarthKind(4, 3), ekLand);
    EXPECT_EQ(earth_.EarthKind(279, 279), ekUnknown);
    EXPECT_EQ(earth_.EarthVariant(279, 279), -1);
    EXPECT_EQ(TEarth::EarthKindName(ekCoal), "Уголь");
    EXPECT_EQ(earth_.StartScreen, QPoint(0, 0));
    EXPECT_EQ(earth_.StartCell, QPoint(0, 0));
}

TEST_F(EarthTest, GridSizes) {
    struct TCase {
        qsizetype Size;
        bool Loads;
    };
    for (const TCase& c :
         {TCase{313600, true}, TCase{313601, true}, TCase{313599, false}, TCase{0, false}}) {
        SCOPED_TRACE(c.Size);
        WriteMap(Land(c.Size), "<RECT>", "[Init]\nSelX=5\n");
        TEarth earth;
        if (c.Loads) {
            earth.LoadEarth("01", Folder());
            EXPECT_EQ(earth.Scene.Sprites.Count(), 1);
            EXPECT_EQ(earth.StartCell, QPoint(5, 0));
        } else {
            try {
                earth.LoadEarth("01", Folder());
                ADD_FAILURE() << "a short grid must fail";
            } catch (const TGameError& error) {
                EXPECT_TRUE(error.Text().contains("MAPS/01.LTS")) << error.what();
            }
            // Nothing after the grid was read.
            EXPECT_EQ(earth.Scene.Sprites.Count(), 0);
            EXPECT_EQ(earth.StartCell, QPoint(0, 0));
        }
    }
}

TEST_F(EarthTest, MissingFiles) {
    EXPECT_THROW(earth_.LoadEarth("01", Folder()), TGameError);
    Write("01.LTS", Land());
    try {
        earth_.LoadEarth("01", Folder());
        FAIL() << "a missing scene must fail";
    } catch (const TGameError& error) {
        EXPECT_TRUE(error.Text().contains("01.WLL"));
    }
    Write("01.WLL", "<PICTURE color=red>");
    earth_.LoadEarth("01", Folder());
    EXPECT_EQ(earth_.Scene.Color, 0x0000FFu);
    EXPECT_EQ(earth_.StartScreen, QPoint(0, 0));
}

TEST_F(EarthTest, StartPosition) {
    struct TCase {
        const char* Ini;
        QPoint Screen;
        QPoint Cell;
    };
    const TCase cases[] = {
        {"[Init]\nScreenX=100\n", {2500, 0}, {0, 0}},
        {"[init]\r\nscreeny=4\r\nSELX=17\r\nSelY=200\r\n", {0, 100}, {17, 200}},
        {"[Init]\nSelX=500\nSelY=-3\n", {0, 0}, {279, 0}},
        {"[Init]\nScreenX=2000000000\nScreenY=-2000000000\n",
         {2147483647, -2147483647 - 1},
         {0, 0}},
        {"[Init]\nScreenX=12abc\nSelX=1 000\n", {0, 0}, {0, 0}},
        {"[Other]\nScreenX=5\n", {0, 0}, {0, 0}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Ini);
        WriteMap(Land(), "", c.Ini);
        TEarth earth;
        earth.LoadEarth("01", Folder());
        EXPECT_EQ(earth.StartScreen, c.Screen);
        EXPECT_EQ(earth.StartCell, c.Cell);
    }
}

TEST_F(EarthTest, SceneIsCentredInTheWorld) {
    WriteMap(Land(),
             "<RECT left=100 top=200 width=6000 height=10>"
             "<LINE points=200:6599,6099:6500>",
             "");
    earth_.LoadEarth("01", Folder());
    const TSceneBounds bounds = TWall::SpritesBounds(earth_.Scene.Sprites);
    EXPECT_EQ(bounds.Left, 500);
    EXPECT_EQ(bounds.Top, 300);
    EXPECT_EQ(bounds.Right, 6500);
    EXPECT_EQ(bounds.Bottom, 6700);
}

TEST(MapSource, ReadsNamesPathsAndSeedsAndWritesThemBack) {
    struct TCase {
        const char* Text;
        std::optional<TMapSource> Source;
        const char* Title = "";
    };
    const TCase cases[] = {
        {"01", TMapSource::Named("01"), "Остров 01"},
        {"My Map", TMapSource::Named("My Map"), "Остров My Map"},
        {"random:0", TMapSource::Random(0), "Остров 0"},
        {"random:4294967295", TMapSource::Random(4294967295u), "Остров 4294967295"},
        {"maps/x.LTS", TMapSource{TMapSource::msPath, "maps/x.LTS", 0}, "Остров x"},
        {"x.lts", TMapSource{TMapSource::msPath, "x.lts", 0}, "Остров x"},
        {"/tmp/x", TMapSource{TMapSource::msPath, "/tmp/x", 0}, "Остров x"},
        {"random:4294967296", std::nullopt},
        {"random:-1", std::nullopt},
        {"random:+1", std::nullopt},
        {"random: 1", std::nullopt},
        {"random:", std::nullopt},
        {"random:0x10", std::nullopt},
        {"", std::nullopt},
    };
    for (const TCase& c : cases) {
        const std::optional<TMapSource> source = TMapSource::Parse(QString::fromUtf8(c.Text));
        EXPECT_EQ(source, c.Source) << c.Text;
        EXPECT_TRUE(!source || source->Text() == QString::fromUtf8(c.Text)) << c.Text;
        EXPECT_TRUE(!source || source->Title() == QString::fromUtf8(c.Title)) << c.Text;
    }
}

TEST_F(EarthTest, MapsFromTheFoldersInTurnFromAPathAndFromMemory) {
    QTemporaryDir player;
    ASSERT_TRUE(QDir(player.path()).mkdir("MAPS"));
    auto writeTo = [](const QString& base, const QByteArray& grid, const QByteArray& ini) {
        for (const auto& [ext, bytes] :
             {std::pair{".LTS", grid}, std::pair{".WLL", QByteArray("<RECT>")},
              std::pair{".INI", ini}}) {
            QFile out(base + QString::fromLatin1(ext));
            ASSERT_TRUE(out.open(QIODevice::WriteOnly));
            out.write(bytes);
        }
    };
    WriteMap(Land(), "", "[Init]\nSelX=1\n");
    writeTo(player.path() + "/MAPS/01", Land(), "[Init]\nSelX=2\n");
    writeTo(player.path() + "/MAPS/mine", Land(), "[Init]\nSelX=3\n");
    writeTo(player.path() + "/other", Land(), "[Init]\nSelX=4\n");
    const QStringList folders{Folder(), player.path()};
    EXPECT_EQ(MapNames(folders), QStringList({"01", "mine"}));

    struct TCase {
        TMapSource Source;
        int StartColumn;
    };
    const TCase cases[] = {{TMapSource::Named("01"), 1},
                           {TMapSource::Named("mine"), 3},
                           {*TMapSource::Parse(player.path() + "/other.LTS"), 4},
                           {*TMapSource::Parse(player.path() + "/other"), 4}};
    for (const TCase& c : cases) {
        TEarth earth;
        earth.LoadEarth(c.Source, folders);
        EXPECT_EQ(earth.StartCell.x(), c.StartColumn) << qPrintable(c.Source.Text());
        EXPECT_EQ(earth.Source(), c.Source);
        EXPECT_EQ(earth.Files().Grid, Land());
    }

    // The same earth again from the files it keeps; a short grid in memory,
    // or a player's map cut short, leaves the earth as it was.
    TEarth earth;
    earth.LoadEarth(TMapSource::Named("mine"), folders);
    TEarth copy;
    copy.LoadEarth(earth.Files(), earth.Source());
    EXPECT_EQ(copy.StartCell, earth.StartCell);
    EXPECT_EQ(copy.Scene.Sprites.Count(), 1);
    writeTo(player.path() + "/MAPS/short", Land(1000), "");
    EXPECT_THROW(earth.LoadEarth(TMapSource::Named("short"), folders), TGameError);
    EXPECT_THROW(earth.LoadEarth(TMapFiles{Land(1000), "", ""}, TMapSource::Random(1)), TGameError);
    EXPECT_THROW(earth.LoadEarth(TMapSource::Named("nosuch"), folders), TGameError);
    EXPECT_EQ(earth.Source(), TMapSource::Named("mine"));
    EXPECT_EQ(earth.StartCell.x(), 3);
}

// A saved game's land: an island travels with the save and comes back
// whatever land is in play; a named map is read again and refused when its
// grid changed since.
TEST_F(EarthTest, ASavedGameFindsItsLandAndRefusesAChangedMap) {
    WriteMap(Land(), "", "[Init]\nSelX=5\nSelY=6\n");
    earth_.LoadEarth(TMapSource::Random(77), {Folder()});
    const TSavedLand island = earth_.SavedLand();
    EXPECT_TRUE(island.Carried());
    EXPECT_EQ(island.Name, "random:77");

    TEarth other;
    other.LoadEarth("01", Folder());
    const TSavedLand named = other.SavedLand();
    EXPECT_FALSE(named.Carried());
    EXPECT_FALSE(other.LoadSavedLand(named, {Folder()})); // already the land in play
    EXPECT_TRUE(other.LoadSavedLand(island, {Folder()}));
    EXPECT_EQ(other.Source(), TMapSource::Random(77));
    EXPECT_EQ(other.Files().Grid, earth_.Files().Grid);
    EXPECT_EQ(other.StartCell, earth_.StartCell);

    // Back to the named map, then the map file changes under the save.
    EXPECT_TRUE(earth_.LoadSavedLand(named, {Folder()}));
    EXPECT_EQ(earth_.StartCell, QPoint(5, 6));
    QByteArray changed = Land();
    changed[0] = 3;
    WriteMap(changed, "", "");
    const auto refusal = [&](const TSavedLand& land) {
        try {
            other.LoadSavedLand(land, {Folder()});
        } catch (const TGameError& error) {
            return error.Text();
        }
        return QStringLiteral("<loaded>");
    };
    EXPECT_EQ(refusal(named),
              QString::fromUtf8("карта «01» изменилась с тех пор, как игра была сохранена"));
    EXPECT_TRUE(
        refusal(TSavedLand::Named("02")).startsWith(QString::fromUtf8("карта «02» не читается")));
    EXPECT_EQ(other.Source(), TMapSource::Random(77)); // the land in play stays
    // A game saved before maps were checked takes the map as it is now.
    EXPECT_TRUE(other.LoadSavedLand(TSavedLand::Named("01"), {Folder()}));
}

// The names drawn on the map follow the game's language: the shipped map's
// from its catalogue, a generated island's made of the same words, a name of
// the player's as typed. What a save keeps stays Russian.
TEST(MapNames, FollowTheGamesLanguage) {
    const auto shownNames = [](const TMapSource& source) {
        TEarth earth;
        earth.LoadEarth(source, {TARVENIA_GAME_DATA});
        QStringList names;
        for (int i = 0; i < earth.Scene.Sprites.Count(); ++i)
            if (const auto* text = dynamic_cast<const TTextSprite*>(earth.Scene.Sprite(i)))
                names << text->Value;
        return std::pair{names, earth.SavedLand()};
    };
    const std::vector<TMapSource> lands{TMapSource::Named("01"), TMapSource::Random(1),
                                        TMapSource::Random(2), TMapSource::Random(77),
                                        TMapSource::Random(4294967295u)};
    std::vector<std::pair<QStringList, TSavedLand>> russian;
    for (const TMapSource& source : lands)
        russian.push_back(shownNames(source));

    TTranslations translations;
    ASSERT_EQ(translations.Install(TLanguage::English, TARVENIA_BUILT_TRANSLATIONS),
              TLanguage::English);
    const auto [shipped, shippedLand] = shownNames(lands[0]);
    for (const char* name : {"Tarvenia", "Gull Island", "North Sea", "Gulf of Hope"})
        EXPECT_TRUE(shipped.contains(QLatin1String(name))) << name;
    const struct {
        const char* Stored;
        const char* Shown;
    } names[] = {
        {"Белления", "Bellenia"},         {"Яргарья", "Yargaria"},
        {"Сарлавея", "Sarlavea"},         {"о. Лисий", "Fox Island"},
        {"Студёное море", "Cold Sea"},    {"Залив Удачи", "Bay of Luck"},
        {"Залив Надежды", "Bay of Hope"}, {"Москва", "Москва"},
        {"Беллениях", "Беллениях"},
    };
    for (const auto& name : names)
        EXPECT_EQ(PlaceNameInLanguage(QString::fromUtf8(name.Stored)).toStdString(), name.Shown);
    static const QRegularExpression cyrillic(QStringLiteral("\\p{Cyrillic}"));
    for (size_t i = 0; i < lands.size(); ++i) {
        const auto [english, land] = shownNames(lands[i]);
        SCOPED_TRACE(lands[i].Text().toStdString());
        EXPECT_EQ(english.size(), russian[i].first.size());
        for (const QString& name : english)
            EXPECT_FALSE(name.isEmpty() || name.contains(cyrillic)) << name.toStdString();
        EXPECT_EQ(land.Scene, russian[i].second.Scene);
    }

    ASSERT_EQ(translations.Install(TLanguage::Russian, TARVENIA_BUILT_TRANSLATIONS),
              TLanguage::Russian);
    for (size_t i = 0; i < lands.size(); ++i)
        EXPECT_EQ(shownNames(lands[i]).first, russian[i].first);
}

} // namespace
