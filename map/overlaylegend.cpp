#include "map/overlaylegend.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPainter>
#include <algorithm>

namespace {

constexpr int RowHeight = 13;
constexpr int Swatch = 9;
constexpr int Margin = 3;
constexpr int Gap = 4; // between a swatch and its words
constexpr int MaxRows = 3;

} // namespace

TOverlayLegend::TOverlayLegend(QWidget& mapView, TOverlay overlay)
    : QWidget(mapView.parentWidget()), mapView_(mapView), overlay_(overlay) {
    // A plain box of the window's colour, so the map below never shows
    // through the words.
    setAutoFillBackground(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    mapView_.installEventFilter(this);
    Place();
    show();
}

bool TOverlayLegend::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Move || event->type() == QEvent::Resize)
        Place();
    return QWidget::eventFilter(watched, event);
}

void TOverlayLegend::Place() {
    // Rows of MaxRows at most, each column as wide as its longest words.
    const std::span<const TLegendEntry> legend = OverlayLegend(overlay_);
    int words = 0;
    for (const TLegendEntry& entry : legend)
        words = std::max(words, fontMetrics().horizontalAdvance(
                                    QCoreApplication::translate("Overlay", entry.Text)));
    const int count = static_cast<int>(legend.size());
    rows_ = std::clamp(count, 1, MaxRows);
    columnWidth_ = Swatch + Gap + words + 2 * Margin;
    const QSize size((count + rows_ - 1) / rows_ * columnWidth_, rows_ * RowHeight + 2 * Margin);
    const QRect view = mapView_.geometry();
    setGeometry(QRect(QPoint(view.left(), view.bottom() + 1 - size.height()), size));
    raise();
}

void TOverlayLegend::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Window));
    const std::span<const TLegendEntry> legend = OverlayLegend(overlay_);
    // Down the first column, then the next.
    const QRect inside = rect().adjusted(Margin, Margin, -Margin, -Margin);
    painter.setPen(palette().color(QPalette::WindowText));
    for (size_t i = 0; i < legend.size(); ++i) {
        const int x = inside.left() + static_cast<int>(i) / rows_ * columnWidth_;
        const int y = inside.top() + static_cast<int>(i) % rows_ * RowHeight;
        painter.fillRect(QRect(x, y + (RowHeight - Swatch) / 2, Swatch, Swatch),
                         QColor::fromRgb(legend[i].Colour));
        painter.drawText(QRect(x + Swatch + Gap, y, columnWidth_ - Swatch - Gap, RowHeight),
                         Qt::AlignLeft | Qt::AlignVCenter,
                         QCoreApplication::translate("Overlay", legend[i].Text));
    }
}
