#pragma once

#include <QApplication>

// The game's application object: an error that no command handles is shown
// in an error box with its text, and the game goes on.
class TApplication : public QApplication {
public:
    TApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

    // The error box: a stop icon, the program's title and the text.
    static void ShowError(const QString& text);
    // The game's look, set once before its first window: the style, the
    // window icon and the faces and font the dialogs were laid out for.
    static void SetUpLook();
};
