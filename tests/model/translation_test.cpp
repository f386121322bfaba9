#include "base/language.h"
#include "model/describe.h"

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

namespace {

// One text of a catalogue as its file holds it.
struct TCatalogueText {
    QString Context;
    QString Source;
    bool Numerus = false;
    bool Unfinished = false;
    QStringList Forms; // the translation, or its plural forms
};

std::vector<TCatalogueText> ReadCatalogue(const char* name) {
    QFile file(QStringLiteral(TARVENIA_SOURCE_TRANSLATIONS "/") + QLatin1String(name));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
    std::vector<TCatalogueText> texts;
    QString context;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const auto tag = xml.name();
        if (tag == u"name") {
            context = xml.readElementText();
        } else if (tag == u"message") {
            texts.emplace_back().Context = context;
            texts.back().Numerus = xml.attributes().value(QLatin1String("numerus")) == u"yes";
        } else if (tag == u"source" && !texts.empty()) {
            texts.back().Source = xml.readElementText();
        } else if (tag == u"translation" && !texts.empty()) {
            texts.back().Unfinished =
                xml.attributes().value(QLatin1String("type")) == u"unfinished";
            if (!texts.back().Numerus)
                texts.back().Forms << xml.readElementText();
        } else if (tag == u"numerusform" && !texts.empty()) {
            texts.back().Forms << xml.readElementText();
        }
    }
    EXPECT_FALSE(xml.hasError()) << name << ": " << xml.errorString().toStdString();
    return texts;
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
        for (const TCatalogueText& text : ReadCatalogue(language.File)) {
            if (!text.Numerus)
                continue;
            ++plurals;
            SCOPED_TRACE(text.Source.toStdString());
            ASSERT_EQ(text.Forms.size(), language.Forms);
            // The singular is its own word: a form copied into every place is a fault.
            EXPECT_NE(text.Forms[0].toStdString(), text.Forms[1].toStdString());
            const QByteArray context = text.Context.toUtf8();
            const QByteArray source = text.Source.toUtf8();
            for (const int n : Counts()) {
                QString expected = text.Forms[language.Form(n)];
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
    const std::vector<TCatalogueText> texts = ReadCatalogue("rules_en.ts");
    EXPECT_GT(texts.size(), 200u);
    for (const TCatalogueText& text : texts) {
        SCOPED_TRACE((text.Context + QLatin1Char('/') + text.Source).toStdString());
        EXPECT_FALSE(text.Unfinished);
        ASSERT_FALSE(text.Forms.isEmpty());
        for (const QString& form : text.Forms) {
            EXPECT_FALSE(form.trimmed().isEmpty());
            EXPECT_EQ(marksOf(form).join(u' ').toStdString(),
                      marksOf(text.Source).join(u' ').toStdString());
            EXPECT_EQ(form.startsWith(u'!'), text.Source.startsWith(u'!')) << form.toStdString();
        }
    }
}

} // namespace
