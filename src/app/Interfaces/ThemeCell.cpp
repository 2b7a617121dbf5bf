#include "Interfaces/ThemeCell.h"

#include "Interfaces/ContrastMark.h"
#include "ThemeCellViewController.h"

#include "platform/Button.h"
#include "platform/ImageView.h"
#include "platform/Label.h"
#include "platform/ReadingDirection.h"
#include "platform/Painter.h"
#include "platform/Theme.h"
#include "platform/Translate.h"

using namespace platform;

namespace {

constexpr Color deleteRed = Color::rgb255(255, 69, 58);

// The selection mark: a check mark in the accent colour.
class SelectionMark final : public ImageView {
public:
    using ImageView::ImageView;
    void draw(Painter& painter) const override
    {
        float cx = frame().width() / 2, cy = frame().height() / 2;
        painter.drawLine({cx - 6, cy}, {cx - 2, cy + 5}, 2.5f, theme::accent);
        painter.drawLine({cx - 2, cy + 5}, {cx + 6, cy - 6}, 2.5f, theme::accent);
    }
};

// A colour swatch with a fine rim, so that black and transparent colours still show on the dark panel.
class Swatch final : public Label {
public:
    using Label::Label;
    void draw(Painter& painter) const override
    {
        Rect local{0, 0, frame().width(), frame().height()};
        if (auto fill = backgroundColor(); fill && fill->alpha > 0)
            painter.fillRoundedRect(local, cornerRadius(), *fill);
        painter.strokeRoundedRect(local.insetBy(0.5f, 0.5f), cornerRadius(), 1, Color::white(0.45f));
    }
};

// Built-in styles cannot be deleted: their button shows only a faint title, without the button's fill.
class DeleteButton final : public Button {
public:
    using Button::Button;
    void draw(Painter& painter) const override
    {
        if (isEnabled()) {
            Button::draw(painter);
            return;
        }
        TextStyle style;
        style.font = {13, true};
        style.color = theme::disabledText.withAlpha(0.2f);
        style.alignment = TextAlignment::Center;
        painter.drawText({0, 0, frame().width(), frame().height()}, title(), style);
    }
};

std::shared_ptr<Label> swatch(float x)
{
    auto s = std::make_shared<Swatch>(Rect{x, 31, 44, 13});
    s->setCornerRadius(3);
    return s;
}

} // namespace

ThemeCellOutlets buildThemeCell(ThemeCellViewController& controller)
{
    ThemeCellOutlets o;
    o.root = std::make_shared<View>(Rect{0, 0, themeCellSize.width, themeCellSize.height});

    o.selectionBar = std::make_shared<SelectionMark>(Rect{0, 0, 24, themeCellSize.height});
    o.selectionBar->setUserInteractionEnabled(false);
    o.selectionBar->setHidden(true);
    o.root->addSubview(o.selectionBar);

    o.themeName = std::make_shared<Label>(Rect{26, 7, 164, 20});
    o.themeName->setFont({15, true});
    o.themeName->setTextColor(Color::white());
    o.themeName->setMinimumFontSize(11);
    o.root->addSubview(o.themeName);

    o.stripColor = swatch(26);
    o.bgColor = swatch(76);
    o.fontColor = swatch(126);
    for (const auto& s : {o.stripColor, o.bgColor, o.fontColor})
        o.root->addSubview(s);
    // After the swatches, on their line.
    o.faintMark = std::make_shared<ContrastMark>(Rect{174, 29.5f, 16, 16});
    o.faintMark->setPasses(false);
    o.faintMark->setHidden(true);
    o.root->addSubview(o.faintMark);

    o.actionButton = std::make_shared<DeleteButton>(Rect{themeCellSize.width - 62, 9, 56, 34});
    o.actionButton->setTitle(platform::translate("ThemeCell", "Delete"));
    o.actionButton->setFont({13, true});
    o.actionButton->setTitleColor(deleteRed);
    o.actionButton->setBackgroundColor(theme::controlFill);
    o.actionButton->setCornerRadius(theme::controlRadius);
    o.actionButton->setAction([&controller] { controller.actionButtonClicked(); });
    o.root->addSubview(o.actionButton);
    platform::layOutForReadingDirection(*o.root);
    return o;
}
