#include "base/language.h"
#include "model/describe.h"
#include "tools/gen/tsfile.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

std::vector<TTsMessage> ReadCatalogue(const char* name) {
    QString error;
    std::vector<TTsMessage> texts =
        ReadTsFile(QStringLiteral(TARVENIA_SOURCE_TRANSLATIONS "/") + QLatin1String(name), &error);
    EXPECT_TRUE(error.isEmpty()) << name << ": " << error.toStdString();
    return texts;
}

// A text's translation, or its plural forms.
QStringList FormsOf(const TTsMessage& text) {
    return text.Numerus ? text.PluralForms : QStringList{text.Translation};
}

// The forms by the languages' own rules: Russian one, few, many; English
// one, other.
int RussianForm(int n) {
    if (n % 10 == 1 && n % 100 != 11)
        return 0;
    if (n % 10 >= 2 && n % 10 <= 4 && (n % 100 < 12 || n % 100 > 14))
        return 1;
    return 2;
}

int EnglishForm(int n) {
    return n == 1 ? 0 : 1;
}

std::vector<int> Counts() {
    std::vector<int> counts;
    for (int n = 0; n <= 200; ++n)
        counts.push_back(n);
    for (int n = 1000; n <= 1025; ++n)
        counts.push_back(n);
    return counts;
}

TEST(Translations, EveryCountTakesItsLanguagesPluralForm) {
    const struct {
        TLanguage Language;
        const char* File;
        int Forms;
        int (*Form)(int);
    } languages[] = {
        {TLanguage::Russian, "rules_ru.ts", 3, RussianForm},
        {TLanguage::English, "rules_en.ts", 2, EnglishForm},
    };
    TTranslations translations;
    for (const auto& language : languages) {
        SCOPED_TRACE(language.File);
        ASSERT_EQ(translations.Install(language.Language, TARVENIA_BUILT_TRANSLATIONS),
                  language.Language);
        int plurals = 0;
        for (const TTsMessage& text : ReadCatalogue(language.File)) {
            if (!text.Numerus)
                continue;
            const QStringList forms = text.PluralForms;
            ++plurals;
            SCOPED_TRACE(text.Source.toStdString());
            ASSERT_EQ(forms.size(), language.Forms);
            // The singular is its own word: a form copied into every place is a fault.
            EXPECT_NE(forms[0].toStdString(), forms[1].toStdString());
            const QByteArray context = text.Context.toUtf8();
            const QByteArray source = text.Source.toUtf8();
            for (const int n : Counts()) {
                QString expected = forms[language.Form(n)];
                expected.replace(QStringLiteral("%n"), QString::number(n));
                ASSERT_EQ(QCoreApplication::translate(context, source, nullptr, n).toStdString(),
                          expected.toStdString())
                    << n;
            }
        }
        EXPECT_GT(plurals, 0);
    }
    // The years' source text picks its Russian form itself for the tools
    // without a catalogue: it agrees with the catalogue's rule.
    for (const int n : Counts()) {
        translations.Install(TLanguage::Russian, TARVENIA_BUILT_TRANSLATIONS);
        const QString spoken = YearsToStr(n);
        translations.Remove();
        ASSERT_EQ(YearsToStr(n).toStdString(), spoken.toStdString());
    }
}

TEST(Translations, EveryRulesTextHasItsEnglish) {
    // The marks a translation must keep from its source: the numbers it is
    // filled with, and the "!" that makes a message an error.
    static const QRegularExpression marks(QStringLiteral("%[1-9n]"));
    const auto marksOf = [](const QString& text) {
        QStringList found;
        for (const auto& match : marks.globalMatch(text))
            found << match.captured();
        found.sort();
        return found;
    };
    const std::vector<TTsMessage> texts = ReadCatalogue("rules_en.ts");
    EXPECT_GT(texts.size(), 200u);
    for (const TTsMessage& text : texts) {
        SCOPED_TRACE((text.Context + QLatin1Char('/') + text.Source).toStdString());
        EXPECT_TRUE(text.Finished);
        ASSERT_FALSE(FormsOf(text).isEmpty());
        for (const QString& form : FormsOf(text)) {
            EXPECT_FALSE(form.trimmed().isEmpty());
            EXPECT_EQ(marksOf(form).join(u' ').toStdString(),
                      marksOf(text.Source).join(u' ').toStdString());
            EXPECT_EQ(form.startsWith(u'!'), text.Source.startsWith(u'!')) << form.toStdString();
        }
    }
}

} // namespace
