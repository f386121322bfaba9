#include "map/overlaylegend.h"

#include <QPainter>

namespace {

constexpr int RowHeight = 13;
constexpr int Swatch = 9;
constexpr int Margin = 3;

} // namespace

TOverlayLegend::TOverlayLegend(QWidget* parent) : QWidget(parent) {
    // A plain box of the window's colour, so the map below never shows
    // through the words.
    setAutoFillBackground(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    hide();
}

void TOverlayLegend::SetOverlay(TOverlay overlay) {
    overlay_ = overlay;
    setVisible(overlay != TOverlay::None);
    update();
}

void TOverlayLegend::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Window));
    const std::span<const TLegendEntry> legend = OverlayLegend(overlay_);
    // Down the first column, then the next, as many as the entries need.
    const QRect inside = rect().adjusted(Margin, Margin, -Margin, -Margin);
    const int rows = std::max(inside.height() / RowHeight, 1);
    const int columns = std::max((static_cast<int>(legend.size()) + rows - 1) / rows, 1);
    const int columnWidth = inside.width() / columns;
    painter.setPen(palette().color(QPalette::WindowText));
    for (size_t i = 0; i < legend.size(); ++i) {
        const int x = inside.left() + static_cast<int>(i) / rows * columnWidth;
        const int y = inside.top() + static_cast<int>(i) % rows * RowHeight;
        painter.fillRect(QRect(x, y + (RowHeight - Swatch) / 2, Swatch, Swatch),
                         QColor::fromRgb(legend[i].Colour));
        painter.drawText(QRect(x + Swatch + 4, y, columnWidth - Swatch - 4, RowHeight),
                         Qt::AlignLeft | Qt::AlignVCenter, QString::fromUtf8(legend[i].Text));
    }
}
