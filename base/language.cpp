#include "language.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>

namespace {

// Qt's own texts are English in its source, so English names no catalogue of Qt's.
constexpr TLanguageRow Rows[] = {
    {TLanguage::Russian, "ru", "Русский", QLocale::Russian, 3, "_ru", "qtbase_ru", "russian",
     "HELP.html"},
    {TLanguage::English, "en", "English", QLocale::English, 2, "_en", nullptr, "english",
     "HELP.en.html"},
    {TLanguage::German, "de", "Deutsch", QLocale::German, 2, "_de", "qtbase_de", "german",
     "HELP.de.html"},
};

// The language a desktop without a row of its own is spoken to in.
constexpr TLanguage Fallback = TLanguage::English;

} // namespace

std::span<const TLanguageRow> Languages() {
    return Rows;
}

const TLanguageRow& LanguageRow(TLanguage language) {
    const TLanguage spoken = EffectiveLanguage(language);
    for (const TLanguageRow& row : Rows)
        if (row.Language == spoken)
            return row;
    return Rows[0];
}

bool IsSourceLanguage(const TLanguageRow& row) {
    return &row == &Rows[0];
}

TLanguage LanguageFor(QLocale::Language desktop) {
    for (const TLanguageRow& row : Rows)
        if (row.Locale == desktop)
            return row.Language;
    return Fallback;
}

TLanguage SystemLanguage() {
    return LanguageFor(QLocale::system().language());
}

TLanguage EffectiveLanguage(TLanguage chosen) {
    return chosen == TLanguage::System ? SystemLanguage() : chosen;
}

QStringList CatalogueNames(const TLanguageRow& row) {
    // The data files are written in the source's language.
    QStringList names{QStringLiteral("ui"), QStringLiteral("rules")};
    if (!IsSourceLanguage(row))
        names << QStringLiteral("data");
    for (QString& name : names)
        name += QLatin1String(row.Suffix);
    return names;
}

TTranslations::~TTranslations() {
    Remove();
}

TLanguage TTranslations::Install(TLanguage chosen, const QString& folder) {
    Remove();
    const TLanguageRow& row = LanguageRow(chosen);
    const auto add = [this](const QString& name, const QString& from) {
        auto translator = std::make_unique<QTranslator>();
        if (translator->load(name, from) && QCoreApplication::installTranslator(translator.get()))
            installed_.push_back(std::move(translator));
    };
    for (const QString& catalogue : CatalogueNames(row))
        add(catalogue, folder);
    if (row.QtCatalogue)
        add(QLatin1String(row.QtCatalogue), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    return row.Language;
}

void TTranslations::Remove() {
    for (const auto& translator : installed_)
        QCoreApplication::removeTranslator(translator.get());
    installed_.clear();
}

QStringList TTranslations::Installed() const {
    QStringList names;
    for (const auto& translator : installed_)
        names << QFileInfo(translator->filePath()).completeBaseName();
    return names;
}

QString TranslationsFolder(const QString& dataFolder) {
    return QDir(dataFolder).filePath(QStringLiteral("translations"));
}
