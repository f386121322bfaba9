#pragma once

#include "land/mapsource.h"
#include "model/basetype.h"
#include "model/eventtype.h"
#include "model/scenario.h"

#include <QString>
#include <QStringList>
#include <memory>

// The scenario named as the game and the simulator name it (a file's name in
// the SCENARIOS of the data folder or the save folder, or a path), read and
// checked. Throws TGameError naming the scenario and its first fault.
std::shared_ptr<const TScenario> LoadScenario(const QString& nameOrPath,
                                              const TBaseTypeList& catalogue,
                                              const TEventTypeList& events,
                                              const QString& dataFolder, const QString& saveFolder);

// The land the scenario is played on; throws TGameError when its file names
// none that the game can read.
TMapSource ScenarioLand(const TScenario& scenario);

// Every fault of the scenario file that keeps it from being played: its own,
// then its land's (a map that cannot be read, looked up in the folders'
// MAPS) and its start's (a building that cannot stand where it is put), found
// by starting it as the game would. None for a file that can be played.
QStringList CheckScenarioFile(const QString& path, const TBaseTypeList& catalogue,
                              const TEventTypeList& events, const QStringList& folders);
