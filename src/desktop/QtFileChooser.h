#pragma once

#include "platform/Services.h"

namespace desktop {

// The desktop's own open-file dialog, shown over the phone window without blocking the event loop.
class QtFileChooser final : public platform::FileChooser {
public:
    void chooseFileToOpen(const std::string& title, const std::vector<std::string>& patterns,
                          std::function<void(std::optional<std::string>)> done) override;
};

} // namespace desktop
