#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <span>
#include <utility>
#include <vector>

// Entries that follow the game's timeline, oldest first: an undo step takes
// the entries of its command out and keeps them, a redo puts them back. The
// journal's messages and the command log are kept so.
template <typename TEntry> class TTimeline {
public:
    void Record(TEntry entry) {
        entries_.push_back(std::move(entry));
        ++changes_;
    }
    std::span<const TEntry> Entries() const { return entries_; }
    size_t Count() const { return entries_.size(); }
    // The entries from the count on, taken out; none when there are no more.
    std::vector<TEntry> CutFrom(size_t count) {
        if (count >= entries_.size())
            return {};
        const auto from = entries_.begin() + static_cast<std::ptrdiff_t>(count);
        std::vector<TEntry> cut(std::make_move_iterator(from),
                                std::make_move_iterator(entries_.end()));
        entries_.erase(from, entries_.end());
        ++changes_;
        return cut;
    }
    // Entries taken out before, put back at the end.
    void Append(std::vector<TEntry> entries) {
        if (entries.empty())
            return;
        entries_.insert(entries_.end(), std::make_move_iterator(entries.begin()),
                        std::make_move_iterator(entries.end()));
        ++changes_;
    }
    // A loaded game's entries.
    void Assign(std::vector<TEntry> entries) {
        entries_ = std::move(entries);
        ++changes_;
    }
    // Grows with every change, so that a window knows when to show it again.
    uint64_t Changes() const { return changes_; }

private:
    std::vector<TEntry> entries_;
    uint64_t changes_ = 0;
};
