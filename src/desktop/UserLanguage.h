#pragma once

#include "platform/Translate.h"

#include <QLocale>
#include <QTranslator>

namespace desktop {

// The interface in the first of the user's languages that has a translation, or English when English
// comes first (QLocale::system().uiLanguages() follows LANGUAGE, LC_ALL, LC_MESSAGES and LANG), for Qt
// and for the plain C++ rooms alike, from construction until destruction. Needs the
// Q(Core/Gui)Application to exist.
class UserLanguage final : public platform::Translator {
public:
    explicit UserLanguage(const QStringList& languages = QLocale::system().uiLanguages());
    ~UserLanguage() override;
    UserLanguage(const UserLanguage&) = delete;
    UserLanguage& operator=(const UserLanguage&) = delete;

    std::string translate(const char* context, const char* sourceText) const override;
    bool isRightToLeft() const override { return rightToLeft_; }

private:
    QLocale previousDefault_;
    QTranslator translator_;
    QTranslator qtTranslator_;
    bool rightToLeft_ = false;
};

} // namespace desktop
