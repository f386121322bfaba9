#include "base/language.h"
#include "model/describe.h"
#include "tools/gen/tsfile.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QRegularExpression>
#include <QTranslator>
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

// The forms by the languages' own rules, by their number: Russian one, few,
// many; English and German one, other.
int OneFewManyForm(int n) {
    if (n % 10 == 1 && n % 100 != 11)
        return 0;
    if (n % 10 >= 2 && n % 10 <= 4 && (n % 100 < 12 || n % 100 > 14))
        return 1;
    return 2;
}

int OneOtherForm(int n) {
    return n == 1 ? 0 : 1;
}

int (*FormRule(int forms))(int) {
    return forms == 2 ? OneOtherForm : forms == 3 ? OneFewManyForm : nullptr;
}

// A catalogue of a language as written: "rules_de.ts".
QByteArray SourceCatalogue(const char* name, const TLanguageRow& row) {
    return QByteArray(name) + row.Suffix + ".ts";
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
    TTranslations translations;
    for (const TLanguageRow& language : Languages()) {
        const QByteArray file = SourceCatalogue("rules", language);
        SCOPED_TRACE(file.toStdString());
        const auto form = FormRule(language.PluralForms);
        ASSERT_NE(form, nullptr);
        ASSERT_EQ(translations.Install(language.Language, TARVENIA_BUILT_TRANSLATIONS),
                  language.Language);
        int plurals = 0;
        for (const TTsMessage& text : ReadCatalogue(file.constData())) {
            if (!text.Numerus)
                continue;
            const QStringList forms = text.PluralForms;
            ++plurals;
            SCOPED_TRACE(text.Source.toStdString());
            ASSERT_EQ(forms.size(), language.PluralForms);
            // The singular is its own word: a form copied into every place is a fault.
            EXPECT_NE(forms[0].toStdString(), forms[1].toStdString());
            const QByteArray context = text.Context.toUtf8();
            const QByteArray source = text.Source.toUtf8();
            for (const int n : Counts()) {
                QString expected = forms[form(n)];
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

TEST(Translations, EveryRulesTextIsTranslated) {
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
    for (const TLanguageRow& language : Languages()) {
        if (IsSourceLanguage(language))
            continue;
        const QByteArray file = SourceCatalogue("rules", language);
        const std::vector<TTsMessage> texts = ReadCatalogue(file.constData());
        EXPECT_GT(texts.size(), 200u) << file.constData();
        for (const TTsMessage& text : texts) {
            SCOPED_TRACE((file + ' ' + text.Context + '/' + text.Source).toStdString());
            EXPECT_TRUE(text.Finished);
            ASSERT_FALSE(FormsOf(text).isEmpty());
            for (const QString& form : FormsOf(text)) {
                EXPECT_FALSE(form.trimmed().isEmpty());
                EXPECT_EQ(marksOf(form).join(u' ').toStdString(),
                          marksOf(text.Source).join(u' ').toStdString());
                EXPECT_EQ(form.startsWith(u'!'), text.Source.startsWith(u'!'))
                    << form.toStdString();
            }
        }
    }
}

// Every language has all it is spoken with: its catalogues built and loaded,
// Qt's own where Qt has them, its help page, and names of its own.
TEST(Languages, EveryRowHasItsCataloguesHelpPageAndOwnNames) {
    const std::span<const TLanguageRow> rows = Languages();
    ASSERT_TRUE(IsSourceLanguage(rows.front()));
    EXPECT_EQ(rows.front().Language, TLanguage::Russian);
    TTranslations translations;
    for (size_t i = 0; i < rows.size(); ++i) {
        const TLanguageRow& row = rows[i];
        SCOPED_TRACE(row.Code);
        for (size_t j = i + 1; j < rows.size(); ++j) {
            EXPECT_NE(row.Language, rows[j].Language);
            for (const auto name :
                 {&TLanguageRow::Code, &TLanguageRow::NativeName, &TLanguageRow::Suffix,
                  &TLanguageRow::SettingsWord, &TLanguageRow::HelpPage})
                EXPECT_STRNE(row.*name, rows[j].*name);
        }
        // A desktop in the language is spoken to in it.
        EXPECT_EQ(LanguageFor(row.Locale), row.Language);
        EXPECT_EQ(&LanguageRow(row.Language), &row);
        // Qt's texts are English in its source; every other language has Qt's own.
        EXPECT_EQ(row.QtCatalogue ? QString::fromLatin1(row.QtCatalogue) : QString(),
                  row.Locale == QLocale::English ? QString()
                                                 : QStringLiteral("qtbase_") + row.Code);
        EXPECT_EQ(translations.Install(row.Language, TARVENIA_BUILT_TRANSLATIONS), row.Language);
        // Each catalogue is built and installed; one with no texts yet (the
        // Russian window's, while it has no text with a number) is left out.
        std::vector<std::pair<QString, QString>> catalogues;
        for (const QString& name : CatalogueNames(row)) {
            catalogues.emplace_back(name, QStringLiteral(TARVENIA_BUILT_TRANSLATIONS));
            EXPECT_TRUE(QFile::exists(QStringLiteral(TARVENIA_SOURCE_TRANSLATIONS "/") + name +
                                      QStringLiteral(".ts")))
                << qPrintable(name);
        }
        if (row.QtCatalogue)
            catalogues.emplace_back(QLatin1String(row.QtCatalogue),
                                    QLibraryInfo::path(QLibraryInfo::TranslationsPath));
        for (const auto& [name, folder] : catalogues) {
            QTranslator catalogue;
            ASSERT_TRUE(catalogue.load(name, folder)) << qPrintable(name);
            EXPECT_EQ(translations.Installed().contains(name), !catalogue.isEmpty())
                << qPrintable(name);
        }
        EXPECT_TRUE(QFile::exists(QStringLiteral(TARVENIA_GAME_DATA "/") + row.HelpPage));
    }
    EXPECT_EQ(LanguageFor(QLocale::French), TLanguage::English);
}

} // namespace
