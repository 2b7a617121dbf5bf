#pragma once

#include "Screen.h"

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// The phone screens the wallpaper can be composed for, from the catalogue shipped with the
// application. The first is the original 320 by 480 screen, the default.
class ScreenCatalogue {
public:
    struct Malformed : std::runtime_error {
        using std::runtime_error::runtime_error;
    };

    // Reads a catalogue; throws Malformed, naming the screen, when it is not one.
    explicit ScreenCatalogue(std::string_view json);

    // The catalogue built into the application, read once.
    static const ScreenCatalogue& builtIn();

    const std::vector<Screen>& screens() const { return screens_; }
    const Screen& classic() const { return screens_.front(); }
    const Screen* find(std::string_view id) const;
    // A catalogue id or a custom `WIDTHxHEIGHT@SCALE`; nothing for anything else.
    std::optional<Screen> resolve(std::string_view choice) const;
    // The screen a stored choice names; the classic one when none is stored or it names none.
    Screen screenFor(const std::optional<std::string>& choice) const;

private:
    std::vector<Screen> screens_;
};
