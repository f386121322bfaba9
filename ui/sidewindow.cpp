#include "ui/sidewindow.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <vector>

namespace {

// The gap between the game's window and a side window, and between two side
// windows.
constexpr int Gap = 8;

QPoint ClampedInto(QPoint at, QSize size, const QRect& room) {
    return {
        std::clamp(at.x(), room.left(), std::max(room.left(), room.right() + 1 - size.width())),
        std::clamp(at.y(), room.top(), std::max(room.top(), room.bottom() + 1 - size.height()))};
}

// Hears the side window hidden and tells where it was, if not where the game
// put it.
class TPlaceKeeper : public QObject {
public:
    TPlaceKeeper(QWidget& form, std::function<void(QPoint)> moved)
        : QObject(&form), placed_(form.pos()), moved_(std::move(moved)) {
        form.installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Hide) {
            const QPoint at = static_cast<QWidget*>(watched)->pos();
            if (at != placed_ && moved_)
                moved_(at);
            placed_ = at;
        }
        return false;
    }

private:
    QPoint placed_;
    std::function<void(QPoint)> moved_;
};

} // namespace

QPoint PlaceBeside(QSize size, const QRect& window, const QRect& room,
                   std::span<const QRect> taken) {
    std::vector<int> tops{window.top()};
    std::vector<int> lefts{window.left()};
    for (const QRect& other : taken) {
        tops.push_back(other.bottom() + 1 + Gap);
        lefts.push_back(other.right() + 1 + Gap);
    }
    const int right = window.right() + 1 + Gap;
    const int left = window.left() - Gap - size.width();
    const int below = window.bottom() + 1 + Gap;
    const int above = window.top() - Gap - size.height();
    std::vector<QPoint> places;
    for (const int x : {right, left})
        for (const int y : tops)
            places.emplace_back(x, y);
    for (const int y : {below, above})
        for (const int x : lefts)
            places.emplace_back(x, y);
    const auto clear = [&](const QRect& box) {
        return room.contains(box) && !box.intersects(window) &&
               std::ranges::none_of(taken,
                                    [&](const QRect& other) { return box.intersects(other); });
    };
    for (const QPoint& place : places)
        if (clear(QRect(place, size)))
            return place;
    // No room: over the game window's right part, stepped off the corners of
    // the windows there already.
    QPoint at = ClampedInto({right, window.top()}, size, room);
    for (size_t step = 0; step <= taken.size(); ++step) {
        if (std::ranges::none_of(taken, [&](const QRect& other) { return other.topLeft() == at; }))
            break;
        at = ClampedInto(at + QPoint(3 * Gap, 3 * Gap), size, room);
    }
    return at;
}

void PlaceSideWindow(QWidget& form, const QWidget& window, std::span<const QWidget* const> others,
                     std::optional<QPoint> remembered, std::function<void(QPoint)> moved) {
    const QSize size = form.frameGeometry().size();
    const QScreen* keptOn =
        remembered ? QGuiApplication::screenAt(QRect(*remembered, size).center()) : nullptr;
    if (keptOn) {
        form.move(ClampedInto(*remembered, size, keptOn->availableGeometry()));
    } else {
        const QRect frame = window.frameGeometry();
        const QScreen* screen = window.screen();
        std::vector<QRect> taken;
        for (const QWidget* other : others)
            if (other && other->isVisible())
                taken.push_back(other->frameGeometry());
        form.move(PlaceBeside(size, frame,
                              screen ? screen->availableGeometry() : QRect(QPoint(), frame.size()),
                              taken));
    }
    new TPlaceKeeper(form, std::move(moved));
}
