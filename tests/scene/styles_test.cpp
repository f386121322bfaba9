// Brush and font styles, and the naming of items.
#include "scene/wall.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>
#include <map>

namespace {

TBrushBoomer* FirstBrush(TWall& wall) {
    return dynamic_cast<TBrushBoomer*>(wall.Boomer(0));
}

TEST(Styles, BrushReadsFillLineAndSize) {
    struct TCase {
        const char* Text;
        uint8_t BrushStyle;
        uint8_t PenStyle;
        TColor Fill;
        TColor Line;
        float Size;
        const char* Written;
    };
    const TCase cases[] = {
        {"<BRUSH fill=red>", 0, 5, 0x0000FF, 0, 1, " name=BRUSH01 fill=red"},
        {"<BRUSH line=blue>", 1, 6, 0xFFFFFF, 0xFF0000, 1, " name=BRUSH01 line=blue"},
        {"<BRUSH name=a line=navy size=0.5>", 1, 6, 0xFFFFFF, 0x800000, 0.5f,
         " name=a line=navy size=0.5"},
        {"<BRUSH name=a fill=#010203 line=x size=-2>", 0, 5, 0x030201, 0, 1,
         " name=a fill=#010203"},
        {"<BRUSH name=a line=red size=nan style=NoZoom>", 1, 6, 0xFFFFFF, 0x0000FF, 1,
         " name=a style=nozoom line=red"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Text);
        TWall wall;
        wall.ParseText(QString::fromUtf8(c.Text));
        TBrushBoomer* brush = FirstBrush(wall);
        ASSERT_NE(brush, nullptr);
        EXPECT_EQ(brush->BrushStyle, c.BrushStyle);
        EXPECT_EQ(brush->PenStyle, c.PenStyle);
        EXPECT_EQ(brush->Fill, c.Fill);
        EXPECT_EQ(brush->LineColor, c.Line);
        EXPECT_EQ(brush->Size, c.Size);
        QString written;
        brush->WriteProps(written);
        EXPECT_EQ(written, QString::fromUtf8(c.Written));
    }
}

TEST(Styles, PenWidthFollowsTheZoom) {
    struct TCase {
        float Size;
        bool NoZoom;
        int32_t Zoom;
        int32_t Width;
    };
    const TCase cases[] = {
        {1, false, 100, 1},    {1, false, 50, 0},  {1, false, 3, 0},
        {2, false, 50, 1},     {2, false, 200, 4}, {3, true, 3, 3},
        {0.5f, false, 100, 0}, {66, false, 3, 1},  {3e38f, false, 100000, 1 << 20},
    };
    for (const TCase& c : cases) {
        TBrushBoomer brush;
        brush.Size = c.Size;
        brush.NoZoom = c.NoZoom;
        brush.SetZoom(c.Zoom);
        EXPECT_EQ(brush.PenWidth, c.Width) << c.Size << " at " << c.Zoom;
    }
    TBrushBoomer hollow;
    hollow.BrushStyle = TBrushBoomer::bsNull;
    hollow.PenStyle = TBrushBoomer::psNull;
    hollow.SetZoom(100);
    EXPECT_EQ(hollow.BrushHandle.style(), Qt::NoBrush);
    EXPECT_EQ(hollow.PenHandle.style(), Qt::NoPen);
}

TEST(Styles, FontReadsAndZooms) {
    TWall wall;
    wall.ParseText(
        QStringLiteral("<FONT name=label face=Arial size=300 color=maroon style=bold, italic>"
                       "<FONT name=plain>"));
    auto* label = dynamic_cast<TFontBoomer*>(wall.Boomer(0));
    auto* plain = dynamic_cast<TFontBoomer*>(wall.Boomer(1));
    ASSERT_TRUE(label && plain);
    EXPECT_EQ(label->Size, 44);
    EXPECT_EQ(label->FontStyle, TFontBoomer::fsBold);
    EXPECT_EQ(label->Color, 0x000080u);
    QString written;
    label->WriteProps(written);
    EXPECT_EQ(written, " name=label style=bold face=Arial size=44 color=maroon");
    EXPECT_EQ(plain->Face, "");
    written.clear();
    plain->WriteProps(written);
    EXPECT_EQ(written, " name=plain face= size=12");

    struct TCase {
        int32_t Zoom;
        int Pixels;
    };
    for (const TCase& c : {TCase{100, 16}, TCase{3, 1}, TCase{200, 32}, TCase{50, 8}}) {
        TFontBoomer font;
        font.SetZoom(c.Zoom);
        EXPECT_EQ(font.FontHandle.pixelSize(), c.Pixels) << c.Zoom;
    }
    TFontBoomer longFace;
    longFace.Face = QStringLiteral("A face name well beyond twenty letters");
    longFace.FontStyle = TFontBoomer::fsBold | TFontBoomer::fsUnderline;
    longFace.SetZoom(100);
    EXPECT_EQ(longFace.FontHandle.family(), "A face name well bey");
    EXPECT_EQ(longFace.FontHandle.weight(), QFont::Bold);
    EXPECT_TRUE(longFace.FontHandle.underline());
    EXPECT_FALSE(longFace.FontHandle.italic());
}

TEST(Styles, MulDivRoundsHalfAwayFromZero) {
    EXPECT_EQ(MulDiv(12, 96, 72), 16);
    EXPECT_EQ(MulDiv(8, 96, 72), 11);
    EXPECT_EQ(MulDiv(1, 3, 2), 2);
    EXPECT_EQ(MulDiv(-1, 3, 2), -2);
    EXPECT_EQ(MulDiv(1, 1, 0), -1);
}

QStringList Names(const TKlopList& list) {
    QStringList names;
    for (TSamline* item : list)
        names.append(static_cast<TKlop*>(item)->Name);
    return names;
}

TEST(Naming, GeneratedNamesAndDuplicates) {
    struct TCase {
        const char* Text;
        QStringList Styles;
        QStringList Shapes;
    };
    const TCase cases[] = {
        {"<BRUSH name=water><BRUSH name=Water>", {"water", "BRUSH01"}, {}},
        {"<FONT name=FONT01><FONT>", {"FONT01", "FONT02"}, {}},
        {"<FONT><FONT name=font01>", {"FONT02", "font01"}, {}},
        {"<BRUSH name=RECT01><RECT>", {"RECT01"}, {"RECT01"}},
        {"<RECT name=rect01><RECT><RECT name=RECT01><CIRCLE>",
         {},
         {"rect01", "RECT02", "RECT03", "CIRCLE01"}},
        {"<TEXT name=Озеро><TEXT name=ОЗЕРО>", {}, {"Озеро", "TEXT01"}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Text);
        TWall wall;
        wall.ParseText(QString::fromUtf8(c.Text));
        EXPECT_EQ(Names(wall.Boomers), c.Styles);
        EXPECT_EQ(Names(wall.Sprites), c.Shapes);
    }
}

// The naming rule step by step, as the slow reference for the fast one.
void NameOneByOne(TKlopList& list) {
    for (int i = 0; i < list.Count(); ++i) {
        TKlop* item = list.Klop(i);
        if (!item->Name.isEmpty() && FindByName(list, item->Name) == item)
            continue;
        const QString prefix = list.OnGetTag ? list.OnGetTag(item) : QString();
        for (int n = 1;; ++n) {
            const QString candidate = prefix + QStringLiteral("%1").arg(n, 2, 10, QChar(u'0'));
            if (!FindByName(list, candidate)) {
                item->SetName(candidate);
                break;
            }
        }
    }
}

TEST(Naming, FastRuleMatchesTheStepByStepRule) {
    const QStringList pool = {"",         "",  "",  "RECT01", "rect02", "RECT03",
                              "CIRCLE01", "x", "X", "RECT1",  "RECT100"};
    QRandomGenerator random(1890);
    for (int round = 0; round < 200; ++round) {
        TWall fast, slow;
        QString text;
        const int count = 1 + random.bounded(12);
        for (int i = 0; i < count; ++i) {
            text += random.bounded(3) == 0 ? QStringLiteral("<CIRCLE") : QStringLiteral("<RECT");
            const QString name = pool[random.bounded(pool.size())];
            if (!name.isEmpty())
                text += QStringLiteral(" name=") + name;
            text += u'>';
        }
        fast.ParseText(text);
        // The same items read without the naming pass, then named step by step.
        TKlopList written;
        written.OnGetTag = &TWall::TagOf;
        std::vector<std::unique_ptr<TSprite>> items;
        TSamlineList reader;
        reader.OnCreateItem = [&](const QString& tag) -> TSamline* {
            if (tag == u"CIRCLE")
                items.push_back(std::make_unique<TCircleSprite>(&slow));
            else
                items.push_back(std::make_unique<TRectSprite>(&slow));
            return items.back().get();
        };
        ParseScene(reader, text);
        for (auto& item : items)
            written.Add(item.get());
        NameOneByOne(written);
        EXPECT_EQ(Names(fast.Sprites), Names(written)) << text.toStdString();
    }
}

// Names made for a prefix that ends in a digit can meet those of a shorter
// prefix: "A1" + "05" is "A" + "105".
TEST(Naming, PrefixesEndingInDigitsMatchTheStepByStepRule) {
    const QStringList tagPool = {"A", "A1", "a", "B", ""};
    QRandomGenerator random(1893);
    for (int round = 0; round < 20; ++round) {
        std::vector<std::unique_ptr<TKlop>> items;
        std::map<const TSamline*, QString> tags;
        TKlopList fast, slow;
        for (TKlopList* list : {&fast, &slow})
            list->OnGetTag = [&](const TSamline* item) { return tags.at(item); };
        for (int i = 0; i < 400; ++i) {
            const QString tag = tagPool[random.bounded(tagPool.size())];
            const QString name =
                random.bounded(8) == 0 ? tag + QString::number(random.bounded(130)) : QString();
            for (TKlopList* list : {&fast, &slow}) {
                items.push_back(std::make_unique<TKlop>());
                items.back()->Name = name;
                tags[items.back().get()] = tag;
                list->Add(items.back().get());
            }
        }
        MakeNamesUnique(fast);
        NameOneByOne(slow);
        ASSERT_EQ(Names(fast), Names(slow)) << "round " << round;
    }
}

TEST(Naming, TwentyThousandUnnamedShapesNameThemselves) {
    QString text;
    for (int i = 0; i < 20000; ++i)
        text += QStringLiteral("<RECT>");
    TWall wall;
    wall.ParseText(text);
    ASSERT_EQ(wall.Sprites.Count(), 20000);
    EXPECT_EQ(wall.Sprite(0)->Name, "RECT01");
    EXPECT_EQ(wall.Sprite(99)->Name, "RECT100");
    EXPECT_EQ(wall.Sprite(19999)->Name, "RECT20000");
}

} // namespace
