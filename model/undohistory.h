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
    };

    // A new command changed the game from the given state: it can be taken
    // back, and what was taken back before can no longer be played again.
    void Record(const QString& command, TColonyState before);
    // The step to go back to, or none; the current state is kept to redo it.
    std::optional<TStep> Undo(TColonyState current);
    // The step to play again, or none; the current state is kept to undo it.
    std::optional<TStep> Redo(TColonyState current);
    // The last step recorded, taken out without a way to play it again: a
    // command that failed half done goes back to it.
    std::optional<TStep> TakeLast();
    void Clear();

    size_t UndoCount() const { return undo_.size(); }
    size_t RedoCount() const { return redo_.size(); }
    // The memory the kept states hold.
    size_t ByteSize() const;

private:
    static std::optional<TStep> Move(std::deque<TStep>& from, std::deque<TStep>& to,
                                     TColonyState current);

    std::deque<TStep> undo_;
    std::deque<TStep> redo_;
};
