#pragma once

#include "model/idle.h"

#include <cstdint>

class TGame;

// Below this health no one is born, and people leave more often.
inline constexpr int32_t HealthForBirths = 500;

// What one day did to the colony, for the messages of the turn.
struct TDayResult {
    bool SeasonChanged = false;
    int32_t Destroyed = 0;
    bool Homeless = false; // people left for lack of housing
    int32_t Births = 0;
    int32_t Departures = 0; // the homeless who left are counted here too
    TWaitingTally Waiting;  // the buildings that lacked goods or workers
};

// One day of the colony: upkeep and health, births and departures, workers
// and goods, construction, production and wear, housing, ruins, the founding
// building's rule and the date.
TDayResult NextDay(TGame& game);
