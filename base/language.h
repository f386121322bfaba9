#pragma once

#include <QString>
#include <QTranslator>
#include <memory>
#include <vector>

// The languages the game speaks. Russian is the language of the source and
// of the data files; English comes from the translation catalogues.
enum class TLanguage { System, Russian, English };

// The language of the desktop: Russian on a Russian one, English on any other.
TLanguage SystemLanguage();
// The chosen language, the system's for System.
TLanguage EffectiveLanguage(TLanguage chosen);

// The game's catalogues installed in the application: the window's and the
// rules' texts and, for English, the data files' texts; for Russian also
// Qt's own Russian texts (the buttons and the file dialogs), and the Russian
// plural forms. The command-line tools install none and keep their fixed
// Russian texts.
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

private:
    std::vector<std::unique_ptr<QTranslator>> installed_;
};

// The data folder's translations.
QString TranslationsFolder(const QString& dataFolder);
