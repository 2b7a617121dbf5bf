#include "Interfaces/CaptureNotice.h"

#include "platform/Button.h"
#include "platform/Label.h"
#include "platform/Theme.h"
#include "platform/Translate.h"

using namespace platform;

namespace {

constexpr float padding = 8, inset = 12, buttonHeight = 32;

} // namespace

CaptureNoticeOutlets buildCaptureNotice(Size size, std::function<void()> showInFolder)
{
    constexpr float margin = 12, height = 76;
    CaptureNoticeOutlets o;
    const float width = size.width - 2 * margin;
    o.root = std::make_shared<View>(Rect{margin, size.height - margin - height, width, height});
    o.root->setBackgroundColor(Color::rgb255(24, 24, 28, 0.94f));
    o.root->setCornerRadius(12);
    o.root->setIdentifier("capture.notice");

    o.message = std::make_shared<Label>(Rect{inset, padding, width - 2 * inset, 24});
    o.message->setFont({13, true});
    o.message->setTextColor(Color::white());
    o.message->setMinimumFontSize(9);
    o.message->setWraps(true);
    o.message->setMaximumLines(4);
    o.message->setIdentifier("capture.notice.message");
    o.root->addSubview(o.message);

    o.showInFolder = std::make_shared<Button>(Rect{width - 12 - 132, 36, 132, 32});
    o.showInFolder->setTitle(platform::translate("CaptureNotice", "Show in Folder"));
    o.showInFolder->setFont({14, true});
    o.showInFolder->setTitleColor(Color::white());
    o.showInFolder->setBackgroundColor(theme::accent);
    o.showInFolder->setCornerRadius(theme::controlRadius);
    o.showInFolder->setIdentifier("capture.showInFolder");
    o.showInFolder->setAction(std::move(showInFolder));
    o.root->addSubview(o.showInFolder);
    return o;
}

void setCaptureNoticeMessage(CaptureNoticeOutlets& notice, const std::string& message, bool canShowFolder)
{
    notice.message->setText(message);
    notice.showInFolder->setHidden(!canShowFolder);
    const Rect was = notice.root->frame();
    const float textHeight = notice.message->heightShowingWholeText(was.width() - 2 * inset, 4 * 17);
    notice.message->setFrame({inset, padding, was.width() - 2 * inset, textHeight});
    const float buttonTop = padding + textHeight + 4;
    notice.showInFolder->setFrame({was.width() - inset - 132, buttonTop, 132, buttonHeight});
    const float height = canShowFolder ? buttonTop + buttonHeight + padding : padding + textHeight + padding;
    notice.root->setFrame({was.x(), was.maxY() - height, was.width(), height});
}
