#pragma once

namespace platform {
class Application;
}

namespace desktop {

// Gives the phone window an accessibility tree made of its views, so that screen readers and tools
// that drive applications (AT-SPI on Linux) see the buttons, texts, fields, slider, lists, alerts and
// palette swatches drawn there, can press and choose them, and hear where the keyboard's focus goes.
// Only what a person could see is exposed: hidden, covered, slid-out and minimised views are not.
void installViewAccessibility(platform::Application& app);

} // namespace desktop
