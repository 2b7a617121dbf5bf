#pragma once

#include "Dialogs/DialogBase.h"
#include "Interfaces/PhoneDialog.h"
#include "Screen.h"

#include "platform/TableView.h"

#include <string>
#include <string_view>
#include <vector>

// The phone the wallpaper is composed for: the catalogue's screens, narrowed by the search field as
// the user types, and a custom size when the field holds one (390x844@3). Touching another phone's
// row chooses it, which makes the whole screen anew; touching the current one goes back.
class PhoneDialogViewController final : public DialogBase,
                                        public platform::TableViewDataSource,
                                        public platform::TableViewDelegate,
                                        private PhoneDialogOutlets {
public:
    PhoneDialogViewController(std::string nibName, DialogHost& preview);
    ~PhoneDialogViewController() override;

    void viewWillAppear(bool animated) override;

    // The rows for a search text, in order: a custom size first (the typed one, or else the current
    // phone when it is not in the catalogue), then the catalogue's screens whose name, maker or id
    // contains every word of the text, whatever the case.
    static std::vector<Screen> matching(std::string_view text, const Screen& current);

    bool shouldChangeCharactersInRange(platform::TextField& field, platform::TextRange range,
                                       const std::string& replacement) override;
    bool textFieldShouldClear(platform::TextField& field) override;

    int numberOfRowsInSection(platform::TableView& table, int section) override;
    std::shared_ptr<platform::View> cellForRowAtIndexPath(platform::TableView& table,
                                                          platform::IndexPath path) override;
    void didSelectRowAtIndexPath(platform::TableView& table, platform::IndexPath path) override;

    // Shows or hides the sample notifications, with the lock screen when they are shown.
    void notificationsButtonClick();

protected:
    void loadView() override;

private:
    void showMatches(std::string_view text);

    // In row order, as of the last change of the search text.
    std::vector<Screen> rows;
};
