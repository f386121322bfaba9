// Generates every picture of the game: the image lists as horizontal strips
// resources/images/<list>.png, and the start screen, about box and program
// icon pictures.
//
//   tarvenia-gen-images OUTDIR

#include "imagelists.h"

#include "resources/datamodule.h"

#include <QColor>
#include <QGuiApplication>
#include <QPainter>
#include <QStringList>
#include <cstdio>

namespace {

QImage Strip(const std::vector<QImage>& pictures) {
    const QSize size = pictures.front().size();
    QImage strip(size.width() * static_cast<int>(pictures.size()), size.height(),
                 QImage::Format_ARGB32);
    strip.fill(Qt::transparent);
    QPainter p(&strip);
    for (size_t i = 0; i < pictures.size(); ++i)
        p.drawImage(static_cast<int>(i) * size.width(), 0, pictures[i]);
    return strip;
}

std::vector<QImage> Pictures(const TImageList& list) {
    std::vector<QImage> pictures;
    for (int i = 0; i < list.Count(); ++i)
        pictures.push_back(list.Picture(i));
    return pictures;
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
    const std::vector<std::pair<QString, QImage>> files{
        {QStringLiteral("imlTools"), Strip(MakeTools())},
        {QStringLiteral("imlBases"), Strip(MakeBases())},
        {QStringLiteral("imlEarth"), Strip(MakeEarth())},
        {QStringLiteral("imlIcons"), Strip(MakeIcons())},
        {QStringLiteral("imlSeasons"), Strip(MakeSeasons())},
        {QStringLiteral("imlMarketItem"), MakeMarketItem()},
        {QStringLiteral("imlSelectSea"), Strip(Pictures(TDM::MakeSelectionFrames(Qt::cyan)))},
        {QStringLiteral("imlSelectCoast"), Strip(Pictures(TDM::MakeSelectionFrames(Qt::white)))},
        {QStringLiteral("imlSelectEarth"), Strip(Pictures(TDM::MakeSelectionFrames(Qt::yellow)))},
        {QStringLiteral("title"), MakeTitle()},
        {QStringLiteral("about"), MakeEmblem(96)},
        {QStringLiteral("icon"), MakeEmblem(64)},
    };
    for (const auto& [name, image] : files) {
        const QString path = dir + name + QStringLiteral(".png");
        if (!image.convertToFormat(QImage::Format_ARGB32).save(path)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
