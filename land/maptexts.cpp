#include "land/maptexts.h"

#include "base/inifile.h"
#include "island/placenames.h"
#include "model/basetype.h"
#include "model/eventtype.h"
#include "model/scenario.h"
#include "scene/shapes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

// A map's names are found in its data catalogue under its scene file, each by
// its own text: a name written twice is translated once.
QString MapTextsFile(const QString& mapName) {
    return QStringLiteral("MAPS/%1.WLL").arg(mapName);
}
const QString NameKey = QStringLiteral("TEXT/value");

// The texts written in the scene, in its order.
std::vector<TTextSprite*> SceneTexts(TWall& scene) {
    std::vector<TTextSprite*> texts;
    for (int i = 0; i < scene.Sprites.Count(); ++i)
        if (auto* text = dynamic_cast<TTextSprite*>(scene.Sprite(i)))
            texts.push_back(text);
    return texts;
}

// The names on the maps of the folder's MAPS, in the order of their files.
void AddMapNames(std::vector<TDataEntry>& entries, const QString& folder) {
    const QDir maps(QDir(folder).filePath(QStringLiteral("MAPS")));
    for (const QFileInfo& info :
         maps.entryInfoList({QStringLiteral("*.WLL")}, QDir::Files, QDir::Name)) {
        QFile file(info.filePath());
        if (!file.open(QIODevice::ReadOnly))
            continue;
        TWall scene;
        scene.MeasureTexts = false;
        scene.ParseText(DecodeDataText(file.readAll()));
        const QString name = MapTextsFile(info.completeBaseName());
        QStringList seen;
        for (const TTextSprite* text : SceneTexts(scene))
            if (!text->Value.isEmpty() && !seen.contains(text->Value)) {
                seen << text->Value;
                entries.push_back({name, NameKey, text->Value});
            }
    }
}

} // namespace

void ShowNamesInLanguage(TWall& scene, const TMapSource& source) {
    const QString file = source.Kind == TMapSource::msName ? MapTextsFile(source.Name) : QString();
    for (TTextSprite* text : SceneTexts(scene)) {
        QString shown =
            file.isEmpty() ? text->Value : TranslatedDataText(file, text->Value, NameKey);
        if (shown == text->Value)
            shown = PlaceNameInLanguage(text->Value);
        if (shown == text->Value)
            continue;
        text->Value = shown;
        text->AutoSize();
    }
}

std::vector<TDataEntry> DataFolderTexts(const QString& folder) {
    TBaseTypeList types;
    LoadBaseTypes(types, folder);
    TEventTypeList events;
    LoadEventTypes(events, folder);
    std::vector<TDataEntry> entries;
    const auto add = [&entries](const std::vector<TDataText>& texts) {
        for (const TDataText& text : texts)
            if (!text.Text->isEmpty())
                entries.push_back({text.File, text.Key, *text.Text});
    };
    add(DataTexts(types));
    add(DataTexts(events));
    for (const QString& path : ScenarioFiles(folder, QString())) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            continue;
        TScenarioReading reading =
            ReadScenario(file.readAll(), QFileInfo(path).completeBaseName(), types, events);
        if (reading.Scenario)
            add(DataTexts(*reading.Scenario));
    }
    AddMapNames(entries, folder);
    return entries;
}
