#include "TextOrder.h"

#include <unicode/stringoptions.h>
#include <unicode/unistr.h>

namespace {

icu::UnicodeString fromUtf8(std::string_view text)
{
    return icu::UnicodeString::fromUTF8(icu::StringPiece(text.data(), int32_t(text.size())));
}

} // namespace

int compareFoldingCase(std::string_view a, std::string_view b)
{
    return fromUtf8(a).caseCompare(fromUtf8(b), U_FOLD_CASE_DEFAULT | U_COMPARE_CODE_POINT_ORDER);
}
