#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace desktop {

// Whether the arguments name a subcommand (or --help / --version) rather than the window's options.
bool isCommand(const std::vector<std::string>& args);

// Runs a subcommand headless, over the same start-up and controllers as the window. A Qt GUI
// application (the offscreen platform is enough) must exist. Returns the process exit status:
// 0 done, 1 a failure while doing it, 2 a usage error.
int runCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// The window's usage, for --help and for unknown options.
std::string usage();

} // namespace desktop
