#include "base/inifile.h"
#include "model/basetype.h"
#include "model/eventtype.h"
#include "model/random.h"

#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <set>

namespace {

TBaseType ReadType(const char* body) {
    const TIniFile ini = TIniFile::FromBytes(QByteArray("[T]\n") + body);
    TBaseType type;
    ReadBaseType(type, ini.Section("T"));
    return type;
}

TEST(BaseTypes, AnEmptySectionGivesTheDefaults) {
    const TBaseType t = ReadType("");
    EXPECT_EQ(t.Id, "T");
    EXPECT_TRUE(t.Caption.isEmpty());
    EXPECT_EQ(t.BuildTime, 0);
    EXPECT_EQ(t.Price, 0);
    EXPECT_EQ(t.LiveYears, 0);
    EXPECT_EQ(t.FullLifeDays(), 0);
    EXPECT_EQ(t.NeedEarth, 2);
    EXPECT_EQ(t.Style, 0);
    EXPECT_EQ(t.WorkSeasons, 0);
    for (int s = 0; s < 4; ++s)
        EXPECT_FALSE(t.WorksIn(s));
    EXPECT_TRUE(IsEmpty(t.Consume) && IsEmpty(t.Profit) && IsEmpty(t.ProfitRange));
}

TEST(BaseTypes, StyleAndSeasonKeywordsAreCaseSensitiveSubstrings) {
    struct {
        const char* line;
        uint8_t style;
        uint8_t seasons;
    } cases[] = {
        {"WorkSeasons=Summer,Winter", 0, 0b0101},
        {"WorkSeasons=Spring Summer Autumn Winter", 0, 0b1111},
        {"WorkSeasons=summer WINTER", 0, 0},
        {"WorkSeasons=SpringSummer", 0, 0b1001},
        {"Style=noNearBase", 0, 0},
        {"Style=NoNearBaseNoOccupy", bsNoNearBase | bsNoOccupy, 0},
        {"Style=Plan;NoPreserve and more", bsPlan | bsNoPreserve, 0},
        {"Style=\"NoOccupy\"", bsNoOccupy, 0},
    };
    for (const auto& c : cases) {
        const TBaseType t = ReadType(c.line);
        EXPECT_EQ(t.Style, c.style) << c.line;
        EXPECT_EQ(t.WorkSeasons, c.seasons) << c.line;
    }
}

TEST(BaseTypes, NeedEarthAcceptsItsGroundOrAnyBuildableOne) {
    struct {
        const char* line;
        std::set<int> accepted;
    } cases[] = {
        {"", {2}},
        {"NeedEarth=10", {2, 3, 4, 5, 6, 7, 8}},
        {"NeedEarth=5", {5}},
        {"NeedEarth=0", {}},
        {"NeedEarth=1", {}},
        {"NeedEarth=9", {}},
        {"NeedEarth=266", {}}, // the whole number counts: it does not wrap to 10
        {"NeedEarth=-246", {}},
        {"NeedEarth=x", {2}},
    };
    for (const auto& c : cases) {
        const TBaseType t = ReadType(c.line);
        for (int kind = -1; kind <= 11; ++kind)
            EXPECT_EQ(t.AcceptsEarth(kind), c.accepted.count(kind) == 1)
                << c.line << " kind " << kind;
    }
}

TEST(BaseTypes, NumbersReadWithDefaultsAndNegativeCountsAsZero) {
    const TBaseType t = ReadType("Caption=Дом\nBuildTime=-5\nImageIndex=-3\nLiveYears=-1\n"
                                 "HomePlaces=-2\nNeedWorkers=-4\nPrice=-100\n"
                                 "Consume.coal=-7\nProfit.wood=12abc\nProfitRange.food=3\n");
    EXPECT_EQ(t.BuildTime, 0);
    EXPECT_EQ(t.ImageIndex, -3); // drawn as nothing, not an error
    EXPECT_EQ(t.LiveYears, 0);
    EXPECT_EQ(t.HomePlaces, 0);
    EXPECT_EQ(t.NeedWorkers, 0);
    EXPECT_EQ(t.Price, 0);
    EXPECT_EQ(t.Consume[gdCoal], -7);
    EXPECT_EQ(t.Profit[gdWood], 0);
    EXPECT_EQ(t.ProfitRange[gdFood], 3);
}

TEST(BaseTypes, ServiceLifeInDaysNeverOverflows) {
    EXPECT_EQ(ReadType("LiveYears=20").FullLifeDays(), 7280);
    const TBaseType huge = ReadType("LiveYears=2000000000");
    EXPECT_EQ(huge.LiveYears, MaxLiveYears);
    EXPECT_EQ(huge.FullLifeDays(), MaxLiveYears * 364);
    EXPECT_GT(huge.FullLifeDays(), 0);
    EXPECT_EQ(ReadType("LiveYears=5899680").FullLifeDays(), 2147483520);
}

TEST(BaseTypes, RestoreRateDividesInItsOrder) {
    struct {
        const char* body;
        int32_t rate;
    } cases[] = {
        {"Price=100000\nLiveYears=20", 10}, // 375000 / 36400 truncated
        {"Price=1000\nLiveYears=50", 0},
        {"Price=1000\nLiveYears=0", 0},
        {"Price=36400\nLiveYears=1", 75},
        // Dividing by LiveYears first, then by 36400: 7 * 75 / 2 = 262, / 36400 = 0.
        {"Price=7\nLiveYears=2", 0},
        {"Price=2147483647\nLiveYears=1", 4424760}, // the product needs 64 bits
    };
    for (const auto& c : cases)
        EXPECT_EQ(RestoreRate(ReadType(c.body)), c.rate) << c.body;
}

TEST(BaseTypes, LoadingKeepsFileOrderAndAMissingFileIsEmpty) {
    QTemporaryDir dir;
    TBaseTypeList list;
    LoadBaseTypes(list, dir.path());
    EXPECT_TRUE(list.empty());

    QFile file(dir.filePath("BASES.INI"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    QStringEncoder encoder("windows-1251");
    file.write(encoder.encode(QString::fromUtf8(
        "[Mine]\r\nCaption=Шахта\r\n[Farm]\r\nPrice=5\r\n[Bank]\r\n[Farm]\r\nPrice=9\r\n")));
    file.close();
    LoadBaseTypes(list, dir.path());
    ASSERT_EQ(list.size(), 4u);
    EXPECT_EQ(list[0].Id, "Mine");
    EXPECT_EQ(list[0].Caption, QString::fromUtf8("Шахта"));
    EXPECT_EQ(list[1].Id, "Farm");
    EXPECT_EQ(list[2].Id, "Bank");
    // A repeated section is a second type, filled from the first section of that name.
    EXPECT_EQ(list[3].Id, "Farm");
    EXPECT_EQ(list[3].Price, 5);
}

TEST(Events, ReadAndLoadInFileOrder) {
    const TIniFile ini = TIniFile::FromBytes("[Flood]\nTarget=Well\nMessage=Wet\nLiveYears=-5\n"
                                             "LiveYearsRange=2\nPeople=3\nPeopleRange=1\n"
                                             "Sunduk.food=500\nSundukRange.food=200\n"
                                             "[Empty]\n");
    const TEventTypeList events = LoadEventTypesFrom(ini);
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events[0].Target, "Well");
    EXPECT_EQ(events[0].Message, "Wet");
    EXPECT_EQ(events[0].LiveYears, -5);
    EXPECT_EQ(events[0].LiveYearsRange, 2);
    EXPECT_EQ(events[0].People, 3);
    EXPECT_EQ(events[0].PeopleRange, 1);
    EXPECT_EQ(events[0].Sunduk[gdFood], 500);
    EXPECT_EQ(events[0].SundukRange[gdFood], 200);
    EXPECT_TRUE(events[1].Target.isEmpty());
    EXPECT_TRUE(events[1].Message.isEmpty());

    QTemporaryDir dir;
    TEventTypeList none;
    LoadEventTypes(none, dir.path());
    EXPECT_TRUE(none.empty());
}

TEST(Events, RollEventDrawsYearsThenPersonsThenGoodsWithinRanges) {
    TEventType event;
    event.LiveYears = -5;
    event.LiveYearsRange = 2;
    event.People = 10;
    event.PeopleRange = 0; // no draw for this one
    event.Sunduk[gdFood] = 500;
    event.SundukRange[gdFood] = 200;
    event.SundukRange[gdCoal] = 1;

    TRandom random(11);
    const TEventOutcome outcome = RollEvent(event, random);
    // The same draws, made by hand in the stated order, give the same outcome.
    TRandom again(11);
    const int32_t years = RandomAround(again, -5, 2);
    const int32_t food = RandomAround(again, 500, 200);
    const int32_t coal = RandomAround(again, 0, 1);
    EXPECT_EQ(outcome.Years, years);
    EXPECT_EQ(outcome.Persons, 10);
    EXPECT_EQ(outcome.Found[gdFood], food);
    EXPECT_EQ(outcome.Found[gdCoal], coal);

    for (int i = 0; i < 300; ++i) {
        const TEventOutcome o = RollEvent(event, random);
        EXPECT_GE(o.Years, -7);
        EXPECT_LE(o.Years, -3);
        EXPECT_GE(o.Found[gdFood], 300);
        EXPECT_LE(o.Found[gdFood], 700);
        EXPECT_EQ(o.Found[gdGold], 0);
    }
}

} // namespace
