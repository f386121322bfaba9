#pragma once

#include "resources/imagelist.h"

#include <QColor>
#include <QPoint>
#include <QString>

// The program's pictures as image lists, created once before the main window.
// Each list is read from "<folder>/<list name>.png", a horizontal strip of its
// pictures; a missing strip or one of the wrong size is replaced by plain
// pictures of the right size and count, so the game always has something to
// draw.
class TDM {
public:
    explicit TDM(const QString& folder = QStringLiteral(":/images"));

    TImageList imlTools{25, 25, 25};
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
    static TImageList MakeSelectionFrames(QColor colour);
};
