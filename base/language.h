#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>
#include <QTranslator>
#include <memory>
#include <span>
#include <vector>

// The languages the game speaks. Russian is the language of the source and
// of the data files; the others come from the translation catalogues.
enum class TLanguage { System, Russian, English, German };

// One language the game speaks, with everything that names it or is loaded
// for it. Every place that offers or speaks a language walks these rows.
struct TLanguageRow {
    TLanguage Language;
    const char* Code;         // ISO 639-1: "de", the help generator's --lang
    const char* NativeName;   // in its own words (UTF-8): "Deutsch"
    QLocale::Language Locale; // the month names and dates the window writes
    int PluralForms;          // the forms of a text with a number
    const char* Suffix;       // of the game's catalogues: ui_de.qm
    const char* QtCatalogue;  // Qt's own texts, none where Qt's source is the language
    const char* SettingsWord; // in the configuration file
    const char* HelpPage;     // in the data folder
};

// Every language, the source's first.
std::span<const TLanguageRow> Languages();
// The row of a language spoken, the system's for System.
const TLanguageRow& LanguageRow(TLanguage language);
// Whether a language is the source's: its texts are in the code and the
// data files, and its catalogues hold only the plural forms.
bool IsSourceLanguage(const TLanguageRow& row);

// The language the game speaks to a desktop in the given one: its own
// when the game speaks it, English otherwise.
TLanguage LanguageFor(QLocale::Language desktop);
// The language of the desktop, as LanguageFor takes it.
TLanguage SystemLanguage();
// The chosen language, the system's for System.
TLanguage EffectiveLanguage(TLanguage chosen);

// The game's catalogues installed in the application: the window's and the
// rules' texts, the data files' texts for a language other than the source,
// Qt's own texts (the buttons and the file dialogs) where the language has
// them, and the language's plural forms. The command-line tools install
// none and keep their fixed Russian texts.
class TTranslations {
public:
    TTranslations() = default;
    ~TTranslations();
    TTranslations(const TTranslations&) = delete;
    TTranslations& operator=(const TTranslations&) = delete;

    // Replaces what was installed by the catalogues of the language found in
    // the folder (the data folder's translations/). A catalogue that is
    // missing leaves its texts in Russian. Returns the language installed.
    TLanguage Install(TLanguage chosen, const QString& folder);
    // Takes every catalogue out again: the texts are the source's.
    void Remove();
    // The catalogues installed, by name: "ui_de", "qtbase_de".
    QStringList Installed() const;

private:
    std::vector<std::unique_ptr<QTranslator>> installed_;
};

// The game's catalogues, each as translations/NAME_SUFFIX.qm, of a language.
QStringList CatalogueNames(const TLanguageRow& row);

// The data folder's translations.
QString TranslationsFolder(const QString& dataFolder);
