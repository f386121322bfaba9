#pragma once

#include <QPoint>
#include <QWidget>
#include <cstdint>
#include <functional>

class QComboBox;
class QLabel;
class QLineEdit;
class QTableView;
class TColony;
class TJournalRows;

// The game's journal: every message the game showed, newest first, with its
// date and kind, narrowed to one kind and to the entries whose text holds the
// words searched for. Choosing an entry about a cell (a double click, or
// Enter) shows that cell on the map. A window of its own beside the main
// window; it follows the journal as it grows and as commands are taken back.
class TJournalForm : public QWidget {
    Q_OBJECT

public:
    // The colony outlives the window; showCell centres the map on a cell and
    // selects it.
    TJournalForm(const TColony& colony, std::function<void(QPoint)> showCell, QWidget* parent);

    // Shows the journal again when it changed since it was last shown.
    void Follow();

private:
    // The entries of the chosen kind that hold the searched words.
    void Refilter();

    const TColony& colony_;
    std::function<void(QPoint)> showCell_;
    QComboBox* kind_ = nullptr;
    QLineEdit* search_ = nullptr;
    QTableView* table_ = nullptr;
    QLabel* count_ = nullptr;
    TJournalRows* rows_ = nullptr;
    uint64_t shown_ = UINT64_MAX; // the journal's changes when it was last shown
};
