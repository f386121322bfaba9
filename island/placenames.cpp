#include "island/placenames.h"

#include <algorithm>

namespace {

// A name is two syllables and an ending, as "Тар-вен-ия".
const std::vector<const char*> Roots{"Тар", "Вел", "Сар", "Бор", "Мир", "Лад", "Зар", "Вар",
                                     "Кар", "Сел", "Яр",  "Дал", "Ост", "Сев", "Бел", "Гор",
                                     "Вол", "Тур", "Дор", "Рос", "Сол", "Вер", "Мор", "Кам"};
const std::vector<const char*> Middles{"вен", "дар", "мор", "лав", "рос", "син", "тов", "гор",
                                       "нел", "бер", "лен", "дон", "вар", "мир", "гар", "тен"};
const std::vector<const char*> Endings{"ия", "ия", "ия", "ья", "а", "ея"};

const std::vector<const char*> Islets{
    "Чаячий",    "Медвежий",  "Дальний",  "Каменный", "Рыбачий",   "Лисий",    "Туманный",
    "Сосновый",  "Кривой",    "Белый",    "Высокий",  "Крутой",    "Песчаный", "Ветреный",
    "Гусиный",   "Тюлений",   "Моржовый", "Утиный",   "Заячий",    "Волчий",   "Соколиный",
    "Кедровый",  "Берёзовый", "Янтарный", "Малый",    "Круглый",   "Длинный",  "Тихий",
    "Скалистый", "Орлиный",   "Пустой",   "Горелый",  "Рябиновый", "Смоляной", "Безымянный"};
const std::vector<const char*> Seas{"Северное", "Южное",    "Студёное",  "Тихое",    "Серое",
                                    "Ветреное", "Туманное", "Белое",     "Янтарное", "Холодное",
                                    "Бурное",   "Светлое",  "Полночное", "Западное", "Восточное"};
const std::vector<const char*> Bays{"Надежды", "Удачи",       "Тишины",         "Ветров",
                                    "Туманов", "Чаек",        "Рыбаков",        "Покоя",
                                    "Встреч",  "Семи Ветров", "Первопроходцев", "Доброй Вести",
                                    "Штормов", "Якорей",      "Мечты"};

QString Pick(TGenRandom& rng, const std::vector<const char*>& words) {
    return QString::fromUtf8(words[rng.Below(static_cast<int>(words.size()))]);
}

} // namespace

QString TPlaceNames::Island() {
    // One draw after the other: the operands of + may be evaluated in any order.
    const QString root = Pick(rng_, Roots);
    const QString middle = Pick(rng_, Middles);
    return root + middle + Pick(rng_, Endings);
}

QString TPlaceNames::Fresh(const std::vector<const char*>& words, std::vector<int>& used) {
    int index = rng_.Below(static_cast<int>(words.size()));
    // The next one not given yet, round the list.
    for (size_t tries = 0; tries < words.size(); ++tries) {
        if (std::find(used.begin(), used.end(), index) == used.end())
            break;
        index = (index + 1) % static_cast<int>(words.size());
    }
    used.push_back(index);
    return QString::fromUtf8(words[index]);
}

QString TPlaceNames::Islet() {
    return QStringLiteral("о. ") + Fresh(Islets, usedIslets_);
}

QString TPlaceNames::Sea() {
    return Fresh(Seas, usedSeas_) + QStringLiteral(" море");
}

QString TPlaceNames::Bay() {
    return QStringLiteral("Залив ") + Pick(rng_, Bays);
}
