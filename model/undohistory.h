#pragma once

#include "colonystate.h"

#include <QString>
#include <deque>
#include <optional>

// The commands that can be taken back and played again: for each, the name
// the status line gives it and the colony as it stood on the other side of
// it. At most MaxSteps are kept; the oldest go first.
class TUndoHistory {
public:
    static constexpr size_t MaxSteps = 100;

    struct TStep {
        QString Command;
        TColonyState State;
        uint64_t Revision = 0; // which of the colony's states it is
    };

    // A new command changed the game from the given state: it can be taken
    // back, and what was taken back before can no longer be played again.
    void Record(const QString& command, TColonyState before, uint64_t revision);
    // The step to go back to, or none; the current state is kept to redo it.
    std::optional<TStep> Undo(TColonyState current, uint64_t revision);
    // The step to play again, or none; the current state is kept to undo it.
    std::optional<TStep> Redo(TColonyState current, uint64_t revision);
    // The last step recorded, taken out without a way to play it again: a
    // command that failed half done goes back to it.
    std::optional<TStep> TakeLast();
    void Clear();

    size_t UndoCount() const { return undo_.size(); }
    // The names of the commands that Undo and Redo would take back or play
    // again; empty when there is none.
    QString NextUndo() const { return undo_.empty() ? QString() : undo_.back().Command; }
    QString NextRedo() const { return redo_.empty() ? QString() : redo_.back().Command; }
    // The memory the kept states hold, for the benchmark that checks that a
    // full history stays small.
    size_t ByteSize() const;

private:
    static std::optional<TStep> Move(std::deque<TStep>& from, std::deque<TStep>& to,
                                     TColonyState current, uint64_t revision);

    std::deque<TStep> undo_;
    std::deque<TStep> redo_;
};
