#pragma once

#include "base/language.h"

#include <QApplication>
#include <QLocale>

// The game's application object: an error that no command handles is shown
// in an error box with its text, and the game goes on.
class TApplication : public QApplication {
    Q_DECLARE_TR_FUNCTIONS(TApplication)

public:
    // Runs the game on Qt's own event loop rather than GLib's, unless the
    // environment chooses (QT_NO_GLIB). GLib's loop makes a system call for
    // every event posted, and each control posts one as it is made: sixty
    // at the main window's start. Nothing in the game needs GLib's loop:
    // sounds go to PulseAudio on its own thread. The choice is not passed on
    // to the programs the game starts.
    TApplication(int& argc, char** argv);

    // Speaks the chosen language from now on (the system's for System), with
    // the catalogues of the data folder; Qt's own texts (the standard
    // buttons, the file dialogs' columns and questions) follow where the
    // system has Qt's translation. Returns the language spoken.
    TLanguage Speak(TLanguage chosen, const QString& dataFolder);
    // The language spoken: Russian until the game speaks another.
    static const TLanguageRow& Spoken();
    // The locale of the language spoken, for the month names and dates the
    // window writes itself.
    static QLocale Locale();

    bool notify(QObject* receiver, QEvent* event) override;

    // The error box: a stop icon, the program's title and the text, with the
    // plain pointer whatever the game was busy with.
    static void ShowError(const QString& text);
    // The game's look, set once before its first window: the style, the
    // window icon, and the faces and font the dialogs were laid out for.
    static void SetUpLook();
    // The faces and the font of the game's look alone.
    static void SetUpFonts();

private:
    TTranslations texts_;
    static inline TLanguage spoken_ = TLanguage::Russian;
};
