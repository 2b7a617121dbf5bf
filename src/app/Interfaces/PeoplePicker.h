#pragma once

#include <memory>

namespace platform {
class Label;
class TableView;
class View;
} // namespace platform
class PeoplePickerNavigationController;
struct Contact;
struct ContactValue;

// The people page and, beside it off the screen, the page of one person's values.
struct PeoplePickerOutlets {
    std::shared_ptr<platform::View> root;
    std::shared_ptr<platform::View> peoplePage;
    std::shared_ptr<platform::View> personPage;
    std::shared_ptr<platform::TableView> peopleTable;
    std::shared_ptr<platform::TableView> valuesTable;
    std::shared_ptr<platform::Label> personTitle;
    std::shared_ptr<platform::Label> emptyHint;
};

PeoplePickerOutlets buildPeoplePicker(PeoplePickerNavigationController& controller);
// One row of the people list, and one row of a person's values.
std::shared_ptr<platform::View> buildPersonCell(const Contact& person, int row);
std::shared_ptr<platform::View> buildValueCell(const ContactValue& value, int row);
