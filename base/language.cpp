#include "language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>

namespace {

// The game's catalogues, each as translations/NAME_LANG.qm.
const char* const Catalogues[] = {"ui", "rules", "data"};

} // namespace

TLanguage SystemLanguage() {
    return QLocale::system().language() == QLocale::Russian ? TLanguage::Russian
                                                            : TLanguage::English;
}

TLanguage EffectiveLanguage(TLanguage chosen) {
    return chosen == TLanguage::System ? SystemLanguage() : chosen;
}

TTranslations::~TTranslations() {
    Remove();
}

TLanguage TTranslations::Install(TLanguage chosen, const QString& folder) {
    Remove();
    const TLanguage language = EffectiveLanguage(chosen);
    const QString suffix =
        language == TLanguage::Russian ? QStringLiteral("_ru") : QStringLiteral("_en");
    const auto add = [this](const QString& name, const QString& from) {
        auto translator = std::make_unique<QTranslator>();
        if (translator->load(name, from) && QCoreApplication::installTranslator(translator.get()))
            installed_.push_back(std::move(translator));
    };
    for (const char* catalogue : Catalogues)
        add(QLatin1String(catalogue) + suffix, folder);
    if (language == TLanguage::Russian)
        add(QStringLiteral("qtbase_ru"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    return language;
}

void TTranslations::Remove() {
    for (const auto& translator : installed_)
        QCoreApplication::removeTranslator(translator.get());
    installed_.clear();
}

QString TranslationsFolder(const QString& dataFolder) {
    return QDir(dataFolder).filePath(QStringLiteral("translations"));
}
