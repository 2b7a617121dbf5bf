#pragma once

#include <functional>

class QAccessibleEvent;

namespace platform {
class Application;
}

namespace desktop {

// Gives the phone window an accessibility tree made of its views, so that screen readers and tools
// that drive applications (AT-SPI on Linux) see the buttons, texts, fields, slider, lists, alerts and
// palette swatches drawn there, can press and choose them, and hear where the keyboard's focus goes.
// Only what a person could see is exposed: hidden, covered, slid-out and minimised views are not.
// Labels', buttons' and fields' texts, the slider's value and the rows chosen are told as they change.
void installViewAccessibility(platform::Application& app);

// For when the screen stands still after a change (a dialog pushed or popped, an alert, the capture):
// tells assistive technology, once, which views came and went since it last did.
void announceTreeChanges();

// Tests stand in for assistive technology: what would be told goes to `hear` instead, as though it
// listened; an empty `hear` ends that.
void listenForTesting(std::function<void(QAccessibleEvent&)> hear);

} // namespace desktop
