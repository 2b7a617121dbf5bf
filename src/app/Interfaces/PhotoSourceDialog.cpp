#include "Interfaces/PhotoSourceDialog.h"

#include "Dialogs/PhotoSourceDialogViewController.h"
#include "Interfaces/DialogChrome.h"

#include "platform/ImageView.h"
#include "platform/Theme.h"

using namespace platform;

namespace {
// The screen's shape, small: 320 by 480 at a third.
constexpr Size previewSize{80, 120};
} // namespace

PhotoSourceDialogOutlets buildPhotoSourceDialog(PhotoSourceDialogViewController& controller)
{
    constexpr float height = chrome::headerHeight + 8 + previewSize.height + 8 + chrome::footerHeight;
    DialogChrome c = makeDialogChrome(controller, {280, height}, "Photo");
    Rect area = c.contentArea;

    auto frame = std::make_shared<View>(Rect{area.origin, previewSize});
    frame->setBackgroundColor(chrome::wellFill);
    frame->setCornerRadius(theme::controlRadius);
    frame->setClipsToBounds(true);
    c.panel->addSubview(frame);
    auto none = chrome::caption({0, 0, previewSize.width, previewSize.height}, "No photo");
    none->setAlignment(TextAlignment::Center);
    frame->addSubview(none);
    auto preview = std::make_shared<ImageView>(Rect{0, 0, previewSize.width, previewSize.height});
    preview->setFit(ImageFit::AspectFill);
    preview->setIdentifier("photo.preview");
    frame->addSubview(preview);

    float x = area.x() + previewSize.width + 12;
    float width = area.maxX() - x;
    float top = area.y() + (previewSize.height - 2 * chrome::rowHeight - chrome::menuGap) / 2;
    auto camera = chrome::menuButton({x, top, width, chrome::rowHeight}, "Camera", "photo.camera");
    camera->setAction([&controller] { controller.cameraButtonClick(); });
    camera->setEnabled(ImagePickerController::isSourceTypeAvailable(ImagePickerController::Camera));
    c.panel->addSubview(camera);
    auto library = chrome::menuButton({x, top + chrome::rowHeight + chrome::menuGap, width, chrome::rowHeight},
                                      "Photo Library", "photo.library");
    library->setAction([&controller] { controller.libraryButtonClick(); });
    c.panel->addSubview(library);
    return {c, preview};
}
