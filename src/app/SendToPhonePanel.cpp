#include "SendToPhonePanel.h"

#include "QrCode.h"
#include "QrCodeView.h"
#include "WallpaperLayout.h"

#include "platform/Animator.h"
#include "platform/Application.h"
#include "platform/Button.h"
#include "platform/Label.h"
#include "platform/Translate.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

using platform::Application;

namespace {

// An address has no spaces to break at: it is broken where a reader would, after the computer and
// after the token.
std::string addressInLines(const std::string& url)
{
    const auto scheme = url.find("://");
    const auto path = scheme == std::string::npos ? scheme : url.find('/', scheme + 3);
    const auto file = url.rfind('/');
    if (path == std::string::npos || file <= path)
        return url;
    return url.substr(0, path + 1) + "\n" + url.substr(path + 1, file - path) + "\n" + url.substr(file + 1);
}

} // namespace

SendToPhonePanel::SendToPhonePanel(platform::View& instructions)
    : instructions_(instructions)
    , views_(buildSendToPhonePanel(instructions.bounds().size,
                                   {[this] { close(); }, [this] { offer(); }, [this] { close(); }}))
{
}

SendToPhonePanel::~SendToPhonePanel()
{
    if (isShown())
        close();
}

void SendToPhonePanel::show(std::vector<std::uint8_t> png, const std::string& whyNone)
{
    png_ = std::move(png);
    whyNone_ = whyNone;
    instructions_.addSubview(views_.root);
    offer();
}

bool SendToPhonePanel::isShown() const { return views_.root->superview() != nullptr; }

void SendToPhonePanel::offer()
{
    auto* sender = Application::shared().services().pictureSender;
    if (png_.empty() || !sender) {
        showEnd(platform::translate("SendToPhonePanel", "Send to Phone"),
                platform::fillIn(platform::translate("SendToPhonePanel", "The picture cannot be sent: %1."),
                                 {png_.empty() ? whyNone_ : platform::translate("SendToPhonePanel", "this computer cannot send it")}),
                true);
        return;
    }
    // The sender tells nothing once withdrawn, which Cancel, Done and the panel's end do.
    const platform::PictureOffer offered = sender->offer(
        png_,
        [this] {
            showEnd(platform::translate("SendToPhonePanel", "Sent"),
                    platform::translate("SendToPhonePanel", "Your phone has the wallpaper. Save it to your photos and set it as your lock "
                                                           "screen picture."),
                    false);
        },
        [this] {
            showEnd(platform::translate("SendToPhonePanel", "Send to Phone"), platform::translate("SendToPhonePanel", "The address has expired."), true);
        });
    if (offered.url.empty())
        showEnd(platform::translate("SendToPhonePanel", "Send to Phone"),
                platform::fillIn(platform::translate("SendToPhonePanel", "The picture cannot be sent: %1."), {offered.error}), true);
    else
        showOffered(offered.url, offered.lifetime);
}

void SendToPhonePanel::showOffered(const std::string& url, double lifetime)
{
    views_.title->setText(platform::translate("SendToPhonePanel", "Send to Phone"));
    views_.message->setText(platform::translate("SendToPhonePanel", "Scan with your phone's camera. Your phone must be on the same "
                                                                "network as this computer."));
    showParts(true, false);
    views_.address->setText(addressInLines(url));
    // Modules of whole points, as large as the room allows: whole pixels at any scale.
    const auto code = QrCode::encode(url);
    const float modules = float(code->size() + 2 * WallpaperLayout::quietZoneModules);
    const platform::Rect& room = views_.codeArea;
    WallpaperLayout::CodePlace place;
    place.modulePoints = std::max(1.0f, std::floor(room.width() / modules));
    const float side = place.modulePoints * modules;
    place.plate = {std::round(room.x() + (room.width() - side) / 2), std::round(room.y() + (room.height() - side) / 2),
                   side, side};
    views_.code->show(*code, place, "", {0, 0});
    deadline_ = Application::shared().services().clock->now() + lifetime;
    ++*shown_;
    countDown();
}

void SendToPhonePanel::showEnd(const std::string& title, const std::string& message, bool canTryAgain)
{
    ++*shown_;
    views_.title->setText(title);
    views_.message->setText(message);
    showParts(false, canTryAgain);
}

void SendToPhonePanel::showParts(bool offered, bool canTryAgain)
{
    placeSendToPhoneMessage(views_, offered);
    views_.code->setHidden(!offered);
    views_.address->setHidden(!offered);
    views_.expires->setHidden(!offered);
    views_.done->setHidden(offered || canTryAgain);
    views_.tryAgain->setHidden(offered || !canTryAgain);
    views_.cancel->setHidden(!offered && !canTryAgain);
}

void SendToPhonePanel::countDown()
{
    const double left = std::max(0.0, deadline_ - Application::shared().services().clock->now());
    const int seconds = int(std::ceil(left - 1e-6));
    char time[16];
    std::snprintf(time, sizeof time, "%d:%02d", seconds / 60, seconds % 60);
    views_.expires->setText(platform::fillIn(platform::translate("SendToPhonePanel", "Expires in %1"), {time}));
    if (seconds == 0)
        return;
    // Again at the next whole second.
    platform::Animation wait(Application::shared().animator(), left - double(seconds - 1));
    wait.onStop([this, alive = std::weak_ptr(shown_), shown = *shown_] {
        if (auto current = alive.lock(); current && *current == shown)
            countDown();
    });
}

void SendToPhonePanel::close()
{
    ++*shown_;
    if (auto* sender = Application::shared().services().pictureSender)
        sender->withdraw();
    views_.root->removeFromSuperview();
}
