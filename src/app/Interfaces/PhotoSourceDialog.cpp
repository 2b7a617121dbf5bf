#include "Interfaces/PhotoSourceDialog.h"

#include "Dialogs/PhotoSourceDialogViewController.h"
#include "Interfaces/DialogChrome.h"

#include "platform/Button.h"
#include "platform/ImageView.h"
#include "platform/Theme.h"
#include "platform/Translate.h"

using namespace platform;

namespace {
// The screen's shape, small: 320 by 480 at a third.
constexpr Size previewSize{80, 120};
} // namespace

PhotoSourceDialogOutlets buildPhotoSourceDialog(PhotoSourceDialogViewController& controller)
{
    // Three buttons beside the preview, which is centred on them.
    constexpr float buttonsHeight = 3 * chrome::rowHeight + 2 * chrome::menuGap;
    constexpr float height = chrome::headerHeight + 8 + buttonsHeight + 8 + chrome::footerHeight;
    DialogChrome c = makeDialogChrome(controller, {280, height}, platform::translate("PhotoSourceDialog", "Photo"));
    Rect area = c.contentArea;

    auto frame = std::make_shared<View>(Rect{{area.x(), area.y() + (buttonsHeight - previewSize.height) / 2}, previewSize});
    frame->setBackgroundColor(chrome::wellFill);
    frame->setCornerRadius(theme::controlRadius);
    frame->setClipsToBounds(true);
    c.panel->addSubview(frame);
    auto none = chrome::caption({0, 0, previewSize.width, previewSize.height}, platform::translate("PhotoSourceDialog", "No photo"));
    none->setAlignment(TextAlignment::Center);
    frame->addSubview(none);
    auto preview = std::make_shared<ImageView>(Rect{0, 0, previewSize.width, previewSize.height});
    preview->setFit(ImageFit::AspectFill);
    preview->setIdentifier("photo.preview");
    frame->addSubview(preview);

    const float x = area.x() + previewSize.width + 12, width = area.maxX() - x, step = chrome::rowHeight + chrome::menuGap;
    auto camera = chrome::menuButton({x, area.y(), width, chrome::rowHeight}, platform::translate("PhotoSourceDialog", "Camera"), "photo.camera");
    camera->setAction([&controller] { controller.cameraButtonClick(); });
    c.panel->addSubview(camera);
    auto library = chrome::menuButton({x, area.y() + step, width, chrome::rowHeight}, platform::translate("PhotoSourceDialog", "Photo Library"), "photo.library");
    library->setAction([&controller] { controller.libraryButtonClick(); });
    c.panel->addSubview(library);
    auto remove = chrome::menuButton({x, area.y() + 2 * step, width, chrome::rowHeight}, platform::translate("PhotoSourceDialog", "Remove Photo"), "photo.remove");
    remove->setAction([&controller] { controller.removeButtonClick(); });
    c.panel->addSubview(remove);
    return {c, preview, camera, remove};
}
