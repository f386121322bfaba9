#include "journal.h"

#include <QCoreApplication>
#include <iterator>

namespace {

struct TKindWords {
    const char* Key;
    const char* Name;
};
constexpr TKindWords KindWords[JournalKindCount] = {
    {"event", QT_TRANSLATE_NOOP("Journal", "Событие")},
    {"tax", QT_TRANSLATE_NOOP("Journal", "Налог")},
    {"season", QT_TRANSLATE_NOOP("Journal", "Время года")},
    {"error", QT_TRANSLATE_NOOP("Journal", "Ошибка")},
    {"goal", QT_TRANSLATE_NOOP("Journal", "Цель")},
    {"trade", QT_TRANSLATE_NOOP("Journal", "Торговля")},
};

const TKindWords& WordsOf(TJournalKind kind) {
    return KindWords[static_cast<size_t>(kind) % JournalKindCount];
}

} // namespace

const char* JournalKindKey(TJournalKind kind) {
    return WordsOf(kind).Key;
}

QString JournalKindName(TJournalKind kind) {
    return QCoreApplication::translate("Journal", WordsOf(kind).Name);
}

std::vector<TJournalEntry> TJournal::CutFrom(size_t count) {
    if (count >= entries_.size())
        return {};
    const auto from = entries_.begin() + static_cast<std::ptrdiff_t>(count);
    std::vector<TJournalEntry> cut(std::make_move_iterator(from),
                                   std::make_move_iterator(entries_.end()));
    entries_.erase(from, entries_.end());
    ++changes_;
    return cut;
}

void TJournal::Append(std::vector<TJournalEntry> entries) {
    if (entries.empty())
        return;
    entries_.insert(entries_.end(), std::make_move_iterator(entries.begin()),
                    std::make_move_iterator(entries.end()));
    ++changes_;
}

void TJournal::Assign(std::vector<TJournalEntry> entries) {
    entries_ = std::move(entries);
    ++changes_;
}
