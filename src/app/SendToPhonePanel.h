#pragma once

#include "Interfaces/SendToPhonePanel.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace platform {
class View;
}

// Send to Phone: the wallpaper offered for one download over the local network, its address shown
// as a QR code for the phone's camera with the time it has left; then that the phone has it, or that
// the address expired, with a way to offer it again. Cancel and Done withdraw the offer.
class SendToPhonePanel {
public:
    // Shown over `instructions`, as large.
    explicit SendToPhonePanel(platform::View& instructions);
    ~SendToPhonePanel();
    SendToPhonePanel(const SendToPhonePanel&) = delete;
    SendToPhonePanel& operator=(const SendToPhonePanel&) = delete;

    // Offers the PNG, or says why there is none to offer.
    void show(std::vector<std::uint8_t> png, const std::string& whyNone);
    bool isShown() const;

private:
    void offer();
    void showOffered(const std::string& url, double lifetime);
    void showEnd(const std::string& title, const std::string& message, bool canTryAgain);
    // The code, address and time left while offered; Done, or Try Again with Cancel, after.
    void showParts(bool offered, bool canTryAgain);
    void countDown();
    void close();

    platform::View& instructions_;
    SendToPhonePanelOutlets views_;
    std::vector<std::uint8_t> png_;
    std::string whyNone_;
    double deadline_ = 0;
    // A countdown goes on only while the offer it counts is the one shown.
    std::shared_ptr<int> shown_ = std::make_shared<int>(0);
};
