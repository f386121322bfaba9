// The island editor's land read from a map's files and written back into a
// MAPS folder.

#include "base/gameerror.h"
#include "base/inifile.h"
#include "land/earth.h"
#include "land/landedit.h"
#include "land/mapsource.h"
#include "model/savecodec.h"
#include "scene/shapes.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>
#include <cstring>

namespace {

// The names written on the map: the scene's texts, each at the cell its
// top-left corner lies in (kept on the map), in the scene's own fonts.
std::vector<TMapLabel> SceneLabels(const QByteArray& scene) {
    TWall wall;
    wall.MeasureTexts = false;
    wall.ParseText(DecodeDataText(scene));
    std::vector<TMapLabel> labels;
    for (int i = 0; i < wall.Sprites.Count(); ++i) {
        const auto* text = dynamic_cast<const TTextSprite*>(wall.Sprite(i));
        if (!text)
            continue;
        QString font = QStringLiteral("place");
        for (const char* known : {"island", "water"})
            if (text->Font->Name.compare(QLatin1String(known), Qt::CaseInsensitive) == 0)
                font = QLatin1String(known);
        labels.push_back({text->Value,
                          font,
                          {std::clamp(text->Left / CellSize, 0, MapCols - 1),
                           std::clamp(text->Top / CellSize, 0, MapRows - 1)}});
    }
    return labels;
}

} // namespace

TIslandLand ReadLand(const TMapFiles& files) {
    // A plain name, so that the catalogue's tools see the count of the text.
    constexpr int GridBytes = TTerrainGrid::ByteSize;
    if (files.Grid.size() < GridBytes)
        throw TGameError(QCoreApplication::translate(
            "Land", "Карта обрезана: в ней меньше %n байт.", nullptr, GridBytes));
    TIslandLand land;
    std::memcpy(land.Grid.Bytes(), files.Grid.constData(), TTerrainGrid::ByteSize);
    const TIniFile ini = TIniFile::FromBytes(files.Ini);
    const TIniSection init = ini.Section(QStringLiteral("Init"));
    land.Start = {std::clamp(init.ReadInteger(QStringLiteral("SelX"), 0), 0, MapCols - 1),
                  std::clamp(init.ReadInteger(QStringLiteral("SelY"), 0), 0, MapRows - 1)};
    land.Labels = SceneLabels(files.Scene);
    bool seeded = false;
    land.ReliefSeed = init.ReadString(QStringLiteral("Relief"), QString()).toULongLong(&seeded);
    // A map from elsewhere draws the same relief each time it is opened.
    if (!seeded)
        land.ReliefSeed = GridChecksum(files.Grid.first(GridBytes));
    return land;
}

TIslandLand OpenLand(const TMapSource& source, const QStringList& folders) {
    if (source.Kind == TMapSource::msRandom)
        return GenerateIslandLand(source.Seed);
    return ReadLand(source.Read(folders));
}

bool IsMapName(const QString& name) {
    const QString trimmed = name.trimmed();
    if (trimmed.isEmpty() || trimmed.size() > 40 ||
        std::all_of(trimmed.begin(), trimmed.end(), [](QChar c) { return c == u'.' || c == u' '; }))
        return false;
    return std::none_of(name.begin(), name.end(), [](QChar c) {
        return c.category() == QChar::Other_Control || QStringView(u"/\\<>:\"|?*").contains(c);
    });
}

void SaveMap(const TMapFiles& files, const QString& folder, const QString& name) {
    QDir().mkpath(TEarth::MapFilePath(folder, QString(), QString()));
    for (const auto& [ext, bytes] :
         {std::pair{".LTS", &files.Grid}, std::pair{".WLL", &files.Scene},
          std::pair{".INI", &files.Ini}}) {
        const QString path = TEarth::MapFilePath(folder, name, QLatin1String(ext));
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(*bytes) != bytes->size() ||
            !file.commit())
            throw TGameError(
                QCoreApplication::translate("Files", "Не удалось сохранить файл %1: %2.")
                    .arg(QDir::toNativeSeparators(path), file.errorString()));
    }
}
