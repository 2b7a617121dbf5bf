#include "platform/Translate.h"

namespace platform {

namespace {
const Translator* installed = nullptr;
} // namespace

void installTranslator(const Translator* translator) { installed = translator; }

bool isRightToLeft() { return installed && installed->isRightToLeft(); }

std::string translate(const char* context, const char* sourceText)
{
    return installed ? installed->translate(context, sourceText) : std::string(sourceText);
}

std::string fillIn(std::string text, std::initializer_list<std::string> values)
{
    // One pass, so that a value holding "%2" is not filled in itself.
    std::string out;
    out.reserve(text.size());
    // In a sentence read from the right, a value runs in its own direction and keeps its neighbours'
    // places: a path's slashes and the full stop after it stay where they belong (first-strong isolate).
    const bool isolated = isRightToLeft();
    for (size_t i = 0; i < text.size(); ++i) {
        const size_t n = i + 1 < text.size() ? size_t(text[i + 1] - '0') : 0;
        if (text[i] == '%' && n >= 1 && n <= values.size()) {
            out += isolated ? "\u2068" + values.begin()[n - 1] + "\u2069" : values.begin()[n - 1];
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

} // namespace platform
