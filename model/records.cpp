#include "records.h"

#include "base/inifile.h"
#include "describe.h"
#include "savefile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringList>
#include <algorithm>
#include <tuple>

namespace {

// The medals as the file names them, in the order of TMedal.
constexpr const char* MedalWords[] = {"gold", "silver", "bronze", "none"};

std::optional<TMedal> MedalOfWord(QStringView word) {
    for (size_t i = 0; i < std::size(MedalWords); ++i)
        if (word == QLatin1StringView(MedalWords[i]))
            return static_cast<TMedal>(i);
    return std::nullopt;
}

// A record's section is named by its scenario and its level: "first/normal".
// A scenario's name is a file's name, which holds no "/".
QString SectionName(const TScenarioResult& result) {
    return result.Scenario + u'/' + QLatin1StringView(DifficultyWord(result.Difficulty));
}

// The record of a section, or none when a figure is missing or malformed.
std::optional<TScenarioResult> ReadRecord(const TIniFile& ini, const QString& name) {
    const qsizetype slash = name.lastIndexOf(u'/');
    if (slash <= 0)
        return std::nullopt;
    const std::optional<TDifficulty> difficulty =
        DifficultyOfWord(QStringView(name).mid(slash + 1));
    const TIniSection section = ini.Section(name);
    const auto number = [&section](const char* key) {
        return ParseInteger(section.ReadString(QString::fromLatin1(key), QString()));
    };
    const std::optional<TGameDate> date =
        ParseShortDate(section.ReadString(QStringLiteral("Date"), {}));
    const std::optional<int32_t> days = number("Days");
    const std::optional<int32_t> money = number("Money");
    const std::optional<int32_t> people = number("People");
    const std::optional<int32_t> undo = number("Undo");
    const std::optional<TMedal> medal =
        MedalOfWord(section.ReadString(QStringLiteral("Medal"), {}));
    if (!difficulty || !date || !days || *days < 0 || !money || !people || *people < 0 || !undo ||
        (*undo != 0 && *undo != 1) || !medal)
        return std::nullopt;
    TScenarioResult result;
    result.Scenario = name.left(slash);
    result.Difficulty = *difficulty;
    result.State = TScenarioState::Won;
    result.Date = *date;
    result.Days = *days;
    result.Money = *money;
    result.People = *people;
    result.UndoUsed = *undo == 1;
    result.Medal = *medal;
    return result;
}

// The record of the scenario at the level in the list, or none.
template <typename TList>
auto* FindRecord(TList& records, const QString& scenario, TDifficulty difficulty) {
    const auto found = std::find_if(records.begin(), records.end(), [&](const auto& record) {
        return record.Scenario == scenario && record.Difficulty == difficulty;
    });
    return found == records.end() ? nullptr : &*found;
}

} // namespace

QString ResultText(const TScenarioResult& result) {
    QString text =
        QCoreApplication::translate("Records", "Дата: %1\nДней: %2\nДеньги: %3\nЛюдей: %4")
            .arg(DateText(result.Date), QString::number(result.Days), NumToStr(result.Money),
                 NumToStr(result.People));
    if (result.UndoUsed)
        text += QLatin1Char('\n') + QCoreApplication::translate("Records", "с отменой ходов");
    return text;
}

bool Beats(const TScenarioResult& result, const TScenarioResult& other) {
    // Each key is ordered so that less is better.
    return std::tuple(result.UndoUsed, result.Days, -int64_t{result.Money}) <
           std::tuple(other.UndoUsed, other.Days, -int64_t{other.Money});
}

QString TRecords::FileName() {
    return QDir(SaveFolder()).filePath(QStringLiteral("records.ini"));
}

TRecords TRecords::Load(const QString& path) {
    const TIniFile ini(path);
    TRecords records;
    for (const QString& name : ini.SectionNames())
        if (const std::optional<TScenarioResult> record = ReadRecord(ini, name))
            records.Add(*record);
    return records;
}

bool TRecords::Save(const QString& path) const {
    QString text;
    for (const TScenarioResult& record : best_)
        text += QStringLiteral("[%1]\nDate=%2\nDays=%3\nMoney=%4\nPeople=%5\nUndo=%6\nMedal=%7\n\n")
                    .arg(SectionName(record), ShortDateText(record.Date),
                         QString::number(record.Days), QString::number(record.Money),
                         QString::number(record.People), QString::number(record.UndoUsed ? 1 : 0),
                         QLatin1StringView(MedalWords[static_cast<size_t>(record.Medal)]));
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    // The byte-order mark tells the reader the file is UTF-8.
    return file.open(QIODevice::WriteOnly) && file.write("\xEF\xBB\xBF") == 3 &&
           file.write(text.toUtf8()) >= 0 && file.commit();
}

const TScenarioResult* TRecords::Best(const QString& scenario, TDifficulty difficulty) const {
    return FindRecord(best_, scenario, difficulty);
}

bool TRecords::Add(const TScenarioResult& result) {
    if (result.State != TScenarioState::Won)
        return false;
    TScenarioResult* record = FindRecord(best_, result.Scenario, result.Difficulty);
    if (!record)
        best_.push_back(result);
    else if (Beats(result, *record))
        *record = result;
    else
        return false;
    return true;
}
