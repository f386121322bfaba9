#pragma once

#include <QPoint>
#include <QRect>
#include <QRgb>
#include <functional>
#include <optional>
#include <span>

class QWidget;

// A window's place of the given size moved as little as needed to lie within
// the room, or at its top left where the room is smaller.
QPoint ClampedInto(QPoint at, QSize size, const QRect& room);

// Where a side window of the given size goes beside the game's window, within
// the screen's room: to its right, to its left, below it or above it, each at
// the game window's edge, after the side windows already there (taken) or
// against the screen's edge, at the first place that covers neither the game
// nor another side window. Where the screen has no such room, the place that
// covers the least, the game's window last of all.
QPoint PlaceBeside(QSize size, const QRect& window, const QRect& room,
                   std::span<const QRect> taken);

// Puts a window of the game's own where the player last left it, if that is
// still on a screen present, else beside the game's window, clear of the
// other side windows shown; and tells `moved` where the player has put it
// whenever it is hidden away from where it was placed.
void PlaceSideWindow(QWidget& form, const QWidget& window, std::span<const QWidget* const> others,
                     std::optional<QPoint> remembered, std::function<void(QPoint)> moved);

// The colour of a line in a side window's list that a double click or Enter
// takes somewhere: a journal's message with its place, an advisor's warning.
inline constexpr QRgb GoThereColour = 0x003399;
