#pragma once

#include "Interfaces/PeoplePicker.h"
#include "VCardReader.h"

#include "platform/TableView.h"
#include "platform/ViewController.h"

#include <cstddef>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class PeoplePickerNavigationController;

class PeoplePickerNavigationControllerDelegate {
public:
    virtual ~PeoplePickerNavigationControllerDelegate() = default;
    // A person was chosen: true shows the person's values.
    virtual bool shouldContinueAfterSelectingPerson(PeoplePickerNavigationController& picker, const Contact& person) = 0;
    // One of the person's values was chosen; `identifier` is its index in person.values. The picker
    // has no default action of its own to take, whatever the answer.
    virtual bool shouldContinueAfterSelectingPerson(PeoplePickerNavigationController& picker, const Contact& person,
                                                    ContactValue::Kind property, std::size_t identifier) = 0;
    virtual void peoplePickerNavigationControllerDidCancel(PeoplePickerNavigationController& picker) = 0;
};

// The user's contacts as a full-screen page: the people, then one person's values. The contacts are
// the vCard file kept as "contacts.vcf" in the documents folder, replaced by each import from the
// desktop's file chooser. With no such file yet, the import is offered as soon as the picker shows.
class PeoplePickerNavigationController final : public platform::ViewController,
                                               public platform::TableViewDataSource,
                                               public platform::TableViewDelegate,
                                               private PeoplePickerOutlets {
public:
    // Imports larger than this are refused: the biggest real address books stay far below it.
    static constexpr std::uintmax_t maxImportBytes = 64u << 20;

    PeoplePickerNavigationController();
    ~PeoplePickerNavigationController() override;

    static std::filesystem::path contactsFilePath();

    void setPeoplePickerDelegate(PeoplePickerNavigationControllerDelegate* delegate) { delegate_ = delegate; }

    void viewDidLoad() override;
    void viewDidAppear(bool animated) override;

    void importButtonClick();
    void cancelButtonClick();
    // From a person's values back to the people.
    void backButtonClick();

    int numberOfRowsInSection(platform::TableView& table, int section) override;
    std::shared_ptr<platform::View> cellForRowAtIndexPath(platform::TableView& table, platform::IndexPath path) override;
    void didSelectRowAtIndexPath(platform::TableView& table, platform::IndexPath path) override;

    // The people in the order shown, and the one whose values are shown.
    const std::vector<Contact>& people() const { return people_; }
    const Contact* shownPerson() const { return shown_ ? &people_[*shown_] : nullptr; }

protected:
    void loadView() override;

private:
    void loadContacts();
    void setPeople(std::vector<Contact> people);
    void fileChosen(const std::optional<std::string>& path);
    void showPerson(std::optional<std::size_t> index);
    void showFailure(const std::string& message);

    PeoplePickerNavigationControllerDelegate* delegate_ = nullptr;
    std::vector<Contact> people_;
    std::optional<std::size_t> shown_;
    // The shown person's values by row: numbers first, then e-mail addresses, then the rest.
    std::vector<std::size_t> valueRows_;
    bool offeredImport_ = false;
    // The file chooser may answer after the picker is gone; it then finds this expired.
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};
