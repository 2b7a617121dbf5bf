#include "desktop/UserLanguage.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

namespace desktop {

UserLanguage::UserLanguage(const QStringList& languages)
{
    // The first language in the user's list that we speak wins; English is the source text, so an
    // English entry ends the search with no translation ("en:de" reads English, not German).
    for (const QString& name : languages) {
        const QLocale language(name);
        if (language.language() == QLocale::English || language.language() == QLocale::C)
            break;
        if (translator_.load(language, "tavrin", "_", ":/i18n"))
            break;
    }
    const QLocale chosen = translator_.isEmpty() ? QLocale(languages.isEmpty() ? QStringLiteral("C") : languages.first())
                                                 : QLocale(translator_.language());
    // Dates name their days and months in the interface's language.
    QLocale::setDefault(chosen);
    if (!translator_.isEmpty()) {
        QCoreApplication::installTranslator(&translator_);
        // Qt's own words (the file window's buttons) from Qt's translations, where they are installed.
        if (qtTranslator_.load(chosen, "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(&qtTranslator_);
        rightToLeft_ = chosen.textDirection() == Qt::RightToLeft;
    }
    platform::installTranslator(this);
}

UserLanguage::~UserLanguage()
{
    platform::installTranslator(nullptr);
    QCoreApplication::removeTranslator(&qtTranslator_);
    QCoreApplication::removeTranslator(&translator_);
    QLocale::setDefault(previousDefault_);
}

std::string UserLanguage::translate(const char* context, const char* sourceText) const
{
    return QCoreApplication::translate(context, sourceText).toStdString();
}

} // namespace desktop
