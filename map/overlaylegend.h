#pragma once

#include "map/overlay.h"

#include <QWidget>

// The key to the overlay shown on the map: each colour with its meaning, in
// two columns. Hidden while the map has no overlay.
class TOverlayLegend : public QWidget {
public:
    explicit TOverlayLegend(QWidget* parent = nullptr);

    void SetOverlay(TOverlay overlay);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TOverlay overlay_ = TOverlay::None;
};
