#include "Interfaces/MainView.h"

#include "QrCodeView.h"
#include "LockScreenGuide.h"
#include "MainViewController.h"

#include "platform/Application.h"
#include "platform/Button.h"
#include "platform/ImageView.h"
#include "platform/Label.h"
#include "platform/ReadingDirection.h"
#include "platform/Theme.h"
#include "platform/Translate.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

using namespace platform;

namespace {

constexpr float screenTop = -Application::statusBarHeight; // the main view starts under the status bar

std::shared_ptr<Label> area(const std::string& id)
{
    auto l = std::make_shared<Label>();
    l->setIdentifier(id);
    return l;
}

// Placed and sized for the screen by the controller.
std::shared_ptr<Label> lettering(const std::string& id)
{
    auto l = std::make_shared<Label>();
    l->setAlignment(TextAlignment::Center);
    l->setMinimumFontSize(12);
    l->setIdentifier(id);
    return l;
}

std::shared_ptr<View> container(const std::string& id)
{
    auto v = std::make_shared<View>();
    v->setUserInteractionEnabled(false);
    v->setIdentifier(id);
    return v;
}

std::shared_ptr<Label> textLine(Rect frame, const std::string& text, float size, bool bold, Color color)
{
    auto l = std::make_shared<Label>(frame);
    l->setText(text);
    l->setFont({size, bold});
    l->setTextColor(color);
    l->setWraps(true);
    return l;
}

std::shared_ptr<Button> handOnButton(Rect frame, const std::string& title, const std::string& id,
                                     std::function<void()> action)
{
    auto b = std::make_shared<Button>(frame);
    b->setTitle(title);
    b->setFont({15, true});
    b->setTitleColor(Color::white());
    b->setBackgroundColor(Color::white(0.14f));
    b->setCornerRadius(theme::controlRadius);
    b->setIdentifier(id);
    b->setAction(std::move(action));
    return b;
}

std::shared_ptr<View> buildInstructions(MainViewController& c, Size screen)
{
    auto v = std::make_shared<View>(Rect{{0, screenTop}, screen});
    // Opaque: the wallpaper's lettering behind would run into the instructions.
    v->setBackgroundColor(Color::rgb255(14, 14, 18));
    v->setIdentifier("capture.instructions");
    // Laid out for the classic screen, centred on a taller one.
    const float x = 28, w = screen.width - 56, top = (screen.height - Application::classicScreenSize.height) / 2;
    auto title = textLine({x, top + 48, w, 34}, platform::translate("MainView", "Save Your Wallpaper"), 24, true, Color::white());
    // One line, a little smaller where the screen is too narrow for it.
    title->setWraps(false);
    title->setMinimumFontSize(18);
    v->addSubview(title);
    const std::string steps[] = {
        platform::translate("MainView", "1.  Tap Continue. The wallpaper is shown alone on the screen."),
        platform::fillIn(platform::translate("MainView", "2.  The screen is captured into your photo album, %1."),
                         {Application::shared().services().paths->photoAlbumDirectory().string()}),
        platform::translate("MainView", "3.  Tap anywhere to come back."),
        platform::translate("MainView", "4.  Set the captured picture as your lock screen picture."),
    };
    // Each step as tall as its lines, the steps evenly spaced in the room above the buttons. A step too
    // long for the room (a deep album folder) leaves a line to each one after it and is shortened.
    const bool canSetLockScreen = Application::shared().services().lockScreen &&
                                  Application::shared().services().lockScreen->canSetPicture();
    const float stepsTop = top + 100, lockScreenTop = top + 284, phoneTop = top + 330, continueTop = top + 380;
    const float leastGap = 6;
    std::vector<std::shared_ptr<Label>> lines;
    float room = (canSetLockScreen ? lockScreenTop : phoneTop) - 8 - stepsTop;
    for (const auto& step : steps) {
        auto line = textLine({}, step, 15, false, Color::white(0.88f));
        line->setWraps(false);
        line->setMaximumLines(std::numeric_limits<int>::max());
        line->setIdentifier("capture.step." + std::to_string(lines.size() + 1));
        const float later = float(std::size(steps) - lines.size() - 1) * (20 + leastGap);
        line->setFrame({x, 0, w, line->heightShowingWholeText(w, room - later)});
        room -= line->frame().height();
        lines.push_back(std::move(line));
    }
    const float gap = std::clamp(room / float(lines.size()), leastGap, 24.0f);
    float y = stepsTop;
    for (const auto& line : lines) {
        line->setFrame({x, y, w, line->frame().height()});
        v->addSubview(line);
        y += line->frame().height() + gap;
    }
    // The picture handed on at once: to this desktop's lock screen, where it has a way to take one,
    // and to a phone on the same network.
    if (canSetLockScreen)
        v->addSubview(handOnButton({x, lockScreenTop, w, 40}, platform::translate("MainView", "Set as Lock Screen"), "capture.setAsLockScreen",
                                   [&c] { c.setAsLockScreenButtonClick(); }));
    v->addSubview(handOnButton({x, phoneTop, w, 40}, platform::translate("MainView", "Send to Phone"), "capture.sendToPhone",
                               [&c] { c.sendToPhoneButtonClick(); }));
    auto continueButton = std::make_shared<Button>(Rect{x, continueTop, w, 46});
    continueButton->setTitle(platform::translate("MainView", "Continue"));
    continueButton->setBackgroundColor(theme::accent);
    continueButton->setCornerRadius(theme::controlRadius);
    continueButton->setIdentifier("capture.continue");
    continueButton->setAction([&c] { c.saveInstructionsContinueButtonClick(); });
    v->addSubview(continueButton);
    auto cancelButton = std::make_shared<Button>(Rect{x, top + 434, w, 40});
    cancelButton->setTitle(platform::translate("MainView", "Cancel"));
    cancelButton->setTitleColor(theme::accent);
    cancelButton->setIdentifier("capture.cancel");
    cancelButton->setKeyEquivalent(Key::Escape);
    cancelButton->setAction([&c] { c.saveInstructionsCancelButtonClick(); });
    v->addSubview(cancelButton);
    platform::layOutForReadingDirection(*v);
    return v;
}

} // namespace

MainViewOutlets buildMainView(MainViewController& c)
{
    MainViewOutlets o;
    const Size screen = Application::shared().screenSize();
    const Rect wholeScreen{{0, screenTop}, screen};
    o.root = std::make_shared<View>(Rect{0, 0, screen.width, screen.height - Application::statusBarHeight});
    o.root->setIdentifier("main");

    // Full screen and transparent, so that a capture shows nothing but the wallpaper. It stays at the
    // back except while the capture is being taken.
    o.saveScreenshotDoneButton = std::make_shared<Button>(wholeScreen);
    o.saveScreenshotDoneButton->setIdentifier("capture.done");
    o.saveScreenshotDoneButton->setKeyEquivalent(Key::Escape);
    o.saveScreenshotDoneButton->setAccessibilityLabel(platform::translate("MainView", "Done"));
    o.saveScreenshotDoneButton->setAction([&c] { c.saveScreenshotDoneButtonClick(); });
    o.root->addSubview(o.saveScreenshotDoneButton);

    // The background reaches under the status bar, so a capture of the whole screen has no empty band.
    // The halves meet on a whole point: at half a point both edges would be drawn half covered and
    // leave a dark seam across the screen (667 points on the iPhone SE).
    const float half = std::round(screen.height / 2);
    o.upperBackgroundColor = area("background.upper");
    o.upperBackgroundColor->setFrame({0, screenTop, screen.width, half});
    o.lowerBackgroundColor = area("background.lower");
    o.lowerBackgroundColor->setFrame({0, screenTop + half, screen.width, screen.height - half});
    o.root->addSubview(o.upperBackgroundColor);
    o.root->addSubview(o.lowerBackgroundColor);

    o.wallpaper = std::make_shared<ImageView>(wholeScreen);
    o.wallpaper->setFit(ImageFit::AspectFill);
    o.wallpaper->setClipsToBounds(true);
    o.wallpaper->setIdentifier("wallpaper");
    o.root->addSubview(o.wallpaper);

    o.overlayImage = std::make_shared<LockScreenGuide>(c.screen());
    o.overlayImage->setFrame(wholeScreen);
    o.overlayImage->setIdentifier("overlay");
    o.root->addSubview(o.overlayImage);

    // The three layouts; the controller places them for the screen.
    o.classicLayout = container("layout.classic");
    o.classicStripColor = area("classic.strip");
    o.classicTavrin = lettering("classic.tavrin");
    o.classicContact = lettering("classic.contact");
    o.classicInfo = lettering("classic.info");
    for (auto v : std::initializer_list<std::shared_ptr<View>>{o.classicStripColor, o.classicTavrin, o.classicContact, o.classicInfo})
        o.classicLayout->addSubview(v);

    o.splitLayout = container("layout.split");
    o.splitStripUpperColor = area("split.upperStrip");
    o.splitContact = lettering("split.contact");
    o.splitStripLowerColor = area("split.lowerStrip");
    o.splitInfo = lettering("split.info");
    for (auto v : std::initializer_list<std::shared_ptr<View>>{o.splitStripUpperColor, o.splitContact, o.splitStripLowerColor, o.splitInfo})
        o.splitLayout->addSubview(v);

    o.splitLayoutTopOnly = container("layout.topOnly");
    o.splitStripTopOnlyColor = area("topOnly.strip");
    o.splitTopOnlyContact = lettering("topOnly.contact");
    o.splitLayoutTopOnly->addSubview(o.splitStripTopOnlyColor);
    o.splitLayoutTopOnly->addSubview(o.splitTopOnlyContact);

    o.qrCode = std::make_shared<QrCodeView>();
    o.qrCode->setIdentifier("wallpaper.code");
    o.qrCode->setUserInteractionEnabled(false);
    o.qrCode->setHidden(true);

    o.safeZoneNotice = std::make_shared<Label>(Rect{8, 4, screen.width - 16, 0});
    o.safeZoneNotice->setFont({12, true});
    o.safeZoneNotice->setWraps(true);
    o.safeZoneNotice->setTextColor(Color::rgb255(28, 20, 0));
    o.safeZoneNotice->setBackgroundColor(Color::rgb255(255, 179, 64, 0.95f));
    o.safeZoneNotice->setCornerRadius(8);
    o.safeZoneNotice->setUserInteractionEnabled(false);
    o.safeZoneNotice->setHidden(true);
    o.safeZoneNotice->setIdentifier("main.safeZones");
    if (platform::isRightToLeft())
        o.safeZoneNotice->setAlignment(TextAlignment::Right);
    o.root->addSubview(o.safeZoneNotice);

    o.saveInstructions = buildInstructions(c, screen);

    o.menuLauncher = std::make_shared<View>(Rect{0, 0, 80, 44});
    o.menuLauncher->setIdentifier("launcher");
    o.showButton = std::make_shared<Button>(Rect{0, 0, 80, 44});
    o.showButton->setTitle(platform::translate("MainView", "Menu"));
    o.showButton->setFont({15, true});
    o.showButton->setBackgroundColor(Color::rgb255(24, 24, 28, 0.88f));
    o.showButton->setCornerRadius(22);
    o.showButton->setIdentifier("launcher.show");
    o.showButton->setAction([&c] { c.showButtonClick(); });
    o.menuLauncher->addSubview(o.showButton);
    return o;
}

DialogStack::Places layOutMainView(MainViewOutlets& o, const WallpaperLayout& layout)
{
    using Part = WallpaperLayout::Part;
    const float scale = layout.scale(), right = layout.screen().points.width;
    // The layout's box in the main view's coordinates, which start under the status bar.
    const Rect box = layout.box().offsetBy(0, screenTop);
    for (auto* container : {&o.splitLayout, &o.splitLayoutTopOnly, &o.classicLayout})
        (*container)->setFrame(box);
    const std::pair<Label*, Part> parts[] = {
        {o.classicStripColor.get(), Part::ClassicStrip},       {o.classicTavrin.get(), Part::ClassicTavrin},
        {o.classicContact.get(), Part::ClassicContact},        {o.classicInfo.get(), Part::ClassicInfo},
        {o.splitStripUpperColor.get(), Part::SplitUpperStrip}, {o.splitContact.get(), Part::SplitContact},
        {o.splitStripLowerColor.get(), Part::SplitLowerStrip}, {o.splitInfo.get(), Part::SplitInfo},
        {o.splitStripTopOnlyColor.get(), Part::SplitUpperStrip}, {o.splitTopOnlyContact.get(), Part::SplitContact},
    };
    for (auto [view, part] : parts) {
        view->setFrame(layout.frameOf(part).offsetBy(0, -layout.box().y()));
        if (layout.fontSizeOf(part) > 0) {
            const TextStyle style = layout.letteringStyleOf(part);
            view->setFont(style.font);
            view->setShadowOffset(style.shadowOffset);
            view->setMinimumFontSize(style.minimumFontSize);
            view->setMaximumLines(style.maximumLines, style.shrinksBeforeBreaking);
            view->setKeepsTrailingNumberWhole(style.keepsTrailingNumberWhole);
        }
    }
    o.menuLauncher->setFrame({{right - 97, box.y() + 47 * scale}, o.menuLauncher->frame().size});
    auto pillPlace = [&](StripLayout strips) {
        const Point p = layout.pillOrigin(strips, o.menuLauncher->frame().size);
        return Point{p.x, p.y + screenTop};
    };
    DialogStack::Places places = DialogStack::Places::forScreen(layout.screen(), -screenTop);
    places.launcher = pillPlace(StripLayout::Split);
    places.launcherClassic = pillPlace(StripLayout::Classic);
    return places;
}

void showLayoutProblems(Label& notice, const Screen& screen, const std::vector<std::string>& problems)
{
    notice.setHidden(problems.empty());
    if (problems.empty())
        return;
    std::string text = platform::fillIn(platform::translate("MainView", "On %1:"), {screen.shownName()});
    for (const std::string& problem : problems)
        text += "\n" + problem;
    notice.setText(text);
    // A line too long for the width wraps, in a long language most of all, so its height is measured.
    const Rect f = notice.frame();
    notice.setFrame({f.x(), f.y(), f.width(), 8 + notice.heightShowingWholeText(f.width(), 16 * 12)});
}
