#include "basetype.h"

#include "base/inifile.h"
#include "base/numbers.h"
#include "base/terrain.h"
#include "gamedate.h"

#include <QDir>
#include <iterator>

namespace {

// Counts and prices cannot be negative; a negative value reads as 0.
int32_t ReadCount(const TIniSection& section, const char* key) {
    return std::max(section.ReadInteger(QString::fromLatin1(key), 0), 0);
}

struct TKeyword {
    const char* Word;
    uint8_t Flag;
};

// Keywords are searched as case-sensitive substrings, in any order.
uint8_t Flags(const QString& text, std::initializer_list<TKeyword> keywords) {
    uint8_t flags = 0;
    for (const TKeyword& k : keywords)
        if (text.contains(QLatin1String(k.Word), Qt::CaseSensitive))
            flags |= k.Flag;
    return flags;
}

} // namespace

int32_t TBaseType::FullLifeDays() const {
    return ClampToInt32(static_cast<int64_t>(LiveYears) * DaysPerYear);
}

bool TBaseType::AcceptsEarth(int kind) const {
    if (!IsBuildableKind(kind))
        return false;
    return NeedEarth == AnyBuildableEarth || NeedEarth == kind;
}

void ReadBaseType(TBaseType& type, const TIniSection& section) {
    type.Id = section.Name();
    type.Caption = section.ReadString(QStringLiteral("Caption"), QString());
    type.BuildTime = ReadCount(section, "BuildTime");
    type.ImageIndex = section.ReadInteger(QStringLiteral("ImageIndex"), 0);
    type.LiveYears = std::min(ReadCount(section, "LiveYears"), MaxLiveYears);
    type.HomePlaces = ReadCount(section, "HomePlaces");
    type.NeedWorkers = ReadCount(section, "NeedWorkers");
    type.Price = ReadCount(section, "Price");
    type.Style =
        Flags(section.ReadString(QStringLiteral("Style"), QString()), {{"NoNearBase", bsNoNearBase},
                                                                       {"NoPreserve", bsNoPreserve},
                                                                       {"Plan", bsPlan},
                                                                       {"NoOccupy", bsNoOccupy}});
    type.NeedEarth = section.ReadInteger(QStringLiteral("NeedEarth"), 2);
    type.WorkSeasons = Flags(section.ReadString(QStringLiteral("WorkSeasons"), QString()),
                             {{"Summer", 1 << ssSummer},
                              {"Autumn", 1 << ssAutumn},
                              {"Winter", 1 << ssWinter},
                              {"Spring", 1 << ssSpring}});
    type.Consume = ReadResources(section, QStringLiteral("Consume"));
    type.Profit = ReadResources(section, QStringLiteral("Profit"));
    type.ProfitRange = ReadResources(section, QStringLiteral("ProfitRange"));
}

TBaseTypeList LoadBaseTypesFrom(const TIniFile& ini) {
    return ReadSections<TBaseType>(ini, ReadBaseType);
}

void LoadBaseTypes(TBaseTypeList& list, const QString& folder) {
    TBaseTypeList loaded = LoadBaseTypesFrom(TIniFile(QDir(folder).filePath("BASES.INI")));
    list.insert(list.end(), std::make_move_iterator(loaded.begin()),
                std::make_move_iterator(loaded.end()));
}

const TBaseType* FindBaseType(const TBaseTypeList& list, const QString& id) {
    for (const TBaseType& type : list)
        if (type.Id == id)
            return &type;
    return nullptr;
}

int32_t RestoreRate(const TBaseType& type) {
    if (type.LiveYears == 0)
        return 0;
    return ClampToInt32(static_cast<int64_t>(type.Price) * 75 / type.LiveYears / 36400);
}
