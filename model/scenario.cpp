#include "scenario.h"

#include <QCoreApplication>
#include <algorithm>

TDifficultyRules RulesOf(TDifficulty difficulty) {
    switch (difficulty) {
    case TDifficulty::Easy:
        return {150, 75};
    case TDifficulty::Normal:
        break;
    case TDifficulty::Hard:
        return {70, 130};
    }
    return {};
}

QString DifficultyName(TDifficulty difficulty) {
    switch (difficulty) {
    case TDifficulty::Easy:
        return QCoreApplication::translate("Scenario", "Лёгкая");
    case TDifficulty::Normal:
        break;
    case TDifficulty::Hard:
        return QCoreApplication::translate("Scenario", "Трудная");
    }
    return QCoreApplication::translate("Scenario", "Обычная");
}

const char* DifficultyWord(TDifficulty difficulty) {
    switch (difficulty) {
    case TDifficulty::Easy:
        return "easy";
    case TDifficulty::Normal:
        break;
    case TDifficulty::Hard:
        return "hard";
    }
    return "normal";
}

std::optional<TDifficulty> DifficultyOfWord(QStringView word) {
    for (const TDifficulty difficulty : {TDifficulty::Easy, TDifficulty::Normal, TDifficulty::Hard})
        if (word.compare(QLatin1StringView(DifficultyWord(difficulty)), Qt::CaseInsensitive) == 0)
            return difficulty;
    return std::nullopt;
}

QString MedalName(TMedal medal) {
    switch (medal) {
    case TMedal::Gold:
        return QCoreApplication::translate("Scenario", "золотая медаль");
    case TMedal::Silver:
        return QCoreApplication::translate("Scenario", "серебряная медаль");
    case TMedal::Bronze:
        return QCoreApplication::translate("Scenario", "бронзовая медаль");
    case TMedal::None:
        break;
    }
    return QCoreApplication::translate("Scenario", "без медали");
}

bool TScenario::Allows(const TBaseType& type) const {
    return Allowed.isEmpty() || Allowed.contains(type.Id, Qt::CaseInsensitive);
}

bool TScenario::Excludes(const TEventType& event) const {
    return NoEvents.contains(event.Id, Qt::CaseInsensitive);
}

TMedal TScenario::MedalOn(const TGameDate& won) const {
    for (size_t i = 0; i < MedalDates.size(); ++i)
        if (MedalDates[i] && !(*MedalDates[i] < won))
            return static_cast<TMedal>(i);
    return TMedal::None;
}
