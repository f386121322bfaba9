#pragma once

#include "map/overlay.h"

#include <QWidget>

// The key to the overlay shown on the map: each colour with its meaning, in
// columns, over the map view's bottom-left corner. It follows the view as
// the view moves and grows.
class TOverlayLegend : public QWidget {
public:
    TOverlayLegend(QWidget& mapView, TOverlay overlay);
    TOverlay Overlay() const { return overlay_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void Place();

    QWidget& mapView_;
    TOverlay overlay_;
    int rows_ = 1;        // in a column, set by Place
    int columnWidth_ = 0; // with its margins
};
