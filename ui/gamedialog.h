#pragma once

#include <QDialog>

class QFrame;

// The frame of the game's small dialogs: a fixed client size, a title bar
// with only a close box, and the dialog font. Escape closes a dialog only
// through its cancel button, never by itself.
class TGameDialog : public QDialog {
public:
    TGameDialog(QWidget* parent, const QString& caption, QSize client,
                const QString& face = QStringLiteral("Tahoma"));

    // A sunken panel like the ones that frame the dialogs' pictures.
    static QFrame* LoweredPanel(QWidget* parent, const QRect& geometry);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    // A dialog takes the keyboard as it opens, also where no window manager
    // hands the focus over.
    void showEvent(QShowEvent* event) override;
};

// The dialogs' font: the face at 8 points, 11 pixels high at 96 dots per inch.
QFont DialogFont(const QString& face);
