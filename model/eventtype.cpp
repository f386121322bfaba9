#include "eventtype.h"

#include "base/inifile.h"
#include "random.h"

#include <QDir>
#include <iterator>

void ReadEventType(TEventType& event, const TIniSection& section) {
    event.Id = section.Name();
    event.Target = section.ReadString(QStringLiteral("Target"), QString());
    event.Message = section.ReadString(QStringLiteral("Message"), QString());
    event.LiveYears = section.ReadInteger(QStringLiteral("LiveYears"), 0);
    event.LiveYearsRange = section.ReadInteger(QStringLiteral("LiveYearsRange"), 0);
    event.People = section.ReadInteger(QStringLiteral("People"), 0);
    event.PeopleRange = section.ReadInteger(QStringLiteral("PeopleRange"), 0);
    event.Sunduk = ReadResources(section, QStringLiteral("Sunduk"));
    event.SundukRange = ReadResources(section, QStringLiteral("SundukRange"));
}

TEventTypeList LoadEventTypesFrom(const TIniFile& ini) {
    return ReadSections<TEventType>(ini, ReadEventType);
}

void LoadEventTypes(TEventTypeList& list, const QString& folder) {
    TEventTypeList loaded = LoadEventTypesFrom(TIniFile(QDir(folder).filePath("EVENTS.INI")));
    list.insert(list.end(), std::make_move_iterator(loaded.begin()),
                std::make_move_iterator(loaded.end()));
}

TEventOutcome RollEvent(const TEventType& event, TRandom& random) {
    TEventOutcome outcome;
    outcome.Years = RandomAround(random, event.LiveYears, event.LiveYearsRange);
    outcome.Persons = RandomAround(random, event.People, event.PeopleRange);
    outcome.Found = event.Sunduk;
    RandomizeResources(random, outcome.Found, event.SundukRange);
    return outcome;
}
