#include "ui/sidewindow.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

// The gap between the game's window and a side window, and between two side
// windows.
constexpr int Gap = 8;

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

QPoint ClampedInto(QPoint at, QSize size, const QRect& room) {
    return {
        std::clamp(at.x(), room.left(), std::max(room.left(), room.right() + 1 - size.width())),
        std::clamp(at.y(), room.top(), std::max(room.top(), room.bottom() + 1 - size.height()))};
}

QPoint PlaceBeside(QSize size, const QRect& window, const QRect& room,
                   std::span<const QRect> taken) {
    // Each side's places: at the game window's edge, after each side window,
    // and against the screen's far edge.
    std::vector<int> tops{window.top(), room.bottom() + 1 - size.height()};
    std::vector<int> lefts{window.left(), room.right() + 1 - size.width()};
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
    // How much a place hides: the game window above all, then the other
    // side windows; none for a place clear of both and within the screen.
    const auto hidden = [&](QPoint place) {
        const QRect box(place, size);
        const auto area = [&box](const QRect& other) {
            const QRect both = box.intersected(other);
            return static_cast<int64_t>(both.width()) * both.height();
        };
        int64_t covered = area(window) * (int64_t{1} << 24);
        for (const QRect& other : taken)
            covered += area(other);
        return covered;
    };
    for (const QPoint& place : places)
        if (room.contains(QRect(place, size)) && hidden(place) == 0)
            return place;
    // No clear room: the place brought onto the screen that hides least.
    QPoint best = ClampedInto(places.front(), size, room);
    int64_t least = hidden(best);
    for (const QPoint& place : places) {
        const QPoint at = ClampedInto(place, size, room);
        if (const int64_t covered = hidden(at); covered < least) {
            best = at;
            least = covered;
        }
    }
    return best;
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
