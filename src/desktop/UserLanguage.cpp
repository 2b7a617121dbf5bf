#include "desktop/UserLanguage.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

namespace desktop {

UserLanguage::UserLanguage(const QLocale& user)
{
    // Dates name their days and months in the interface's language.
    const QStringList languages = user.uiLanguages();
    QLocale::setDefault(languages.isEmpty() ? QLocale::c() : QLocale(languages.first()));
    // English is the source text: no translation loads for it, and none is needed.
    if (translator_.load(user, "tavrin", "_", ":/i18n")) {
        QLocale::setDefault(QLocale(translator_.language()));
        QCoreApplication::installTranslator(&translator_);
        // Qt's own words (the file window's buttons) from Qt's translations, where they are installed.
        if (qtTranslator_.load(QLocale(translator_.language()), "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(&qtTranslator_);
        rightToLeft_ = QLocale(translator_.language()).textDirection() == Qt::RightToLeft;
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
