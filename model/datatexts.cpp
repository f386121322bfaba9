#include "datatexts.h"

#include <QCoreApplication>

namespace {

// The text of each record under "Id/key", the record's Id being its section.
template <typename TRecord>
void AddEachText(std::vector<TDataText>& texts, std::vector<TRecord>& records, const QString& file,
                 const QString& key, QString TRecord::*text) {
    for (TRecord& record : records)
        texts.push_back({file, record.Id + u'/' + key, &(record.*text)});
}

} // namespace

std::vector<TDataText> DataTexts(TBaseTypeList& types) {
    std::vector<TDataText> texts;
    AddEachText(texts, types, QStringLiteral("BASES.INI"), QStringLiteral("Caption"),
                &TBaseType::Caption);
    return texts;
}

std::vector<TDataText> DataTexts(TEventTypeList& events) {
    std::vector<TDataText> texts;
    AddEachText(texts, events, QStringLiteral("EVENTS.INI"), QStringLiteral("Message"),
                &TEventType::Message);
    return texts;
}

std::vector<TDataText> DataTexts(TScenario& scenario) {
    const QString file = QStringLiteral("SCENARIOS/%1.ini").arg(scenario.Name);
    std::vector<TDataText> texts{{file, QStringLiteral("Scenario/Title"), &scenario.Title}};
    if (!scenario.Description.isEmpty())
        texts.push_back({file, QStringLiteral("Scenario/Description"), &scenario.Description});
    AddEachText(texts, scenario.Goals, file, QStringLiteral("Text"), &TGoal::Text);
    AddEachText(texts, scenario.Tutorial, file, QStringLiteral("Text"), &TTutorialStep::Text);
    return texts;
}

QString TranslatedDataText(const QString& file, const QString& text, const QString& key) {
    return QCoreApplication::translate(file.toUtf8().constData(), text.toUtf8().constData(),
                                       key.toUtf8().constData());
}

void TranslateDataTexts(std::span<const TDataText> texts) {
    for (const TDataText& text : texts)
        *text.Text = TranslatedDataText(text.File, *text.Text, text.Key);
}
