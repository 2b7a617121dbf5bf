#pragma once

#include <memory>

namespace platform {
class View;
}
class PeoplePickerNavigationController;
struct Contact;
struct ContactValue;

std::shared_ptr<platform::View> buildPeoplePicker(PeoplePickerNavigationController& controller);
// One row of the people list, and one row of a person's values.
std::shared_ptr<platform::View> buildPersonCell(const Contact& person, int row);
std::shared_ptr<platform::View> buildValueCell(const ContactValue& value, int row);
