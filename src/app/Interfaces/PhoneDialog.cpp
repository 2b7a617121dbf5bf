#include "Interfaces/PhoneDialog.h"

#include "Dialogs/PhoneDialogViewController.h"
#include "Interfaces/DialogChrome.h"
#include "Screen.h"

#include "platform/Button.h"
#include "platform/Label.h"
#include "platform/ReadingDirection.h"
#include "platform/Painter.h"
#include "platform/TableView.h"
#include "platform/TextField.h"
#include "platform/Theme.h"

#include <algorithm>
#include <cmath>
#include <tuple>
#include "platform/Translate.h"

using namespace platform;

namespace {

constexpr float fieldHeight = 36;
constexpr float rowHeight = 44;
constexpr float inset = 10;
constexpr float sizeWidth = 76;

// "Apple iPhone 15": the maker plain and dimmer than the name. It spans the row under the pixel size
// and takes all the room the size leaves. A long line shrinks a little; a longer one breaks the name
// onto a second line, under its first, beside the maker; only a name too long for both is elided.
// Laid out for reading from the right (aligned right), the maker comes first from the right edge.
class MakerAndName final : public Label {
public:
    MakerAndName(Rect frame, std::string maker, std::string name, Color color, std::shared_ptr<Label> size)
        : Label(frame), maker_(std::move(maker)), size_(std::move(size))
    {
        // A name that begins with its maker ("Custom 390x844@3") is not given the maker twice.
        if (name.rfind(maker_ + " ", 0) == 0)
            name.erase(0, maker_.size() + 1);
        name_ = std::move(name);
        setText(maker_ + " " + name_);
        setFont({12, true});
        setTextColor(color);
    }

    void draw(Painter& painter) const override
    {
        const float height = frame().height();
        const float sizeWidth = painter.textWidth(size_->text(), size_->font());
        const bool fromRight = textStyle().alignment == TextAlignment::Right;
        const float width = fromRight ? frame().maxX() - size_->frame().x() - sizeWidth - gap
                                      : size_->frame().maxX() - frame().x() - sizeWidth - gap;
        // A place measured from the line's start, on the side the line starts from.
        auto placed = [&](Rect r) { return fromRight ? Rect{frame().width() - r.x() - r.width(), r.y(), r.width(), r.height()} : r; };
        TextStyle name = textStyle();
        TextStyle maker = name;
        maker.font.bold = false;
        maker.color = name.color.withAlpha(0.6f);
        const std::string makerAndSpace = maker_ + " ";
        const float full = painter.textWidth(makerAndSpace, maker.font) + painter.textWidth(name_, name.font);
        if (full * minimumSize / name.font.size <= width) {
            if (full > width)
                name.font.size = maker.font.size = std::max(minimumSize, std::floor(name.font.size * width / full));
            const float makerWidth = painter.textWidth(makerAndSpace, maker.font);
            painter.drawText(placed({0, 0, makerWidth + 1, height}), maker_, maker);
            painter.drawText(placed({makerWidth, 0, std::max(0.f, width - makerWidth), height}), name_, name);
            return;
        }
        // At the full size when the rest fits its line, else at the smallest.
        auto broken = [&](float size) {
            name.font.size = maker.font.size = size;
            const float nameWidth = std::max(0.f, width - painter.textWidth(makerAndSpace, maker.font));
            // As many words as fit the first line, at least one.
            std::size_t end = name_.find(' ');
            for (std::size_t next = end; next != std::string::npos; next = name_.find(' ', next + 1)) {
                if (painter.textWidth(name_.substr(0, next), name.font) > nameWidth)
                    break;
                end = next;
            }
            const std::string rest = end == std::string::npos ? "" : name_.substr(end + 1);
            return std::tuple{name_.substr(0, end), rest, nameWidth, painter.textWidth(rest, name.font) <= nameWidth};
        };
        auto [first, rest, nameWidth, fits] = broken(name.font.size);
        if (!fits)
            std::tie(first, rest, nameWidth, fits) = broken(minimumSize);
        const float lineHeight = std::ceil(name.font.size * 1.25f);
        const float top = std::floor((height - 2 * lineHeight) / 2);
        const float makerWidth = width - nameWidth;
        painter.drawText(placed({0, top, makerWidth + 1, lineHeight}), maker_, maker);
        painter.drawText(placed({makerWidth, top, nameWidth, lineHeight}), first, name);
        painter.drawText(placed({makerWidth, top + lineHeight, nameWidth, lineHeight}), rest, name);
    }

private:
    static constexpr float minimumSize = 11;
    static constexpr float gap = 8;
    std::string maker_;
    std::string name_;
    std::shared_ptr<Label> size_;
};

std::string pixelSize(const Screen& screen)
{
    return std::to_string(screen.pixelWidth) + " \u00d7 " + std::to_string(screen.pixelHeight);
}

} // namespace

PhoneDialogOutlets buildPhoneDialog(PhoneDialogViewController& controller, bool withNotifications)
{
    // As tall as the style list: below the status bar even when the classic layout lifts it.
    DialogChrome c = makeDialogChrome(controller, {280, 380}, platform::translate("PhoneDialog", "Phone"));
    const Rect area = c.contentArea;

    auto field = std::make_shared<TextField>(Rect{area.x(), area.y(), area.width(), fieldHeight});
    field->setPlaceholder(platform::translate("PhoneDialog", "Search, or 390x844@3"));
    field->setFont({16, false});
    field->setClearButtonMode(ClearButtonMode::WhileEditing);
    field->setDelegate(&controller);
    field->setIdentifier("phone.search");
    c.panel->addSubview(field);

    std::shared_ptr<Button> notifications;
    float bottom = area.maxY();
    if (withNotifications) {
        bottom -= chrome::rowHeight + 8;
        notifications = chrome::toggleButton({area.x(), bottom + 8, area.width(), chrome::rowHeight},
                                             platform::translate("PhoneDialog", "Sample Notifications"), "phone.notifications");
        notifications->setAction([&controller] { controller.notificationsButtonClick(); });
        c.panel->addSubview(notifications);
    }

    const float top = area.y() + fieldHeight + 8;
    auto table = std::make_shared<TableView>(Rect{area.x(), top, area.width(), bottom - top});
    table->setRowHeight(rowHeight);
    table->setDataSource(&controller);
    table->setDelegate(&controller);
    table->setIdentifier("phone.table");
    // Darker than the panel, like the style list, so that the wallpaper's lettering does not show through.
    table->setBackgroundColor(Color::rgb255(12, 12, 16, 0.7f));
    table->setCornerRadius(theme::controlRadius);
    c.panel->addSubview(table);
    return {c, field, table, notifications};
}

std::shared_ptr<TableViewCell> buildPhoneRow(const Screen& screen, bool current, Size size,
                                             const std::string& identifier)
{
    auto cell = std::make_shared<TableViewCell>();
    const Rect rowRect{0, 0, size.width, size.height};
    cell->setFrame(rowRect);
    cell->contentView().setFrame(rowRect);
    cell->setIdentifier(identifier);

    // The current phone's row is in the accent colour.
    const Color color = current ? theme::accent : Color::white();
    auto pixels = std::make_shared<Label>(Rect{size.width - sizeWidth - inset, 0, sizeWidth, size.height});
    pixels->setText(pixelSize(screen));
    pixels->setFont({11, false});
    pixels->setTextColor(color.withAlpha(current ? 1 : 0.55f));
    pixels->setAlignment(TextAlignment::Right);
    pixels->setMinimumFontSize(10);
    pixels->setIdentifier(identifier + ".size");

    auto name = std::make_shared<MakerAndName>(Rect{inset, 0, size.width - 2 * inset, size.height}, screen.shownMaker(),
                                               screen.shownName(), color, pixels);
    name->setIdentifier(identifier + ".name");
    cell->contentView().addSubview(name);
    cell->contentView().addSubview(pixels);
    platform::layOutForReadingDirection(*cell);
    return cell;
}
