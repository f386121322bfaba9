#include "undohistory.h"

void TUndoHistory::Record(const QString& command, TColonyState before, uint64_t revision) {
    redo_.clear();
    if (undo_.size() == MaxSteps)
        undo_.pop_front();
    undo_.push_back({command, std::move(before), revision});
}

std::optional<TUndoHistory::TStep> TUndoHistory::Move(std::deque<TStep>& from,
                                                      std::deque<TStep>& to, TColonyState current,
                                                      uint64_t revision) {
    if (from.empty())
        return std::nullopt;
    TStep step = std::move(from.back());
    from.pop_back();
    to.push_back({step.Command, std::move(current), revision});
    return step;
}

std::optional<TUndoHistory::TStep> TUndoHistory::Undo(TColonyState current, uint64_t revision) {
    return Move(undo_, redo_, std::move(current), revision);
}

std::optional<TUndoHistory::TStep> TUndoHistory::Redo(TColonyState current, uint64_t revision) {
    return Move(redo_, undo_, std::move(current), revision);
}

std::optional<TUndoHistory::TStep> TUndoHistory::TakeLast() {
    if (undo_.empty())
        return std::nullopt;
    TStep step = std::move(undo_.back());
    undo_.pop_back();
    return step;
}

void TUndoHistory::Clear() {
    undo_.clear();
    redo_.clear();
}

size_t TUndoHistory::ByteSize() const {
    size_t bytes = 0;
    for (const auto* steps : {&undo_, &redo_})
        for (const TStep& step : *steps)
            bytes += step.State.ByteSize();
    return bytes;
}
