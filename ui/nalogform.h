#pragma once

#include "ui/gamedialog.h"

class TTaxDialog;
class TWindowServices;

// The two tax dialogs: the yearly taxes line by line, and the main tax of
// every tenth year. "Да" pays through the rules and closes only when the
// payment went through; "Нет", Escape or the close box refuse.
class TNalogForm : public TGameDialog {
    Q_DECLARE_TR_FUNCTIONS(TNalogForm)

public:
    TNalogForm(QWidget* parent, TWindowServices& services, TTaxDialog& taxes);

    // Plays "Nalog", then shows the dialog modally.
    void ShowModal();

private:
    TWindowServices& services_;
};

class TNalogMainForm : public TGameDialog {
    Q_DECLARE_TR_FUNCTIONS(TNalogMainForm)

public:
    TNalogMainForm(QWidget* parent, TWindowServices& services, TTaxDialog& tax);

    void ShowModal();

private:
    TWindowServices& services_;
};
