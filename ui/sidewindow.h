#pragma once

#include <QPoint>
#include <QRect>
#include <functional>
#include <optional>
#include <span>

class QWidget;

// Where a side window of the given size goes beside the game's window, within
// the screen's room: to its right, below it, to its left or above it, each
// first at the game window's edge and then after the side windows already
// there, at the first place that covers neither the game nor another side
// window (taken). Where the screen has no such room, over the game window's
// right part, off the corners of the others.
QPoint PlaceBeside(QSize size, const QRect& window, const QRect& room,
                   std::span<const QRect> taken);

// Puts a window of the game's own where the player last left it, if that is
// still on a screen present, else beside the game's window, clear of the
// other side windows shown; and tells `moved` where the player has put it
// whenever it is hidden away from where it was placed.
void PlaceSideWindow(QWidget& form, const QWidget& window, std::span<const QWidget* const> others,
                     std::optional<QPoint> remembered, std::function<void(QPoint)> moved);
