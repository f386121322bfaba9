// Reading a large scene text, and painting one map-view window of it.
#include "base/inifile.h"
#include "scene/wall.h"

#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <benchmark/benchmark.h>
#include <cstring>

namespace {

// A scene of shapes of every kind scattered over the 7000-pixel world, in
// the Windows-1251 bytes of a map file; about 6 MB.
const QByteArray& SceneBytes() {
    static const QByteArray bytes = [] {
        QRandomGenerator random(1890);
        QString text = QStringLiteral("<PICTURE color=#E8F4E0>\r\n"
                                      "<BRUSH name=water fill=aqua line=navy size=2>\r\n"
                                      "<BRUSH name=road line=gray size=3 style=nozoom>\r\n"
                                      "<FONT name=label face=Arial size=10 color=maroon>\r\n");
        for (int i = 0; i < 60000; ++i) {
            const int x = random.bounded(7000), y = random.bounded(7000);
            const int w = 5 + random.bounded(120), h = 5 + random.bounded(120);
            switch (i % 6) {
            case 0:
                text += QStringLiteral("<RECT left=%1 top=%2 width=%3 height=%4 brush=water "
                                       "round=6 group=harbour>\r\n")
                            .arg(x)
                            .arg(y)
                            .arg(w)
                            .arg(h);
                break;
            case 1:
                text += QStringLiteral("<CIRCLE left=%1 top=%2 width=%3 height=%4>\r\n")
                            .arg(x)
                            .arg(y)
                            .arg(w)
                            .arg(h);
                break;
            case 2:
                text += QStringLiteral("<PLACE brush=water style=plan points=%1:%2,+%3:+0,+0:+%4,"
                                       "-%3:+0,+%5:-%6>\r\n")
                            .arg(x)
                            .arg(y)
                            .arg(w)
                            .arg(h)
                            .arg(w / 2)
                            .arg(h / 3);
                break;
            case 3:
                text += QStringLiteral("<LINE brush=road points=%1:%2,+%3:+%4,+%4:-%3>\r\n")
                            .arg(x)
                            .arg(y)
                            .arg(w)
                            .arg(h);
                break;
            case 4:
                text += QStringLiteral("<TEXT left=%1 top=%2 font=label value=\"Bukhta %3\">\r\n")
                            .arg(x)
                            .arg(y)
                            .arg(i);
                break;
            default:
                text += QStringLiteral("<!-- a note between the shapes, number %1 -->\r\n").arg(i);
                break;
            }
        }
        // The texts' word "Бухта" in Windows-1251, as the map files hold it.
        return text.toLatin1().replace("Bukhta", "\xC1\xF3\xF5\xF2\xE0");
    }();
    return bytes;
}

void BM_ParseScene(benchmark::State& state) {
    const QByteArray& bytes = SceneBytes();
    for (auto _ : state) {
        TWall wall;
        wall.ParseText(DecodeDataText(bytes));
        benchmark::DoNotOptimize(wall.Sprites.Count());
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}
BENCHMARK(BM_ParseScene)->Unit(benchmark::kMillisecond);

// Reading the scene and then its bounds, which measures all 10 000 texts:
// what the map view pays once, when the whole scene is first laid out.
void BM_ParseSceneAndMeasureTexts(benchmark::State& state) {
    const QByteArray& bytes = SceneBytes();
    for (auto _ : state) {
        TWall wall;
        wall.ParseText(DecodeDataText(bytes));
        benchmark::DoNotOptimize(TWall::SpritesBounds(wall.Sprites).Right);
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}
BENCHMARK(BM_ParseSceneAndMeasureTexts)->Unit(benchmark::kMillisecond);

// The floor for any reader: finding every "<" of the same bytes.
void BM_ScanForTagsWithMemchr(benchmark::State& state) {
    const QByteArray& bytes = SceneBytes();
    for (auto _ : state) {
        int tags = 0;
        const char* at = bytes.constData();
        const char* end = at + bytes.size();
        while ((at = static_cast<const char*>(std::memchr(at, '<', end - at)))) {
            ++tags;
            ++at;
        }
        benchmark::DoNotOptimize(tags);
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}
BENCHMARK(BM_ScanForTagsWithMemchr)->Unit(benchmark::kMillisecond);

// One 537 x 369 window of the map view at zoom 100, painted as the view does:
// only the shapes that meet the window are asked to draw.
void BM_PaintWindow(benchmark::State& state) {
    TWall wall;
    wall.ParseText(DecodeDataText(SceneBytes()));
    QImage image(537, 369, QImage::Format_RGB32);
    const QRect window(3200, 3100, 537, 369);
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.translate(-window.topLeft());
        wall.PaintSprites(wall.Sprites, painter, window, pmNormal);
    }
    state.counters["shapes"] = wall.Sprites.Count();
}
BENCHMARK(BM_PaintWindow)->Unit(benchmark::kMillisecond);

} // namespace
