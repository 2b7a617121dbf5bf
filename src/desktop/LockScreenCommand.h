#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace desktop {

// `set-lockscreen [--device ID]`: the wallpaper alone into the photo album, then handed to the
// desktop's lock screen. 0 when the desktop took it, 1 with the reason when not.
int setLockScreen(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace desktop
