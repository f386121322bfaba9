#include "resources/imagelist.h"

#include <QPainter>
#include <algorithm>

TImageList::TImageList(int width, int height, int count)
    : width_(std::max(width, 1)), height_(std::max(height, 1)) {
    QImage blank(width_, height_, QImage::Format_ARGB32_Premultiplied);
    blank.fill(Qt::transparent);
    // Each picture gets its own pixels, so editing one leaves the others alone.
    pictures_.reserve(static_cast<size_t>(std::max(count, 0)));
    for (int i = 0; i < count; ++i) {
        pictures_.push_back(blank.copy());
    }
}

bool TImageList::LoadStrip(const QImage& strip) {
    if (strip.isNull() || strip.height() != height_ ||
        static_cast<long long>(strip.width()) != static_cast<long long>(width_) * Count()) {
        return false;
    }
    const QImage source = strip.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    for (int i = 0; i < Count(); ++i) {
        pictures_[static_cast<size_t>(i)] = source.copy(i * width_, 0, width_, height_);
    }
    return true;
}

QImage TImageList::Picture(int index) const {
    return Contains(index) ? pictures_[static_cast<size_t>(index)] : QImage();
}

void TImageList::Draw(QPainter& painter, int x, int y, int index) const {
    if (Contains(index)) {
        painter.drawImage(x, y, pictures_[static_cast<size_t>(index)]);
    }
}
