#include "goods.h"

#include "base/inifile.h"
#include "base/numbers.h"
#include "random.h"

#include <QCoreApplication>

namespace {

const char* const KeySuffixes[GoodsCount] = {".gold",  ".food",  ".coal", ".iron",  ".oil",
                                             ".stone", ".water", ".wood", ".energy"};

const char* const Names[GoodsCount] = {
    QT_TRANSLATE_NOOP("Goods", "Золото"),       QT_TRANSLATE_NOOP("Goods", "Продовольствие"),
    QT_TRANSLATE_NOOP("Goods", "Уголь"),        QT_TRANSLATE_NOOP("Goods", "Железо"),
    QT_TRANSLATE_NOOP("Goods", "Нефть"),        QT_TRANSLATE_NOOP("Goods", "Камень"),
    QT_TRANSLATE_NOOP("Goods", "Вода"),         QT_TRANSLATE_NOOP("Goods", "Дерево"),
    QT_TRANSLATE_NOOP("Goods", "Электричество")};

} // namespace

QString GoodName(int good) {
    return QCoreApplication::translate("Goods", Names[good]);
}

QLatin1StringView GoodKey(int good) {
    return QLatin1StringView(KeySuffixes[good] + 1);
}

void AddResources(TResources& stock, const TResources& delta) {
    for (int i = 0; i < GoodsCount; ++i)
        stock[i] = SaturatingAdd(stock[i], delta[i]);
}

void SubtractResources(TResources& stock, const TResources& amount) {
    for (int i = 0; i < GoodsCount; ++i)
        stock[i] = SaturatingSub(stock[i], amount[i]);
}

bool Covers(const TResources& stock, const TResources& need) {
    for (int i = 0; i < GoodsCount; ++i)
        if (stock[i] < need[i])
            return false;
    return true;
}

void ClampNegatives(TResources& stock) {
    for (int32_t& v : stock.Items)
        v = std::max(v, 0);
}

void ClearResources(TResources& stock) {
    stock.Items.fill(0);
}

bool IsEmpty(const TResources& v) {
    return v == TResources{};
}

void RandomizeResources(TRandom& random, TResources& v, const TResources& range) {
    for (int i = 0; i < GoodsCount; ++i)
        v[i] = RandomAround(random, v[i], range[i]);
}

TResources ReadResources(const TIniSection& section, const QString& prefix) {
    TResources result;
    // One key for the nine names, the prefix followed by each good's suffix.
    QString key = prefix;
    key.reserve(prefix.size() + 8);
    for (int i = 0; i < GoodsCount; ++i) {
        key.truncate(prefix.size());
        key += QLatin1String(KeySuffixes[i]);
        result[i] = section.ReadInteger(key, 0);
    }
    return result;
}
