#pragma once

#include "ui/gamedialog.h"

#include <QTimer>

class TWindowServices;

// The start screen: the title picture with its choices: a new game, the
// tutorial while the player has not finished it, a new game by scenario,
// loading and exit.
class THelloForm : public TGameDialog {
    Q_DECLARE_TR_FUNCTIONS(THelloForm)

public:
    enum TChoice { hcNewGame = 1, hcLoad = 2, hcExit = 3, hcTutorial = 4, hcScenario = 5 };

    // Loading is offered only when there is a saved game to load; the
    // screen names its file and the date of its colony. The tutorial is
    // offered only when asked.
    THelloForm(QWidget* parent, TWindowServices& services, const QString& saveName = QString(),
               const QString& saveDate = QString(), bool offerTutorial = false);

    // Shows the screen modally and tells what the player chose; closing the
    // screen counts as exit.
    TChoice ShowHello();

private:
    void Choose(int result);
    void keyPressEvent(QKeyEvent* event) override;

    TWindowServices& services_;
    QTimer tm1;
};
