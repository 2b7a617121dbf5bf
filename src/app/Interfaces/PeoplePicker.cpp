#include "Interfaces/PeoplePicker.h"

#include "PeoplePickerNavigationController.h"

#include "platform/Application.h"
#include "platform/Button.h"
#include "platform/Label.h"
#include "platform/Painter.h"
#include "platform/ReadingDirection.h"
#include "platform/TableView.h"
#include "platform/Theme.h"
#include "platform/Translate.h"

using namespace platform;

namespace {

constexpr float barHeight = 44;
constexpr float barButtonWidth = 96;
constexpr float personRowHeight = 48;
constexpr float valueRowHeight = 56;
constexpr Color pageColor = Color::rgb255(24, 24, 28);
constexpr Color barColor = Color::rgb255(36, 36, 40);
constexpr Color dimText = Color::rgb255(255, 255, 255, 0.55f);

class Bar final : public View {
public:
    using View::View;
    void draw(Painter& painter) const override
    {
        painter.fillRect({0, 0, frame().width(), frame().height()}, barColor);
        painter.fillRect({0, frame().height() - 1, frame().width(), 1}, theme::separator);
    }
};

std::shared_ptr<Button> barButton(Rect frame, const std::string& title, const std::string& id, bool bold)
{
    auto b = std::make_shared<Button>(frame);
    b->setTitle(title);
    b->setFont({16, bold});
    b->setTitleColor(theme::accent);
    b->setCornerRadius(8);
    b->setIdentifier(id);
    return b;
}

struct Page {
    std::shared_ptr<View> page;
    std::shared_ptr<Label> title;
    std::shared_ptr<Button> left;
    std::shared_ptr<Button> cancel;
    std::shared_ptr<TableView> table;
};

Page makePage(PeoplePickerNavigationController& controller, Rect frame, const std::string& title,
              const std::string& leftTitle, const std::string& leftId, float rowHeight, const std::string& tableId)
{
    Page p;
    p.page = std::make_shared<View>(frame);
    p.page->setBackgroundColor(pageColor);

    auto bar = std::make_shared<Bar>(Rect{0, 0, frame.width(), barHeight});
    p.title = std::make_shared<Label>(Rect{barButtonWidth + 4, 0, frame.width() - 2 * (barButtonWidth + 4), barHeight});
    p.title->setText(title);
    p.title->setFont({17, true});
    p.title->setTextColor(Color::white());
    p.title->setAlignment(TextAlignment::Center);
    p.title->setMinimumFontSize(12);
    bar->addSubview(p.title);
    p.left = barButton({4, 2, barButtonWidth, 40}, leftTitle, leftId, false);
    bar->addSubview(p.left);
    p.cancel = barButton({frame.width() - barButtonWidth - 4, 2, barButtonWidth, 40}, platform::translate("PeoplePicker", "Cancel"), "picker.cancel", true);
    p.cancel->setAction([&controller] { controller.cancelButtonClick(); });
    p.cancel->setKeyEquivalent(Key::Escape);
    bar->addSubview(p.cancel);

    p.table = std::make_shared<TableView>(Rect{0, barHeight, frame.width(), frame.height() - barHeight});
    p.table->setRowHeight(rowHeight);
    p.table->setDataSource(&controller);
    p.table->setDelegate(&controller);
    p.table->setIdentifier(tableId);
    p.page->addSubview(p.table);
    // The bar goes above the table so that rows scrolled up pass under it.
    p.page->addSubview(bar);
    return p;
}

std::shared_ptr<Label> cellLabel(Rect frame, const std::string& text, const Font& font, const Color& color)
{
    auto l = std::make_shared<Label>(frame);
    l->setText(text);
    l->setFont(font);
    l->setTextColor(color);
    l->setMinimumFontSize(12);
    l->setUserInteractionEnabled(false);
    return l;
}

} // namespace

PeoplePickerOutlets buildPeoplePicker(PeoplePickerNavigationController& controller)
{
    const Rect screen{0, 0, Application::shared().screenSize().width, Application::shared().screenSize().height - Application::statusBarHeight};
    auto root = std::make_shared<View>(screen);
    root->setBackgroundColor(pageColor);
    root->setClipsToBounds(true);
    root->setIdentifier("picker");

    Page people = makePage(controller, screen, platform::translate("PeoplePicker", "Contacts"), platform::translate("PeoplePicker", "Import"), "picker.import", personRowHeight, "picker.people");
    people.left->setAction([&controller] { controller.importButtonClick(); });
    auto hint = std::make_shared<Label>(Rect{24, 120, screen.width() - 48, 120});
    hint->setText(platform::translate("PeoplePicker", "No contacts yet.\n\nImport a .vcf file exported from your address book or mail program."));
    hint->setFont({16, false});
    hint->setTextColor(dimText);
    hint->setAlignment(TextAlignment::Center);
    hint->setWraps(true);
    hint->setUserInteractionEnabled(false);
    hint->setIdentifier("picker.empty");
    people.page->addSubview(hint);
    root->addSubview(people.page);

    Page person = makePage(controller, screen.offsetBy(screen.width(), 0), "", platform::translate("PeoplePicker", "\u2039 Contacts"), "picker.back",
                           valueRowHeight, "picker.values");
    person.left->setAction([&controller] { controller.backButtonClick(); });
    root->addSubview(person.page);
    // Each page for itself: they keep their places, side by side, for the slide between them.
    platform::layOutForReadingDirection(*people.page);
    platform::layOutForReadingDirection(*person.page);
    return {root, people.page, person.page, people.table, person.table, person.title, hint};
}

std::shared_ptr<View> buildPersonCell(const Contact& person, int row)
{
    const float width = Application::shared().screenSize().width;
    auto cell = std::make_shared<TableViewCell>();
    cell->setFrame({0, 0, width, personRowHeight});
    cell->setIdentifier("picker.person." + std::to_string(row));
    cell->addSubview(cellLabel({16, 0, width - 48, personRowHeight}, person.displayName, {17, true}, Color::white()));
    // Someone without a number can be looked at but offers nothing to pick.
    if (!person.hasPhone())
        cell->subviews().back()->setAlpha(0.55f);
    cell->addSubview(cellLabel({width - 28, 0, 16, personRowHeight}, isRightToLeft() ? "\u2039" : "\u203A", {20, false}, dimText));
    platform::layOutForReadingDirection(*cell);
    return cell;
}

std::shared_ptr<View> buildValueCell(const ContactValue& value, int row)
{
    const float width = Application::shared().screenSize().width;
    const bool phone = value.kind == ContactValue::Kind::Phone;
    auto cell = std::make_shared<TableViewCell>();
    cell->setFrame({0, 0, width, valueRowHeight});
    cell->setIdentifier("picker.value." + std::to_string(row));
    cell->addSubview(cellLabel({16, 7, width - 32, 16}, value.label, {13, true}, phone ? theme::accent : dimText));
    // One line: addresses and notes may hold several.
    std::string shown;
    for (char ch : value.value)
        shown += ch == '\n' ? std::string(", ") : std::string(1, ch);
    cell->addSubview(cellLabel({16, 25, width - 32, 24}, shown, {phone ? 18.0f : 16.0f, phone}, phone ? Color::white() : dimText));
    platform::layOutForReadingDirection(*cell);
    return cell;
}
