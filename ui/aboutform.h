#pragma once

#include "ui/gamedialog.h"

// The about box: the game's picture, name and version, its authors and two
// links, to the game's web page and to its mail address.
class TAboutForm : public TGameDialog {
    Q_DECLARE_TR_FUNCTIONS(TAboutForm)

public:
    static constexpr const char* WebAddress = "tarvenia.example.org";
    static constexpr const char* MailAddress = "tarvenia@example.org";

    // The links minimise the main window before the desktop opens them.
    TAboutForm(QWidget* parent, QWidget* mainWindow);
};
