// The scene text scanner, value decoders and writers.
#include "scene/items.h"

#include <QLocale>
#include <gtest/gtest.h>
#include <memory>

namespace {

// An item that keeps the properties of its tag.
class TRecorded : public TSamline {
public:
    explicit TRecorded(QString tag) : Tag(std::move(tag)) {}
    void ReadProps(const TPropList& props) override { Props = props; }
    QString Tag;
    TPropList Props;
};

struct TScanned {
    std::vector<std::unique_ptr<TRecorded>> Items;
    QString Tags() const {
        QStringList tags;
        for (const auto& item : Items)
            tags.append(item->Tag);
        return tags.join(u',');
    }
};

// Every keyword except "NONE" makes an item.
TScanned Scan(const QString& text) {
    TScanned scanned;
    TSamlineList list;
    list.OnCreateItem = [&](const QString& tag) -> TSamline* {
        if (tag == u"NONE")
            return nullptr;
        scanned.Items.push_back(std::make_unique<TRecorded>(tag));
        return scanned.Items.back().get();
    };
    ParseScene(list, text);
    EXPECT_EQ(list.Count(), static_cast<int>(scanned.Items.size()));
    return scanned;
}

TEST(SceneText, ScannerReadsTagsAndValues) {
    struct TCase {
        const char* Text;
        const char* Tags;
        const char* Key;   // looked up in the first item
        const char* Value; // expected value of that key
    };
    const TCase cases[] = {
        {"<RECT left=10>", "RECT", "left", "10"},
        {"<RECT left = 10>", "RECT", "left", ""},
        {"<RECT left=10", "RECT", "left", ""},
        {"<RECT<CIRCLE>", "RECT", "left", ""},
        {"<RECT<CIRCLE> <TEXT>", "RECT,TEXT", "left", ""},
        {"<RECT value=\"a\"\"b\">", "RECT", "value", "a\"b"},
        {"<RECT value=\"\" name=x>", "RECT", "name", "x"},
        {"<RECT value=\"\">", "RECT", "value", ""},
        {"<RECT value=\"open to the end", "RECT", "value", "open to the end"},
        {"<RECT value=\"x\"<CIRCLE>", "RECT", "value", "x"},
        {"<left=10 RECT>", "RECT", "left", "10"},
        {"</RECT><!-- RECT --> text <NONE>", "", "", ""},
        {"<rect Circle left=3>", "RECT", "left", "3"},
        {"<RECT\r\nleft=5\r\n>", "RECT", "left", "5"},
        {"<RECT\tleft=5>", "RECT", "left", ""},
        {"<RECT 5 left=7>", "RECT", "left", ""},
        {"<RECT left=1 LEFT=2>", "RECT", "Left", "1"},
        {"<RECT name=x<CIRCLE>", "RECT", "name", "x<CIRCLE"},
        {"<RECT left=a>b>", "RECT", "left", "a"},
        {"<RECT2 top=4>", "RECT", "top", ""},
        {"<_x_ RECT>", "_X_", "", ""},
        {"<TEXT value=\"one\r\ntwo\">", "TEXT", "value", "one\r\ntwo"},
        {"<TEXT value=\"Озеро\">", "TEXT", "value", "Озеро"},
        {"no tags at all", "", "", ""},
        {"<", "", "", ""},
        {"<RECT left=", "RECT", "left", ""},
        {"<RECT> <NONE left=1> <CIRCLE top=2", "RECT,CIRCLE", "", ""},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Text);
        const TScanned scanned = Scan(QString::fromUtf8(c.Text));
        EXPECT_EQ(scanned.Tags(), QString::fromUtf8(c.Tags));
        if (*c.Key && !scanned.Items.empty()) {
            EXPECT_EQ(scanned.Items[0]->Props.Value(QString::fromUtf8(c.Key)),
                      QString::fromUtf8(c.Value));
        }
    }
}

TEST(SceneText, Colours) {
    struct TCase {
        const char* Text;
        bool Ok;
        TColor Color;
    };
    const TCase cases[] = {
        {"#FF0000", true, 0x0000FF}, {"#ffffff", true, 0xFFFFFF}, {"#12aB3c", true, 0x3CAB12},
        {"White", true, 0xFFFFFF},   {"fuchsia", true, 0xFF00FF}, {"navy", true, 0x800000},
        {"maroon", true, 0x000080},  {"FFFFFF", false, 0},        {"#FFF", false, 0},
        {"#GG0000", false, 0},       {"#FF00001", false, 0},      {"", false, 0},
        {"orange", false, 0},        {" red", false, 0},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Text);
        TColor color = 0xABCDEF;
        EXPECT_EQ(TextToColor(QString::fromUtf8(c.Text), color), c.Ok);
        EXPECT_EQ(color, c.Ok ? c.Color : 0xABCDEF);
    }
    EXPECT_EQ(ColorToText(0x0000FF), "red");
    EXPECT_EQ(ColorToText(0xC0C0C0), "silver");
    EXPECT_EQ(ColorToText(0x3CAB12), "#12AB3C");
    EXPECT_EQ(ColorToText(0xFF3CAB12), "#12AB3C");
}

TEST(SceneText, WordLists) {
    struct TCase {
        const char* Text;
        QStringList Words;
    };
    const TCase cases[] = {
        {"plan", {"plan"}},   {"plan,,list", {"plan"}},
        {",list", {}},        {"bold, italic", {"bold", " italic"}},
        {"a,b,", {"a", "b"}},
    };
    for (const TCase& c : cases) {
        const QString text = QString::fromUtf8(c.Text);
        TStyleWords words;
        SplitWords(text, words);
        QStringList split;
        for (QStringView word : words)
            split.append(word.toString());
        EXPECT_EQ(split, c.Words) << c.Text;
    }
    EXPECT_EQ(JoinWords({" a", "b"}), "a,b");
    EXPECT_EQ(JoinWords({}), "");
}

TEST(SceneText, PointLists) {
    struct TCase {
        const char* Text;
        std::vector<QPoint> Points;
    };
    const TCase cases[] = {
        {"100:100,+200:+0,+0:+150,-200:+0", {{100, 100}, {300, 100}, {300, 250}, {100, 250}}},
        {"10:10,-5:+5", {{10, 10}, {5, 15}}},
        {"-5:7", {{-5, 7}}},
        {"-:5", {{0, 5}}},
        {"", {}},
        {"12", {}},
        {"1:2,", {{1, 2}}},
        {"1:2,3:", {{1, 2}}},
        {"1:2:3,4:5", {{1, 0}, {4, 5}}},
        {"x:y", {{0, 0}}},
        {"99999999999:1", {{0, 1}}},
        {"2147483647:0,+1:-1", {{2147483647, 0}, {2147483647, -1}}},
        {"-2147483647:0,-10:0", {{-2147483647, 0}, {-2147483647 - 1, 0}}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Text);
        EXPECT_EQ(TextToPoints(QString::fromUtf8(c.Text)), c.Points);
    }
    EXPECT_EQ(PointsToText({{1, 2}, {-3, 40}}), "1:2,-3:40");
}

TEST(SceneText, WritersQuoteWhatNeedsIt) {
    struct TCase {
        const char* Value;
        const char* Written;
    };
    const TCase cases[] = {
        {"plain", " k=plain"},
        {"two words", " k=\"two words\""},
        {"a\"b", " k=\"a\"\"b\""},
        {"a<b", " k=\"a<b\""},
        {"a>b", " k=\"a>b\""},
        {"tab\there", " k=\"tab\there\""},
        {"Старая гавань", " k=\"Старая гавань\""},
        {"Гавань", " k=Гавань"},
        {"", " k="},
    };
    for (const TCase& c : cases) {
        QString text;
        WriteStringProp(text, u"k", QString::fromUtf8(c.Value));
        EXPECT_EQ(text, QString::fromUtf8(c.Written));
        // Every written text reads back as it was.
        const TScanned scanned = Scan(QStringLiteral("<X") + text + u'>');
        ASSERT_EQ(scanned.Items.size(), 1u);
        EXPECT_EQ(scanned.Items[0]->Props.Value(u"k"), QString::fromUtf8(c.Value));
    }
    QString text;
    WriteIntProp(text, u"left", -12);
    WriteColorProp(text, u"fill", 0x3CAB12);
    WriteFloatProp(text, u"size", 0.5f);
    EXPECT_EQ(text, " left=-12 fill=#12AB3C size=0.5");
}

TEST(SceneText, KeysMatchIgnoringLetterCaseOnly) {
    TPropList props;
    props.Add("Left", "1");
    props.Add("@x", "2");
    props.Add("[y", "3");
    props.Add(QString::fromUtf8("Äb"), "4");
    props.Add(QString::fromUtf8("\u212Aey"), "5"); // the Kelvin sign folds to k
    const struct {
        const char* Key;
        const char* Value;
    } cases[] = {
        {"left", "1"}, {"LEFT", "1"}, {"lef", ""}, {"lefts", ""}, {"`x", ""},
        {"@X", "2"},   {"{y", ""},    {"[Y", "3"}, {"äB", "4"},   {"KEY", "5"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(props.Value(QString::fromUtf8(c.Key)), QString::fromUtf8(c.Value)) << c.Key;
}

TEST(SceneText, TypedReaders) {
    TPropList props;
    props.Add("n", "42");
    props.Add("big", "2147483648");
    props.Add("bad", "12abc");
    props.Add("f", "1.25");
    props.Add("inf", "inf");
    int32_t value = 7;
    EXPECT_TRUE(ReadIntProp(props, u"N", value));
    EXPECT_EQ(value, 42);
    EXPECT_FALSE(ReadIntProp(props, u"big", value));
    EXPECT_FALSE(ReadIntProp(props, u"bad", value));
    EXPECT_FALSE(ReadIntProp(props, u"missing", value));
    EXPECT_EQ(value, 42);
    float f = 3;
    EXPECT_TRUE(ReadFloatProp(props, u"f", f));
    EXPECT_EQ(f, 1.25f);
    EXPECT_FALSE(ReadFloatProp(props, u"inf", f));
    EXPECT_EQ(f, 1.25f);
    QString s = "old";
    EXPECT_FALSE(ReadStringProp(props, u"missing", s));
    EXPECT_EQ(s, "");
}

TEST(SceneText, FloatsFollowTheLocaleAndFallBackToPoint) {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    float value = 0;
    EXPECT_TRUE(TextToFloat("1,5", value));
    EXPECT_EQ(value, 1.5f);
    EXPECT_TRUE(TextToFloat("2.25", value));
    EXPECT_EQ(value, 2.25f);
    EXPECT_TRUE(TextToFloat("1.234", value)); // a point, never a group separator
    EXPECT_EQ(value, 1.234f);
    EXPECT_FALSE(TextToFloat("1.234,5", value));
    EXPECT_EQ(FloatToText(1.5f), "1,5");
    EXPECT_EQ(FloatToText(1234.5f), "1234,5");
    QLocale::setDefault(QLocale::c());
    EXPECT_EQ(FloatToText(0.1f), "0.1");
}

} // namespace
