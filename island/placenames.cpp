#include "island/placenames.h"

#include <QCoreApplication>
#include <algorithm>

namespace {

// A name is two syllables and an ending, as "Тар-вен-ия"; in another language
// each syllable is spelt as its catalogue has it, so that one island has one
// name in each.
const std::vector<const char*> Roots{
    QT_TRANSLATE_NOOP("IslandName", "Тар"), QT_TRANSLATE_NOOP("IslandName", "Вел"),
    QT_TRANSLATE_NOOP("IslandName", "Сар"), QT_TRANSLATE_NOOP("IslandName", "Бор"),
    QT_TRANSLATE_NOOP("IslandName", "Мир"), QT_TRANSLATE_NOOP("IslandName", "Лад"),
    QT_TRANSLATE_NOOP("IslandName", "Зар"), QT_TRANSLATE_NOOP("IslandName", "Вар"),
    QT_TRANSLATE_NOOP("IslandName", "Кар"), QT_TRANSLATE_NOOP("IslandName", "Сел"),
    QT_TRANSLATE_NOOP("IslandName", "Яр"),  QT_TRANSLATE_NOOP("IslandName", "Дал"),
    QT_TRANSLATE_NOOP("IslandName", "Ост"), QT_TRANSLATE_NOOP("IslandName", "Сев"),
    QT_TRANSLATE_NOOP("IslandName", "Бел"), QT_TRANSLATE_NOOP("IslandName", "Гор"),
    QT_TRANSLATE_NOOP("IslandName", "Вол"), QT_TRANSLATE_NOOP("IslandName", "Тур"),
    QT_TRANSLATE_NOOP("IslandName", "Дор"), QT_TRANSLATE_NOOP("IslandName", "Рос"),
    QT_TRANSLATE_NOOP("IslandName", "Сол"), QT_TRANSLATE_NOOP("IslandName", "Вер"),
    QT_TRANSLATE_NOOP("IslandName", "Мор"), QT_TRANSLATE_NOOP("IslandName", "Кам")};
const std::vector<const char*> Middles{
    QT_TRANSLATE_NOOP("IslandName", "вен"), QT_TRANSLATE_NOOP("IslandName", "дар"),
    QT_TRANSLATE_NOOP("IslandName", "мор"), QT_TRANSLATE_NOOP("IslandName", "лав"),
    QT_TRANSLATE_NOOP("IslandName", "рос"), QT_TRANSLATE_NOOP("IslandName", "син"),
    QT_TRANSLATE_NOOP("IslandName", "тов"), QT_TRANSLATE_NOOP("IslandName", "гор"),
    QT_TRANSLATE_NOOP("IslandName", "нел"), QT_TRANSLATE_NOOP("IslandName", "бер"),
    QT_TRANSLATE_NOOP("IslandName", "лен"), QT_TRANSLATE_NOOP("IslandName", "дон"),
    QT_TRANSLATE_NOOP("IslandName", "вар"), QT_TRANSLATE_NOOP("IslandName", "мир"),
    QT_TRANSLATE_NOOP("IslandName", "гар"), QT_TRANSLATE_NOOP("IslandName", "тен")};
const std::vector<const char*> Endings{
    QT_TRANSLATE_NOOP("IslandName", "ия"), QT_TRANSLATE_NOOP("IslandName", "ия"),
    QT_TRANSLATE_NOOP("IslandName", "ия"), QT_TRANSLATE_NOOP("IslandName", "ья"),
    QT_TRANSLATE_NOOP("IslandName", "а"),  QT_TRANSLATE_NOOP("IslandName", "ея")};

// The other names are whole phrases, translated as one.
const std::vector<const char*> Islets{
    QT_TRANSLATE_NOOP("PlaceName", "о. Чаячий"),    QT_TRANSLATE_NOOP("PlaceName", "о. Медвежий"),
    QT_TRANSLATE_NOOP("PlaceName", "о. Дальний"),   QT_TRANSLATE_NOOP("PlaceName", "о. Каменный"),
    QT_TRANSLATE_NOOP("PlaceName", "о. Рыбачий"),   QT_TRANSLATE_NOOP("PlaceName", "о. Лисий"),
    QT_TRANSLATE_NOOP("PlaceName", "о. Туманный"),  QT_TRANSLATE_NOOP("PlaceName", "о. Сосновый"),
    QT_TRANSLATE_NOOP("PlaceName", "о. Кривой"),    QT_TRANSLATE_NOOP("PlaceName", "о. Белый"),
    QT_TRANSLATE_NOOP("PlaceName", "о. Высокий"),   QT_TRANSLATE_NOOP("PlaceName", "о. Крутой"),
    QT_TRANSLATE_NOOP("PlaceName", "о. Песчаный"),  QT_TRANSLATE_NOOP("PlaceName", "о. Ветреный"),
    QT_TRANSLATE_NOOP("PlaceName", "о. Гусиный"),   QT_TRANSLATE_NOOP("PlaceName", "о. Тюлений"),
    QT_TRANSLATE_NOOP("PlaceName", "о. Моржовый"),  QT_TRANSLATE_NOOP("PlaceName", "о. Утиный"),
    QT_TRANSLATE_NOOP("PlaceName", "о. Заячий"),    QT_TRANSLATE_NOOP("PlaceName", "о. Волчий"),
    QT_TRANSLATE_NOOP("PlaceName", "о. Соколиный"), QT_TRANSLATE_NOOP("PlaceName", "о. Кедровый"),
    QT_TRANSLATE_NOOP("PlaceName", "о. Берёзовый"), QT_TRANSLATE_NOOP("PlaceName", "о. Янтарный"),
    QT_TRANSLATE_NOOP("PlaceName", "о. Малый"),     QT_TRANSLATE_NOOP("PlaceName", "о. Круглый"),
    QT_TRANSLATE_NOOP("PlaceName", "о. Длинный"),   QT_TRANSLATE_NOOP("PlaceName", "о. Тихий"),
    QT_TRANSLATE_NOOP("PlaceName", "о. Скалистый"), QT_TRANSLATE_NOOP("PlaceName", "о. Орлиный"),
    QT_TRANSLATE_NOOP("PlaceName", "о. Пустой"),    QT_TRANSLATE_NOOP("PlaceName", "о. Горелый"),
    QT_TRANSLATE_NOOP("PlaceName", "о. Рябиновый"), QT_TRANSLATE_NOOP("PlaceName", "о. Смоляной"),
    QT_TRANSLATE_NOOP("PlaceName", "о. Безымянный")};
const std::vector<const char*> Seas{QT_TRANSLATE_NOOP("PlaceName", "Северное море"),
                                    QT_TRANSLATE_NOOP("PlaceName", "Южное море"),
                                    QT_TRANSLATE_NOOP("PlaceName", "Студёное море"),
                                    QT_TRANSLATE_NOOP("PlaceName", "Тихое море"),
                                    QT_TRANSLATE_NOOP("PlaceName", "Серое море"),
                                    QT_TRANSLATE_NOOP("PlaceName", "Ветреное море"),
                                    QT_TRANSLATE_NOOP("PlaceName", "Туманное море"),
                                    QT_TRANSLATE_NOOP("PlaceName", "Белое море"),
                                    QT_TRANSLATE_NOOP("PlaceName", "Янтарное море"),
                                    QT_TRANSLATE_NOOP("PlaceName", "Холодное море"),
                                    QT_TRANSLATE_NOOP("PlaceName", "Бурное море"),
                                    QT_TRANSLATE_NOOP("PlaceName", "Светлое море"),
                                    QT_TRANSLATE_NOOP("PlaceName", "Полночное море"),
                                    QT_TRANSLATE_NOOP("PlaceName", "Западное море"),
                                    QT_TRANSLATE_NOOP("PlaceName", "Восточное море")};
const std::vector<const char*> Bays{QT_TRANSLATE_NOOP("PlaceName", "Залив Надежды"),
                                    QT_TRANSLATE_NOOP("PlaceName", "Залив Удачи"),
                                    QT_TRANSLATE_NOOP("PlaceName", "Залив Тишины"),
                                    QT_TRANSLATE_NOOP("PlaceName", "Залив Ветров"),
                                    QT_TRANSLATE_NOOP("PlaceName", "Залив Туманов"),
                                    QT_TRANSLATE_NOOP("PlaceName", "Залив Чаек"),
                                    QT_TRANSLATE_NOOP("PlaceName", "Залив Рыбаков"),
                                    QT_TRANSLATE_NOOP("PlaceName", "Залив Покоя"),
                                    QT_TRANSLATE_NOOP("PlaceName", "Залив Встреч"),
                                    QT_TRANSLATE_NOOP("PlaceName", "Залив Семи Ветров"),
                                    QT_TRANSLATE_NOOP("PlaceName", "Залив Первопроходцев"),
                                    QT_TRANSLATE_NOOP("PlaceName", "Залив Доброй Вести"),
                                    QT_TRANSLATE_NOOP("PlaceName", "Залив Штормов"),
                                    QT_TRANSLATE_NOOP("PlaceName", "Залив Якорей"),
                                    QT_TRANSLATE_NOOP("PlaceName", "Залив Мечты")};

QString Pick(TGenRandom& rng, const std::vector<const char*>& words) {
    return QString::fromUtf8(words[rng.Below(static_cast<int>(words.size()))]);
}

// Takes the word of the list that the name begins with off the name; nothing
// when none does.
const char* TakeWord(QStringView& name, const std::vector<const char*>& words) {
    for (const char* word : words) {
        const QString text = QString::fromUtf8(word);
        if (name.startsWith(text)) {
            name = name.mid(text.size());
            return word;
        }
    }
    return nullptr;
}

QString IslandSyllable(const char* syllable) {
    return QCoreApplication::translate("IslandName", syllable);
}

} // namespace

QString TPlaceNames::Island() {
    // One draw after the other: the operands of + may be evaluated in any order.
    const QString root = Pick(rng_, Roots);
    const QString middle = Pick(rng_, Middles);
    return root + middle + Pick(rng_, Endings);
}

QString TPlaceNames::Fresh(const std::vector<const char*>& names, std::vector<int>& used) {
    int index = rng_.Below(static_cast<int>(names.size()));
    // The next one not given yet, round the list.
    for (size_t tries = 0; tries < names.size(); ++tries) {
        if (std::find(used.begin(), used.end(), index) == used.end())
            break;
        index = (index + 1) % static_cast<int>(names.size());
    }
    used.push_back(index);
    return QString::fromUtf8(names[index]);
}

QString TPlaceNames::Islet() {
    return Fresh(Islets, usedIslets_);
}

QString TPlaceNames::Sea() {
    return Fresh(Seas, usedSeas_);
}

QString TPlaceNames::Bay() {
    return Pick(rng_, Bays);
}

QString PlaceNameInLanguage(const QString& name) {
    // No word of a list begins another of it, so a name splits one way only.
    QStringView rest(name);
    const char* root = TakeWord(rest, Roots);
    const char* middle = root ? TakeWord(rest, Middles) : nullptr;
    const char* ending = middle ? TakeWord(rest, Endings) : nullptr;
    if (ending && rest.isEmpty())
        return IslandSyllable(root) + IslandSyllable(middle) + IslandSyllable(ending);
    return QCoreApplication::translate("PlaceName", name.toUtf8().constData());
}
