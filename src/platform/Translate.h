#pragma once

#include <initializer_list>
#include <string>

namespace platform {

// The shell's translations into the user's language. The English original is the key; a text the
// shell has no translation for comes back as it was given.
class Translator {
public:
    virtual ~Translator() = default;
    virtual std::string translate(const char* context, const char* sourceText) const = 0;
    // Whether the user's language is written from right to left.
    virtual bool isRightToLeft() const = 0;
};

// The translator every translate() asks; none (English as written) until the shell installs one.
void installTranslator(const Translator* translator);
bool isRightToLeft();

// A text of the interface in the user's language, in UTF-8. The context is the class or interface
// builder it belongs to; lupdate finds the call by this name.
std::string translate(const char* context, const char* sourceText);

// A translated text with its %1, %2 ... replaced by the values, so that each language orders them;
// in a language read from the right, each value is set apart to run in its own direction.
std::string fillIn(std::string text, std::initializer_list<std::string> values);

} // namespace platform

// Marks a text for lupdate where it stands in a table; it is translated where it is shown. The same
// definition as Qt's, so that files including both agree.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif
