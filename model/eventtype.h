#pragma once

#include "goods.h"

#include <QString>
#include <cstdint>
#include <vector>

class TIniFile;
class TIniSection;

// A random happening at a working building, as the event catalogue describes it.
struct TEventType {
    QString Id;     // its section in the file
    QString Target; // Id of the building type it strikes, compared exactly
    QString Message;
    int32_t LiveYears = 0;
    int32_t LiveYearsRange = 0;
    int32_t People = 0;
    int32_t PeopleRange = 0;
    TResources Sunduk;
    TResources SundukRange;
};

using TEventTypeList = std::vector<TEventType>;

// What one occurrence of an event does, drawn by RollEvent.
struct TEventOutcome {
    int32_t Years = 0;
    int32_t Persons = 0;
    TResources Found;
};

void ReadEventType(TEventType& event, const TIniSection& section);
// Reads every section of EVENTS.INI in the given folder, in file order; a
// missing file gives no events.
void LoadEventTypes(TEventTypeList& list, const QString& folder);
TEventTypeList LoadEventTypesFrom(const TIniFile& ini);

// Draws years, then persons, then the found goods, in that order.
TEventOutcome RollEvent(const TEventType& event, TRandom& random);
