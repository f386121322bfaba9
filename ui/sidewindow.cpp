#include "ui/sidewindow.h"

#include <QScreen>
#include <QWidget>
#include <algorithm>

void PlaceBeside(QWidget& form, const QWidget& window) {
    const QRect frame = window.frameGeometry();
    const QScreen* screen = window.screen();
    const QRect room = screen ? screen->availableGeometry() : QRect(QPoint(), frame.size());
    const QSize size = form.frameGeometry().size();
    const QPoint places[] = {{frame.right() + 8, frame.top()},
                             {frame.left(), frame.bottom() + 8},
                             {frame.left() - 8 - size.width(), frame.top()}};
    QPoint at = places[0];
    for (const QPoint& place : places)
        if (room.contains(QRect(place, size))) {
            at = place;
            break;
        }
    at.setX(std::clamp(at.x(), room.left(), std::max(room.left(), room.right() - size.width())));
    at.setY(std::clamp(at.y(), room.top(), std::max(room.top(), room.bottom() - size.height())));
    form.move(at);
}
