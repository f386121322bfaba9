#include "undohistory.h"

size_t TColonyEdits::ByteSize() const {
    size_t journal = Journal.size() * sizeof(TJournalEntry);
    for (const TJournalEntry& entry : Journal)
        journal += static_cast<size_t>(entry.Text.size()) * sizeof(QChar);
    return sizeof(*this) + Head.Account.Years().size() * sizeof(TYearAccount) + Game.ByteSize() +
           journal + Log.size() * sizeof(TLogEntry);
}

TUndoHistory::TStep& TUndoHistory::Record(const QString& command, TColonyEdits edits,
                                          uint64_t revision) {
    redo_.clear();
    if (undo_.size() == MaxSteps)
        undo_.pop_front();
    return undo_.emplace_back(TStep{command, std::move(edits), revision});
}

std::optional<TUndoHistory::TStep> TUndoHistory::Take(std::deque<TStep>& steps) {
    if (steps.empty())
        return std::nullopt;
    TStep step = std::move(steps.back());
    steps.pop_back();
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
            bytes += step.Edits.ByteSize();
    return bytes;
}
