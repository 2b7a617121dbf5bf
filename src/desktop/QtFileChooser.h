#pragma once

#include "platform/Services.h"

#include <QPointer>
#include <QWidget>

#include <functional>

namespace desktop {

// The desktop's own open-file dialog (its platform theme's, or the desktop portal's) where there is
// one; otherwise Qt's, centred over the phone window at the window's zoom. Either way it does not
// block the event loop.
class QtFileChooser final : public platform::FileChooser {
public:
    // The window the dialog belongs to, and its zoom.
    void setWindow(QWidget* window, std::function<float()> zoom);

    void chooseFileToOpen(const std::string& title, const std::vector<std::string>& patterns,
                          std::function<void(std::optional<std::string>)> done) override;

private:
    QPointer<QWidget> window_;
    std::function<float()> zoom_;
};

} // namespace desktop
