#include "map/earth.h"

#include "model/gameerror.h"
#include "model/inifile.h"
#include "model/numbers.h"

#include <QFile>

QString TEarth::MapFilePath(const QString& folder, const QString& name, const QString& ext) {
    QString path = folder;
    if (!path.isEmpty() && !path.endsWith(u'/'))
        path += u'/';
    return path + QStringLiteral("MAPS/") + name + ext;
}

void TEarth::LoadEarth(const QString& name, const QString& folder) {
    const QString gridPath = MapFilePath(folder, name, QStringLiteral(".LTS"));
    QFile grid(gridPath);
    if (!grid.open(QIODevice::ReadOnly))
        throw TGameError(
            QStringLiteral("Cannot open file \"%1\". %2").arg(gridPath, grid.errorString()));
    // The file is the bare grid; anything after it is ignored.
    const qint64 read = grid.read(Grid.Bytes(), TTerrainGrid::ByteSize);
    if (read != TTerrainGrid::ByteSize)
        throw TGameError(
            QStringLiteral("Read error: the map file \"%1\" holds fewer than %2 bytes.")
                .arg(gridPath)
                .arg(TTerrainGrid::ByteSize));

    Scene.LoadFromFile(MapFilePath(folder, name, QStringLiteral(".WLL")));
    // Centre the scene in the world; from here on scene units are world pixels.
    Scene.CenterSprites(WorldSize);

    const TIniFile ini(MapFilePath(folder, name, QStringLiteral(".INI")));
    const QString section = QStringLiteral("Init");
    StartScreen =
        QPoint(ClampToInt32(int64_t{ini.ReadInteger(section, QStringLiteral("ScreenX"), 0)} * 25),
               ClampToInt32(int64_t{ini.ReadInteger(section, QStringLiteral("ScreenY"), 0)} * 25));
    StartCell =
        QPoint(std::clamp(ini.ReadInteger(section, QStringLiteral("SelX"), 0), 0, MapCols - 1),
               std::clamp(ini.ReadInteger(section, QStringLiteral("SelY"), 0), 0, MapRows - 1));
}
