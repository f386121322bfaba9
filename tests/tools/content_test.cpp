// The game's own content: the catalogues, map "01", the pictures, the sounds
// and the help, checked for being complete, well-formed and playable. Map
// "01" passes the checks of every generated island too (tests/island).

#include "base/language.h"
#include "land/earth.h"
#include "land/maptexts.h"
#include "model/basetype.h"
#include "model/datatexts.h"
#include "model/eventtype.h"
#include "model/goods.h"
#include "model/playercommands.h"
#include "tools/gen/tsfile.h"

#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>

namespace {

const QString GameData = QStringLiteral(TARVENIA_GAME_DATA);
const QString Images = QStringLiteral(TARVENIA_RESOURCES "/images/");

TBaseTypeList Catalogue() {
    TBaseTypeList types;
    LoadBaseTypes(types, GameData);
    return types;
}

const TEarth& Map() {
    static TEarth* earth = [] {
        auto* e = new TEarth;
        e->LoadEarth(QStringLiteral("01"), GameData);
        return e;
    }();
    return *earth;
}

} // namespace

TEST(Content, CatalogueMakesAnEconomy) {
    const TBaseTypeList types = Catalogue();
    ASSERT_EQ(types.size(), 22u);
    EXPECT_EQ(types.front().Id, QStringLiteral("Colony"));
    EXPECT_GT(types.front().HomePlaces, 0);

    QSet<int> pictures, grounds;
    uint8_t styles = 0;
    TResources produced;
    for (const TBaseType& t : types) {
        EXPECT_FALSE(t.Caption.isEmpty()) << qPrintable(t.Id);
        EXPECT_NE(t.WorkSeasons, 0) << qPrintable(t.Id);
        EXPECT_GT(t.Price, 0) << qPrintable(t.Id);
        EXPECT_TRUE(t.HomePlaces > 0 || t.NeedWorkers > 0) << qPrintable(t.Id);
        pictures.insert(t.ImageIndex);
        grounds.insert(t.NeedEarth);
        styles |= t.Style;
        for (int g = 0; g < GoodsCount; ++g) {
            produced[g] += t.Profit[g] > 0;
            // A producer never loses more of a good than its range allows.
            EXPECT_LE(t.ProfitRange[g], t.Profit[g]) << qPrintable(t.Id);
        }
    }
    EXPECT_EQ(pictures.size(), 22) << "one picture per type";
    EXPECT_EQ(*std::min_element(pictures.begin(), pictures.end()), 0);
    EXPECT_EQ(*std::max_element(pictures.begin(), pictures.end()), 21);
    EXPECT_EQ(grounds, (QSet<int>{2, 3, 4, 5, 6, 7, 8, 10}));
    EXPECT_EQ(styles, bsNoNearBase | bsNoPreserve | bsPlan | bsNoOccupy);
    for (int g = 0; g < GoodsCount; ++g)
        EXPECT_GT(produced[g], 0) << "nobody produces " << qPrintable(GoodName(g));
}

TEST(Content, EveryGoodHasAProducerOnItsNaturalGround) {
    const TBaseTypeList types = Catalogue();
    const std::vector<std::pair<int, int>> groundOfGood{
        {gdGold, ekGold}, {gdFood, ekLand},  {gdCoal, ekCoal},   {gdIron, ekOre},
        {gdOil, ekOil},   {gdStone, ekLand}, {gdWater, ekWater}, {gdWood, ekForest}};
    for (const auto& [good, ground] : groundOfGood)
        EXPECT_TRUE(std::any_of(types.begin(), types.end(), [&](const TBaseType& t) {
            return t.Profit[good] > 0 && t.NeedEarth == ground;
        })) << qPrintable(GoodName(good));
    // Electricity is made by burning coal or oil.
    for (int fuel : {gdCoal, gdOil})
        EXPECT_TRUE(std::any_of(types.begin(), types.end(), [&](const TBaseType& t) {
            return t.Profit[gdEnergy] > 0 && t.Consume[fuel] > 0;
        })) << qPrintable(GoodName(fuel));
}

TEST(Content, EveryEventStrikesAKnownType) {
    const TBaseTypeList types = Catalogue();
    QSet<QString> ids;
    for (const TBaseType& t : types)
        ids.insert(t.Id);
    TEventTypeList events;
    LoadEventTypes(events, GameData);
    EXPECT_GE(events.size(), 15u);
    for (const TEventType& e : events) {
        EXPECT_TRUE(ids.contains(e.Target)) << qPrintable(e.Target);
        EXPECT_FALSE(e.Message.isEmpty()) << qPrintable(e.Target);
    }
}

TEST(Content, MapStartsOnOpenLandNearItsResources) {
    const TEarth& map = Map();
    const QPoint start = map.StartCell;
    ASSERT_TRUE(TTerrainGrid::Contains(start.x(), start.y()));
    EXPECT_EQ(map.EarthKind(start.x(), start.y()), ekLand);
    QSet<int> nearby;
    for (int dc = -10; dc <= 10; ++dc)
        for (int dr = -10; dr <= 10; ++dr)
            nearby.insert(map.EarthKind(start.x() + dc, start.y() + dr));
    for (int kind : {ekLand, ekWater, ekForest, ekCoal})
        EXPECT_TRUE(nearby.contains(kind)) << kind;
    // The view opens with the start cell inside it.
    const QRect view(map.StartScreen, QSize(537, 369));
    EXPECT_TRUE(view.contains(start * CellSize + QPoint(12, 12)));
}

TEST(Content, ImageStripsHaveTheirSizesAndCounts) {
    struct TStrip {
        const char* Name;
        int Width, Height, Count;
    };
    const std::vector<TStrip> strips{{"imlTools", 25, 25, 29},       {"imlBases", 25, 25, 22},
                                     {"imlEarth", 25, 25, 70},       {"imlIcons", 14, 14, 7},
                                     {"imlSeasons", 121, 57, 4},     {"imlMarketItem", 197, 16, 1},
                                     {"imlSelectSea", 25, 25, 12},   {"imlSelectCoast", 25, 25, 12},
                                     {"imlSelectEarth", 25, 25, 12}, {"title", 447, 251, 1}};
    for (const TStrip& s : strips) {
        const QImage image(Images + QLatin1String(s.Name) + QStringLiteral(".png"));
        EXPECT_EQ(image.size(), QSize(s.Width * s.Count, s.Height)) << s.Name;
        EXPECT_TRUE(image.hasAlphaChannel()) << s.Name;
    }
    // Building pictures hide everything under them.
    const QImage bases(Images + QStringLiteral("imlBases.png"));
    for (int x = 0; x < bases.width(); ++x)
        for (int y = 0; y < bases.height(); ++y)
            ASSERT_EQ(qAlpha(bases.pixel(x, y)), 255) << x << "," << y;
    EXPECT_FALSE(QImage(Images + QStringLiteral("about.png")).isNull());
    EXPECT_FALSE(QImage(Images + QStringLiteral("icon.png")).isNull());
}

TEST(Content, SharpPicturesAreDrawnAtTwiceTheSize) {
    const char* const names[] = {"imlTools",     "imlBases",       "imlEarth",
                                 "imlIcons",     "imlSeasons",     "imlMarketItem",
                                 "imlSelectSea", "imlSelectCoast", "imlSelectEarth",
                                 "title",        "about",          "icon"};
    for (const char* name : names) {
        const QImage plain(Images + QLatin1String(name) + QStringLiteral(".png"));
        const QImage sharp(Images + QLatin1String(name) + QStringLiteral("@2x.png"));
        ASSERT_EQ(sharp.size(), plain.size() * 2) << name;
        // Pixels that an enlargement of the plain picture would not give.
        const QImage enlarged =
            plain.scaled(sharp.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
        int differing = 0;
        for (int y = 0; y < sharp.height(); ++y)
            for (int x = 0; x < sharp.width(); ++x) {
                const QRgb a = sharp.pixel(x, y), b = enlarged.pixel(x, y);
                differing += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
                                 std::abs(qBlue(a) - qBlue(b)) + std::abs(qAlpha(a) - qAlpha(b)) >
                             24;
            }
        const double share = static_cast<double>(differing) / (sharp.width() * sharp.height());
        if (QByteArray(name).startsWith("imlSelect"))
            EXPECT_EQ(differing, 0) << name << ": the frames are exact pixels, only bigger";
        else
            EXPECT_GT(share, 0.015) << name;
    }
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        const QImage icon(
            Images +
            QStringLiteral("../icons/hicolor/%1x%1/apps/org.tarvenia.Tarvenia.png").arg(size));
        EXPECT_EQ(icon.size(), QSize(size, size));
    }
}

TEST(Content, SelectionFramesRunTheirDashesAroundTheBorder) {
    // The 96 border pixels clockwise from the top-left corner.
    std::vector<QPoint> border;
    for (int x = 0; x < 24; ++x)
        border.emplace_back(x, 0);
    for (int y = 0; y < 24; ++y)
        border.emplace_back(24, y);
    for (int x = 24; x > 0; --x)
        border.emplace_back(x, 24);
    for (int y = 24; y > 0; --y)
        border.emplace_back(0, y);
    const std::vector<std::pair<const char*, QRgb>> lists{{"imlSelectSea", qRgb(0, 255, 255)},
                                                          {"imlSelectCoast", qRgb(255, 255, 255)},
                                                          {"imlSelectEarth", qRgb(255, 255, 0)}};
    for (const auto& [name, colour] : lists) {
        const QImage strip(Images + QLatin1String(name) + QStringLiteral(".png"));
        ASSERT_EQ(strip.width(), 12 * 25) << name;
        for (int frame = 0; frame < 12; ++frame) {
            const QImage picture = strip.copy(frame * 25, 0, 25, 25);
            for (int k = 0; k < 96; ++k) {
                // 13 black then 11 coloured, moved two pixels on per frame.
                const bool black = ((k - 2 * frame) % 24 + 24) % 24 < 13;
                EXPECT_EQ(picture.pixel(border[k]), black ? qRgb(0, 0, 0) : colour)
                    << name << " frame " << frame << " pixel " << k;
            }
            for (int x = 1; x < 24; ++x)
                for (int y = 1; y < 24; ++y)
                    ASSERT_EQ(qAlpha(picture.pixel(x, y)), 0)
                        << name << " inside " << x << "," << y;
        }
    }
}

TEST(Content, SoundsAreShortMonoPcmClips) {
    const QStringList names{
        QStringLiteral("Base"),       QStringLiteral("BaseSale"), QStringLiteral("Button"),
        QStringLiteral("Destroy"),    QStringLiteral("Error"),    QStringLiteral("FindSlow"),
        QStringLiteral("GoodEarth"),  QStringLiteral("Hello"),    QStringLiteral("MarketBuy"),
        QStringLiteral("MarketSale"), QStringLiteral("Message"),  QStringLiteral("Nalog"),
        QStringLiteral("NewDay"),     QStringLiteral("Preserve"), QStringLiteral("Restore"),
        QStringLiteral("Season")};
    EXPECT_EQ(QDir(QStringLiteral(TARVENIA_RESOURCES "/sounds")).entryList(QDir::Files).size(),
              names.size());
    for (const QString& name : names) {
        QFile file(QStringLiteral(TARVENIA_RESOURCES "/sounds/") + name + QStringLiteral(".wav"));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << qPrintable(name);
        const QByteArray wav = file.readAll();
        ASSERT_GT(wav.size(), 44) << qPrintable(name);
        QDataStream in(wav);
        in.setByteOrder(QDataStream::LittleEndian);
        quint32 riff, size, wave, fmt, fmtSize, rate, byteRate, data, dataSize;
        quint16 format, channels, align, bits;
        in >> riff >> size >> wave >> fmt >> fmtSize >> format >> channels >> rate >> byteRate >>
            align >> bits >> data >> dataSize;
        EXPECT_EQ(wav.left(4), "RIFF");
        EXPECT_EQ(wav.mid(8, 8), "WAVEfmt ");
        EXPECT_EQ(format, 1) << qPrintable(name);
        EXPECT_EQ(channels, 1) << qPrintable(name);
        EXPECT_EQ(bits, 16) << qPrintable(name);
        EXPECT_EQ(wav.mid(36, 4), "data");
        EXPECT_EQ(static_cast<qint64>(dataSize) + 44, wav.size()) << qPrintable(name);
        EXPECT_LE(dataSize / byteRate, 3u) << qPrintable(name);
        EXPECT_GT(dataSize, byteRate / 50) << qPrintable(name);
    }
}

// A data catalogue's finished translations, by file, key and Russian text.
QHash<QString, QString> DataTranslations(const TLanguageRow& language) {
    QHash<QString, QString> translated;
    for (const TTsMessage& message :
         ReadTsFile(QStringLiteral(TARVENIA_SOURCE_TRANSLATIONS "/data%1.ts").arg(language.Suffix)))
        if (message.Finished && !message.Translation.isEmpty())
            translated.insert(message.Context + u'|' + message.Comment + u'|' + message.Source,
                              message.Translation);
    return translated;
}

TEST(Content, EveryDataTextIsTranslated) {
    const std::vector<TDataEntry> texts = DataFolderTexts(GameData);
    for (const TLanguageRow& language : Languages()) {
        if (IsSourceLanguage(language))
            continue;
        const QHash<QString, QString> translated = DataTranslations(language);
        QSet<QString> files;
        for (const TDataEntry& text : texts) {
            files.insert(text.File);
            EXPECT_TRUE(translated.contains(text.File + u'|' + text.Key + u'|' + text.Text))
                << language.Code << " " << qPrintable(text.File) << " " << qPrintable(text.Key);
        }
        // The catalogue, the events, every shipped scenario and map have their texts.
        const auto count = [](const char* folder, const QString& files) {
            return QDir(GameData + u'/' + QLatin1String(folder))
                .entryList({files}, QDir::Files)
                .size();
        };
        EXPECT_EQ(files.size(), 2 + count("SCENARIOS", QStringLiteral("*.ini")) +
                                    count("MAPS", QStringLiteral("*.WLL")));
    }
}

// Bringing a catalogue up to the texts keeps its language, its finished
// translations, and a changed text's former one to start from.
TEST(TsFile, KeepsItsLanguageAndTranslations) {
    const QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("data_de.ts"));
    const std::vector<TDataEntry> texts = {{"A.INI", "Hut/Caption", "Хижина"},
                                           {"A.INI", "Mill/Caption", "Новая мельница"}};
    for (const QString language : {"de_DE", "en_US"}) {
        QFile file(path);
        if (language == u"de_DE") {
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write("<TS version=\"2.1\" language=\"de_DE\"><context><name>A.INI</name>"
                       "<message><source>Хижина</source><comment>Hut/Caption</comment>"
                       "<translation>Hütte</translation></message>"
                       "<message><source>Мельница</source><comment>Mill/Caption</comment>"
                       "<translation>Mühle</translation></message></context></TS>");
            file.close();
        } else {
            file.remove();
        }
        ASSERT_TRUE(UpdateTsFile(path, texts));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_TRUE(file.readAll().contains("language=\"" + language.toUtf8() + '"'));
        const std::vector<TTsMessage> read = ReadTsFile(path);
        ASSERT_EQ(read.size(), 2u);
        const bool kept = language == u"de_DE";
        EXPECT_EQ(read[0].Translation, kept ? QStringLiteral("Hütte") : QString());
        EXPECT_EQ(read[0].Finished, kept);
        EXPECT_EQ(read[1].Translation, kept ? QStringLiteral("Mühle") : QString());
        EXPECT_FALSE(read[1].Finished);
    }
}

TEST(Content, HelpOpensAtTopicTenAndNamesEveryBuildingAndKey) {
    for (const TLanguageRow& language : Languages()) {
        const bool source = IsSourceLanguage(language);
        const QHash<QString, QString> translated =
            source ? QHash<QString, QString>() : DataTranslations(language);
        const QString page = QLatin1String(language.HelpPage);
        QFile file(GameData + u'/' + page);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << qPrintable(page);
        const QString html = QString::fromUtf8(file.readAll());
        const qsizetype anchor = html.indexOf(QStringLiteral("<a name=\"10\""));
        ASSERT_GE(anchor, 0);
        EXPECT_LT(anchor, html.indexOf(QStringLiteral("<h1>")));
        for (const TBaseType& t : Catalogue()) {
            const QString caption =
                source ? t.Caption
                       : translated.value(
                             QStringLiteral("BASES.INI|%1/Caption|%2").arg(t.Id, t.Caption));
            EXPECT_TRUE(!caption.isEmpty() && html.contains(caption.toHtmlEscaped()))
                << qPrintable(page) << " " << qPrintable(t.Id);
        }
        for (const TPlayerCommand& command : PlayerCommands())
            EXPECT_TRUE(html.contains(QStringLiteral("<kbd>%1</kbd>").arg(QChar(command.Letter))))
                << qPrintable(page) << " " << command.Hint;
        EXPECT_FALSE(html.contains(QRegularExpression(QStringLiteral("\\{[a-zA-Z]+\\}|%[0-9]"))))
            << qPrintable(page);
    }
}
