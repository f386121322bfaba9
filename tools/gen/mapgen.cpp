// Writes a map's three files: the map "01" that the game delivers, or with
// --seed the island of that seed as the game makes it, named after the seed;
// optionally a check picture of the grid with the scene's outlines over it.
//
//   tarvenia-gen-map OUTDIR [--seed S] [--check PICTURE.png]

#include "base/inifile.h"
#include "base/terrain.h"
#include "island/islandgen.h"

#include <QColor>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QStringList>

#include <array>
#include <cstdio>
#include <optional>

namespace {

bool WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

QColor KindColor(int kind) {
    static const std::array<QColor, EarthKindCount> colors{
        QColor(0x2B, 0x64, 0x97), QColor(0xE3, 0xD3, 0xA0), QColor(0x8C, 0xBB, 0x68),
        QColor(0x5D, 0xA2, 0xD6), QColor(0x2F, 0x6A, 0x2A), QColor(0x20, 0x20, 0x20),
        QColor(0xB0, 0x40, 0x30), QColor(0x70, 0x30, 0x70), QColor(0xF0, 0xC8, 0x20),
        QColor(0xFF, 0x00, 0xFF)};
    return colors[kind];
}

// The grid at two pixels a cell, with the outlines of the scene drawn over it
// and the start cell marked.
QImage CheckPicture(const TMapFiles& files, const std::vector<TMapOutline>& outlines) {
    constexpr int scale = 2;
    QImage image(MapCols * scale, MapRows * scale, QImage::Format_RGB32);
    QPainter p(&image);
    for (int c = 0; c < MapCols; ++c)
        for (int r = 0; r < MapRows; ++r)
            p.fillRect(c * scale, r * scale, scale, scale,
                       KindColor(files.Grid[(c * MapRows + r) * 4]));
    for (const TMapOutline& outline : outlines) {
        QPolygon polygon;
        for (const TCellPoint& pt : outline.Loop)
            polygon << QPoint(pt.X * scale, pt.Y * scale);
        p.setPen(outline.Shore ? Qt::red : Qt::black);
        p.setBrush(Qt::NoBrush);
        p.drawPolygon(polygon);
    }
    const TIniFile ini = TIniFile::FromBytes(files.Ini);
    const TIniSection init = ini.Section(QStringLiteral("Init"));
    const QPoint start(init.ReadInteger(QStringLiteral("SelX"), 0),
                       init.ReadInteger(QStringLiteral("SelY"), 0));
    p.setPen(QPen(Qt::white, 2));
    p.drawRect(start.x() * scale - 4, start.y() * scale - 4, 9, 9);
    return image;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QStringList args = app.arguments();
    QString name = QStringLiteral("01"), check;
    bool usage = args.size() < 2;
    std::optional<uint32_t> seed;
    for (qsizetype i = 2; i + 1 < args.size() && !usage; i += 2) {
        if (args[i] == QLatin1String("--check")) {
            check = args[i + 1];
        } else if (args[i] == QLatin1String("--seed")) {
            bool ok = false;
            seed = args[i + 1].toUInt(&ok);
            usage = !ok;
            name = args[i + 1];
        } else {
            usage = true;
        }
    }
    if (usage || args.size() % 2 != 0) {
        std::fprintf(stderr, "usage: tarvenia-gen-map OUTDIR [--seed S] [--check PICTURE.png]\n");
        return 2;
    }
    std::vector<TMapOutline> outlines;
    const TMapFiles files = seed ? GenerateIsland(*seed, &outlines) : GenerateMap01(&outlines);
    const QString base = args[1] + QLatin1Char('/') + name;
    if (!WriteFile(base + QStringLiteral(".LTS"), files.Grid) ||
        !WriteFile(base + QStringLiteral(".WLL"), files.Scene) ||
        !WriteFile(base + QStringLiteral(".INI"), files.Ini))
        return 1;
    if (!check.isEmpty() && !CheckPicture(files, outlines).save(check)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(check));
        return 1;
    }
    return 0;
}
