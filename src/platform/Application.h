#pragma once

#include "platform/Animator.h"
#include "platform/Clock.h"
#include "platform/Geometry.h"
#include "platform/Keys.h"
#include "platform/Services.h"
#include "platform/SettingsStore.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace platform {

class AlertView;
class Button;
class Application;
class TextField;
class View;
class Window;

class ApplicationDelegate {
public:
    virtual ~ApplicationDelegate() = default;
    virtual void applicationDidFinishLaunching(Application& application) = 0;
};

// The services the shell hands to the application. All are owned by the shell and outlive it.
struct Services {
    Log* log = nullptr;
    ImageCodec* codec = nullptr;
    Paths* paths = nullptr;
    Clock* clock = nullptr;
    TimeFormatter* timeFormatter = nullptr;
    ViewRenderer* renderer = nullptr;
    FileChooser* fileChooser = nullptr;
    Camera* camera = nullptr;
    WebLoader* webLoader = nullptr;
    UrlOpener* urlOpener = nullptr;
    FolderOpener* folderOpener = nullptr;
    LockScreen* lockScreen = nullptr;
    PictureSender* pictureSender = nullptr;
};

// The one application object: its window, delegate, animator, settings store and status bar.
class Application {
public:
    // The original phone's screen, which the application's own controls are drawn for.
    static constexpr Size classicScreenSize{320, 480};
    static constexpr float statusBarHeight = 20;
    static constexpr int statusBarStyleBlackTranslucent = 1;

    explicit Application(Services services);
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    static Application& shared();
    static bool exists();

    // The phone screen shown, in points. Set before the view tree is made, which lays out for it.
    Size screenSize() const { return screenSize_; }
    void setScreenSize(Size size);

    ApplicationDelegate* delegate() const { return delegate_; }
    void setDelegate(ApplicationDelegate* delegate) { delegate_ = delegate; }
    Window& window() { return *window_; }
    const std::shared_ptr<Window>& windowRef() const { return window_; }
    Animator& animator() { return animator_; }
    SettingsStore& settings() { return settings_; }
    const Services& services() const { return services_; }
    // Tests stand in for a service (the file chooser, a failing codec) through this.
    Services& servicesForTesting() { return services_; }
    void log(const std::string& line) { services_.log->log(line); }

    int statusBarStyle() const { return statusBarStyle_; }
    void setStatusBarStyle(int style, bool animated);
    bool isStatusBarHidden() const { return statusBarHidden_; }
    void setStatusBarHidden(bool hidden, bool animated);
    bool isNetworkActivityIndicatorVisible() const { return networkActivity_; }
    void setNetworkActivityIndicatorVisible(bool visible);

    // The text field that receives typed text, if any; it stays one on screen.
    TextField* firstResponder() const { return firstResponder_; }
    void setFirstResponder(TextField* field);
    // A key from the shell's keyboard: to the alert shown, if any, else to the field being edited.
    // False when nothing took it.
    bool pressKey(Key key);
    // While the screen moves under the keys (a dialog sliding in or out), the keys pressed wait, and
    // then act in order on what stands: a Tab typed ahead is not lost to a control still moving.
    void holdKeys() { ++keysHeld_; }
    void releaseKeys();
    // Typed text, to the field being edited; none while an alert shows, which holds the keyboard.
    void insertText(const std::string& text);

    // The control the keyboard works. Tab and Shift+Tab move the focus among the controls a tap could
    // reach, in reading order; Return and Space press it; Escape presses the reachable
    // button that has it as its key equivalent. A touch puts the focus away.
    View* focusedView() const;
    void setFocusedView(View* view);
    void moveFocus(bool backwards);
    // Where the focus ring goes, in window points, while a tap could still reach the focused control.
    struct FocusRing {
        Rect rect;
        float cornerRadius = 0;
    };
    std::optional<FocusRing> focusRing() const;
    // Told when the focus moves, for the shell to tell assistive technology.
    std::function<void(View*)> onFocusChanged;
    // A touch: the pointer is in use, and the focus goes away.
    void touchBegan();
    // What has the focus, to give it back to with focusReturned.
    std::weak_ptr<View> focusedViewRef() const { return focused_; }
    // While the keyboard is in use (a control has the focus, or the last input was a key), what came
    // over the screen (a dialog, an alert, a picker) takes the focus: `control`, else its first control
    // a tap could reach, so that Tab need not find its way out of what it covers.
    void focusShown(View& shown, View* control = nullptr);
    // What came over went: while the keyboard is in use, unless the focus is already on a control a
    // tap could reach, it goes back to `opener` if a tap could reach that, else to the first control
    // that one could.
    void focusReturned(const std::weak_ptr<View>& opener);

    // What assistive technology reads of a view changed: the text of a label or a button (Name), a
    // slider's value (Value), a field's text (Text: `removed` replaced by `inserted` at byte `at`), a
    // row or a toggle chosen or not (Selection).
    struct ViewChange {
        enum Kind { Name, Value, Text, Selection } kind;
        std::size_t at = 0;
        std::string removed, inserted;
    };
    // Set by the shell to tell assistive technology; the views' setters call viewChanged.
    std::function<void(View&, const ViewChange&)> onViewChanged;
    static void viewChanged(View& view, const ViewChange& change);
    static void viewChanged(View& view, ViewChange::Kind kind) { viewChanged(view, ViewChange{kind, 0, {}, {}}); }

    // Something on screen changed: the whole screen, or a rectangle of the window, needs a repaint.
    // The shell sets onNeedsDisplay to schedule one.
    void setNeedsDisplay();
    void setNeedsDisplayInRect(const Rect& windowRect);
    std::function<void()> onNeedsDisplay;
    // What needs repainting since the last call, in window points, with what animations have moved by
    // `now`. The shell then paints as of displayTime(), `now`, so that what it repaints and what it
    // keeps show the same moment.
    std::vector<Rect> takeDamage(double now);
    double displayTime() const { return displayTime_; }
    // A view has a property on its way to a new value: its place is repainted each frame until it is done.
    void trackAnimation(const View& view);

    // How far outside its control the focus ring is drawn.
    static constexpr float focusRingOutset = 3;

private:
    bool addDamage(const Rect& windowRect);
    bool canReach(const View& view) const;
    // The controls under `root` a tap could reach, in reading order.
    std::vector<View*> reachableControls(View& root) const;
    Button* buttonFor(Key key) const;
    AlertView* alertShown() const;

    Services services_;
    Size screenSize_ = classicScreenSize;
    Animator animator_;
    SettingsStore settings_;
    std::shared_ptr<Window> window_;
    ApplicationDelegate* delegate_ = nullptr;
    TextField* firstResponder_ = nullptr;
    std::weak_ptr<View> focused_;
    bool lastInputWasKey_ = false;
    int keysHeld_ = 0;
    std::vector<Key> waitingKeys_;
    int statusBarStyle_ = 0;
    bool statusBarHidden_ = false;
    bool networkActivity_ = false;

    struct Moving {
        std::weak_ptr<const View> view;
        Rect lastShown;
    };
    std::vector<Rect> damage_;
    bool damagedAll_ = false;
    std::vector<Moving> moving_;
    bool transitionShown_ = false;
    double displayTime_ = 0;
};

} // namespace platform
