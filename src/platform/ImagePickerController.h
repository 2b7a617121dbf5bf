#pragma once

#include "platform/Image.h"
#include "platform/Keys.h"
#include "platform/PhotoFraming.h"
#include "platform/ViewController.h"

#include <memory>
#include <optional>

namespace platform {

class Button;
class ImagePickerController;
class ImageView;
class Label;

struct ImageEditingInfo {
    ImageRef originalImage;
    Rect cropRect; // the framed part, in the original's pixels
};

class ImagePickerControllerDelegate {
public:
    virtual ~ImagePickerControllerDelegate() = default;
    // The picker may be destroyed inside this call; it does nothing after it.
    virtual void didFinishPickingImage(ImagePickerController& picker, ImageRef image, const ImageEditingInfo& info) = 0;
};

// Picks a photograph: from the photo library, which on the desktop is the file chooser, or from the
// camera's viewfinder by its shutter; then, when editing is allowed, lets the user move and scale it
// over the screen before choosing it. Cancelling, or a file that is not a picture, dismisses the
// picker and changes nothing.
class ImagePickerController final : public ViewController {
public:
    enum SourceType { PhotoLibrary = 0, Camera = 1 };
    // Large enough to frame a close-up at twice the screen's density, small enough to stay light.
    static constexpr int maxPhotoSide = 4096;

    ImagePickerController();
    ~ImagePickerController() override;

    // The library needs the file chooser; the camera, one that the computer has now.
    static bool isSourceTypeAvailable(SourceType type);
    // The photograph drawn as `framing` places it on the screen, without the bars, at the framing's
    // output scale: what Choose delivers.
    static ImageRef framedPicture(const ImageRef& photo, const PhotoFraming& framing);

    void setSourceType(SourceType type) { sourceType_ = type; }
    void setDelegate(ImagePickerControllerDelegate* delegate) { delegate_ = delegate; }
    void setAllowsImageEditing(bool allows) { allowsImageEditing_ = allows; }
    // The phone's pixels a point, which the framed picture is made at.
    void setPixelsPerPoint(float scale) { pixelsPerPoint_ = scale; }

    // Asks for the file, or starts the camera, as soon as the picker is on screen.
    void viewDidAppear(bool animated) override;
    void viewWillDisappear(bool animated) override;

    // The editor: dragging moves the photograph, the wheel and a pinch scale it.
    void touchesBegan(const Touch& touch) override;
    void touchesMoved(const Touch& touch) override;
    void scrollWheel(const Touch& touch, float dy) override;
    void magnify(const Touch& touch, float factor) override;
    // The arrows move the photograph a tenth of the screen; Page Up and Page Down scale it about the
    // screen's middle. False for other keys, and before there is a photograph.
    bool frameByKey(Key key);

    // The viewfinder's frame, into the editor.
    void takePicture();
    void choose();
    void cancel();

    // What the editor shows, for tests.
    const std::optional<PhotoFraming>& framing() const { return framing_; }

protected:
    void loadView() override;

private:
    void fileChosen(const std::optional<std::string>& path);
    void startCamera();
    void stopCamera();
    void showFrame(ImageRef frame);
    void cameraFailed(const std::string& message);
    void photoPicked(ImageRef photo);
    void showFraming();
    void layOutBottomBar(float height);
    void finish(ImageRef image, const ImageEditingInfo& info);

    SourceType sourceType_ = PhotoLibrary;
    ImagePickerControllerDelegate* delegate_ = nullptr;
    bool allowsImageEditing_ = false;
    float pixelsPerPoint_ = 2;
    bool asked_ = false;
    bool cameraRunning_ = false;

    ImageRef photo_;
    std::optional<PhotoFraming> framing_;
    Point lastTouch_;
    // The file chooser may answer after the picker is gone; it then finds this expired.
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);

    std::shared_ptr<ImageView> photoView_;
    std::shared_ptr<ImageView> viewfinder_;
    std::shared_ptr<Label> hint_;
    std::shared_ptr<View> topBar_;
    std::shared_ptr<View> bottomBar_;
    std::shared_ptr<Button> cancelButton_;
    std::shared_ptr<Button> shutterButton_;
    std::shared_ptr<Button> chooseButton_;
};

} // namespace platform
