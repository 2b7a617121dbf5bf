#pragma once

#include <string_view>

// Orders two UTF-8 texts as their characters compare once case is fully folded ("straße" equals
// "STRASSE"), in code point order and without any language's rules. Negative, zero or positive as a
// comes before, with or after b; bytes that are not UTF-8 count as U+FFFD.
int compareFoldingCase(std::string_view a, std::string_view b);
