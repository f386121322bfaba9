#pragma once

#include <QImage>
#include <QString>
#include <vector>

class QPainter;

// A list of pictures of one size, drawn by index. Pictures keep their alpha
// channel, so drawing one changes only its opaque pixels. An index outside the
// list draws nothing: building types and data files may name any index.
class TImageList {
public:
    TImageList() = default;
    // A list of `count` pictures of width x height, all fully transparent.
    TImageList(int width, int height, int count);

    // Cuts a horizontal strip into pictures: picture i starts at x = i * width.
    // Returns false, leaving the list unchanged, unless the strip holds exactly
    // the list's count of pictures of its size.
    bool LoadStrip(const QImage& strip);

    int Width() const { return width_; }
    int Height() const { return height_; }
    int Count() const { return static_cast<int>(pictures_.size()); }
    bool Contains(int index) const { return index >= 0 && index < Count(); }

    // The picture, or a null image for an index outside the list.
    QImage Picture(int index) const;
    // For building the list's pictures in code; the index must be inside.
    QImage& Edit(int index) { return pictures_.at(static_cast<size_t>(index)); }

    void Draw(QPainter& painter, int x, int y, int index) const;

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<QImage> pictures_;
};
