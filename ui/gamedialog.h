#pragma once

#include <QCoreApplication>
#include <QDialog>
#include <QMessageBox>

class QFrame;
class TvtButton;
class TWindowServices;

// The frame of the game's small dialogs: a fixed client size, a title bar
// with only a close box, and the dialog font. Escape closes a dialog only
// through its cancel button, never by itself.
class TGameDialog : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(TGameDialog)

public:
    TGameDialog(QWidget* parent, const QString& caption, QSize client,
                const QString& face = QStringLiteral("Tahoma"));

    // A sunken panel like the ones that frame the dialogs' pictures.
    static QFrame* LoweredPanel(QWidget* parent, const QRect& geometry);
    // The default button ("btOk") at the point and "Отмена" ("btCancel") to
    // its right, both sounding "Button" when pressed; returns the default one.
    TvtButton* AddOkCancel(const QString& caption, QPoint at, TWindowServices& services);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    // A dialog takes the keyboard as it opens, also where no window manager
    // hands the focus over.
    void showEvent(QShowEvent* event) override;
};

// The dialogs' font: the face at 8 points, 11 pixels high at 96 dots per inch.
QFont DialogFont(const QString& face);

// A question in a message box titled as the parent window; returns the
// button pressed. Qt's Russian translation names the buttons, but underlines
// a shortcut letter in «Да» and «Нет»: those two keep the game's plain
// captions.
QMessageBox::StandardButton Ask(QWidget* parent, const QString& text,
                                QMessageBox::StandardButtons buttons,
                                QMessageBox::StandardButton byDefault);
