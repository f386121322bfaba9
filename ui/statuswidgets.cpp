#include "statuswidgets.h"

#include "resources/imagelist.h"

#include <QHelpEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QToolTip>

THealthBar::THealthBar(QWidget* parent) : QWidget(parent) {}

void THealthBar::SetHealth(int health) {
    if (health != health_) {
        health_ = health;
        update();
    }
}

void THealthBar::PaintHealth(QPainter& painter, const QRect& box, int health) {
    const int filled =
        static_cast<int>(static_cast<int64_t>(box.width()) * std::clamp(health, 0, 1000) / 1000);
    painter.fillRect(box, QColor(128, 128, 128));
    painter.fillRect(QRect(box.left(), box.top(), filled, box.height()),
                     health >= 500 ? QColor(0, 255, 0) : QColor(255, 0, 0));
}

void THealthBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintHealth(painter, rect(), health_);
}

void TAnchorPanel::Anchor(QWidget* child, TAnchors anchors) {
    anchored_.push_back({child, anchors, child->geometry(), size()});
}

void TAnchorPanel::resizeEvent(QResizeEvent* event) {
    for (const TAnchored& a : anchored_) {
        const int dw = width() - a.PanelSize.width();
        const int dh = height() - a.PanelSize.height();
        QRect r = a.Bounds;
        switch (a.Anchors) {
        case akTopLeft:
            break;
        case akTopRight:
            r.translate(dw, 0);
            break;
        case akBottomLeft:
            r.translate(0, dh);
            break;
        case akAll:
            r.setSize(QSize(std::max(r.width() + dw, 0), std::max(r.height() + dh, 0)));
            break;
        }
        a.Child->setGeometry(r);
    }
    QWidget::resizeEvent(event);
}

// ---- TPicturePanel

void TPicturePanel::AddPicture(QPoint at, const TImageList& images, int index,
                               const QString& hint) {
    pictures_.push_back({QRect(at, QSize(images.Width(), images.Height())), &images, index, hint});
    update(pictures_.back().Bounds);
}

const TPicturePanel::TPicture* TPicturePanel::PictureAt(QPoint at) const {
    for (const TPicture& picture : pictures_)
        if (picture.Bounds.contains(at))
            return &picture;
    return nullptr;
}

QString TPicturePanel::HintAt(QPoint at) const {
    const TPicture* picture = PictureAt(at);
    return picture ? picture->Hint : QString();
}

void TPicturePanel::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    for (const TPicture& picture : pictures_)
        if (event->rect().intersects(picture.Bounds))
            picture.Images->Draw(painter, picture.Bounds.x(), picture.Bounds.y(), picture.Index);
}

bool TPicturePanel::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const TPicture* picture = PictureAt(help->pos());
        if (picture && !picture->Hint.isEmpty()) {
            // The hint goes when the mouse leaves its picture, as a control's would.
            QToolTip::showText(help->globalPos(), picture->Hint, this, picture->Bounds,
                               toolTipDuration());
            return true;
        }
    }
    return QWidget::event(event);
}
