#include "land/earth.h"

#include "base/gameerror.h"
#include "base/inifile.h"
#include "base/numbers.h"
#include "land/maptexts.h"
#include "model/savefile.h"

#include <QCoreApplication>
#include <algorithm>
#include <cstring>

QString TEarth::MapFilePath(const QString& folder, const QString& name, const QString& ext) {
    QString path = folder;
    if (!path.isEmpty() && !path.endsWith(u'/'))
        path += u'/';
    return path + QStringLiteral("MAPS/") + name + ext;
}

void TEarth::LoadEarth(const QString& name, const QString& folder) {
    LoadEarth(TMapSource::Named(name), QStringList{folder});
}

void TEarth::LoadEarth(const TMapSource& source, const QStringList& folders) {
    LoadEarth(source.Read(folders), source);
}

void TEarth::LoadEarth(const TMapFiles& files, const TMapSource& source) {
    // A plain name, so that the catalogue's tools see the count of the text.
    constexpr int GridBytes = TTerrainGrid::ByteSize;
    if (files.Grid.size() < GridBytes)
        throw TGameError(QCoreApplication::translate("Land",
                                                     "Карта «%1» обрезана: в ней меньше %n байт.",
                                                     nullptr, GridBytes)
                             .arg(source.Text()));
    std::memcpy(Grid.Bytes(), files.Grid.constData(), TTerrainGrid::ByteSize);

    Scene.Clear();
    Scene.ParseText(DecodeDataText(files.Scene));
    // Centre the scene in the world; from here on scene units are world pixels.
    Scene.CenterSprites(WorldSize);
    // Centred first, so that names of another length move nothing else.
    ShowNamesInLanguage(Scene, source);

    const TIniFile ini = TIniFile::FromBytes(files.Ini);
    const TIniSection init = ini.Section(QStringLiteral("Init"));
    StartScreen =
        QPoint(ClampToInt32(int64_t{init.ReadInteger(QStringLiteral("ScreenX"), 0)} * 25),
               ClampToInt32(int64_t{init.ReadInteger(QStringLiteral("ScreenY"), 0)} * 25));
    StartCell = QPoint(std::clamp(init.ReadInteger(QStringLiteral("SelX"), 0), 0, MapCols - 1),
                       std::clamp(init.ReadInteger(QStringLiteral("SelY"), 0), 0, MapRows - 1));
    source_ = source;
    files_ = files;
    ++generation_;
}

TSavedLand TEarth::SavedLand() const {
    TSavedLand land = TSavedLand::Named(source_.Text(), GridChecksum(files_.Grid));
    if (source_.Kind == TMapSource::msRandom) {
        land.Grid = files_.Grid;
        land.Scene = files_.Scene;
        land.Ini = files_.Ini;
    }
    return land;
}

bool TEarth::LoadSavedLand(const TSavedLand& land, const QStringList& folders) {
    const std::optional<TMapSource> source = TMapSource::Parse(land.Name);
    if (!source)
        throw TGameError(
            QCoreApplication::translate("Land", "неизвестная карта «%1»").arg(land.Name));
    if (land.Carried()) {
        if (*source == source_ && land.Grid == files_.Grid)
            return false;
        LoadEarth(TMapFiles{land.Grid, land.Scene, land.Ini}, *source);
        return true;
    }
    // A game saved before the grid was checked carries no checksum.
    const auto sameGrid = [&land](const QByteArray& grid) {
        return land.GridChecksum == 0 || GridChecksum(grid) == land.GridChecksum;
    };
    if (*source == source_ && sameGrid(files_.Grid))
        return false;
    TMapFiles files;
    try {
        files = source->Read(folders);
    } catch (const TGameError& error) {
        throw TGameError(QCoreApplication::translate("Land", "карта «%1» не читается (%2)")
                             .arg(land.Name, error.Text()));
    }
    if (!sameGrid(files.Grid))
        throw TGameError(QCoreApplication::translate(
                             "Land", "карта «%1» изменилась с тех пор, как игра была сохранена")
                             .arg(land.Name));
    LoadEarth(files, *source);
    return true;
}

TLoadedGame LoadGame(TEarth& earth, const QString& path, const TBaseTypeList& catalogue,
                     const TEventTypeList& events, const QStringList& folders) {
    TLoadedGame loaded{ReadSaveFile(path, catalogue, events)};
    try {
        loaded.NewLand = earth.LoadSavedLand(loaded.Game.Land, folders);
    } catch (const TGameError& error) {
        throw LoadFailure(path, error.Text());
    }
    return loaded;
}
