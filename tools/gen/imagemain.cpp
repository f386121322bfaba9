// Generates every picture of the game: the image lists as horizontal strips
// resources/images/<list>.png, and the start screen, about box and program
// icon pictures, each also drawn at twice the size as <name>@2x.png for
// HiDPI screens. The program icon is also written at the usual icon sizes
// into OUTDIR/../icons/hicolor/<N>x<N>/apps/.
//
//   tarvenia-gen-images OUTDIR

#include "imagelists.h"

#include "resources/datamodule.h"

#include <QColor>
#include <QDir>
#include <QGuiApplication>
#include <QPainter>
#include <QStringList>
#include <algorithm>
#include <cstdio>

namespace {

QImage Strip(const std::vector<QImage>& pictures) {
    const QSize size = pictures.front().size();
    QImage strip(size.width() * static_cast<int>(pictures.size()), size.height(),
                 QImage::Format_ARGB32);
    strip.fill(Qt::transparent);
    QPainter p(&strip);
    for (size_t i = 0; i < pictures.size(); ++i) {
        // Laid out in device pixels, whatever ratio a picture carries.
        QImage picture = pictures[i];
        picture.setDevicePixelRatio(1);
        p.drawImage(static_cast<int>(i) * size.width(), 0, picture);
    }
    return strip;
}

std::vector<QImage> Pictures(const TImageList& list) {
    std::vector<QImage> pictures;
    pictures.reserve(static_cast<size_t>(std::max(list.Count(), 0)));
    for (int i = 0; i < list.Count(); ++i)
        pictures.push_back(list.Picture(i));
    return pictures;
}

bool Save(const QImage& image, const QString& path) {
    if (image.convertToFormat(QImage::Format_ARGB32).save(path))
        return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (app.arguments().size() != 2) {
        std::fprintf(stderr, "usage: tarvenia-gen-images OUTDIR\n");
        return 2;
    }
    const QString dir = app.arguments()[1] + QLatin1Char('/');
    for (const int scale : {1, 2}) {
        const QString suffix = scale == 1 ? QString() : QStringLiteral("@2x");
        const std::vector<std::pair<QString, QImage>> files{
            {QStringLiteral("imlTools"), Strip(MakeTools(scale))},
            {QStringLiteral("imlBases"), Strip(MakeBases(scale))},
            {QStringLiteral("imlEarth"), Strip(MakeEarth(scale))},
            {QStringLiteral("imlIcons"), Strip(MakeIcons(scale))},
            {QStringLiteral("imlSeasons"), Strip(MakeSeasons(scale))},
            {QStringLiteral("imlMarketItem"), MakeMarketItem(scale)},
            {QStringLiteral("imlSelectSea"),
             Strip(Pictures(TDM::MakeSelectionFrames(Qt::cyan, scale)))},
            {QStringLiteral("imlSelectCoast"),
             Strip(Pictures(TDM::MakeSelectionFrames(Qt::white, scale)))},
            {QStringLiteral("imlSelectEarth"),
             Strip(Pictures(TDM::MakeSelectionFrames(Qt::yellow, scale)))},
            {QStringLiteral("title"), MakeTitle(scale)},
            {QStringLiteral("about"), MakeEmblem(96 * scale)},
            {QStringLiteral("icon"), MakeEmblem(64 * scale)},
        };
        for (const auto& [name, image] : files)
            if (!Save(image, dir + name + suffix + QStringLiteral(".png")))
                return 1;
    }
    // The desktop's icon theme, next to the images folder.
    const QString icons = dir + QStringLiteral("../icons/hicolor/");
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        const QString folder = icons + QStringLiteral("%1x%1/apps/").arg(size);
        if (!QDir().mkpath(folder) ||
            !Save(MakeEmblem(size), folder + QStringLiteral("org.tarvenia.Tarvenia.png")))
            return 1;
    }
    return 0;
}
