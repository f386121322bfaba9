// Feeds arbitrary bytes to the map load. The input holds the three map files
// one after the other, parted by lines "%%": the grid (.LTS), the scene
// (.WLL) and the start position (.INI). A grid part starting with "=" is
// written as it is, to try short and long files; any other grid part is
// repeated to the grid's exact size, so that its bytes reach the cells. The
// same files are also opened in the island editor, whose own files must read
// back.
#include "base/gameerror.h"
#include "land/earth.h"
#include "land/landedit.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

QTemporaryDir& Folder() {
    static QTemporaryDir folder;
    return folder;
}

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        std::abort();
}

QByteArray GridBytes(const QByteArray& part) {
    if (part.startsWith('='))
        return part.mid(1);
    QByteArray grid(TTerrainGrid::ByteSize, '\0');
    for (qsizetype i = 0; !part.isEmpty() && i < grid.size(); ++i)
        grid[i] = part[i % part.size()];
    return grid;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    if (!Folder().isValid() || !QDir(Folder().path()).mkpath(QStringLiteral("MAPS")))
        std::abort();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    // Cut the input into the three files at the "%%" lines.
    static constexpr QByteArrayView separator("\n%%\n");
    QByteArray files[3];
    QByteArrayView rest(input);
    int file = 0;
    for (qsizetype cut; file < 2 && (cut = rest.indexOf(separator)) >= 0; ++file) {
        files[file] = rest.first(cut).toByteArray();
        rest = rest.sliced(cut + separator.size());
    }
    files[file] = rest.toByteArray();
    files[0] = GridBytes(files[0]);
    const QString folder = Folder().path();
    WriteFile(TEarth::MapFilePath(folder, QStringLiteral("01"), QStringLiteral(".LTS")), files[0]);
    WriteFile(TEarth::MapFilePath(folder, QStringLiteral("01"), QStringLiteral(".WLL")), files[1]);
    WriteFile(TEarth::MapFilePath(folder, QStringLiteral("01"), QStringLiteral(".INI")), files[2]);

    TEarth earth;
    try {
        earth.LoadEarth(QStringLiteral("01"), folder);
    } catch (const TGameError&) {
        return 0;
    }
    // Whatever the files hold, every cell has a kind and a variant in range
    // and the start cell lies on the map.
    for (int col = 0; col < MapCols; ++col)
        for (int row = 0; row < MapRows; ++row) {
            const int kind = earth.EarthKind(col, row);
            const int variant = earth.EarthVariant(col, row);
            if (kind < 0 || kind >= EarthKindCount || variant < -1 || variant > 9)
                std::abort();
        }
    if (!TTerrainGrid::Contains(earth.StartCell.x(), earth.StartCell.y()))
        std::abort();

    // The grid is long enough now, so neither read may fail.
    const TLandEdit edit(ReadLand({files[0], files[1], files[2]}));
    TIslandLand again;
    try {
        again = ReadLand(edit.Files());
    } catch (const TGameError&) {
        std::abort();
    }
    if (!TTerrainGrid::Contains(again.Start.X, again.Start.Y))
        std::abort();
    return 0;
}
