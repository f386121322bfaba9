#include "resources/imagelist.h"

#include <QPainter>
#include <algorithm>

TImageList::TImageList(int width, int height, int count, int ratio)
    : width_(std::max(width, 1)), height_(std::max(height, 1)), ratio_(std::clamp(ratio, 1, 4)) {
    QImage blank(width_ * ratio_, height_ * ratio_, QImage::Format_ARGB32_Premultiplied);
    blank.fill(Qt::transparent);
    blank.setDevicePixelRatio(ratio_);
    // Each picture gets its own pixels, so editing one leaves the others alone.
    pictures_.reserve(static_cast<size_t>(std::max(count, 0)));
    for (int i = 0; i < count; ++i) {
        pictures_.push_back(blank.copy());
    }
}

bool TImageList::LoadStrip(const QImage& strip) {
    const int width = width_ * ratio_;
    const int height = height_ * ratio_;
    if (strip.isNull() || strip.height() != height ||
        static_cast<long long>(strip.width()) != static_cast<long long>(width) * Count()) {
        return false;
    }
    const QImage source = strip.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    for (int i = 0; i < Count(); ++i) {
        QImage& picture = pictures_[static_cast<size_t>(i)];
        picture = source.copy(i * width, 0, width, height);
        picture.setDevicePixelRatio(ratio_);
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

TImageList TImageList::Scaled(qreal zoom, int ratio) const {
    TImageList scaled(std::max(1, qRound(width_ * zoom)), std::max(1, qRound(height_ * zoom)), 0,
                      ratio);
    const QSize pixels(scaled.width_ * scaled.ratio_, scaled.height_ * scaled.ratio_);
    scaled.pictures_.reserve(pictures_.size());
    for (const QImage& picture : pictures_) {
        QImage resized = picture.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        resized.setDevicePixelRatio(scaled.ratio_);
        scaled.pictures_.push_back(std::move(resized));
    }
    return scaled;
}
