// The scene container: loading, groups, painting choices, bounds and moves.
#include "model/game.h"
#include "scene/wall.h"

#include <QPainter>
#include <QRandomGenerator>
#include <gtest/gtest.h>

namespace {

const QString DataFolder = QStringLiteral(TARVENIA_TEST_DATA "/scene");

// Whether the pixel at (x, y) is not the white background after painting.
bool Painted(const TWall& wall, int x, int y, const std::optional<QRect>& clip,
             TPaintMode mode = pmNormal) {
    QImage image(100, 100, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    wall.PaintSprites(wall.Sprites, painter, clip, mode);
    painter.end();
    return image.pixel(x, y) != qRgb(255, 255, 255);
}

TEST(Wall, ClipRuleAtItsEdges) {
    TWall wall;
    wall.ParseText(u"<BRUSH name=r fill=red><RECT left=10 top=10 width=10 height=10 brush=r>");
    struct TCase {
        QRect Clip;
        bool Painted;
    };
    const TCase cases[] = {
        {QRect(20, 0, 50, 50), true}, // clip left edge on the shape's right edge
        {QRect(21, 0, 50, 50), false},
        {QRect(0, 0, 10, 50), false}, // clip right edge on the
                                      // shape's left edge
        {QRect(0, 0, 11, 50), true},
        {QRect(0, 20, 50, 50), true},
        {QRect(0, 0, 50, 10), false},
        {QRect(40, 40, 5, 5), false},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(Painted(wall, 15, 15, c.Clip), c.Painted)
            << c.Clip.x() << "," << c.Clip.y() << " " << c.Clip.width() << "x" << c.Clip.height();
    EXPECT_TRUE(Painted(wall, 15, 15, std::nullopt));
    // At zoom 50 the clip test uses the zoomed rectangle 5..10.
    wall.SetZoom(50);
    EXPECT_TRUE(Painted(wall, 7, 7, QRect(10, 0, 50, 50)));
    EXPECT_FALSE(Painted(wall, 7, 7, QRect(11, 0, 50, 50)));
}

TEST(Wall, PlanModeGroupsAndHiddenGroups) {
    TWall wall;
    wall.ParseText(u"<BRUSH name=r fill=red>"
                   "<RECT left=0 top=0 width=10 height=10 brush=r style=plan group=roads>"
                   "<RECT left=20 top=0 width=10 height=10 brush=r group=Roads>"
                   "<RECT left=40 top=0 width=10 height=10 brush=r group=coast style=list,plan>");
    ASSERT_EQ(wall.Groups.size(), 2u);
    EXPECT_EQ(wall.Groups[0].Name, "roads");
    EXPECT_EQ(wall.Sprite(1)->Group, 0);
    EXPECT_EQ(wall.Sprite(2)->Group, 1);
    EXPECT_TRUE(Painted(wall, 25, 5, std::nullopt, pmNormal));
    EXPECT_TRUE(Painted(wall, 5, 5, std::nullopt, pmPlan));
    EXPECT_FALSE(Painted(wall, 25, 5, std::nullopt, pmPlan));
    wall.Groups[0].Shown = 0;
    EXPECT_FALSE(Painted(wall, 5, 5, std::nullopt));
    EXPECT_TRUE(Painted(wall, 45, 5, std::nullopt));
    QString written;
    wall.Sprite(2)->WriteProps(written);
    EXPECT_EQ(written, " name=RECT03 style=list,plan group=coast left=40 top=0 width=10 height=10 "
                       "brush=r");
}

TEST(Wall, PictureTagsBoundsAndMoves) {
    TWall wall;
    wall.ParseText(u"<PICTURE color=#E8F4E0 size=3><picture color=bad>");
    EXPECT_EQ(wall.Color, 0xE0F4E8u);
    wall.ParseText(u"<PICTURE color=navy>");
    EXPECT_EQ(wall.Color, 0x800000u);
    const TSceneBounds none = TWall::SpritesBounds(wall.Sprites);
    EXPECT_EQ(none.Left | none.Top | none.Right | none.Bottom, 0);
    EXPECT_TRUE(TWall::MoveSprites(wall.Sprites, 3500, 3500));

    wall.ParseText(u"<RECT left=-10 top=5 width=20 height=10><LINE points=100:100,+10:+300>");
    const TSceneBounds bounds = TWall::SpritesBounds(wall.Sprites);
    EXPECT_EQ(bounds.Left, -10);
    EXPECT_EQ(bounds.Top, 5);
    EXPECT_EQ(bounds.Right, 111);
    EXPECT_EQ(bounds.Bottom, 401);
    wall.Clear();
    EXPECT_EQ(wall.Color, clWhite);
    EXPECT_EQ(wall.Sprites.Count(), 0);
    EXPECT_TRUE(wall.Groups.empty());
}

TEST(Wall, CentringTruncatesTowardZero) {
    struct TCase {
        const char* Text;
        int32_t Left, Top;
    };
    const TCase cases[] = {
        {"<RECT left=100 top=200 width=6000 height=6400>", 500, 300},
        {"<RECT left=0 top=0 width=6999 height=7001>", 0, 0},
        // Offsets and bounds beyond 32 bits are clamped, never wrapped.
        {"<RECT left=-2147483648 top=2147483647 width=10 height=10>", -1, 3500},
    };
    for (const TCase& c : cases) {
        TWall wall;
        wall.ParseText(QString::fromUtf8(c.Text));
        wall.CenterSprites(7000);
        EXPECT_EQ(wall.Sprite(0)->Left, c.Left) << c.Text;
        EXPECT_EQ(wall.Sprite(0)->Top, c.Top) << c.Text;
    }
}

TEST(Wall, LoadsFilesAndReportsUnreadableOnes) {
    TWall wall;
    const QString path = DataFolder + "/example.wll";
    wall.LoadFromFile(path);
    ASSERT_EQ(wall.Boomers.Count(), 3);
    ASSERT_EQ(wall.Sprites.Count(), 6);
    EXPECT_EQ(wall.Color, 0xE0F4E8u);
    EXPECT_EQ(wall.Sprite(1)->Name, "LINE01");
    EXPECT_EQ(wall.Sprite(5)->Name, "IMAGE01");
    // The Windows-1251 text of the file arrives as Cyrillic.
    EXPECT_EQ(static_cast<TTextSprite*>(wall.Sprite(4))->Value, "Старая гавань");
    wall.LoadFromFile(path);
    EXPECT_EQ(wall.Sprites.Count(), 6);
    EXPECT_EQ(wall.Groups.size(), 1u);

    try {
        wall.LoadFromFile(DataFolder + "/missing.wll");
        FAIL() << "a missing file must fail";
    } catch (const TGameError& error) {
        EXPECT_TRUE(error.Text().contains("missing.wll"));
    }
    EXPECT_EQ(wall.Sprites.Count(), 6);
}

TEST(Wall, ZoomReachesStylesAndShapes) {
    TWall wall;
    wall.ParseText(u"<BRUSH name=b line=red size=2><LINE brush=b points=100:100,200:200>");
    wall.SetZoom(3);
    EXPECT_EQ(static_cast<TBrushBoomer*>(wall.Boomer(0))->PenWidth, 0);
    EXPECT_EQ(wall.DefaultFont.FontHandle.pixelSize(), 1);
    EXPECT_EQ(static_cast<TPolySprite*>(wall.Sprite(0))->ScreenPoints[1], QPoint(6, 6));
    wall.SetZoom(100);
    EXPECT_EQ(static_cast<TBrushBoomer*>(wall.Boomer(0))->PenWidth, 2);
    EXPECT_EQ(wall.DefaultFont.FontHandle.pixelSize(), 16);
}

// Scraps of scene syntax in random order, with numbers at the ends of the
// 32-bit range, must read, zoom and paint without harm.
TEST(Wall, RandomTextsReadAndPaintSafely) {
    const QStringList scraps = {
        "<RECT",  "<CIRCLE", "<TEXT",    "<IMAGE",     "<PLACE",
        "<LINE",  "<BRUSH",  "<FONT",    "<PICTURE",   " left=",
        " top=",  " width=", " height=", " round=",    " points=",
        " size=", " fill=",  " line=",   " brush=",    " font=",
        " name=", " group=", " value=",  " style=",    " src=",
        "\"",     "\"\"",    ">",        "<",          ",",
        ":",      "+",       "-",        "2147483647", "-2147483648",
        "99999",  "0",       "3",        "1e39",       "nan",
        "red",    "#FF00FF", "plan",     "nozoom",     " ",
        "\r\n",   "\t",      "=",        "Ж",          "+2147483647:-2147483648"};
    QRandomGenerator random(7000);
    for (int round = 0; round < 300; ++round) {
        QString text;
        for (int i = random.bounded(200); i > 0; --i)
            text += scraps[random.bounded(scraps.size())];
        TWall wall;
        wall.ParseText(text);
        for (int32_t zoom : {100, 3, 1000}) {
            wall.SetZoom(zoom);
            QImage image(64, 64, QImage::Format_RGB32);
            QPainter painter(&image);
            for (TPaintMode mode : {pmNormal, pmSelected, pmOutline, pmPlan})
                wall.PaintSprites(wall.Sprites, painter, std::nullopt, mode);
            for (TSamline* item : wall.Sprites) {
                auto* sprite = static_cast<TSprite*>(item);
                sprite->HitTest(5, 5);
                sprite->HandleAt(5, 5, 2);
                sprite->PaintHandles(painter, 2);
            }
        }
        wall.CenterSprites(7000);
        TWall::SpritesBounds(wall.Sprites);
    }
}

} // namespace
