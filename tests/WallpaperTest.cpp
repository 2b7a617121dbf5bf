// The wallpaper on the main screen: what a start writes and shows of the stored settings, sound or
// not, the model kept in step with the views, layout previews and the user's texts drawn.
#include "support/Files.h"

#include "MainViewController.h"
#include "PackedColor.h"
#include "SettingsKeys.h"

#include "ScreenCatalogue.h"
#include "WallpaperLayout.h"

#include "desktop/CommandLine.h"
#include "desktop/QtPainter.h"

#include "platform/Application.h"
#include "platform/Label.h"

#include <QPainter>

#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <sstream>

using platform::Label;
using namespace testing_support;

namespace {

struct Wallpaper : ::testing::Test {
    TestApp t;
    MainViewController& m = t.main();
    platform::SettingsStore& settings = t.app().settings();

    bool shown(const char* id) { return !t.view(id).isHidden(); }
    std::string visibleLayout()
    {
        std::string s;
        for (const char* layout : {"classic", "split", "topOnly"})
            if (shown(("layout." + std::string(layout)).c_str()))
                s += layout;
        return s.empty() ? "none" : s;
    }
    Label& label(const char* id) { return t.view<Label>(id); }
};

std::shared_ptr<TempHome> homeWith(const nlohmann::json& settings)
{
    auto home = std::make_shared<TempHome>();
    writeFile(home->settingsFile(), settings.dump());
    return home;
}

// The wallpaper alone, with the main menu minimised out of the way.
QImage wallpaperOf(TestApp& t, float scale = 1)
{
    t.main().hideTopDialog();
    t.settle();
    return t.screenshot(scale);
}

} // namespace

TEST(Startup, AFreshStartWritesExactlyTheDefaultsAndASecondStartWritesNothing)
{
    auto home = std::make_shared<TempHome>();
    TestApp{home};
    EXPECT_EQ(settingsIn(*home), (nlohmann::json{
        {"strip_layout", "split"},  {"phone_preference", "911"},       {"other_preference", ""},
        {"font_face", 0xFFFFFFFFu}, {"font_highlight", 0x000000FFu},   {"strip_color", 0x1B1C1CFFu},
        {"bg_color", 0xA8A8A8FFu},  {"style_name", "Artsy Photograph"}}));
    const auto before = std::filesystem::last_write_time(home->settingsFile());
    TestApp{home};
    EXPECT_EQ(std::filesystem::last_write_time(home->settingsFile()), before);
}

TEST(Startup, StoredValuesOfTheWrongTypeShowTheDefaultsAndAreKeptOnlyMissingOnesAreWritten)
{
    const nlohmann::json junk = {
        {"strip_layout", 7},
        {"phone_preference", {{"nested", true}}},
        {"other_preference", nullptr},
        {"strip_color", -1},
        {"bg_color", 1099511627776LL}, // 2^40
        {"font_face", "0xFFFFFFFF"},
        {"font_highlight", 1.5},
        {"user_saved_themes", {1, "two", nullptr, {{"theme_name", 3}}, nlohmann::json::array(), {{"strip_color", 5}}}},
    };
    auto home = homeWith(junk);
    {
        TestApp t(home);
        EXPECT_EQ(packColor(t.main().stripColor()), 0x1B1C1CFFu);
        EXPECT_EQ(packColor(t.main().BGColor()), 0xA8A8A8FFu);
        EXPECT_EQ(packColor(t.main().fontFaceColor()), 0xFFFFFFFFu);
        EXPECT_EQ(t.view<Label>("split.contact").text(), "TAVRIN: ") << "a number that is not text reads as empty";
        EXPECT_TRUE(t.view("layout.classic").isHidden() && t.view("layout.split").isHidden());
        EXPECT_FALSE(t.main().isClassicLayout() || t.main().isSplitLayout() || t.main().isNoneLayout()) << "no layout";
        (void)wallpaperOf(t), (void)wallpaperOf(t, 3); // draws
    }
    // The missing style name is written, and the lettering colours, which every refresh stores as it shows them.
    auto after = settingsIn(*home);
    EXPECT_EQ(after["style_name"], "Artsy Photograph");
    EXPECT_EQ(after["font_face"], 0xFFFFFFFFu);
    EXPECT_EQ(after["font_highlight"], 0x000000FFu);
    for (const char* key : {"strip_layout", "phone_preference", "strip_color", "bg_color", "user_saved_themes"})
        EXPECT_EQ(after[key], junk[key]) << key;
}

TEST_F(Wallpaper, AFirstStartShowsTheTopOnlySplitFormAndItsLowerStripOnlyForALineOfInformation)
{
    EXPECT_EQ(visibleLayout(), "topOnly");
    for (const char* info : {"Reward if found", ""}) {
        settings.setObject(keys::otherPreference, info);
        m.viewWillAppear(false);
        EXPECT_EQ(visibleLayout(), *info ? "split" : "topOnly") << info;
    }
}

TEST_F(Wallpaper, ALayoutPreviewDrawsTheGivenLayoutAndKeepsTheStoredOneEvenWhenAbsent)
{
    auto preview = m.getLayoutPreview("classic");
    ASSERT_TRUE(preview);
    EXPECT_EQ(preview->size(), (platform::Size{320, 460}));
    EXPECT_EQ(settings.stringForKey(keys::stripLayout), "split");
    EXPECT_EQ(visibleLayout(), "topOnly");
    settings.removeObjectForKey(keys::stripLayout);
    m.getLayoutPreview("classic");
    EXPECT_EQ(settings.valueForKey(keys::stripLayout), nullptr);
}

TEST_F(Wallpaper, ViewsAndModelAgreeAfterAnySequenceOfSetters)
{
    std::mt19937 random(42);
    auto colour = [&] { return unpackColor(std::uint32_t(random())); };
    const std::vector<std::function<void()>> setters = {
        [&] { m.setStripColor(colour(), random() % 2); },
        [&] { m.setBGColor(colour(), random() % 2); },
        [&] { m.setFontFaceColor(colour(), random() % 2); },
        [&] { m.setFontHighlightColor(colour(), random() % 2); },
        [&] { m.setClassicLayoutSaveDefaults(random() % 2); },
        [&] { m.setSplitLayoutSaveDefaults(random() % 2); },
        [&] { m.setNoLayoutSaveDefaults(random() % 2); },
        [&] { m.setSelectedStyleName("Style " + std::to_string(random() % 5)); },
        [&] { m.viewWillAppear(false); },
        [&] { m.getLayoutPreview(random() % 2 ? "classic" : "split"); },
    };
    for (int step = 0; step < 120 && !HasFailure(); ++step) {
        setters[random() % setters.size()]();
        SCOPED_TRACE(step);
        const WallpaperStyle& style = m.style();
        EXPECT_EQ(packColor(m.stripColor()), style.stripColor);
        EXPECT_EQ(packColor(m.BGColor()), style.backgroundColor);
        EXPECT_EQ(packColor(m.fontFaceColor()), style.fontFaceColor);
        EXPECT_EQ(packColor(m.fontHighlightColor()), style.fontHighlightColor);
        // Every layout's lettering follows the colours, shown or not.
        EXPECT_EQ(packColor(label("split.contact").textColor()), style.fontFaceColor);
        EXPECT_EQ(shown("layout.classic"), style.layout == StripLayout::Classic);
        EXPECT_EQ(shown("layout.split") || shown("layout.topOnly"), style.layout == StripLayout::Split);
        EXPECT_EQ(label("classic.contact").text(), style.contact);
    }
    // And what is stored reads back as what the refresh then shows.
    m.viewWillAppear(false);
    WallpaperStyle stored = WallpaperStyle::read(settings);
    stored.hasPhotograph = m.style().hasPhotograph;
    EXPECT_EQ(stored, m.style());
}

// Markup is shown as typed; huge texts are drawn shrunk and cut inside their strips.
TEST(UsersTexts, AreDrawnAsTypedAndOnlyInsideTheirStrips)
{
    const std::string markup = "<font color='red' size=+5>1</font>";
    std::vector<platform::Rect> strips;
    auto wallpaperWith = [&](const std::string& phone, const std::string& other) {
        TestApp t(homeWith({{"phone_preference", phone}, {"other_preference", other}}));
        QImage shot = wallpaperOf(t);
        for (const char* id : {"split.upperStrip", "split.lowerStrip"})
            strips.push_back({t.view(id).convertToWindow({0, 0}), t.view(id).frame().size});
        EXPECT_EQ(t.view<Label>("split.contact").text(), "TAVRIN: " + phone);
        return shot;
    };
    QImage plain = wallpaperWith(markup, "<b>&amp;</b>");
    QImage huge = wallpaperWith(std::string(1'000'000, '9'), std::string(200'000, 'W'));
    ASSERT_EQ(plain.size(), huge.size());
    int red = 0, differing = 0;
    for (int y = 0; y < plain.height(); ++y)
        for (int x = 0; x < plain.width(); ++x) {
            const QColor c = plain.pixelColor(x, y);
            red += c.red() > 180 && c.green() < 90 && c.blue() < 90;
            differing += plain.pixel(x, y) != huge.pixel(x, y) &&
                         std::none_of(strips.begin(), strips.end(),
                                      [&](const platform::Rect& r) { return r.contains({x + 0.5f, y + 0.5f}); });
        }
    EXPECT_EQ(red, 0) << "the text was drawn as rich text";
    EXPECT_EQ(differing, 0) << "the long texts ran off their strips";
}

namespace {

const std::string arabic = "\u0645\u0631\u062D\u0628\u0627", hebrew = "\u05E9\u05DC\u05D5\u05DD", chinese = "\u4F60\u597D",
                  emoji = "\U0001F389\U0001F600";

// A text drawn by the view tree's painter into an image whose painter starts in `direction`: a
// window's painter starts left to right, an image's guesses from the text.
QImage drawn(const std::string& text, Qt::LayoutDirection direction, float size = 30)
{
    QImage image(300, 60, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setLayoutDirection(direction);
    desktop::QtPainter painter(p);
    platform::TextStyle style;
    style.font = {size, true};
    style.alignment = platform::TextAlignment::Center;
    painter.drawText({0, 0, 300, 60}, text, style);
    return image;
}

} // namespace

TEST(Lettering, EveryPainterOrdersAParagraphByItsOwnDirectionAndEmojiComeInColour)
{
    for (const std::string& text : {arabic + " " + chinese, hebrew + " 123 " + emoji, "Call " + arabic})
        for (float size : {30.0f, 80.0f}) // drawn directly, and through the cache of large glyphs
            EXPECT_EQ(drawn(text, Qt::LeftToRight, size), drawn(text, Qt::LayoutDirectionAuto, size)) << text << " " << size;

    int coloured = 0;
    const QImage party = drawn("\U0001F389", Qt::LeftToRight);
    for (int y = 0; y < party.height(); ++y)
        for (int x = 0; x < party.width(); ++x) {
            const QColor c = party.pixelColor(x, y);
            coloured += std::max({c.red(), c.green(), c.blue()}) - std::min({c.red(), c.green(), c.blue()}) > 80;
        }
    EXPECT_GT(coloured, 50) << "the emoji is not drawn from the colour font";
    EXPECT_NE(drawn("\u4F60", Qt::LeftToRight), drawn("\u597D", Qt::LeftToRight)) << "Chinese is drawn as empty boxes";
}

// The information line breaks onto two lines before it shrinks, the number never shrinks below the
// information line's size, and the menu pill covers no lettering nor what a lock screen covers.
TEST(Lettering, FitsTheScreenAndTheMenuPillKeepsClearOfIt)
{
    const std::string line61 = "If found please call or e-mail jonathan.appleseed@example.com";
    ASSERT_EQ(line61.size(), 61u);
    const WallpaperLayout classic(ScreenCatalogue::builtIn().classic());
    using Part = WallpaperLayout::Part;
    EXPECT_TRUE(desktop::QtPainter::showsWholeText(classic.frameOf(Part::ClassicInfo), line61, classic.letteringStyleOf(Part::ClassicInfo)));

    // The 25 digits' lettering stands at least as tall as the information line's capitals.
    TestApp shown(homeWith({{"phone_preference", "1234567890123456789012345"}, {"other_preference", "HHHH"}, {"strip_layout", "classic"}}));
    const QImage shot = wallpaperOf(shown);
    auto inkHeight = [&](const char* id) {
        const platform::View& v = shown.view(id);
        const platform::Point at = v.convertToWindow({0, 0});
        int top = shot.height(), bottom = -1;
        for (int y = int(at.y); y < int(at.y + v.frame().height()); ++y)
            for (int x = int(at.x); x < int(at.x + v.frame().width()); ++x)
                if (qGray(shot.pixel(x, y)) > 230) {
                    top = std::min(top, y);
                    bottom = std::max(bottom, y);
                }
        return bottom - top;
    };
    EXPECT_GE(inkHeight("classic.contact"), inkHeight("classic.info"));

    // Too long for one line, the split layout's contact breaks after "TAVRIN:", never inside the number.
    const platform::Rect split = classic.frameOf(Part::SplitContact);
    QImage two(int(split.width()), int(split.height()), QImage::Format_RGB32);
    two.fill(Qt::black);
    {
        QPainter p(&two);
        desktop::QtPainter painter(p);
        platform::TextStyle style = classic.letteringStyleOf(Part::SplitContact);
        style.color = platform::Color::white();
        painter.drawText({0, 0, split.width(), split.height()}, "TAVRIN: +1 555 0100", style);
    }
    auto inkWidth = [&](int fromY, int toY) {
        int left = two.width(), right = -1;
        for (int y = fromY; y < toY; ++y)
            for (int x = 0; x < two.width(); ++x)
                if (qGray(two.pixel(x, y)) > 128) {
                    left = std::min(left, x);
                    right = std::max(right, x);
                }
        return right - left;
    };
    EXPECT_GT(inkWidth(two.height() / 2, two.height()), inkWidth(0, two.height() / 2)) << "the number was broken";

    for (const Screen& screen : ScreenCatalogue::builtIn().screens()) {
        const WallpaperLayout layout(screen);
        const platform::Size pill{80, 44};
        for (auto [strips, parts] : {std::pair{StripLayout::Classic, std::vector{Part::ClassicTavrin, Part::ClassicContact, Part::ClassicInfo}},
                                     std::pair{StripLayout::Split, std::vector{Part::SplitContact, Part::SplitInfo}}}) {
            const platform::Rect at{layout.pillOrigin(strips, pill), pill};
            for (Part part : parts)
                EXPECT_TRUE(at.intersection(layout.frameOf(part)).isEmpty()) << screen.id << " part " << int(part);
            for (const CoveredRegion& region : screen.regions)
                EXPECT_TRUE(at.intersection(region.rect).isEmpty()) << screen.id << " " << formatRegionKind(region.kind);
        }
    }
}

// The capture instructions' title is one whole line at any density, nothing of it run below its place.
TEST(Lettering, TheInstructionsTitleShowsOnOneLine)
{
    TestApp t;
    t.main().saveCurrentWallpaperClick();
    t.settle();
    const platform::View& title = *t.view("capture.instructions").subviews().front();
    const platform::Point at = title.convertToWindow({0, 0});
    for (int scale : {1, 3}) {
        const QImage shot = t.screenshot(float(scale));
        auto brightRows = [&](float from, float to) {
            int rows = 0;
            for (int y = int(from * scale); y < int(to * scale); ++y) {
                bool bright = false;
                for (int x = 0; x < shot.width() && !bright; ++x)
                    bright = qGray(shot.pixel(x, y)) > 200;
                rows += bright;
            }
            return rows;
        };
        EXPECT_GT(brightRows(at.y, at.y + title.frame().height()), 12 * scale) << scale;
        EXPECT_EQ(brightRows(at.y + title.frame().height() + 2, at.y + 54), 0) << scale;
    }
}

// One renderer, one picture: the screen capture, the export and the window's painting of the same
// settings are the same pixels, whatever the layout and the script.
TEST(OnePicture, TheCaptureTheExportAndTheWindowDrawTheSamePixels)
{
    const std::pair<std::string, std::string> texts[] = {
        {"+1 555 0100", "Reward if found"},
        {"\u0661\u0662\u0663 " + arabic, arabic + " " + arabic},
        {"03-555-0100", hebrew + " " + hebrew},
        {"+86 10 5555 0100", chinese + chinese},
        {emoji + " 911", "Thanks " + emoji},
        {"555 " + arabic, arabic + " " + chinese + " " + hebrew + " Hi " + emoji},
    };
    for (const char* strips : {"classic", "split", "none"})
        for (const auto& [phone, other] : texts) {
            SCOPED_TRACE(std::string(strips) + " " + phone + " / " + other);
            auto home = homeWith({{"phone_preference", phone}, {"other_preference", other}, {"strip_layout", strips}});
            QImage captured, window;
            {
                TestApp t(home);
                std::optional<std::filesystem::path> saved;
                std::string error;
                t.main().onCaptureStateEntered = [&] { saved = t.runtime().captureScreenToAlbum(error); };
                t.main().saveCurrentWallpaperClick();
                t.settle();
                t.main().saveInstructionsContinueButtonClick();
                t.settle();
                ASSERT_TRUE(saved) << error;
                captured = QImage(QString::fromStdString(saved->string())).convertToFormat(QImage::Format_RGB32);
                // The window paints on a widget, whose painter starts left to right, as of the moment
                // it takes the damage.
                const float scale = t.main().screen().scale();
                t.app().takeDamage(t.clock.now());
                window = QImage(captured.size(), QImage::Format_ARGB32_Premultiplied);
                QPainter p(&window);
                p.setLayoutDirection(Qt::LeftToRight);
                t.runtime().renderer().paintRegion(t.app(), p, scale, QRegion(window.rect()));
                p.end();
                window = window.convertToFormat(QImage::Format_RGB32);
            }
            const auto file = home->path() / "export.png";
            std::ostringstream out, err;
            ASSERT_EQ(desktop::runCommand({"export", "-o", file.string()}, out, err), 0) << err.str();
            const QImage exported = QImage(QString::fromStdString(file.string())).convertToFormat(QImage::Format_RGB32);
            EXPECT_TRUE(captured == exported) << "the capture and the export differ";
            EXPECT_TRUE(window == captured) << "the window and the capture differ";
        }
}
