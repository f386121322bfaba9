#pragma once

class QWidget;

// Puts a window of the game's own beside the game's window, within the
// screen: to its right, else below it, else to its left, where the screen
// has room; else over the game window's right part.
void PlaceBeside(QWidget& form, const QWidget& window);
