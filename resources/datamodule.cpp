#include "resources/datamodule.h"

#include <QGuiApplication>
#include <QPainter>
#include <algorithm>

namespace {

constexpr int CellEdge = 25;

// Plain stand-ins, one colour per index so that neighbouring pictures can be
// told apart. Opaque lists are filled whole; the others, drawn over the map,
// get a small mark in the middle and stay transparent around it.
void DrawPlaceholders(TImageList& list, bool opaque) {
    for (int i = 0; i < list.Count(); ++i) {
        QImage& picture = list.Edit(i);
        QPainter painter(&picture);
        const QColor colour = QColor::fromHsv((i * 47) % 360, 160, 200);
        const int inset = opaque ? 0 : std::min(list.Width(), list.Height()) / 3;
        const QRect area = picture.rect().adjusted(inset, inset, -inset, -inset);
        painter.fillRect(area, colour.darker(160));
        painter.fillRect(area.adjusted(1, 1, -1, -1), colour);
    }
}

// The selection frames decide what is left on screen after an animation step,
// so a strip is used only when every frame is exactly the border of the cell,
// fully opaque, and nothing inside. The border is one logical pixel wide.
bool IsBorderOnly(const TImageList& list) {
    const int edge = list.Ratio();
    for (int f = 0; f < list.Count(); ++f) {
        const QImage picture = list.Picture(f);
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x) {
                const bool border = x < edge || y < edge || x >= picture.width() - edge ||
                                    y >= picture.height() - edge;
                const int alpha = qAlpha(picture.pixel(x, y));
                if (alpha != (border ? 255 : 0)) {
                    return false;
                }
            }
        }
    }
    return true;
}

QString SharpPath(const QString& path) {
    return path.endsWith(QLatin1String(".png")) ? path.chopped(4) + QStringLiteral("@2x.png")
                                                : QString();
}

// The list read from the @2x strip, when that strip is right for it.
bool LoadSharp(TImageList& list, const QString& path) {
    TImageList sharp(list.Width(), list.Height(), list.Count(), 2);
    if (!sharp.LoadStrip(QImage(SharpPath(path)))) {
        return false;
    }
    list = std::move(sharp);
    return true;
}

void LoadList(TImageList& list, const QString& path, bool opaque, bool hiDpi) {
    if (hiDpi && LoadSharp(list, path)) {
        return;
    }
    if (!list.LoadStrip(QImage(path))) {
        DrawPlaceholders(list, opaque);
    }
}

void LoadSelection(TImageList& list, const QString& path, QColor colour, bool hiDpi) {
    if (hiDpi) {
        TImageList sharp(list.Width(), list.Height(), list.Count());
        if (LoadSharp(sharp, path) && IsBorderOnly(sharp)) {
            list = std::move(sharp);
            return;
        }
    }
    TImageList strip(list.Width(), list.Height(), list.Count());
    list = strip.LoadStrip(QImage(path)) && IsBorderOnly(strip) ? strip
                                                                : TDM::MakeSelectionFrames(colour);
}

} // namespace

TDM::TDM(const QString& folder, qreal ratio) : TDM(folder, ratio, false) {}

TDM TDM::MapPictures(const QString& folder, qreal ratio) {
    return TDM(folder, ratio, true);
}

TDM::TDM(const QString& folder, qreal ratio, bool mapOnly) : folder_(folder) {
    const auto path = [&folder](const char* name) {
        return folder + QLatin1Char('/') + QLatin1String(name) + QStringLiteral(".png");
    };
    const bool hiDpi = ratio > 1;
    LoadList(imlBases, path("imlBases"), true, hiDpi);
    LoadList(imlEarth, path("imlEarth"), false, hiDpi);
    LoadList(imlIcons, path("imlIcons"), false, hiDpi);
    if (mapOnly)
        return;
    LoadList(imlTools, path("imlTools"), true, hiDpi);
    LoadList(imlSeasons, path("imlSeasons"), true, hiDpi);
    LoadList(imlMarketItem, path("imlMarketItem"), true, hiDpi);
    LoadSelection(imlSelectSea, path("imlSelectSea"), Qt::cyan, hiDpi);
    LoadSelection(imlSelectCoast, path("imlSelectCoast"), Qt::white, hiDpi);
    LoadSelection(imlSelectEarth, path("imlSelectEarth"), Qt::yellow, hiDpi);
}

qreal TDM::ScreenRatio() {
    return qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
}

QPixmap TDM::LoadPicture(const QString& path, qreal ratio) {
    if (ratio > 1) {
        QPixmap sharp(SharpPath(path));
        if (!sharp.isNull()) {
            sharp.setDevicePixelRatio(2);
            return sharp;
        }
    }
    return QPixmap(path);
}

QPoint TDM::SelectionBorderPixel(int k) {
    constexpr int last = CellEdge - 1;
    k = ((k % SelectionBorderLength) + SelectionBorderLength) % SelectionBorderLength;
    if (k < last) {
        return {k, 0}; // top edge, left to right
    }
    k -= last;
    if (k < last) {
        return {last, k}; // right edge, downwards
    }
    k -= last;
    if (k < last) {
        return {last - k, last}; // bottom edge, right to left
    }
    k -= last;
    return {0, last - k}; // left edge, upwards
}

bool TDM::SelectionPixelIsBlack(int frame, int k) {
    const int phase = ((k - 2 * frame) % SelectionPeriod + SelectionPeriod) % SelectionPeriod;
    return phase < SelectionBlack;
}

TImageList TDM::MakeSelectionFrames(QColor colour, int scale) {
    TImageList list(CellEdge, CellEdge, SelectionFrameCount, scale);
    scale = list.Ratio();
    for (int f = 0; f < SelectionFrameCount; ++f) {
        QImage& picture = list.Edit(f);
        for (int k = 0; k < SelectionBorderLength; ++k) {
            const QPoint p = SelectionBorderPixel(k) * scale;
            const QColor pixel = SelectionPixelIsBlack(f, k) ? QColor(Qt::black) : colour;
            for (int dy = 0; dy < scale; ++dy) {
                for (int dx = 0; dx < scale; ++dx) {
                    picture.setPixelColor(p + QPoint(dx, dy), pixel);
                }
            }
        }
    }
    return list;
}
