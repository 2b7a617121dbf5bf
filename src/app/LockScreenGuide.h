#pragma once

#include "Screen.h"

#include "platform/View.h"

// The chosen phone's own lock screen drawn over the wallpaper, as a finder will see it: the status
// bar and camera cut-out, the clock and date, widgets, the bottom buttons and the home indicator,
// and, when asked, a few notifications. It takes no touches and is never captured.
class LockScreenGuide final : public platform::View {
public:
    explicit LockScreenGuide(Screen screen);

    const Screen& screen() const { return screen_; }
    void setScreen(Screen screen);
    bool showsNotifications() const { return notifications_; }
    void setShowsNotifications(bool shown);

    void draw(platform::Painter& painter) const override;

private:
    void drawClassic(platform::Painter& painter) const;
    void drawRegion(platform::Painter& painter, const CoveredRegion& region) const;

    Screen screen_;
    bool notifications_ = false;
};
