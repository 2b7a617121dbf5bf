#include "Interfaces/MainView.h"

#include "MainViewController.h"

#include "platform/Application.h"
#include "platform/Button.h"
#include "platform/ImageView.h"
#include "platform/Label.h"
#include "platform/Painter.h"
#include "platform/Theme.h"

using namespace platform;

namespace {

constexpr float screenTop = -Application::statusBarHeight; // the main view starts under the status bar
constexpr Point letteringShadow{1, 1.5f};

// Where the phone's own lock screen draws its clock and its unlock slider, so that the user composes
// the strip between them. Faded out for the capture.
class LockScreenGuide final : public View {
public:
    using View::View;

    void draw(Painter& painter) const override
    {
        const float w = frame().width();
        // Clock band: screen y 20 to 116.
        painter.fillRect({0, 0, w, 116}, Color::black(0.32f));
        auto* formatter = Application::shared().services().timeFormatter;
        auto now = Application::shared().services().clock->wallTime();
        TextStyle clock;
        clock.font = {50, false};
        clock.color = Color::white(0.9f);
        clock.alignment = TextAlignment::Center;
        painter.drawText({0, 18, w, 62}, formatter->formatLocalTime(now, "H:mm"), clock);
        TextStyle date = clock;
        date.font = {15, true};
        painter.drawText({0, 80, w, 22}, formatter->formatLocalTime(now, "dddd, MMMM d"), date);

        // Slider band: screen y 384 to 480.
        float top = frame().height() - 96;
        painter.fillRect({0, top, w, 96}, Color::black(0.32f));
        Rect track{20, top + 24, w - 40, 48};
        painter.fillRoundedRect(track, 12, Color::black(0.35f));
        painter.strokeRoundedRect(track, 12, 1, Color::white(0.18f));
        painter.fillRoundedRect({track.x() + 4, track.y() + 4, 64, 40}, 9, Color::white(0.85f));
        painter.drawLine({track.x() + 26, track.y() + 24}, {track.x() + 46, track.y() + 24}, 3, Color::rgb255(120, 120, 128));
        painter.drawLine({track.x() + 38, track.y() + 16}, {track.x() + 46, track.y() + 24}, 3, Color::rgb255(120, 120, 128));
        painter.drawLine({track.x() + 38, track.y() + 32}, {track.x() + 46, track.y() + 24}, 3, Color::rgb255(120, 120, 128));
        TextStyle hint;
        hint.font = {19, false};
        hint.color = Color::white(0.55f);
        hint.alignment = TextAlignment::Center;
        painter.drawText({track.x() + 68, track.y(), track.width() - 72, track.height()}, "slide to unlock", hint);
    }
};

std::shared_ptr<Label> area(Rect frame, const std::string& id)
{
    auto l = std::make_shared<Label>(frame);
    l->setIdentifier(id);
    return l;
}

std::shared_ptr<Label> lettering(Rect frame, float size, const std::string& id)
{
    auto l = std::make_shared<Label>(frame);
    l->setFont({size, true});
    l->setAlignment(TextAlignment::Center);
    l->setMinimumFontSize(12);
    l->setShadowOffset(letteringShadow);
    l->setIdentifier(id);
    return l;
}

std::shared_ptr<View> container(const std::string& id)
{
    auto v = std::make_shared<View>();
    v->setUserInteractionEnabled(false);
    v->setIdentifier(id);
    return v;
}

std::shared_ptr<Label> textLine(Rect frame, const std::string& text, float size, bool bold, Color color)
{
    auto l = std::make_shared<Label>(frame);
    l->setText(text);
    l->setFont({size, bold});
    l->setTextColor(color);
    l->setWraps(true);
    return l;
}

std::shared_ptr<View> buildInstructions(MainViewController& c)
{
    auto v = std::make_shared<View>(Rect{0, screenTop, Application::screenWidth, Application::screenHeight});
    v->setBackgroundColor(Color::rgb255(14, 14, 18, 0.94f));
    v->setIdentifier("capture.instructions");
    const float x = 28, w = Application::screenWidth - 56;
    auto title = textLine({x, 64, w, 34}, "Save Your Wallpaper", 24, true, Color::white());
    v->addSubview(title);
    const std::string steps[] = {
        "1.  Tap Continue. The wallpaper is shown alone on the screen.",
        "2.  The screen is captured into your photo album, " + MainViewController::photoAlbumDescription() + ".",
        "3.  Tap anywhere to come back.",
        "4.  Set the captured picture as your lock screen picture.",
    };
    float y = 118;
    for (const auto& step : steps) {
        auto line = textLine({x, y, w, 56}, step, 15, false, Color::white(0.88f));
        v->addSubview(line);
        y += 62;
    }
    auto continueButton = std::make_shared<Button>(Rect{x, 380, w, 46});
    continueButton->setTitle("Continue");
    continueButton->setBackgroundColor(theme::accent);
    continueButton->setCornerRadius(theme::controlRadius);
    continueButton->setIdentifier("capture.continue");
    continueButton->setAction([&c] { c.saveInstructionsContinueButtonClick(); });
    v->addSubview(continueButton);
    auto cancelButton = std::make_shared<Button>(Rect{x, 434, w, 40});
    cancelButton->setTitle("Cancel");
    cancelButton->setTitleColor(theme::accent);
    cancelButton->setIdentifier("capture.cancel");
    cancelButton->setAction([&c] { c.saveInstructionsCancelButtonClick(); });
    v->addSubview(cancelButton);
    return v;
}

} // namespace

MainViewOutlets buildMainView(MainViewController& c)
{
    MainViewOutlets o;
    const float w = Application::screenWidth;
    o.root = std::make_shared<View>(Rect{0, 0, w, Application::screenHeight - Application::statusBarHeight});
    o.root->setIdentifier("main");

    // Full screen and transparent, so that a capture shows nothing but the wallpaper. It stays at the
    // back except while the capture is being taken.
    o.saveScreenshotDoneButton = std::make_shared<Button>(Rect{0, screenTop, w, Application::screenHeight});
    o.saveScreenshotDoneButton->setIdentifier("capture.done");
    o.saveScreenshotDoneButton->setAction([&c] { c.saveScreenshotDoneButtonClick(); });
    o.root->addSubview(o.saveScreenshotDoneButton);

    // The background reaches under the status bar, so a capture of the whole screen has no empty band.
    o.upperBackgroundColor = area({0, screenTop, w, 240}, "background.upper");
    o.lowerBackgroundColor = area({0, screenTop + 240, w, 240}, "background.lower");
    o.root->addSubview(o.upperBackgroundColor);
    o.root->addSubview(o.lowerBackgroundColor);

    o.wallpaper = std::make_shared<ImageView>(Rect{0, screenTop, w, Application::screenHeight});
    o.wallpaper->setFit(ImageFit::AspectFill);
    o.wallpaper->setClipsToBounds(true);
    o.wallpaper->setIdentifier("wallpaper");
    o.root->addSubview(o.wallpaper);

    o.overlayImage = std::make_shared<LockScreenGuide>(Rect{0, screenTop, w, Application::screenHeight});
    o.overlayImage->setUserInteractionEnabled(false);
    o.overlayImage->setIdentifier("overlay");
    o.root->addSubview(o.overlayImage);

    // The three layouts, each 320 by 268 (placed by the controller).
    o.classicLayout = container("layout.classic");
    o.classicStripColor = area({0, 50, w, 168}, "classic.strip");
    o.classicTavrin = lettering({14, 60, w - 28, 40}, 30, "classic.tavrin");
    o.classicContact = lettering({14, 100, w - 28, 64}, 50, "classic.contact");
    o.classicInfo = lettering({14, 166, w - 28, 40}, 22, "classic.info");
    for (auto v : std::initializer_list<std::shared_ptr<View>>{o.classicStripColor, o.classicTavrin, o.classicContact, o.classicInfo})
        o.classicLayout->addSubview(v);

    o.splitLayout = container("layout.split");
    o.splitStripUpperColor = area({0, 16, w, 92}, "split.upperStrip");
    o.splitContact = lettering({12, 16, w - 24, 92}, 38, "split.contact");
    o.splitStripLowerColor = area({0, 160, w, 92}, "split.lowerStrip");
    o.splitInfo = lettering({12, 160, w - 24, 92}, 28, "split.info");
    for (auto v : std::initializer_list<std::shared_ptr<View>>{o.splitStripUpperColor, o.splitContact, o.splitStripLowerColor, o.splitInfo})
        o.splitLayout->addSubview(v);

    o.splitLayoutTopOnly = container("layout.topOnly");
    o.splitStripTopOnlyColor = area({0, 16, w, 92}, "topOnly.strip");
    o.splitTopOnlyContact = lettering({12, 16, w - 24, 92}, 38, "topOnly.contact");
    o.splitLayoutTopOnly->addSubview(o.splitStripTopOnlyColor);
    o.splitLayoutTopOnly->addSubview(o.splitTopOnlyContact);

    o.saveInstructions = buildInstructions(c);

    o.menuLauncher = std::make_shared<View>(Rect{0, 0, 80, 44});
    o.menuLauncher->setIdentifier("launcher");
    o.showButton = std::make_shared<Button>(Rect{0, 0, 80, 44});
    o.showButton->setTitle("Menu");
    o.showButton->setFont({15, true});
    o.showButton->setBackgroundColor(Color::rgb255(24, 24, 28, 0.88f));
    o.showButton->setCornerRadius(22);
    o.showButton->setIdentifier("launcher.show");
    o.showButton->setAction([&c] { c.showButtonClick(); });
    o.menuLauncher->addSubview(o.showButton);
    return o;
}
