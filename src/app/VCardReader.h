#pragma once

#include <string>
#include <string_view>
#include <vector>

// One entry of a contact card. All strings are valid UTF-8.
struct ContactValue {
    enum class Kind { Phone, Email, Other };
    Kind kind = Kind::Other;
    std::string label; // human wording: "mobile", "work fax", "home address", or the user's own label
    std::string value; // phone numbers exactly as the card writes them (no reformatting)
};

struct Contact {
    std::string displayName;
    std::vector<ContactValue> values; // in file order
    bool hasPhone() const;
};

// Reads every card of a vCard 2.1, 3.0 or 4.0 file, be it UTF-8, UTF-16 or in the charsets it names. Damaged cards
// and lines are skipped rather than reported: the user only wants to pick a number, and a half-broken export should
// still offer the good cards.
std::vector<Contact> readVCards(std::string_view text);
