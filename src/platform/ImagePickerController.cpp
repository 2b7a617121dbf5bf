#include "platform/ImagePickerController.h"

#include "platform/Application.h"
#include "platform/Button.h"
#include "platform/ImageView.h"
#include "platform/Label.h"
#include "platform/Theme.h"
#include "platform/Translate.h"

#include <cmath>

namespace platform {

namespace {

constexpr float barHeight = 44;
constexpr float editorBarHeight = barHeight + 8;
// The camera's bar is taller, to hold the shutter.
constexpr float cameraBarHeight = 88;
constexpr float shutterDiameter = 64;
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

// The editor's screen as the keyboard works it: the arrows move the photograph, Page Up and Page Down
// scale it. It takes the focus only while there is a photograph to frame.
class EditorView final : public View {
public:
    EditorView(Rect frame, ImagePickerController& picker) : View(frame), picker_(picker) {}
    bool canBecomeFocused() const override { return picker_.framing().has_value(); }
    bool keyDown(Key key) override { return picker_.frameByKey(key); }

private:
    ImagePickerController& picker_;
};

// A white ring round a white disc, as a camera's shutter release.
class ShutterButton final : public Button {
public:
    using Button::Button;

    void draw(Painter& painter) const override
    {
        const Rect local{0, 0, frame().width(), frame().height()};
        const float dim = isEnabled() ? 1 : 0.35f;
        painter.fillEllipse(local, Color::white(dim));
        painter.fillEllipse(local.insetBy(4, 4), Color::black());
        painter.fillEllipse(local.insetBy(7, 7), isHighlighted() ? Color::white(0.6f) : Color::white(dim));
    }
};

} // namespace

ImagePickerController::ImagePickerController() : ViewController("ImagePicker") {}

ImagePickerController::~ImagePickerController() { stopCamera(); }

bool ImagePickerController::isSourceTypeAvailable(SourceType type)
{
    const Services& services = Application::shared().services();
    if (type == Camera)
        return services.camera && services.camera->isAvailable();
    return services.fileChooser;
}

void ImagePickerController::loadView()
{
    // A modal screen lies below the status bar; the framing still covers the whole screen.
    const float w = Application::shared().screenSize().width;
    const float h = Application::shared().screenSize().height - Application::statusBarHeight;
    auto root = std::make_shared<EditorView>(Rect{0, 0, w, h}, *this);
    root->setBackgroundColor(Color::black());
    root->setClipsToBounds(true);
    root->setIdentifier("picker.editor");

    photoView_ = std::make_shared<ImageView>(Rect{0, 0, w, h});
    photoView_->setIdentifier("picker.photo");
    photoView_->setUserInteractionEnabled(false);
    root->addSubview(photoView_);

    // Cropped to the whole screen as the editor first frames the picture taken.
    viewfinder_ = std::make_shared<ImageView>(Rect{{0, -Application::statusBarHeight}, Application::shared().screenSize()});
    viewfinder_->setFit(ImageFit::AspectFill);
    viewfinder_->setIdentifier("picker.viewfinder");
    viewfinder_->setHidden(sourceType_ != Camera);
    root->addSubview(viewfinder_);

    hint_ = std::make_shared<Label>(Rect{24, h / 2 - 40, w - 48, 80});
    hint_->setText(sourceType_ == Camera ? translate("ImagePickerController", "Starting the camera…")
                                              : translate("ImagePickerController", "Choose a photograph in the file window."));
    hint_->setIdentifier("picker.hint");
    hint_->setFont({17, false});
    hint_->setTextColor(Color::white(0.8f));
    hint_->setAlignment(TextAlignment::Center);
    hint_->setWraps(true);
    root->addSubview(hint_);

    topBar_ = std::make_shared<View>(Rect{0, 0, w, barHeight});
    topBar_->setBackgroundColor(barColor);
    topBar_->setUserInteractionEnabled(false);
    auto title = std::make_shared<Label>(Rect{0, 0, w, barHeight});
    title->setText(translate("ImagePickerController", "Move and Scale"));
    title->setFont({17, true});
    title->setTextColor(Color::white());
    title->setAlignment(TextAlignment::Center);
    topBar_->addSubview(title);
    topBar_->setHidden(true);
    root->addSubview(topBar_);

    bottomBar_ = std::make_shared<View>();
    bottomBar_->setBackgroundColor(barColor);
    cancelButton_ = barButton({}, translate("ImagePickerController", "Cancel"), "picker.cancel");
    cancelButton_->setAction([this] { cancel(); });
    cancelButton_->setKeyEquivalent(Key::Escape);
    bottomBar_->addSubview(cancelButton_);
    chooseButton_ = barButton({}, translate("ImagePickerController", "Choose"), "picker.choose");
    chooseButton_->setTitleColor(theme::accent);
    chooseButton_->setAction([this] { choose(); });
    chooseButton_->setHidden(true);
    bottomBar_->addSubview(chooseButton_);
    shutterButton_ = std::make_shared<ShutterButton>();
    shutterButton_->setIdentifier("picker.shutter");
    shutterButton_->setAction([this] { takePicture(); });
    shutterButton_->setEnabled(false); // until there is a frame to take
    shutterButton_->setHidden(sourceType_ != Camera);
    bottomBar_->addSubview(shutterButton_);
    root->addSubview(bottomBar_);

    setView(root);
    layOutBottomBar(sourceType_ == Camera ? cameraBarHeight : editorBarHeight);
}

void ImagePickerController::layOutBottomBar(float height)
{
    const float w = view()->frame().width(), h = view()->frame().height(), buttonY = (height - barHeight) / 2;
    bottomBar_->setFrame({0, h - height, w, height});
    // Cancel where a line starts, Choose where it ends, in the interface's reading direction.
    const float start = 8, end = w - 104;
    cancelButton_->setFrame({isRightToLeft() ? end : start, buttonY, 96, barHeight});
    chooseButton_->setFrame({isRightToLeft() ? start : end, buttonY, 96, barHeight});
    shutterButton_->setFrame({(w - shutterDiameter) / 2, (height - shutterDiameter) / 2, shutterDiameter, shutterDiameter});
}

void ImagePickerController::viewDidAppear(bool)
{
    if (asked_)
        return;
    asked_ = true;
    if (sourceType_ == Camera) {
        startCamera();
        return;
    }
    std::weak_ptr<bool> alive = alive_;
    Application::shared().services().fileChooser->chooseFileToOpen(
        translate("ImagePickerController", "Photographs"), {"*.jpg", "*.jpeg", "*.png", "*.webp", "*.bmp", "*.gif", "*.tif", "*.tiff"},
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
    photoPicked(std::move(photo));
}

void ImagePickerController::viewWillDisappear(bool) { stopCamera(); }

void ImagePickerController::startCamera()
{
    platform::Camera* camera = Application::shared().services().camera;
    if (!camera) {
        cameraFailed(translate("ImagePickerController", "There is no camera."));
        return;
    }
    cameraRunning_ = true;
    camera->start([this](ImageRef frame) { showFrame(std::move(frame)); },
                  [this](const std::string& message) { cameraFailed(message); });
}

void ImagePickerController::stopCamera()
{
    if (!cameraRunning_)
        return;
    cameraRunning_ = false;
    Application::shared().services().camera->stop();
}

void ImagePickerController::showFrame(ImageRef frame)
{
    if (!frame || frame->isNull())
        return;
    // Only the viewfinder repaints: a frame may come thirty times a second.
    viewfinder_->setImage(std::move(frame));
    hint_->setHidden(true);
    shutterButton_->setEnabled(true);
}

void ImagePickerController::cameraFailed(const std::string& message)
{
    stopCamera();
    viewfinder_->setHidden(true);
    shutterButton_->setHidden(true);
    hint_->setText(message);
    hint_->setHidden(false);
}

void ImagePickerController::takePicture()
{
    ImageRef frame = viewfinder_->image();
    if (!frame)
        return;
    stopCamera();
    viewfinder_->setHidden(true);
    shutterButton_->setHidden(true);
    layOutBottomBar(editorBarHeight);
    photoPicked(std::move(frame));
}

void ImagePickerController::photoPicked(ImageRef photo)
{
    photo_ = std::move(photo);
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

bool ImagePickerController::frameByKey(Key key)
{
    // A tenth of the screen's width a press, and the scale by as much as two wheel notches.
    if (!framing_)
        return false;
    const Rect screen = view()->frame();
    const float step = screen.width() / 10;
    switch (key) {
    case Key::Left: framing_->pan(-step, 0); break;
    case Key::Right: framing_->pan(step, 0); break;
    case Key::Up: framing_->pan(0, -step); break;
    case Key::Down: framing_->pan(0, step); break;
    case Key::PageUp:
    case Key::PageDown: {
        const float factor = std::exp2((key == Key::PageUp ? 80 : -80) / wheelPointsPerDoubling);
        framing_->zoom(factor, {screen.width() / 2, Application::statusBarHeight + screen.height() / 2});
        break;
    }
    default: return false;
    }
    showFraming();
    return true;
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
