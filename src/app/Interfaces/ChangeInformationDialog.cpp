#include "Interfaces/ChangeInformationDialog.h"

#include "Dialogs/ChangeInformationDialogViewController.h"
#include "Interfaces/DialogChrome.h"

#include "platform/Label.h"
#include "platform/TextField.h"
#include "platform/Theme.h"
#include "platform/Translate.h"

using namespace platform;

namespace {

std::shared_ptr<TextField> field(Rect frame, const std::string& placeholder, const std::string& id,
                                 ChangeInformationDialogViewController& controller)
{
    auto f = std::make_shared<TextField>(frame);
    f->setPlaceholder(placeholder);
    f->setDelegate(&controller);
    f->setIdentifier(id);
    return f;
}

} // namespace

ChangeInformationDialogOutlets buildChangeInformationDialog(ChangeInformationDialogViewController& controller)
{
    constexpr float captionHeight = 16;
    constexpr float contactsWidth = 96;
    constexpr float warningHeight = 32; // two lines
    constexpr float toggleHeight = 36;
    const float height = chrome::headerHeight + 8 + 3 * (captionHeight + 2 + chrome::rowHeight) + 2 * 12 + toggleHeight +
                         6 + 6 + warningHeight + 8 + chrome::footerHeight;
    DialogChrome c = makeDialogChrome(controller, {280, height}, platform::translate("ChangeInformationDialog", "Information"));
    Rect area = c.contentArea;
    float y = area.y();

    c.panel->addSubview(chrome::caption({area.x(), y, area.width(), captionHeight}, platform::translate("ChangeInformationDialog", "Contact, shown after TAVRIN:")));
    y += captionHeight + 2;
    auto contact = field({area.x(), y, area.width() - contactsWidth - 8, chrome::rowHeight}, platform::translate("ChangeInformationDialog", "Phone number"),
                         "info.contact", controller);
    c.panel->addSubview(contact);
    auto contacts = chrome::menuButton({area.maxX() - contactsWidth, y, contactsWidth, chrome::rowHeight},
                                       platform::translate("ChangeInformationDialog", "Contacts"), "info.contacts");
    contacts->setFont({15, true});
    contacts->setTitleColor(theme::accent);
    contacts->setAction([&controller] { controller.contactButtonClick(); });
    c.panel->addSubview(contacts);
    y += chrome::rowHeight + 12;

    c.panel->addSubview(chrome::caption({area.x(), y, area.width(), captionHeight}, platform::translate("ChangeInformationDialog", "Other information")));
    y += captionHeight + 2;
    auto other = field({area.x(), y, area.width(), chrome::rowHeight}, platform::translate("ChangeInformationDialog", "Reward, e-mail address, note"), "info.other",
                       controller);
    c.panel->addSubview(other);
    y += chrome::rowHeight + 12;

    c.panel->addSubview(chrome::caption({area.x(), y, area.width(), captionHeight}, platform::translate("ChangeInformationDialog", "Scan code below the strips")));
    y += captionHeight + 2;
    const float gap = 6, toggleWidth = (area.width() - 2 * gap) / 3;
    std::shared_ptr<Button> toggles[3];
    const std::tuple<const char*, const char*, QrCodeKind> kinds[] = {
        {QT_TRANSLATE_NOOP("ChangeInformationDialog", "None"), "info.code.none", QrCodeKind::None}, {QT_TRANSLATE_NOOP("ChangeInformationDialog", "Call"), "info.code.tel", QrCodeKind::Tel}, {QT_TRANSLATE_NOOP("ChangeInformationDialog", "Address"), "info.code.url", QrCodeKind::Url}};
    for (int i = 0; i < 3; ++i) {
        const auto& [title, id, kind] = kinds[i];
        toggles[i] = chrome::toggleButton({area.x() + float(i) * (toggleWidth + gap), y, toggleWidth, toggleHeight},
                                                platform::translate("ChangeInformationDialog", title), id);
        toggles[i]->setAction([&controller, kind = kind] { controller.codeKindSelected(kind); });
        c.panel->addSubview(toggles[i]);
    }
    y += toggleHeight + 6;
    auto url = field({area.x(), y, area.width(), chrome::rowHeight}, platform::translate("ChangeInformationDialog", "https:// address for Address"), "info.codeUrl", controller);
    c.panel->addSubview(url);
    y += chrome::rowHeight + 6;

    auto warning = std::make_shared<Label>(Rect{area.x(), y, area.width(), warningHeight});
    warning->setFont({12, true});
    warning->setTextColor(Color::rgb255(255, 179, 64));
    warning->setWraps(true);
    warning->setIdentifier("info.warning");
    c.panel->addSubview(warning);
    return {c, contact, other, toggles[0], toggles[1], toggles[2], url, warning};
}
