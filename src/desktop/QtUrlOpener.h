#pragma once

#include "platform/Services.h"

#include <optional>
#include <string>

namespace desktop {

// Opens a page's links in the desktop's browser.
class QtUrlOpener final : public platform::UrlOpener {
public:
    void openURL(const std::string& href, const std::string& pageURL) override;
};

// The absolute address a link leads to, or nothing for a link the browser should not be handed
// (a local file, a script, anything but the web and mail).
std::optional<std::string> resolveLink(const std::string& href, const std::string& pageURL);

} // namespace desktop
