#include "map/zoombadge.h"

#include <QEvent>
#include <cmath>

TZoomBadge::TZoomBadge(QWidget& mapView, const std::function<void()>& actualSize)
    : QToolButton(mapView.parentWidget()), mapView_(mapView) {
    setObjectName(QStringLiteral("ZoomBadge"));
    setFocusPolicy(Qt::NoFocus); // the View menu's keys do the same from the keyboard
    setAutoFillBackground(true);
    setToolTip(tr("Настоящий размер: Ctrl+0"));
    connect(this, &QToolButton::clicked, this, actualSize);
    mapView_.installEventFilter(this);
    show();
}

QString TZoomBadge::ZoomText(double zoom) {
    return tr("Масштаб %1 %").arg(std::lround(zoom * 100));
}

void TZoomBadge::Follow(QPointer<TZoomBadge>& badge, QWidget& mapView, double zoom,
                        const std::function<void()>& actualSize) {
    mapView.setAccessibleDescription(ZoomText(zoom));
    if (zoom == 1) {
        delete badge;
        return;
    }
    if (!badge)
        badge = new TZoomBadge(mapView, actualSize);
    badge->setText(ZoomText(zoom));
    badge->setAccessibleName(badge->text());
    badge->Place();
}

bool TZoomBadge::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Move || event->type() == QEvent::Resize)
        Place();
    return QToolButton::eventFilter(watched, event);
}

void TZoomBadge::Place() {
    const QSize size = sizeHint();
    const QRect view = mapView_.geometry();
    setGeometry(QRect(QPoint(view.right() + 1 - size.width(), view.top()), size));
    raise();
}
