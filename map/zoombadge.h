#pragma once

#include <QPointer>
#include <QToolButton>
#include <functional>

// The zoom of the map view, over the view's top-right corner while it is not
// today's size; a press on it brings today's size back. It follows the view
// as the view moves and grows.
class TZoomBadge : public QToolButton {
    Q_OBJECT

public:
    // How the zoom reads, on the badge and elsewhere: «Масштаб 60 %».
    static QString ZoomText(double zoom);
    // Shows the zoom on the view's badge, made when the view leaves today's
    // size and gone when it comes back, and as the view's description for a
    // screen reader; a press on the badge calls actualSize.
    static void Follow(QPointer<TZoomBadge>& badge, QWidget& mapView, double zoom,
                       const std::function<void()>& actualSize);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TZoomBadge(QWidget& mapView, const std::function<void()>& actualSize);
    void Place();

    QWidget& mapView_;
};
