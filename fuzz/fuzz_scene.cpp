// Feeds arbitrary bytes to the scene reader as a map's scene file, then does
// with the scene what the game and the scene tool do: names, centres, zooms,
// writes it back and paints it into a small picture.
#include "base/inifile.h"
#include "base/terrain.h"
#include "scene/wall.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <array>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Fonts and pictures need the application object for the whole run.
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    TWall wall;
    wall.ParseText(DecodeDataText(bytes));
    // The zoom and the centring are chosen from the input's length, so that the
    // whole input stays scene text.
    static constexpr std::array<int32_t, 6> zooms = {100, 1, 25, 400, 10000, 100000};
    if (size % 2 == 0)
        wall.CenterSprites(WorldSize);
    wall.SetZoom(zooms[size % zooms.size()]);

    QString text;
    wall.WriteProps(text);
    for (TSamline* item : wall.Boomers)
        item->WriteProps(text);
    (void)TWall::SpritesBounds(wall.Sprites);
    for (int i = 0; i < wall.Sprites.Count(); ++i) {
        const TSprite* sprite = wall.Sprite(i);
        sprite->WriteProps(text);
        (void)sprite->ScreenRect();
        (void)sprite->HitTest(10, 10);
        (void)TWall::TagOf(sprite);
    }

    QImage image(64, 64, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    wall.PaintSprites(wall.Sprites, painter, std::nullopt, pmNormal);
    wall.PaintSprites(wall.Sprites, painter, QRect(0, 0, 64, 64), pmPlan);
    painter.end();
    (void)TWall::MoveSprites(wall.Sprites, -7000, 7000);
    return 0;
}
