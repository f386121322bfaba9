#pragma once

#include "resources/imagelist.h"

#include <QColor>
#include <QPixmap>
#include <QPoint>
#include <QString>

// The program's pictures as image lists, created once before the main window.
// Each list is read from "<folder>/<list name>.png", a horizontal strip of its
// pictures; a missing strip or one of the wrong size is replaced by plain
// pictures of the right size and count, so the game always has something to
// draw.
//
// On a screen with a device pixel ratio above 1 the lists are read from
// "<list name>@2x.png" instead, pictures drawn at twice the size, and fall back
// to the plain strips when those are missing or wrong. At a ratio of 1 the
// @2x strips are never read, so the start costs nothing more.
class TDM {
public:
    explicit TDM(const QString& folder = QStringLiteral(":/images"), qreal ratio = ScreenRatio());

    // The highest device pixel ratio of the application's screens, 1 without
    // an application.
    static qreal ScreenRatio();
    // A single picture such as ":/images/title.png": its @2x version carrying a
    // ratio of 2 when the ratio is above 1 and that file reads, else the plain one.
    static QPixmap LoadPicture(const QString& path, qreal ratio = ScreenRatio());

    // The goods, the people, the commands and the advisor.
    static constexpr int ToolPictures = 29;
    TImageList imlTools{25, 25, ToolPictures};
    TImageList imlBases{25, 25, 22};
    TImageList imlEarth{25, 25, 70};
    TImageList imlIcons{14, 14, 7};
    TImageList imlSeasons{121, 57, 4};
    TImageList imlSelectSea{25, 25, SelectionFrameCount};
    TImageList imlSelectCoast{25, 25, SelectionFrameCount};
    TImageList imlSelectEarth{25, 25, SelectionFrameCount};
    TImageList imlMarketItem{197, 16, 1};

    // The selection frame runs around the border of a 25 x 25 cell: 96 pixels,
    // 13 black then 11 coloured, repeating every 24; each frame is the one
    // before moved two pixels clockwise, so twelve frames make one period.
    static constexpr int SelectionFrameCount = 12;
    static constexpr int SelectionBorderLength = 96;
    static constexpr int SelectionPeriod = 24;
    static constexpr int SelectionBlack = 13;
    // The k-th border pixel (0..95) of a cell, walked clockwise from the top-left.
    static QPoint SelectionBorderPixel(int k);
    // Whether the k-th border pixel of the given frame is black.
    static bool SelectionPixelIsBlack(int frame, int k);
    // The frames at `scale` times the pixels, each border pixel a square of
    // scale x scale, carrying that ratio.
    static TImageList MakeSelectionFrames(QColor colour, int scale = 1);

    // The folder the pictures were read from.
    const QString& Folder() const { return folder_; }

    // The map's lists alone (buildings, ground, state icons) read at a
    // ratio, for drawing the map at a zoom; the other lists stay blank.
    static TDM MapPictures(const QString& folder, qreal ratio);

private:
    TDM(const QString& folder, qreal ratio, bool mapOnly);

    QString folder_;
};
