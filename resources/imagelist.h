#pragma once

#include <QImage>
#include <QString>
#include <vector>

class QPainter;

// A list of pictures of one size, drawn by index. Pictures keep their alpha
// channel, so drawing one changes only its opaque pixels. An index outside the
// list draws nothing: building types and data files may name any index.
//
// A list for a HiDPI screen has a ratio of 2: its pictures hold twice the
// pixels each way and carry that device pixel ratio, so they are drawn at the
// same logical size, only sharper. Width() and Height() are always logical.
class TImageList {
public:
    TImageList() = default;
    // A list of `count` pictures of width x height logical pixels, each
    // ratio times as many device pixels each way, all fully transparent.
    TImageList(int width, int height, int count, int ratio = 1);

    // Cuts a horizontal strip into pictures: picture i starts at
    // x = i * width * ratio. Returns false, leaving the list unchanged, unless
    // the strip holds exactly the list's count of pictures of its size.
    bool LoadStrip(const QImage& strip);

    int Width() const { return width_; }
    int Height() const { return height_; }
    int Ratio() const { return ratio_; }
    int Count() const { return static_cast<int>(pictures_.size()); }
    bool Contains(int index) const { return index >= 0 && index < Count(); }

    // The picture in device pixels, carrying the list's ratio, or a null
    // image for an index outside the list.
    QImage Picture(int index) const;
    // For building the list's pictures in code; the index must be inside.
    QImage& Edit(int index) { return pictures_.at(static_cast<size_t>(index)); }

    void Draw(QPainter& painter, int x, int y, int index) const;

    // The list for drawing at a zoom: its logical size `zoom` times this
    // one's, rounded to whole pixels, each picture smoothly resized from its
    // own pixels to that size at the given ratio.
    TImageList Scaled(qreal zoom, int ratio = 1) const;

private:
    int width_ = 0;
    int height_ = 0;
    int ratio_ = 1;
    std::vector<QImage> pictures_;
};
