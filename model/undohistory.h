#pragma once

#include "colonystate.h"
#include "commandlog.h"
#include "game.h"
#include "journal.h"

#include <QString>
#include <deque>
#include <optional>
#include <vector>

// What a command changed of the colony, as the way to its other side: the
// colony's head as it stands there, and the edits of its land and buildings.
// Going through it swaps the head with the colony's and applies the edits, so
// it becomes the way back. The journal's entries of a command taken back wait
// here until it is played again.
struct TColonyEdits {
    TColonyHead Head;
    TGameEdits Game;
    std::vector<TJournalEntry> Journal;
    std::vector<TLogEntry> Log;

    // The memory the step holds, for keeping the undo history in bounds.
    size_t ByteSize() const;
};

// The commands that can be taken back and played again: for each, the name
// the status line gives it and the way to the colony as it stood on the
// other side of it. At most MaxSteps are kept; the oldest go first.
class TUndoHistory {
public:
    static constexpr size_t MaxSteps = 100;

    struct TStep {
        QString Command;
        TColonyEdits Edits;
        uint64_t Revision = 0; // which of the colony's states it leads to
    };

    // A new command changed the game, and the edits lead back from it: it
    // can be taken back, and what was taken back before can no longer be
    // played again. The step is returned for the command to go on recording
    // into it.
    TStep& Record(const QString& command, TColonyEdits edits, uint64_t revision);
    // The step to take back, or to play again, taken out; none when there is
    // none. Once the colony has gone through it, it is kept on the other
    // side with Undone or Redone.
    std::optional<TStep> TakeUndo() { return Take(undo_); }
    std::optional<TStep> TakeRedo() { return Take(redo_); }
    void Undone(TStep step) { redo_.push_back(std::move(step)); }
    void Redone(TStep step) { undo_.push_back(std::move(step)); }
    void Clear();

    size_t UndoCount() const { return undo_.size(); }
    size_t RedoCount() const { return redo_.size(); }
    // The names of the commands that Undo and Redo would take back or play
    // again; empty when there is none.
    QString NextUndo() const { return undo_.empty() ? QString() : undo_.back().Command; }
    QString NextRedo() const { return redo_.empty() ? QString() : redo_.back().Command; }
    // The memory the kept steps hold.
    size_t ByteSize() const;

private:
    static std::optional<TStep> Take(std::deque<TStep>& steps);

    std::deque<TStep> undo_;
    std::deque<TStep> redo_;
};
