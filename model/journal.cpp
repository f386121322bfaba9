#include "journal.h"

#include <QCoreApplication>

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
