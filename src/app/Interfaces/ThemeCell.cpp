#include "Interfaces/ThemeCell.h"

#include "ThemeCellViewController.h"

#include "platform/Button.h"
#include "platform/ImageView.h"
#include "platform/Label.h"
#include "platform/Painter.h"
#include "platform/Theme.h"

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

std::shared_ptr<View> buildThemeCell(ThemeCellViewController& controller)
{
    auto root = std::make_shared<View>(Rect{0, 0, themeCellSize.width, themeCellSize.height});

    controller.selectionBar = std::make_shared<SelectionMark>(Rect{0, 0, 24, themeCellSize.height});
    controller.selectionBar->setUserInteractionEnabled(false);
    controller.selectionBar->setHidden(true);
    root->addSubview(controller.selectionBar);

    controller.themeName = std::make_shared<Label>(Rect{26, 7, 164, 20});
    controller.themeName->setFont({15, true});
    controller.themeName->setTextColor(Color::white());
    controller.themeName->setMinimumFontSize(11);
    root->addSubview(controller.themeName);

    controller.stripColor = swatch(26);
    controller.bgColor = swatch(76);
    controller.fontColor = swatch(126);
    for (const auto& s : {controller.stripColor, controller.bgColor, controller.fontColor})
        root->addSubview(s);

    controller.actionButton = std::make_shared<DeleteButton>(Rect{themeCellSize.width - 62, 9, 56, 34});
    controller.actionButton->setTitle("Delete");
    controller.actionButton->setFont({13, true});
    controller.actionButton->setTitleColor(deleteRed);
    controller.actionButton->setBackgroundColor(theme::controlFill);
    controller.actionButton->setCornerRadius(theme::controlRadius);
    controller.actionButton->setAction([&controller] { controller.actionButtonClicked(); });
    root->addSubview(controller.actionButton);
    return root;
}
