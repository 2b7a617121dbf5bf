#include "MainViewController.h"

#include "QrCodeView.h"
#include "WallpaperCode.h"
#include "Dialogs/DialogBase.h"
#include "CaptureMode.h"
#include "DialogStack.h"
#include "LockScreenGuide.h"
#include "Dialogs/MainDialogViewController.h"
#include "PackedColor.h"
#include "SettingsKeys.h"
#include "SendToPhonePanel.h"
#include "TavrinPlusAppDelegate.h"

#include "platform/Application.h"
#include "platform/Button.h"
#include "platform/ImageView.h"
#include "platform/Label.h"
#include "platform/Translate.h"

#include <algorithm>
#include <filesystem>

using platform::Application;
using platform::Color;
using platform::Rect;

namespace {

platform::SettingsStore& settings() { return Application::shared().settings(); }

} // namespace

MainViewController::MainViewController(std::string nibName, Screen screen)
    : ViewController(std::move(nibName)), screen_(std::move(screen))
{
}

MainViewController::~MainViewController() = default;

void MainViewController::loadView()
{
    static_cast<MainViewOutlets&>(*this) = buildMainView(*this);
    setView(root);
}

void MainViewController::viewDidLoad()
{
    const DialogStack::Places places = layOutMainView(*this, WallpaperLayout(screen_));
    stack_ = std::make_unique<DialogStack>(view(), menuLauncher, places, [this] { return isClassicLayout(); });
    capture_ = std::make_unique<CaptureMode>(
        CaptureMode::Views{view(), menuLauncher, overlayImage, safeZoneNotice, saveInstructions, saveScreenshotDoneButton}, *stack_, [this] {
            if (onCaptureStateEntered)
                onCaptureStateEntered();
        });

    for (auto* v : {&splitLayout, &splitLayoutTopOnly, &classicLayout, &saveInstructions})
        view()->addSubview(*v);
    view()->insertSubviewAbove(qrCode, *classicLayout);
    saveInstructions->setHidden(true);

    view()->addSubview(menuLauncher);
    menuLauncher->setAlpha(0);

    dlgMain = std::make_unique<MainDialogViewController>("MainDialog", *this);
    pushDialog(*dlgMain);

    TavrinPlusAppDelegate::shared().AddDefaultUserSettings();
    viewWillAppear(false);
    view()->bringSubviewToFront(*dlgMain->view());
}

void MainViewController::viewWillAppear(bool)
{
    const WallpaperStyle stored = WallpaperStyle::read(settings());
    style_.contact = stored.contact;
    style_.information = stored.information;
    style_.styleName = stored.styleName;
    style_.qrCode = stored.qrCode;
    style_.qrUrl = stored.qrUrl;
    const std::string& phone = stored.contact;
    classicContact->setText(phone);
    classicInfo->setText(stored.information);
    classicTavrin->setText("TAVRIN:");
    splitTopOnlyContact->setText("TAVRIN: " + phone);
    splitContact->setText("TAVRIN: " + phone);
    splitInfo->setText(stored.information);

    switch (stored.layout) {
    case StripLayout::Classic: setClassicLayoutSaveDefaults(false); break;
    case StripLayout::Split: setSplitLayoutSaveDefaults(false); break;
    case StripLayout::None: setNoLayoutSaveDefaults(false); break;
    }

    setBGColor(unpackColor(stored.backgroundColor), false);
    setStripColor(unpackColor(stored.stripColor), false);
    setFontFaceColor(unpackColor(stored.fontFaceColor));
    setFontHighlightColor(unpackColor(stored.fontHighlightColor));

    // The photograph is decoded again only when the file has been replaced since it was shown, and
    // taken away when another process removed it.
    if (photograph_.changedOnDisk()) {
        if (auto photo = loadImage())
            wallpaper->setImage(photo);
        else if (!std::filesystem::exists(photograph_.path()))
            wallpaper->setImage(nullptr);
    }
    style_.hasPhotograph = wallpaper->image() != nullptr;
    showSafeZones();
}

void MainViewController::showSafeZones()
{
    // Only a custom screen too short for the layout leaves any: the layout keeps to the free band.
    const WallpaperLayout layout(screen_);
    auto problems = layout.problems(style_.layout, !style_.information.empty());
    if (auto problem = showCode(layout))
        problems.push_back(*problem);
    showLayoutProblems(*safeZoneNotice, screen_, problems);
}

std::optional<std::string> MainViewController::showCode(const WallpaperLayout& layout)
{
    WallpaperCode wanted = WallpaperCode::of(style_);
    const auto placed = wanted.placeOn(layout, style_);
    // The strips stand higher in the band while a code needs the room below them.
    const platform::Rect box = layout.liftedBy(placed ? placed->place.lift : 0).box();
    for (auto* container : {&splitLayout, &splitLayoutTopOnly, &classicLayout})
        (*container)->setFrame(box.offsetBy(0, -platform::Application::statusBarHeight));
    qrCode->setHidden(!placed);
    shownCodeText_ = placed ? wanted.text() : "";
    if (!placed)
        return wanted.problem().empty() ? std::nullopt : std::optional(wanted.problem());
    // The main view starts under the status bar; the place is in the screen's points.
    qrCode->show(placed->code, placed->place, wanted.caption(), {0, -platform::Application::statusBarHeight});
    return std::nullopt;
}

bool MainViewController::photoChangedOnDisk() const { return photograph_.changedOnDisk(); }

// Style state.

void MainViewController::setLayoutVisibility(bool split, bool topOnly, bool classic)
{
    splitLayout->setHidden(!split);
    splitLayoutTopOnly->setHidden(!topOnly);
    classicLayout->setHidden(!classic);
}

void MainViewController::setLayout(StripLayout layout, bool saveToDefaults)
{
    switch (layout) {
    case StripLayout::Classic: setClassicLayoutSaveDefaults(saveToDefaults); break;
    case StripLayout::Split: setSplitLayoutSaveDefaults(saveToDefaults); break;
    case StripLayout::None: setNoLayoutSaveDefaults(saveToDefaults); break;
    }
}

void MainViewController::setClassicLayoutSaveDefaults(bool save)
{
    setLayoutVisibility(false, false, true);
    style_.layout = StripLayout::Classic;
    if (save)
        settings().setValue(keys::stripLayout, "classic");
    showSafeZones();
}

void MainViewController::setSplitLayoutSaveDefaults(bool save)
{
    bool topOnly = settings().stringForKey(keys::otherPreference) == std::optional<std::string>("");
    setLayoutVisibility(!topOnly, topOnly, false);
    style_.layout = StripLayout::Split;
    if (save)
        settings().setValue(keys::stripLayout, "split");
    showSafeZones();
}

void MainViewController::setNoLayoutSaveDefaults(bool save)
{
    setLayoutVisibility(false, false, false);
    style_.layout = StripLayout::None;
    if (save)
        settings().setValue(keys::stripLayout, "none");
    showSafeZones();
}

bool MainViewController::isClassicLayout() const { return settings().stringForKey(keys::stripLayout) == "classic"; }
bool MainViewController::isSplitLayout() const { return settings().stringForKey(keys::stripLayout) == "split"; }
bool MainViewController::isNoneLayout() const { return settings().stringForKey(keys::stripLayout) == "none"; }

void MainViewController::setBGColor(const Color& color, bool saveToDefaults)
{
    upperBackgroundColor->setBackgroundColor(color);
    lowerBackgroundColor->setBackgroundColor(color);
    style_.backgroundColor = colorNumber(color);
    if (saveToDefaults)
        settings().setObject(keys::bgColor, colorNumber(color));
}

void MainViewController::setStripColor(const Color& color, bool saveToDefaults)
{
    for (auto* strip : {&classicStripColor, &splitStripLowerColor, &splitStripTopOnlyColor, &splitStripUpperColor})
        (*strip)->setBackgroundColor(color);
    style_.stripColor = colorNumber(color);
    if (saveToDefaults)
        settings().setObject(keys::stripColor, colorNumber(color));
}

void MainViewController::setFontFaceColor(const Color& color, bool saveToDefaults)
{
    for (auto* label : {&classicContact, &classicInfo, &classicTavrin, &splitContact, &splitTopOnlyContact, &splitInfo})
        (*label)->setTextColor(color);
    style_.fontFaceColor = colorNumber(color);
    if (saveToDefaults)
        settings().setObject(keys::fontFace, colorNumber(color));
}

void MainViewController::setFontHighlightColor(const Color& color, bool saveToDefaults)
{
    for (auto* label : {&classicContact, &classicInfo, &classicTavrin, &splitContact, &splitTopOnlyContact, &splitInfo})
        (*label)->setShadowColor(color);
    style_.fontHighlightColor = colorNumber(color);
    if (saveToDefaults)
        settings().setObject(keys::fontHighlight, colorNumber(color));
}

Color MainViewController::BGColor() const { return upperBackgroundColor->backgroundColor().value_or(Color::clear()); }

Color MainViewController::stripColor() const
{
    const auto& strip = isClassicLayout() ? classicStripColor : splitStripUpperColor;
    return strip->backgroundColor().value_or(Color::clear());
}

Color MainViewController::fontFaceColor() const { return splitContact->textColor(); }

Color MainViewController::fontHighlightColor() const { return splitContact->shadowColor().value_or(Color::clear()); }

bool MainViewController::isWhiteFont() const { return colorNumber(fontFaceColor()) == 0xFFFFFFFF; }

void MainViewController::setSelectedStyleName(const std::string& name)
{
    style_.styleName = name;
    settings().setObject(keys::styleName, name);
}

std::uint32_t MainViewController::colorNumber(const Color& color) const { return packColor(color); }

void MainViewController::chooseScreen(const Screen& screen)
{
    settings().setObject(keys::device, screen.id);
    if (screen.id != screen_.id && onScreenChosen)
        onScreenChosen(screen);
}

bool MainViewController::isLockScreenShown() const { return !overlayImage->isHidden(); }

// Hidden rather than faded: the capture fades the guide out and back in and must not show it again.
void MainViewController::setLockScreenShown(bool shown) { overlayImage->setHidden(!shown); }

bool MainViewController::areNotificationsShown() const { return overlayImage->showsNotifications(); }

void MainViewController::setNotificationsShown(bool shown) { overlayImage->setShowsNotifications(shown); }

// Previews.

platform::ImageRef MainViewController::getLayoutPreview(const std::string& layout)
{
    // Previewing changes nothing stored: one group that ends as it began, an absent layout absent.
    platform::SettingsStore::Transaction unchanged(settings());
    std::optional<platform::SettingsStore::Value> remembered;
    if (const auto* stored = settings().valueForKey(keys::stripLayout))
        remembered = *stored;
    settings().setValue(keys::stripLayout, layout);
    auto snapshot = getSnapshot();
    if (remembered)
        settings().setValue(keys::stripLayout, *remembered);
    else
        settings().removeObjectForKey(keys::stripLayout);
    // Show the stored layout again rather than the previewed one.
    viewWillAppear(false);
    return snapshot;
}

void MainViewController::createLayoutPreviews()
{
    getLayoutPreview("classic");
    getLayoutPreview("split");
}

// The dialog stack.

DialogBase* MainViewController::CurrentDialog() const { return stack_ ? stack_->top() : nullptr; }
const std::vector<DialogBase*>& MainViewController::dialogStack() const { return stack_->dialogs(); }
bool MainViewController::isDialogMinimized() const { return stack_ && stack_->isMinimized(); }
void MainViewController::positionDialog(DialogBase* dialog)
{
    if (stack_)
        stack_->position(dialog);
}
void MainViewController::pushDialog(DialogBase& dialog) { stack_->push(dialog); }
void MainViewController::popDialog() { stack_->pop(); }
void MainViewController::hideTopDialog() { stack_->hideTop(); }
void MainViewController::showTopDialog() { stack_->showTop(); }
void MainViewController::showButtonClick() { showTopDialog(); }
void MainViewController::slideDialogUp(DialogBase& dialog) { stack_->slideUp(dialog); }
void MainViewController::slideDialogDown(DialogBase& dialog) { stack_->slideDown(dialog); }

void MainViewController::popDialogAnimationFinished(std::string_view, bool, DialogBase* dialog) { stack_->popFinished(dialog); }

// Capture mode.

MainViewController::CaptureState MainViewController::captureState() const { return capture_ ? capture_->state() : CaptureState::Normal; }
void MainViewController::saveCurrentWallpaperClick() { capture_->showInstructions(); }
void MainViewController::saveInstructionsContinueButtonClick() { capture_->showWallpaperAlone(); }
void MainViewController::saveInstructionsCancelButtonClick() { capture_->leave(); }
void MainViewController::saveScreenshotDoneButtonClick() { capture_->leave(); }
void MainViewController::setAsLockScreenButtonClick() { capture_->setAsLockScreen(); }
void MainViewController::sendToPhoneButtonClick()
{
    std::string why = platform::translate("MainViewController", "this screen cannot draw it");
    std::vector<std::uint8_t> png;
    if (wallpaperAlonePng) {
        // Drawn as Continue shows it, without the capture Continue takes or a capture's notice; then
        // back to the instructions.
        auto captures = std::exchange(onCaptureStateEntered, nullptr);
        capture_->hideNotice();
        capture_->showWallpaperAlone();
        png = wallpaperAlonePng(why);
        capture_->showInstructions();
        view()->sendSubviewToBack(*saveScreenshotDoneButton);
        onCaptureStateEntered = std::move(captures);
    }
    if (!sendToPhone_)
        sendToPhone_ = std::make_unique<SendToPhonePanel>(*saveInstructions);
    sendToPhone_->show(std::move(png), why);
}

// The photograph.

platform::ImageRef MainViewController::wallpaperImage() const { return wallpaper->image(); }

void MainViewController::setWallpaperImage(platform::ImageRef image)
{
    wallpaper->setImage(image);
    style_.hasPhotograph = image != nullptr;
}

bool MainViewController::saveImage(const platform::Image& image) { return photograph_.save(image); }

void MainViewController::keepOriginalPhotograph(const platform::Image& original, Rect crop) { photograph_.keepOriginal(original, crop); }

bool MainViewController::removePhotograph()
{
    setWallpaperImage(nullptr);
    return photograph_.remove();
}

platform::ImageRef MainViewController::loadImage() { return photograph_.load(screen_.points, screen_.scale()); }

platform::ImageRef MainViewController::getSnapshot()
{
    viewWillAppear(false);
    return Application::shared().services().renderer->render(*view(), 1);
}

