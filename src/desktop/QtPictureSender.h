#pragma once

#include "desktop/OneTimePictureServer.h"

#include "platform/Services.h"

#include <memory>

namespace desktop {

// Send to Phone in the window: each offer a one-time picture server of its own, on this computer's
// local-network address.
class QtPictureSender final : public platform::PictureSender {
public:
    platform::PictureOffer offer(std::vector<std::uint8_t> png, std::function<void()> sent,
                                 std::function<void()> expired) override;
    void withdraw() override;

private:
    std::unique_ptr<OneTimePictureServer> server_;
};

} // namespace desktop
