#include "scenarioland.h"

#include "land/earth.h"
#include "model/colony.h"
#include "model/quietservices.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace {

// The file's bytes, or an error.
std::optional<QByteArray> ReadWhole(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}

} // namespace

std::shared_ptr<const TScenario>
LoadScenario(const QString& nameOrPath, const TBaseTypeList& catalogue,
             const TEventTypeList& events, const QString& dataFolder, const QString& saveFolder) {
    const QString path = FindScenarioFile(nameOrPath, dataFolder, saveFolder);
    const std::optional<QByteArray> bytes = path.isEmpty() ? std::nullopt : ReadWhole(path);
    if (!bytes)
        throw TGameError(
            QCoreApplication::translate("Land", "Сценарий «%1» не найден.").arg(nameOrPath));
    TScenarioReading reading =
        ReadScenario(*bytes, QFileInfo(path).completeBaseName(), catalogue, events);
    if (!reading.Scenario)
        throw TGameError(QCoreApplication::translate("Land", "Сценарий «%1» не читается: %2")
                             .arg(nameOrPath, reading.Errors.value(0)));
    return std::make_shared<const TScenario>(std::move(*reading.Scenario));
}

TMapSource ScenarioLand(const TScenario& scenario) {
    const std::optional<TMapSource> land = TMapSource::Parse(scenario.Land);
    if (!land)
        throw TGameError(QCoreApplication::translate("Land", "Земля сценария «%1» не читается.")
                             .arg(scenario.Land));
    return *land;
}

QStringList CheckScenarioFile(const QString& path, const TBaseTypeList& catalogue,
                              const TEventTypeList& events, const QStringList& folders) {
    const std::optional<QByteArray> bytes = ReadWhole(path);
    if (!bytes)
        return {QCoreApplication::translate("Land", "файл «%1» не читается").arg(path)};
    TScenarioReading reading =
        ReadScenario(*bytes, QFileInfo(path).completeBaseName(), catalogue, events);
    if (!reading.Scenario)
        return reading.Errors;
    try {
        TEarth earth;
        earth.Scene.MeasureTexts = false;
        earth.LoadEarth(ScenarioLand(*reading.Scenario), folders);
        TQuietServices quiet;
        TColony colony(catalogue, events, earth.Grid, quiet, earth.StartCell.x(),
                       earth.StartCell.y());
        colony.BeginScenario(std::make_shared<const TScenario>(std::move(*reading.Scenario)),
                             TDifficulty::Normal, earth.StartCell.x(), earth.StartCell.y());
    } catch (const TGameError& error) {
        return {error.Text()};
    }
    return {};
}
