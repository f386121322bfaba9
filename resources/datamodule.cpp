#include "resources/datamodule.h"

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
// fully opaque, and nothing inside.
bool IsBorderOnly(const TImageList& list) {
    for (int f = 0; f < list.Count(); ++f) {
        const QImage picture = list.Picture(f);
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x) {
                const bool border =
                    x == 0 || y == 0 || x == picture.width() - 1 || y == picture.height() - 1;
                const int alpha = qAlpha(picture.pixel(x, y));
                if (alpha != (border ? 255 : 0)) {
                    return false;
                }
            }
        }
    }
    return true;
}

void LoadList(TImageList& list, const QString& path, bool opaque) {
    if (!list.LoadStrip(QImage(path))) {
        DrawPlaceholders(list, opaque);
    }
}

void LoadSelection(TImageList& list, const QString& path, QColor colour) {
    TImageList strip(list.Width(), list.Height(), list.Count());
    list = strip.LoadStrip(QImage(path)) && IsBorderOnly(strip) ? strip
                                                                : TDM::MakeSelectionFrames(colour);
}

} // namespace

TDM::TDM(const QString& folder) {
    const auto path = [&folder](const char* name) {
        return folder + QLatin1Char('/') + QLatin1String(name) + QStringLiteral(".png");
    };
    LoadList(imlTools, path("imlTools"), true);
    LoadList(imlBases, path("imlBases"), true);
    LoadList(imlEarth, path("imlEarth"), false);
    LoadList(imlIcons, path("imlIcons"), false);
    LoadList(imlSeasons, path("imlSeasons"), true);
    LoadList(imlMarketItem, path("imlMarketItem"), true);
    LoadSelection(imlSelectSea, path("imlSelectSea"), Qt::cyan);
    LoadSelection(imlSelectCoast, path("imlSelectCoast"), Qt::white);
    LoadSelection(imlSelectEarth, path("imlSelectEarth"), Qt::yellow);
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

TImageList TDM::MakeSelectionFrames(QColor colour) {
    TImageList list(CellEdge, CellEdge, SelectionFrameCount);
    for (int f = 0; f < SelectionFrameCount; ++f) {
        QImage& picture = list.Edit(f);
        for (int k = 0; k < SelectionBorderLength; ++k) {
            const QPoint p = SelectionBorderPixel(k);
            picture.setPixelColor(p, SelectionPixelIsBlack(f, k) ? QColor(Qt::black) : colour);
        }
    }
    return list;
}
