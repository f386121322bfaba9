#include "settings.h"

#include <QSettings>
#include <QStringList>
#include <algorithm>
#include <memory>
#include <utility>

namespace {

std::unique_ptr<QSettings> Store() {
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                       QStringLiteral("tarvenia"), QStringLiteral("tarvenia"));
}

// A key once written keeps its name: a renamed one loses the player's choice.
constexpr TStoredSetting Stored[] = {
    {"sound/on", &TSettings::Sound},
    {"sound/volume", &TSettings::SoundVolume, 0, TSettings::MaxVolume},
    {"music/on", &TSettings::Music},
    {"music/volume", &TSettings::MusicVolume, 0, TSettings::MaxVolume},
    {"game/autosave", &TSettings::Autosave},
    {"game/askBeforeDiscard", &TSettings::AskBeforeDiscard},
    {"window/fullScreen", &TSettings::FullScreen},
    {"window/language", &TSettings::Language},
    {"window/statisticsAt", &TSettings::StatisticsAt},
    {"window/goalsAt", &TSettings::GoalsAt},
    {"window/journalAt", &TSettings::JournalAt},
    {"window/advisorAt", &TSettings::AdvisorAt},
    {"window/at", &TSettings::WindowAt},
    {"window/size", &TSettings::WindowSize},
    {"window/maximised", &TSettings::Maximised},
    {"messages/quiet", &TSettings::QuietMessages},
    {"playon/limit", &TSettings::RunLimit},
    {"playon/until", &TSettings::RunUntil},
    {"playon/pace", &TSettings::RunPace, 0, 1000},
    {"advice/stop", &TSettings::AdviceStops},
    {"game/crashSeen", &TSettings::CrashSeen},
};

// Only the two words the settings are written with: any other text would
// read as "on".
void Read(const QVariant& value, const TStoredSetting&, bool& flag) {
    const QString text = value.toString();
    if (text == QLatin1String("true") || text == QLatin1String("false"))
        flag = text == QLatin1String("true");
}

void Read(const QVariant& value, const TStoredSetting& row, int& number) {
    bool ok = false;
    const int read = value.toInt(&ok);
    if (ok)
        number = std::clamp(read, row.Min, row.Max);
}

// The choice of the desktop's language as the file names it; each language
// is named by its row's word.
constexpr const char* SystemWord = "system";

void Read(const QVariant& value, const TStoredSetting&, TLanguage& language) {
    const QString text = value.toString();
    if (text == QLatin1String(SystemWord))
        language = TLanguage::System;
    for (const TLanguageRow& row : Languages())
        if (text == QLatin1String(row.SettingsWord))
            language = row.Language;
}

// Two whole numbers as "x,y"; none for anything else.
std::optional<std::pair<int, int>> ReadPair(const QVariant& value) {
    const QStringList parts = value.toString().split(QLatin1Char(','));
    bool okX = false;
    bool okY = false;
    const int x = parts.size() == 2 ? parts[0].toInt(&okX) : 0;
    const int y = parts.size() == 2 ? parts[1].toInt(&okY) : 0;
    if (okX && okY)
        return std::pair(x, y);
    return std::nullopt;
}

// A place as "x,y"; anything else is no place.
void Read(const QVariant& value, const TStoredSetting&, std::optional<QPoint>& place) {
    if (const auto pair = ReadPair(value))
        place = QPoint(pair->first, pair->second);
}

// A size as "width,height", both above zero; anything else is no size.
void Read(const QVariant& value, const TStoredSetting&, std::optional<QSize>& size) {
    if (const auto pair = ReadPair(value); pair && pair->first > 0 && pair->second > 0)
        size = QSize(pair->first, pair->second);
}

// A set of kinds by their words, "births,departures"; words of no kind are
// passed over.
template <typename TSet, typename TRow>
void ReadKinds(const QVariant& value, TSet& set, std::span<const TRow> rows) {
    if (!value.isValid())
        return;
    set = {};
    // Written by hand without quotes, the words come as a list.
    for (const QString& word :
         value.toStringList().join(QLatin1Char(',')).split(QLatin1Char(','), Qt::SkipEmptyParts))
        for (const TRow& row : rows)
            if (word.trimmed() == QLatin1String(row.Key))
                set.Set(row.Kind, true);
}

template <typename TSet, typename TRow>
QVariant WrittenKinds(const TSet& set, std::span<const TRow> rows) {
    QStringList words;
    for (const TRow& row : rows)
        if (set[row.Kind])
            words << QLatin1String(row.Key);
    return words.join(QLatin1Char(','));
}

void Read(const QVariant& value, const TStoredSetting&, TQuietMessages& quiet) {
    ReadKinds(value, quiet, MessageKinds());
}

void Read(const QVariant& value, const TStoredSetting&, TAdviceStops& stops) {
    ReadKinds(value, stops, AdviceKinds());
}

void Read(const QVariant& value, const TStoredSetting&, TRunLimit& limit) {
    if (const std::optional<TRunLimit> read = RunLimitOfKey(value.toString()))
        limit = *read;
}

// A date as "D.M.YYYY"; anything else is no date.
void Read(const QVariant& value, const TStoredSetting&, std::optional<TGameDate>& date) {
    if (const std::optional<TGameDate> read = ParseShortDate(value.toString()))
        date = read;
}

void Read(const QVariant& value, const TStoredSetting&, QString& text) {
    text = value.toString();
}

QVariant Written(bool flag) {
    return flag;
}

QVariant Written(int number) {
    return number;
}

QVariant Written(const std::optional<QPoint>& place) {
    return place ? QVariant(QStringLiteral("%1,%2").arg(place->x()).arg(place->y())) : QVariant();
}

QVariant Written(const std::optional<QSize>& size) {
    return size ? QVariant(QStringLiteral("%1,%2").arg(size->width()).arg(size->height()))
                : QVariant();
}

QVariant Written(const TQuietMessages& quiet) {
    return WrittenKinds(quiet, MessageKinds());
}

QVariant Written(const TAdviceStops& stops) {
    return WrittenKinds(stops, AdviceKinds());
}

QVariant Written(TRunLimit limit) {
    for (const TRunLimitRow& row : RunLimits())
        if (row.Limit == limit)
            return QLatin1String(row.Key);
    return {};
}

QVariant Written(const std::optional<TGameDate>& date) {
    return date ? QVariant(ShortDateText(*date)) : QVariant();
}

QVariant Written(const QString& text) {
    return text.isEmpty() ? QVariant() : QVariant(text);
}

QVariant Written(TLanguage language) {
    if (language == TLanguage::System)
        return QLatin1String(SystemWord);
    return QLatin1String(LanguageRow(language).SettingsWord);
}

} // namespace

std::span<const TStoredSetting> StoredSettings() {
    return Stored;
}

TSettings TSettings::Load() {
    const std::unique_ptr<QSettings> store = Store();
    TSettings settings;
    for (const TStoredSetting& row : Stored) {
        const QVariant value = store->value(QLatin1String(row.Key));
        std::visit([&](auto field) { Read(value, row, settings.*field); }, row.Field);
    }
    return settings;
}

bool TSettings::Save() const {
    const std::unique_ptr<QSettings> store = Store();
    for (const TStoredSetting& row : Stored)
        std::visit(
            [&](auto field) {
                const QVariant value = Written(this->*field);
                if (value.isValid())
                    store->setValue(QLatin1String(row.Key), value);
                else
                    store->remove(QLatin1String(row.Key));
            },
            row.Field);
    store->sync();
    return store->status() == QSettings::NoError;
}

QString TSettings::FileName() {
    return Store()->fileName();
}
