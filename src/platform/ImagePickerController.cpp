#include "platform/ImagePickerController.h"

#include "platform/Application.h"
#include "platform/Button.h"
#include "platform/ImageView.h"
#include "platform/Label.h"
#include "platform/Theme.h"

#include <cmath>

namespace platform {

namespace {

constexpr float barHeight = 44;
constexpr Color barColor = Color::rgb255(0, 0, 0, 0.55f);
// A wheel notch (40 points) scales by about 15 per cent.
constexpr float wheelPointsPerDoubling = 200;

std::shared_ptr<Button> barButton(Rect frame, const std::string& title, const std::string& id)
{
    auto b = std::make_shared<Button>(frame);
    b->setTitle(title);
    b->setFont({17, true});
    b->setTitleColor(Color::white());
    b->setIdentifier(id);
    return b;
}

} // namespace

ImagePickerController::ImagePickerController() : ViewController("ImagePicker") {}

ImagePickerController::~ImagePickerController() = default;

bool ImagePickerController::isSourceTypeAvailable(SourceType type)
{
    return type == PhotoLibrary && Application::shared().services().fileChooser;
}

void ImagePickerController::loadView()
{
    // A modal screen lies below the status bar; the framing still covers the whole screen.
    const float w = Application::shared().screenSize().width;
    const float h = Application::shared().screenSize().height - Application::statusBarHeight;
    auto root = std::make_shared<View>(Rect{0, 0, w, h});
    root->setBackgroundColor(Color::black());
    root->setClipsToBounds(true);

    photoView_ = std::make_shared<ImageView>(Rect{0, 0, w, h});
    photoView_->setIdentifier("picker.photo");
    photoView_->setUserInteractionEnabled(false);
    root->addSubview(photoView_);

    hint_ = std::make_shared<Label>(Rect{24, h / 2 - 40, w - 48, 80});
    hint_->setText("Choose a photograph in the file window.");
    hint_->setFont({17, false});
    hint_->setTextColor(Color::white(0.8f));
    hint_->setAlignment(TextAlignment::Center);
    hint_->setWraps(true);
    root->addSubview(hint_);

    topBar_ = std::make_shared<View>(Rect{0, 0, w, barHeight});
    topBar_->setBackgroundColor(barColor);
    topBar_->setUserInteractionEnabled(false);
    auto title = std::make_shared<Label>(Rect{0, 0, w, barHeight});
    title->setText("Move and Scale");
    title->setFont({17, true});
    title->setTextColor(Color::white());
    title->setAlignment(TextAlignment::Center);
    topBar_->addSubview(title);
    topBar_->setHidden(true);
    root->addSubview(topBar_);

    auto bottomBar = std::make_shared<View>(Rect{0, h - barHeight - 8, w, barHeight + 8});
    bottomBar->setBackgroundColor(barColor);
    auto cancelButton = barButton({8, 4, 96, barHeight}, "Cancel", "picker.cancel");
    cancelButton->setAction([this] { cancel(); });
    bottomBar->addSubview(cancelButton);
    chooseButton_ = barButton({w - 104, 4, 96, barHeight}, "Choose", "picker.choose");
    chooseButton_->setTitleColor(theme::accent);
    chooseButton_->setAction([this] { choose(); });
    chooseButton_->setHidden(true);
    bottomBar->addSubview(chooseButton_);
    root->addSubview(bottomBar);

    setView(root);
}

void ImagePickerController::viewDidAppear(bool)
{
    if (asked_)
        return;
    asked_ = true;
    std::weak_ptr<bool> alive = alive_;
    Application::shared().services().fileChooser->chooseFileToOpen(
        "Photographs", {"*.jpg", "*.jpeg", "*.png", "*.webp", "*.bmp", "*.gif", "*.tif", "*.tiff"},
        [this, alive](std::optional<std::string> path) {
            if (alive.lock())
                fileChosen(path);
        });
}

void ImagePickerController::fileChosen(const std::optional<std::string>& path)
{
    if (!path) {
        cancel();
        return;
    }
    Application& app = Application::shared();
    ImageRef photo = app.services().codec->decodePhotoFile(*path, maxPhotoSide);
    if (!photo || photo->isNull()) {
        app.log("Not a picture that can be read: " + *path);
        cancel();
        return;
    }
    photo_ = photo;
    if (!allowsImageEditing_) {
        finish(photo_, {photo_, {0, 0, float(photo_->width), float(photo_->height)}});
        return;
    }
    framing_.emplace(Size{float(photo_->width), float(photo_->height)}, Application::shared().screenSize(), pixelsPerPoint_);
    photoView_->setImage(photo_);
    hint_->setHidden(true);
    topBar_->setHidden(false);
    chooseButton_->setHidden(false);
    showFraming();
}

void ImagePickerController::showFraming()
{
    photoView_->setFrame(framing_->frame().offsetBy(0, -Application::statusBarHeight));
    Application::shared().setNeedsDisplay();
}

void ImagePickerController::touchesBegan(const Touch& touch) { lastTouch_ = touch.windowLocation; }

void ImagePickerController::touchesMoved(const Touch& touch)
{
    if (!framing_)
        return;
    framing_->pan(touch.windowLocation.x - lastTouch_.x, touch.windowLocation.y - lastTouch_.y);
    lastTouch_ = touch.windowLocation;
    showFraming();
}

void ImagePickerController::scrollWheel(const Touch& touch, float dy)
{
    magnify(touch, std::exp2(dy / wheelPointsPerDoubling));
}

void ImagePickerController::magnify(const Touch& touch, float factor)
{
    if (!framing_ || !(factor > 0))
        return;
    framing_->zoom(factor, touch.windowLocation);
    showFraming();
}

void ImagePickerController::choose()
{
    if (!framing_)
        return;
    finish(framedPicture(photo_, *framing_), {photo_, framing_->cropRect()});
}

ImageRef ImagePickerController::framedPicture(const ImageRef& photo, const PhotoFraming& framing)
{
    auto screen = std::make_shared<View>(Rect{{0, 0}, framing.screen()});
    auto photoView = std::make_shared<ImageView>(framing.frame());
    photoView->setImage(photo);
    screen->addSubview(photoView);
    return Application::shared().services().renderer->render(*screen, framing.outputScale());
}

void ImagePickerController::cancel() { dismissModalViewControllerAnimated(true); }

void ImagePickerController::finish(ImageRef image, const ImageEditingInfo& info)
{
    if (delegate_)
        delegate_->didFinishPickingImage(*this, std::move(image), info);
    else
        dismissModalViewControllerAnimated(true);
}

} // namespace platform
