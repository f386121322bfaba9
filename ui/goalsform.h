#pragma once

#include "model/goals.h"

#include <QString>
#include <QWidget>
#include <vector>

class QLabel;
class QProgressBar;
class QVBoxLayout;
class TColony;

// What a goal's figure is to stand to: "не меньше 1 000", "меньше 10".
QString TargetText(const TGoal& goal);

// The scenario's goals as they stand: its title, level and state above, then
// the required goals, the optional ones and the failures, each with its text,
// how far it has come, its dates and its state. A window of its own beside
// the main window; it follows the game after every turn.
class TGoalsForm : public QWidget {
    Q_OBJECT

public:
    // The colony outlives the window.
    TGoalsForm(const TColony& colony, QWidget* parent);

    // Shows the goals as the colony has them now.
    void Follow();

private:
    // A goal's line: its place in the book and what changes on it.
    struct TRow {
        size_t Goal = 0;
        QLabel* Text = nullptr;
        QLabel* State = nullptr;
        QProgressBar* Bar = nullptr;
        QLabel* Dates = nullptr;
    };
    // The lines of the goals, grouped, in place of those shown.
    void MakeRows();

    const TColony& colony_;
    QLabel* title_ = nullptr;
    QLabel* summary_ = nullptr;
    QVBoxLayout* list_ = nullptr;
    // The roles of the goals the lines were made for: other goals need others.
    std::vector<TGoalRole> roles_;
    std::vector<TRow> rows_;
};
