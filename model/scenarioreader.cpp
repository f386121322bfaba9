// Reading a scenario file with the data files' own reader, and finding the
// scenario files a player can choose from.
#include "scenario.h"

#include "base/inifile.h"
#include "base/terrain.h"
#include "datatexts.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringDecoder>
#include <algorithm>
#include <set>

namespace {

const QByteArray Utf8Mark = QByteArrayLiteral("\xEF\xBB\xBF");

// The data files' reader takes UTF-8 only after a byte-order mark: a file
// that is valid UTF-8 without one is given one, any other is Windows-1251.
QByteArray MarkedUtf8(const QByteArray& bytes) {
    if (bytes.startsWith(Utf8Mark))
        return bytes;
    QStringDecoder decoder(QStringConverter::Utf8);
    (void)QString(decoder.decode(bytes)); // decoding happens only on the conversion
    return decoder.hasError() ? bytes : Utf8Mark + bytes;
}

int64_t DayNumber(const TGameDate& date) {
    return QDate(date.Year, date.Month, date.Day).toJulianDay();
}

// Whether some value the figure can take stands to the target as asked, so
// that a goal no colony can meet is told to the author.
bool CanBeMet(const TGoalFigureRow& figure, TComparison comparison, int64_t target) {
    return Compare(figure.Low, comparison, target) || Compare(figure.High, comparison, target) ||
           (figure.Low <= target && target <= figure.High && Compare(target, comparison, target));
}

constexpr const char* Comparisons[] = {"<", "<=", "=", ">=", ">"};

// The sections of goals by the start of their names.
constexpr struct {
    const char* Prefix;
    TGoalRole Role;
} GoalSections[] = {
    {"Goal", TGoalRole::Required},
    {"Optional", TGoalRole::Optional},
    {"Failure", TGoalRole::Failure},
    {"Message", TGoalRole::Message},
};

QString Quoted(QStringView text) {
    return QStringLiteral("\"%1\"").arg(text);
}

// Reads the sections of one file into a scenario, writing down every fault.
class TScenarioReader {
public:
    TScenarioReader(const TIniFile& ini, const TBaseTypeList& catalogue,
                    const TEventTypeList& events)
        : ini_(ini), catalogue_(catalogue), events_(events) {}

    void Read(TScenario& scenario) {
        ReadHead(scenario, ini_.Section(QStringLiteral("Scenario")));
        std::set<QString> seen;
        for (const QString& name : ini_.SectionNames()) {
            const TIniSection section = ini_.Section(name);
            if (!seen.insert(name.toCaseFolded()).second)
                Fault(section, {}, QCoreApplication::translate("Scenario", "раздел повторяется"));
            else if (name.compare(u"Scenario", Qt::CaseInsensitive) == 0)
                continue;
            else if (name.startsWith(u"Step", Qt::CaseInsensitive))
                ReadStep(scenario, section);
            else if (const auto role = RoleOf(name))
                ReadGoal(scenario, section, *role);
            else
                Fault(section, {}, QCoreApplication::translate("Scenario", "неизвестный раздел"));
        }
        // Without a required goal the scenario could never be won: a file cut
        // short, say.
        const QStringList names = ini_.SectionNames();
        if (std::ranges::none_of(
                names, [](const QString& name) { return RoleOf(name) == TGoalRole::Required; }))
            Fault(ini_.Section(QStringLiteral("Scenario")), {},
                  QCoreApplication::translate("Scenario", "нет обязательной цели [Goal1]"));
    }

    QStringList Errors;

private:
    void Fault(const TIniSection& section, const QString& key, const QString& text) {
        Errors << (key.isEmpty() ? QStringLiteral("[%1]: %2").arg(section.Name(), text)
                                 : QStringLiteral("[%1] %2: %3").arg(section.Name(), key, text));
    }

    static std::optional<TGoalRole> RoleOf(const QString& name) {
        for (const auto& s : GoalSections)
            if (name.startsWith(QLatin1StringView(s.Prefix), Qt::CaseInsensitive))
                return s.Role;
        return std::nullopt;
    }

    // A key's value; an empty one counts as missing.
    static QString Value(const TIniSection& section, const QString& key) {
        return section.ReadString(key, {}).trimmed();
    }

    // A text for the player: "\n" in it breaks the line.
    static QString Text(const TIniSection& section, const QString& key) {
        return Value(section, key).replace(QStringLiteral("\\n"), QStringLiteral("\n"));
    }

    std::optional<int64_t> Number(const TIniSection& section, const QString& key, int64_t low,
                                  int64_t high, bool required = false) {
        const QString text = Value(section, key);
        if (text.isEmpty()) {
            if (required)
                Fault(section, key, QCoreApplication::translate("Scenario", "нет значения"));
            return std::nullopt;
        }
        bool ok = false;
        const qlonglong value = text.toLongLong(&ok);
        if (ok && value >= low && value <= high)
            return value;
        Fault(section, key,
              QCoreApplication::translate("Scenario", "неверное число %1").arg(Quoted(text)));
        return std::nullopt;
    }

    std::optional<TGameDate> Date(const TIniSection& section, const QString& key) {
        const QString text = Value(section, key);
        if (text.isEmpty())
            return std::nullopt;
        const std::optional<TGameDate> date = ParseShortDate(text);
        if (!date)
            Fault(section, key,
                  QCoreApplication::translate("Scenario", "неверная дата %1").arg(Quoted(text)));
        return date;
    }

    // A date the colony can still reach: one after its start.
    std::optional<TGameDate> LaterDate(const TIniSection& section, const QString& key) {
        const std::optional<TGameDate> date = Date(section, key);
        if (date && *date <= start_) {
            Fault(section, key,
                  QCoreApplication::translate("Scenario", "не позже начала %1")
                      .arg(ShortDateText(start_)));
            return std::nullopt;
        }
        return date;
    }

    // The catalogue's type of the id, matched ignoring case as the colony does.
    const TBaseType* Type(const TIniSection& section, const QString& key, QStringView id) {
        const auto type = std::ranges::find_if(catalogue_, [id](const TBaseType& t) {
            return t.Id.compare(id, Qt::CaseInsensitive) == 0;
        });
        if (type != catalogue_.end())
            return &*type;
        Fault(section, key,
              QCoreApplication::translate("Scenario", "неизвестное строение %1").arg(Quoted(id)));
        return nullptr;
    }

    void ReadHead(TScenario& s, const TIniSection& section) {
        s.Title = Text(section, QStringLiteral("Title"));
        if (s.Title.isEmpty())
            Fault(section, QStringLiteral("Title"),
                  QCoreApplication::translate("Scenario", "нет названия"));
        s.Description = Text(section, QStringLiteral("Description"));
        if (const QString land = Value(section, QStringLiteral("Land")); !land.isEmpty())
            s.Land = land;
        if (const auto start = Date(section, QStringLiteral("Start"))) {
            if (*start < TGameDate{})
                Fault(section, QStringLiteral("Start"),
                      QCoreApplication::translate("Scenario", "раньше %1")
                          .arg(ShortDateText(TGameDate{})));
            else
                s.Start = *start;
        }
        start_ = s.Start;
        s.Money = static_cast<int32_t>(
            Number(section, QStringLiteral("Money"), 0, INT32_MAX).value_or(s.Money));
        s.People = static_cast<int32_t>(
            Number(section, QStringLiteral("People"), 0, INT32_MAX).value_or(s.People));
        for (int good = 0; good < GoodsCount; ++good)
            s.Stock[good] = static_cast<int32_t>(
                Number(section, QStringLiteral("Stock.") + GoodKey(good), INT32_MIN, INT32_MAX)
                    .value_or(0));
        ReadBuildings(s, section);
        for (const QString& id : Value(section, QStringLiteral("Allowed")).split(u','))
            if (!id.trimmed().isEmpty())
                if (const TBaseType* type = Type(section, QStringLiteral("Allowed"), id.trimmed()))
                    s.Allowed << type->Id;
        ReadNoEvents(s, section);
        if (const QString word = Value(section, QStringLiteral("Difficulty")); !word.isEmpty()) {
            if (const auto difficulty = DifficultyOfWord(word))
                s.Difficulty = *difficulty;
            else
                Fault(section, QStringLiteral("Difficulty"),
                      QCoreApplication::translate("Scenario", "неизвестная сложность %1")
                          .arg(Quoted(word)));
        }
        if (const QString fixed = Value(section, QStringLiteral("FixedDifficulty"));
            !fixed.isEmpty()) {
            s.FixedDifficulty = fixed.compare(u"yes", Qt::CaseInsensitive) == 0;
            if (!s.FixedDifficulty && fixed.compare(u"no", Qt::CaseInsensitive) != 0)
                Fault(section, QStringLiteral("FixedDifficulty"),
                      QCoreApplication::translate("Scenario", "ожидается yes или no, а не %1")
                          .arg(Quoted(fixed)));
        }
        ReadMedals(s, section);
    }

    // The events ruled out, by their sections in the event catalogue.
    void ReadNoEvents(TScenario& s, const TIniSection& section) {
        const QString key = QStringLiteral("NoEvents");
        for (const QString& part : Value(section, key).split(u',')) {
            const QString id = part.trimmed();
            if (id.isEmpty())
                continue;
            const auto event = std::ranges::find_if(events_, [&id](const TEventType& e) {
                return e.Id.compare(id, Qt::CaseInsensitive) == 0;
            });
            if (event != events_.end())
                s.NoEvents << event->Id;
            else
                Fault(section, key,
                      QCoreApplication::translate("Scenario", "неизвестное событие %1")
                          .arg(Quoted(id)));
        }
    }

    // Building1, Building2 ... up to the first number missing.
    void ReadBuildings(TScenario& s, const TIniSection& section) {
        static const QRegularExpression form(
            QStringLiteral("^(\\S+)\\s+(-?\\d+)\\s*,\\s*(-?\\d+)$"));
        for (int i = 1;; ++i) {
            const QString key = QStringLiteral("Building%1").arg(i);
            const QString text = Value(section, key);
            if (text.isEmpty())
                return;
            const QRegularExpressionMatch match = form.match(text);
            if (!match.hasMatch()) {
                Fault(section, key,
                      QCoreApplication::translate("Scenario",
                                                  "ожидается \"ТИП столбец,строка\", а не %1")
                          .arg(Quoted(text)));
                continue;
            }
            const TBaseType* type = Type(section, key, match.capturedView(1));
            const int32_t column = ParseInteger(match.capturedView(2)).value_or(-1);
            const int32_t row = ParseInteger(match.capturedView(3)).value_or(-1);
            const QString cell = QStringLiteral("%1,%2").arg(match.captured(2), match.captured(3));
            if (!TTerrainGrid::Contains(column, row))
                Fault(section, key,
                      QCoreApplication::translate("Scenario", "клетка %1 вне карты").arg(cell));
            else if (std::ranges::any_of(s.Buildings, [&](const TStartBuilding& b) {
                         return b.Column == column && b.Row == row;
                     }))
                Fault(section, key,
                      QCoreApplication::translate("Scenario", "клетка %1 уже занята").arg(cell));
            else if (type)
                s.Buildings.push_back({type->Id, column, row});
        }
    }

    // Gold, Silver, Bronze: each no earlier than the one given before it.
    void ReadMedals(TScenario& s, const TIniSection& section) {
        static constexpr const char* keys[] = {"Gold", "Silver", "Bronze"};
        static_assert(std::size(keys) == std::tuple_size_v<decltype(s.MedalDates)>);
        std::optional<size_t> before;
        for (size_t i = 0; i < std::size(keys); ++i) {
            const QString key = QLatin1StringView(keys[i]);
            s.MedalDates[i] = LaterDate(section, key);
            if (!s.MedalDates[i])
                continue;
            if (before && *s.MedalDates[i] < *s.MedalDates[*before])
                Fault(section, key,
                      QCoreApplication::translate("Scenario", "раньше, чем %1").arg(keys[*before]));
            before = i;
        }
    }

    // The figure of the word, or a fault naming the part of it that names
    // nothing: an unknown good or type, or else the whole word.
    std::optional<TGoalFigure> Figure(const TIniSection& section, const QString& word) {
        const TGoalFigureWord found = ReadGoalFigure(word, catalogue_);
        if (found.Figure)
            return found.Figure;
        const QString key = QStringLiteral("Figure");
        switch (found.Row ? found.Row->Part : TGoalPart::None) {
        case TGoalPart::Good:
            Fault(section, key,
                  QCoreApplication::translate("Scenario", "неизвестный товар %1")
                      .arg(Quoted(found.Part)));
            break;
        case TGoalPart::Type:
            Fault(section, key,
                  QCoreApplication::translate("Scenario", "неизвестное строение %1")
                      .arg(Quoted(found.Part)));
            break;
        case TGoalPart::None:
        case TGoalPart::Flow:
            Fault(section, key,
                  QCoreApplication::translate("Scenario", "неизвестный показатель %1")
                      .arg(Quoted(word)));
            break;
        }
        return std::nullopt;
    }

    // A goal, a failure or a message. A fault leaves it half read: the
    // scenario is not returned then.
    void ReadGoal(TScenario& s, const TIniSection& section, TGoalRole role) {
        TGoal goal{.Id = section.Name(),
                   .Text = Text(section, QStringLiteral("Text")),
                   .Figure = TGoalFigure::None(),
                   .By = {},
                   .Role = role,
                   .From = {}};
        if (goal.Text.isEmpty())
            Fault(section, QStringLiteral("Text"),
                  QCoreApplication::translate("Scenario", "нет текста"));
        ReadTimes(goal, section);
        const QString word = Value(section, QStringLiteral("Figure"));
        if (word.isEmpty() && role == TGoalRole::Message) {
            // A message that watches nothing is shown on its date.
            goal.Comparison = TComparison::Equal;
            s.Goals.push_back(std::move(goal));
            return;
        }
        if (word.isEmpty()) {
            Fault(section, QStringLiteral("Figure"),
                  QCoreApplication::translate("Scenario", "нет показателя"));
            return;
        }
        const auto figure = Figure(section, word);
        const auto comparison = Comparison(section);
        const auto target = Number(section, QStringLiteral("Value"), INT64_MIN, INT64_MAX, true);
        if (!figure || !comparison || !target)
            return;
        if (const TGoalFigureRow& row = *figure->Row(); !CanBeMet(row, *comparison, *target))
            Fault(section, QStringLiteral("Value"),
                  QCoreApplication::translate("Scenario",
                                              "цель недостижима: %1 бывает только от %2 до %3")
                      .arg(word)
                      .arg(row.Low)
                      .arg(row.High));
        goal.Figure = *figure;
        goal.Comparison = *comparison;
        goal.Target = *target;
        s.Goals.push_back(std::move(goal));
    }

    std::optional<TComparison> Comparison(const TIniSection& section) {
        const QString is = Value(section, QStringLiteral("Is"));
        if (is.isEmpty())
            return TComparison::GreaterOrEqual;
        const auto found = std::ranges::find_if(
            Comparisons, [&is](const char* c) { return is == QLatin1StringView(c); });
        if (found != std::end(Comparisons))
            return static_cast<TComparison>(found - std::begin(Comparisons));
        Fault(section, QStringLiteral("Is"),
              QCoreApplication::translate("Scenario", "неизвестное сравнение %1").arg(Quoted(is)));
        return std::nullopt;
    }

    // By, From (or a message's On) and Held of a goal.
    void ReadTimes(TGoal& goal, const TIniSection& section) {
        goal.By = LaterDate(section, QStringLiteral("By"));
        const QString fromKey =
            goal.Role == TGoalRole::Message && !Value(section, QStringLiteral("On")).isEmpty()
                ? QStringLiteral("On")
                : QStringLiteral("From");
        goal.From = Date(section, fromKey);
        const auto held = Number(section, QStringLiteral("Held"), 1, INT32_MAX);
        goal.HeldDays = static_cast<int32_t>(held.value_or(1));
        if (!goal.By)
            return;
        if (goal.From && *goal.From > *goal.By) {
            Fault(section, fromKey, QCoreApplication::translate("Scenario", "позже срока By"));
            return;
        }
        // The turns that end from its first day to its last: the first turn
        // ends on the day after the start.
        const int64_t first =
            goal.From && *goal.From > start_ ? DayNumber(*goal.From) : DayNumber(start_) + 1;
        const int64_t turns = DayNumber(*goal.By) - first + 1;
        if (goal.HeldDays > turns)
            Fault(section, QStringLiteral("Held"),
                  QCoreApplication::translate("Scenario", "дольше, чем ходов до срока (%1)")
                      .arg(turns));
    }

    void ReadStep(TScenario& s, const TIniSection& section) {
        TTutorialStep step;
        step.Id = section.Name();
        step.Text = Text(section, QStringLiteral("Text"));
        if (step.Text.isEmpty())
            Fault(section, QStringLiteral("Text"),
                  QCoreApplication::translate("Scenario", "нет текста"));
        const QString key = QStringLiteral("Do");
        const QString action = Value(section, key);
        const QString lower = action.toLower();
        const auto commands = PlayerCommands();
        const auto command = std::ranges::find_if(commands, [&lower](const TPlayerCommand& c) {
            return lower == QLatin1StringView(c.Verb);
        });
        if (lower == u"select")
            step.Action = TTutorialStep::TAction::Select;
        else if (lower == u"tax")
            step.Action = TTutorialStep::TAction::PayTax;
        else if (lower == u"orders")
            step.Action = TTutorialStep::TAction::Orders;
        else if (command != commands.end()) {
            step.Action = TTutorialStep::TAction::Command;
            step.Command = command->Id;
        } else if (lower.startsWith(u"build ")) {
            step.Action = TTutorialStep::TAction::Build;
            if (const TBaseType* type = Type(section, key, QStringView(action).mid(6).trimmed()))
                step.Type = type->Id;
        } else
            Fault(section, key,
                  QCoreApplication::translate("Scenario", "неизвестное действие %1")
                      .arg(Quoted(action)));
        s.Tutorial.push_back(std::move(step));
    }

    const TIniFile& ini_;
    const TBaseTypeList& catalogue_;
    const TEventTypeList& events_;
    TGameDate start_;
};

// The scenario files of a folder's SCENARIOS, its name matched ignoring case.
QFileInfoList ScenarioFolderFiles(const QString& folder) {
    if (folder.isEmpty())
        return {};
    const QDir dir(folder);
    const QStringList found =
        dir.entryList({QStringLiteral("SCENARIOS")}, QDir::Dirs | QDir::NoDotAndDotDot);
    if (found.isEmpty())
        return {};
    return QDir(dir.filePath(found.first()))
        .entryInfoList({QStringLiteral("*.ini")}, QDir::Files, QDir::Name);
}

} // namespace

TScenarioReading ReadScenario(const QByteArray& bytes, const QString& name,
                              const TBaseTypeList& catalogue, const TEventTypeList& events) {
    const TIniFile ini = TIniFile::FromBytes(MarkedUtf8(bytes));
    TScenario scenario;
    scenario.Name = name;
    scenario.Source = bytes;
    TScenarioReader reader(ini, catalogue, events);
    reader.Read(scenario);
    if (!reader.Errors.isEmpty())
        return {std::nullopt, reader.Errors};
    // A scenario reaches the game from its dialog, the command line and saves,
    // all through here: its texts are put in the game's language once, here.
    TranslateDataTexts(DataTexts(scenario));
    return {std::move(scenario), {}};
}

QStringList ScenarioFiles(const QString& dataFolder, const QString& saveFolder) {
    QFileInfoList files = ScenarioFolderFiles(saveFolder);
    const qsizetype own = files.size();
    for (const QFileInfo& shipped : ScenarioFolderFiles(dataFolder))
        if (std::none_of(files.begin(), files.begin() + own, [&](const QFileInfo& f) {
                return f.completeBaseName().compare(shipped.completeBaseName(),
                                                    Qt::CaseInsensitive) == 0;
            }))
            files << shipped;
    std::ranges::stable_sort(files, [](const QFileInfo& a, const QFileInfo& b) {
        return a.completeBaseName().compare(b.completeBaseName(), Qt::CaseInsensitive) < 0;
    });
    QStringList paths;
    for (const QFileInfo& file : files)
        paths << file.filePath();
    return paths;
}

QString FindScenarioFile(const QString& nameOrPath, const QString& dataFolder,
                         const QString& saveFolder) {
    for (const QString& path : ScenarioFiles(dataFolder, saveFolder)) {
        const QFileInfo file(path);
        if (file.completeBaseName().compare(nameOrPath, Qt::CaseInsensitive) == 0 ||
            file.fileName().compare(nameOrPath, Qt::CaseInsensitive) == 0)
            return path;
    }
    return QFileInfo(nameOrPath).isFile() ? nameOrPath : QString();
}
