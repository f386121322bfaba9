#include "eventtype.h"

#include "inifile.h"
#include "random.h"

#include <QDir>
#include <iterator>

void ReadEventType(TEventType& event, const TIniFile& ini, const QString& section) {
    event.Target = ini.ReadString(section, QStringLiteral("Target"), QString());
    event.Message = ini.ReadString(section, QStringLiteral("Message"), QString());
    event.LiveYears = ini.ReadInteger(section, QStringLiteral("LiveYears"), 0);
    event.LiveYearsRange = ini.ReadInteger(section, QStringLiteral("LiveYearsRange"), 0);
    event.People = ini.ReadInteger(section, QStringLiteral("People"), 0);
    event.PeopleRange = ini.ReadInteger(section, QStringLiteral("PeopleRange"), 0);
    event.Sunduk = ReadResources(ini, section, QStringLiteral("Sunduk"));
    event.SundukRange = ReadResources(ini, section, QStringLiteral("SundukRange"));
}

TEventTypeList LoadEventTypesFrom(const TIniFile& ini) {
    return ReadSections<TEventType>(ini, ReadEventType);
}

void LoadEventTypes(TEventTypeList& list, const QString& folder) {
    TEventTypeList loaded = LoadEventTypesFrom(TIniFile(QDir(folder).filePath("EVENTS.INI")));
    list.insert(list.end(), std::make_move_iterator(loaded.begin()),
                std::make_move_iterator(loaded.end()));
}

TEventOutcome RollEvent(const TEventType& event) {
    TEventOutcome outcome;
    outcome.Years = RandomAround(event.LiveYears, event.LiveYearsRange);
    outcome.Persons = RandomAround(event.People, event.PeopleRange);
    outcome.Found = event.Sunduk;
    RandomizeResources(outcome.Found, event.SundukRange);
    return outcome;
}
