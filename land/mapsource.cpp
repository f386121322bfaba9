#include "land/mapsource.h"

#include "base/paths.h"
#include "base/terrain.h"
#include "island/islandgen.h"
#include "land/earth.h"
#include "model/game.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

const QString RandomPrefix = QStringLiteral("random:");

// The three files beside each other, base being the path without extension;
// the extensions' letter case follows the grid's.
TMapFiles ReadFiles(const QString& base, bool lowerCase) {
    auto ext = [lowerCase](const char* e) {
        const QString text = QString::fromLatin1(e);
        return lowerCase ? text.toLower() : text;
    };
    TMapFiles files;
    const QString gridPath = base + ext(".LTS");
    files.Grid = ReadDataFile(gridPath);
    // The file is the bare grid; anything after it is ignored.
    // A plain name, so that the catalogue's tools see the count of the text.
    constexpr int GridBytes = TTerrainGrid::ByteSize;
    if (files.Grid.size() < GridBytes)
        throw TGameError(QCoreApplication::translate("Land",
                                                     "Файл карты %1 обрезан: в нём меньше %n байт.",
                                                     nullptr, GridBytes)
                             .arg(QDir::toNativeSeparators(gridPath)));
    files.Scene = ReadDataFile(base + ext(".WLL"));
    // A missing start position reads as the defaults.
    QFile ini(base + ext(".INI"));
    if (ini.open(QIODevice::ReadOnly))
        files.Ini = ini.readAll();
    return files;
}

} // namespace

std::optional<TMapSource> TMapSource::Parse(const QString& text) {
    if (text.isEmpty())
        return std::nullopt;
    if (text.startsWith(RandomPrefix)) {
        const QString digits = text.mid(RandomPrefix.size());
        bool ok = false;
        const uint seed = digits.toUInt(&ok);
        // Digits only: no sign, blanks or other bases.
        const bool plain = std::all_of(digits.begin(), digits.end(),
                                       [](QChar c) { return c >= u'0' && c <= u'9'; });
        if (!ok || !plain)
            return std::nullopt;
        return Random(seed);
    }
    if (text.contains(u'/') || text.endsWith(QStringLiteral(".LTS"), Qt::CaseInsensitive))
        return TMapSource{msPath, text, 0};
    return Named(text);
}

QString TMapSource::Text() const {
    return Kind == msRandom ? RandomPrefix + QString::number(Seed) : Name;
}

QString TMapSource::Title() const {
    const QString name = Kind == msRandom ? QString::number(Seed)
                         : Kind == msPath ? QFileInfo(Name).completeBaseName()
                                          : Name;
    return QCoreApplication::translate("Land", "Остров %1").arg(name);
}

TMapFiles TMapSource::Read(const QStringList& folders) const {
    if (Kind == msRandom)
        return GenerateIsland(Seed);
    const QString grid = GridPath(folders);
    return ReadFiles(grid.chopped(4), grid.endsWith(QStringLiteral(".lts")));
}

QString TMapSource::GridPath(const QStringList& folders) const {
    switch (Kind) {
    case msRandom:
        return QString();
    case msPath:
        return Name.endsWith(QStringLiteral(".LTS"), Qt::CaseInsensitive)
                   ? Name
                   : Name + QStringLiteral(".LTS");
    case msName:
        break;
    }
    // The first folder that holds the grid; the first folder's error otherwise.
    for (const QString& folder : folders)
        if (QString path = TEarth::MapFilePath(folder, Name, QStringLiteral(".LTS"));
            QFileInfo::exists(path))
            return path;
    return TEarth::MapFilePath(folders.value(0), Name, QStringLiteral(".LTS"));
}

QStringList MapNames(const QStringList& folders) {
    QStringList names;
    for (const QString& folder : folders)
        for (const QFileInfo& file :
             QDir(TEarth::MapFilePath(folder, QString(), QString()))
                 .entryInfoList({QStringLiteral("*.LTS")}, QDir::Files | QDir::CaseSensitive))
            if (!names.contains(file.completeBaseName()))
                names << file.completeBaseName();
    names.sort();
    names.removeAll(QStringLiteral("01"));
    names.prepend(QStringLiteral("01"));
    return names;
}
