#include "TextOrder.h"

#include <gtest/gtest.h>

namespace {

int sign(int n) { return (n > 0) - (n < 0); }

TEST(TextOrder, ComparesCharactersWithCaseFullyFolded)
{
    const struct {
        std::string_view a, b;
        int order;
    } rows[] = {
        {"\xC3\xA9mile", "\xC3\x89mile", 0},           // émile, Émile
        {"STRASSE", "stra\xC3\x9F" "e", 0},            // ß folds to ss
        {"a", "B", -1},
        {"", "a", -1},
        {"\xCE\x9F\xCE\x94\xCE\xA5\xCE\xA3", "\xCE\xBF\xCE\xB4\xCF\x85\xCF\x82", 0}, // ΟΔΥΣ, οδυς: final sigma
        {"\xD0\x91\xD0\xBE\xD1\x80\xD0\xB8\xD1\x81", "\xD0\xB2\xD0\xB5\xD1\x80\xD0\xB0", -1}, // Борис, вера
        {"\xC3\x89mile", "Zo\xC3\xAB", 1},             // code points, not a language's order
        {"\xEF\xBC\xA1", "\xF0\x9D\x90\x80", -1},      // U+FF21 before U+1D400, unlike their UTF-16 units
        {"a\xFF", "a\xEF\xBF\xBD", 0},                 // a stray byte reads as U+FFFD
        {"\xC3", "\xEF\xBF\xBD", 0},                   // so does a cut sequence
    };
    for (const auto& row : rows) {
        EXPECT_EQ(sign(compareFoldingCase(row.a, row.b)), row.order) << row.a << " / " << row.b;
        EXPECT_EQ(sign(compareFoldingCase(row.b, row.a)), -row.order) << row.b << " / " << row.a;
    }
}

} // namespace
