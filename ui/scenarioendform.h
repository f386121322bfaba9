#pragma once

#include "model/goals.h"
#include "model/scenario.h"
#include "ui/gamedialog.h"

#include <QImage>

class QLabel;
class TWindowServices;

// A medal as the end of a won scenario shows it: a disc of its metal on a
// ribbon, drawn at the size; transparent for no medal.
QImage DrawMedal(TMedal medal, QSize size);

// The end of a scenario: a won one with its medal, its figures and whether
// they are the player's new record; a lost one with the goal that lost it.
class TScenarioEndForm : public TGameDialog {
    Q_DECLARE_TR_FUNCTIONS(TScenarioEndForm)

public:
    TScenarioEndForm(QWidget* parent, TWindowServices& services, const TScenarioResult& result,
                     const TGoalBook& goals, bool newRecord);

    // Plays the win's or the loss's sound, then shows the dialog modally.
    void ShowModal();

    QLabel* pcMedal = nullptr; // none without a medal
    QLabel* lbText = nullptr;

private:
    TWindowServices& services_;
    bool won_;
};
