#pragma once

#include "ui/gamedialog.h"

#include "model/sounds.h"

class TWindowServices;

// The message dialog of the daily turn: a text, a sound when it opens and an
// "ОК" button.
class TInfoForm : public TGameDialog {
    Q_DECLARE_TR_FUNCTIONS(TInfoForm)

public:
    TInfoForm(QWidget* parent, TWindowServices& services, TSound sound, const QString& text);

    // Plays the stored sound, then shows the dialog modally.
    void ShowModal();

private:
    TWindowServices& services_;
    TSound sound_;
};
