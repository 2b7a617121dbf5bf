#pragma once

#include "Screen.h"

#include "platform/Geometry.h"

#include <functional>
#include <memory>
#include <vector>

namespace platform {
class View;
}
class DialogBase;

// The small dialogs floating over the wallpaper, the top one shown: pushed in from the right and
// popped back out in 0.5 s, minimised into the menu launcher and restored in 0.25 s, slid up out of
// the keyboard's way while a field is edited.
class DialogStack {
public:
    // Where dialogs and the launcher go on the screen, in the host's coordinates. A dialog's place
    // hangs on the phone's lock screen alone, never on the layout, so nothing moves under the pointer
    // when the layout changes.
    struct Places {
        float centreX = 0;
        // The band the lock screen leaves free: a dialog that fits it is centred in it.
        float bandTop = 0, bandBottom = 0;
        // Where the lock screen's regions over the band begin, lowest first and the status bar's end
        // last: a taller dialog starts at the lowest of these that lets it end in the band, covering
        // the regions below that edge whole rather than cutting through a clock or a date.
        std::vector<float> coverFrom;
        platform::Point launcher;        // a minimised dialog's pill
        platform::Point launcherClassic; // the pill over the classic layout

        // The dialog places for a screen whose host view starts `hostTop` points down the screen.
        static Places forScreen(const Screen& screen, float hostTop);
        // Where the top of a dialog of this height goes.
        float topFor(float height) const;
    };

    // `host` receives the dialogs' views; `launcher` is the pill a minimised dialog shrinks into;
    // `isClassicLayout` tells which layout shows.
    DialogStack(std::shared_ptr<platform::View> host, std::shared_ptr<platform::View> launcher, Places places,
                std::function<bool()> isClassicLayout);

    // While the keyboard is in use, a pushed dialog takes the focus once it stands, and a popped one
    // gives it back to the control that opened it.
    void push(DialogBase& dialog);
    void pop();
    // Centres a visible dialog over the wallpaper.
    void position(DialogBase* dialog);
    // While the keyboard is in use, minimising gives the focus to the menu's pill, and restoring gives
    // it back to what had it.
    void hideTop();
    void showTop();
    void slideUp(DialogBase& dialog);
    void slideDown(DialogBase& dialog);
    // The end of a pop's slide: the dialog's view leaves the screen unless it was pushed again.
    void popFinished(DialogBase* dialog);

    DialogBase* top() const { return dialogs_.empty() ? nullptr : dialogs_.back(); }
    const std::vector<DialogBase*>& dialogs() const { return dialogs_; }
    bool isMinimized() const { return minimized_; }

private:
    // A push's or pop's slide of what `moves` sets; the host takes no touches until the last one ends.
    void slide(const std::function<void()>& moves, std::function<void()> finished = {});

    std::shared_ptr<platform::View> host_;
    std::shared_ptr<platform::View> launcher_;
    Places places_;
    std::function<bool()> isClassicLayout_;
    std::vector<DialogBase*> dialogs_;
    // What had the keyboard's focus when each dialog was pushed, to return it to when it pops, and
    // when the top one was minimised, to return it to when it is restored.
    std::vector<std::weak_ptr<platform::View>> openers_;
    std::weak_ptr<platform::View> minimisedFrom_;
    bool minimized_ = false;
    int slidesUnderway_ = 0;
    float originalY_ = 0;       // where a slid-up dialog returns to
    platform::Rect dialogFrame_; // where a minimised dialog is restored to
};
