#include "Interfaces/StripOptionsDialog.h"

#include "Dialogs/StripOptionsDialogViewController.h"
#include "Interfaces/ContrastMark.h"
#include "Interfaces/DialogChrome.h"
#include "Interfaces/PalettePanel.h"

#include "platform/Slider.h"
#include "platform/Theme.h"
#include "platform/Translate.h"

using namespace platform;

namespace {

constexpr float panelWidth = 256;
constexpr float gap = 8;
constexpr float tabsTop = chrome::headerHeight + 8;
constexpr float panelsTop = tabsTop + chrome::rowHeight + 8;
constexpr float contrastRowHeight = 36;
constexpr float panelHeight = PalettePanel::height + 6 + chrome::rowHeight + 6 + contrastRowHeight;
constexpr float dialogHeight = panelsTop + panelHeight + 8 + chrome::footerHeight;

std::shared_ptr<Button> arrow(Rect frame, const std::string& title, const std::string& id)
{
    auto b = chrome::menuButton(frame, title, id);
    b->setFont({24, true});
    return b;
}

void colorPanel(StripOptionsDialogViewController& controller, StripOptionsDialogOutlets& o)
{
    auto panel = std::make_shared<View>(Rect{0, 0, panelWidth, panelHeight});
    panel->setIdentifier("strip.colorPanel");

    PalettePanel palette = addPalettePanel(
        *panel, {0, 0}, panelWidth, "strip", [&controller] { controller.previousSwatchButtonClicked(); },
        [&controller] { controller.nextSwatchButtonClicked(); });

    float fontY = PalettePanel::height + 6;
    panel->addSubview(chrome::caption({0, fontY, 72, chrome::rowHeight}, platform::translate("StripOptionsDialog", "LETTERING")));
    float buttonWidth = (panelWidth - 72 - gap) / 2;
    auto white = chrome::toggleButton({72, fontY, buttonWidth, chrome::rowHeight}, platform::translate("StripOptionsDialog", "White"), "strip.fontWhite");
    white->setAction([&controller] { controller.setFontWhite(); });
    panel->addSubview(white);
    auto black = chrome::toggleButton({72 + buttonWidth + gap, fontY, buttonWidth, chrome::rowHeight}, platform::translate("StripOptionsDialog", "Black"), "strip.fontBlack");
    black->setAction([&controller] { controller.setFontBlack(); });
    panel->addSubview(black);

    // The number's contrast under the lettering buttons, and on the right the fix when one is needed.
    const float contrastY = fontY + chrome::rowHeight + 6;
    panel->addSubview(chrome::caption({0, contrastY, 72, contrastRowHeight}, platform::translate("StripOptionsDialog", "CONTRAST")));
    o.contrastMark = std::make_shared<ContrastMark>(Rect{72, contrastY + 8, 20, 20});
    o.contrastMark->setIdentifier("strip.contrast.mark");
    panel->addSubview(o.contrastMark);
    o.contrastRatio = std::make_shared<Label>(Rect{100, contrastY + 1, 64, 20});
    o.contrastRatio->setFont({16, true});
    o.contrastRatio->setTextColor(Color::white());
    o.contrastRatio->setMinimumFontSize(11);
    o.contrastRatio->setIdentifier("strip.contrast.ratio");
    panel->addSubview(o.contrastRatio);
    o.contrastLc = chrome::caption({100, contrastY + 21, 64, 14}, "");
    o.contrastLc->setFont({11, false});
    o.contrastLc->setIdentifier("strip.contrast.lc");
    panel->addSubview(o.contrastLc);
    const float fixWidth = panelWidth - 168;
    o.contrastFixButton = chrome::menuButton({panelWidth - fixWidth, contrastY, fixWidth, contrastRowHeight}, "", "strip.contrast.fix");
    o.contrastFixButton->setFont({13, true});
    o.contrastFixButton->setBackgroundColor(Color::rgb255(255, 159, 10)); // the faint mark's amber
    o.contrastFixButton->setTitleColor(Color::rgb255(20, 20, 22));
    o.contrastFixButton->setAction([&controller] { controller.fixContrast(); });
    panel->addSubview(o.contrastFixButton);

    o.tabColorView = panel;
    o.swatchPaletteView = palette.well;
    o.colorSwatchImage = palette.image;
    o.swatchTitleLabel = palette.title;
    o.whiteFontButton = white;
    o.blackFontButton = black;
}

void layoutPanel(StripOptionsDialogViewController& controller, StripOptionsDialogOutlets& o)
{
    auto panel = std::make_shared<View>(Rect{0, 0, panelWidth, panelHeight});
    panel->setIdentifier("strip.layoutPanel");
    panel->addSubview(chrome::caption({0, 0, panelWidth, 16}, platform::translate("StripOptionsDialog", "STRIP LAYOUT")));

    using C = StripOptionsDialogViewController;
    using O = StripOptionsDialogOutlets;
    struct Choice {
        const char* title;
        const char* id;
        void (C::*action)();
        std::shared_ptr<Button> O::*outlet;
        StripLayout layout;
    };
    static constexpr Choice choices[] = {
        {QT_TRANSLATE_NOOP("StripOptionsDialog", "Classic"), "strip.layout.classic", &C::classicStripSelected, &O::classicLayoutButton, StripLayout::Classic},
        {QT_TRANSLATE_NOOP("StripOptionsDialog", "Split"), "strip.layout.split", &C::splitStripSelected, &O::splitLayoutButton, StripLayout::Split},
        {QT_TRANSLATE_NOOP("StripOptionsDialog", "None"), "strip.layout.none", &C::noneStripSelected, &O::noneLayoutButton, StripLayout::None},
    };
    float width = (panelWidth - 2 * gap) / 3;
    float x = 0;
    for (const Choice& choice : choices) {
        auto b = chrome::toggleButton({x, 20, width, 56}, platform::translate("StripOptionsDialog", choice.title), choice.id);
        auto action = choice.action;
        b->setAction([&controller, action] { (controller.*action)(); });
        b->setHighlightAction([&controller, layout = choice.layout, button = b.get()](bool pressed) {
            controller.layoutPressed(layout, *button, pressed);
        });
        panel->addSubview(b);
        o.*choice.outlet = b;
        x += width + gap;
    }
    auto hint = chrome::caption({0, 84, panelWidth, 60}, platform::translate("StripOptionsDialog", "Classic: one strip across the middle. Split: contact above, "
                                                        "information below. None: the background alone, no strip "
                                                        "and no lettering."));
    hint->setIdentifier("strip.layoutHint");
    hint->setWraps(true);
    hint->setFont({12, false});
    panel->addSubview(hint);

    o.tabLayoutView = panel;
}

void fadePanel(StripOptionsDialogViewController& controller, StripOptionsDialogOutlets& o)
{
    auto panel = std::make_shared<View>(Rect{0, 0, panelWidth, panelHeight});
    panel->setIdentifier("strip.fadePanel");
    panel->addSubview(chrome::caption({0, 0, panelWidth, 16}, platform::translate("StripOptionsDialog", "STRIP OPACITY")));

    auto area = std::make_shared<View>(Rect{0, 20, panelWidth, chrome::rowHeight});
    panel->addSubview(area);
    auto down = arrow({0, 0, chrome::rowHeight, chrome::rowHeight}, "\u2212", "strip.opacityDown");
    down->setAccessibilityLabel(platform::translate("StripOptionsDialog", "Less opaque"));
    down->setAction([&controller] { controller.stripOpacityDownClick(); });
    area->addSubview(down);
    auto slider = std::make_shared<Slider>(Rect{chrome::rowHeight + 4, 0, panelWidth - 2 * (chrome::rowHeight + 4), chrome::rowHeight});
    slider->setIdentifier("strip.opacity");
    slider->setAccessibilityLabel(platform::translate("StripOptionsDialog", "Opacity"));
    slider->setValueChangedAction([&controller] { controller.stripOpacitySliderValueChanged(); });
    slider->setEndAction([&controller] { controller.stripOpacitySliderEnd(); });
    area->addSubview(slider);
    auto up = arrow({panelWidth - chrome::rowHeight, 0, chrome::rowHeight, chrome::rowHeight}, "+", "strip.opacityUp");
    up->setAccessibilityLabel(platform::translate("StripOptionsDialog", "More opaque"));
    up->setAction([&controller] { controller.stripOpacityUpClick(); });
    area->addSubview(up);

    auto hint = chrome::caption({0, 72, panelWidth, 32}, platform::translate("StripOptionsDialog", "Drag to see the strip fade; the opacity is kept when you let go."));
    hint->setWraps(true);
    hint->setFont({12, false});
    panel->addSubview(hint);

    o.tabFadeView = panel;
    o.opacityDialog = area;
    o.stripOpacitySlider = slider;
}

} // namespace

StripOptionsDialogOutlets buildStripOptionsDialog(StripOptionsDialogViewController& controller)
{
    DialogChrome c = makeDialogChrome(controller, {280, dialogHeight}, platform::translate("StripOptionsDialog", "Strip Options"));
    StripOptionsDialogOutlets o;
    o.frame = c;
    Rect area = c.contentArea;

    float tabWidth = (area.width() - 2 * gap) / 3;
    using C = StripOptionsDialogViewController;
    using O = StripOptionsDialogOutlets;
    struct Tab {
        const char* title;
        const char* id;
        void (C::*action)();
        std::shared_ptr<Button> O::*outlet;
    };
    static constexpr Tab tabs[] = {
        {QT_TRANSLATE_NOOP("StripOptionsDialog", "Colour"), "strip.tab.color", &C::tabButtonColorClick, &O::tabButtonColor},
        {QT_TRANSLATE_NOOP("StripOptionsDialog", "Layout"), "strip.tab.layout", &C::tabButtonLayoutClick, &O::tabButtonLayout},
        {QT_TRANSLATE_NOOP("StripOptionsDialog", "Opacity"), "strip.tab.fade", &C::tabButtonFadeClick, &O::tabButtonFade},
    };
    float x = area.x();
    for (const Tab& tab : tabs) {
        auto b = chrome::toggleButton({x, tabsTop, tabWidth, chrome::rowHeight},
                                      platform::translate("StripOptionsDialog", tab.title), tab.id);
        auto action = tab.action;
        b->setAction([&controller, action] { (controller.*action)(); });
        c.panel->addSubview(b);
        o.*tab.outlet = b;
        x += tabWidth + gap;
    }

    // The panels go into the dialog's view when it loads, one on another at the tab origin.
    colorPanel(controller, o);
    layoutPanel(controller, o);
    fadePanel(controller, o);
    o.tabOrigin = {area.x(), panelsTop};
    return o;
}
