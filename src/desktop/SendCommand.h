#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace desktop {

// `send [--device ID] [--timeout S] [--bind ADDRESS]`: offers the wallpaper alone, at the phone's
// pixels, for one download over the local network; prints its address and a QR code of it, waits on
// the event loop and exits 0 once it was downloaded, 1 when nobody did in time.
int sendToPhone(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace desktop
