#pragma once

#include <QApplication>

// While a dialog waits for the player, the pointer is the plain arrow, even
// in the middle of a turn's work or a drag of the map.
class TDialogPointer {
public:
    TDialogPointer() { QApplication::setOverrideCursor(Qt::ArrowCursor); }
    ~TDialogPointer() { QApplication::restoreOverrideCursor(); }
    TDialogPointer(const TDialogPointer&) = delete;
    TDialogPointer& operator=(const TDialogPointer&) = delete;
};
