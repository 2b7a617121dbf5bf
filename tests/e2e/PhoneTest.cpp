#include "support/TestApp.h"

#include "MainViewController.h"
#include "ScreenCatalogue.h"
#include "SettingsKeys.h"

#include "platform/Application.h"
#include "platform/Button.h"
#include "platform/Label.h"
#include "platform/TableView.h"
#include "platform/Theme.h"

#include "desktop/QtPainter.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

using platform::theme::accent;
using testing_support::TestApp;

namespace {

struct Phone : ::testing::Test {
    TestApp t;

    void search(const std::string& text)
    {
        t.tapAndSettle({"main.phone", "phone.search"});
        t.type(text);
    }
    platform::TableView& table() { return t.view<platform::TableView>("phone.table"); }
    std::string firstRow() { return table().cellForRow(0)->identifier(); }
    std::optional<std::string> device() { return t.app().settings().stringForKey(keys::device); }
    // The current phone's row is in the accent colour.
    bool marked(const std::string& row) { return t.view<platform::Label>(row + ".name").textColor() == accent; }
    bool guideToggled() { return t.find<platform::Button>("main.lockscreen").isSelected(); }
};

// Draws as the window does and keeps each text drawn, where, and how.
class TextRecorder final : public platform::Painter {
public:
    struct Drawn {
        platform::Rect rect;
        std::string text;
        platform::TextStyle style;
    };
    std::vector<Drawn> texts;

    TextRecorder() : image_(400, 100, QImage::Format_ARGB32_Premultiplied), qt_(&image_), painter_(qt_) {}
    void save() override { painter_.save(); }
    void restore() override { painter_.restore(); }
    void translate(platform::Point offset) override { painter_.translate(offset); }
    void clipRect(const platform::Rect& rect, float radius) override { painter_.clipRect(rect, radius); }
    void multiplyOpacity(float opacity) override { painter_.multiplyOpacity(opacity); }
    void fillRect(const platform::Rect&, const platform::Color&) override {}
    void fillRoundedRect(const platform::Rect&, float, const platform::Color&) override {}
    void strokeRoundedRect(const platform::Rect&, float, float, const platform::Color&) override {}
    void fillEllipse(const platform::Rect&, const platform::Color&) override {}
    void drawLine(platform::Point, platform::Point, float, const platform::Color&) override {}
    void drawImage(const platform::Rect&, const platform::Image&, platform::ImageFit, platform::ImageSampling) override {}
    void drawText(const platform::Rect& rect, const std::string& text, const platform::TextStyle& style) override
    {
        texts.push_back({rect, text, style});
    }
    platform::HtmlLayout drawHtml(const platform::Rect&, const std::string&, float) override { return {}; }
    float textWidth(const std::string& text, const platform::Font& font) override { return painter_.textWidth(text, font); }
    float caretX(const std::string& text, std::size_t offset, const platform::Font& font) override
    {
        return painter_.caretX(text, offset, font);
    }

private:
    QImage image_;
    QPainter qt_;
    desktop::QtPainter painter_;
};

} // namespace

// Every phone's row shows its maker and whole name, on two lines where one is too short, each part
// clear of the others and of the pixel size.
TEST_F(Phone, EveryRowShowsItsNameWhole)
{
    t.tapAndSettle("main.phone");
    const auto& screens = ScreenCatalogue::builtIn().screens();
    ASSERT_EQ(table().numberOfRows(), int(screens.size()));
    for (int i = 0; i < table().numberOfRows(); ++i) {
        const std::string row = table().cellForRow(i)->identifier();
        SCOPED_TRACE(row);
        const auto& name = t.view<platform::Label>(row + ".name");
        const auto& size = t.view<platform::Label>(row + ".size");
        TextRecorder recorder;
        name.draw(recorder);
        std::string shown;
        float right = 0;
        for (const auto& [rect, text, style] : recorder.texts) {
            EXPECT_TRUE(desktop::QtPainter::showsWholeText(rect, text, style)) << text;
            EXPECT_LE(rect.maxY(), name.frame().height());
            shown += (shown.empty() ? "" : " ") + text;
            right = std::max(right, name.frame().x() + rect.x() + recorder.textWidth(text, style.font));
        }
        EXPECT_EQ(shown, name.text());
        EXPECT_LT(right, size.frame().maxX() - recorder.textWidth(size.text(), size.font()));
    }
}

TEST_F(Phone, TheSearchNarrowsTheListAndARowChoosesItsPhoneForTheWholeWindow)
{
    search("GALAXY s24");
    EXPECT_EQ(table().numberOfRows(), 3) << "the S24, S24+ and S24 Ultra";
    t.tapClearButton("phone.search");
    EXPECT_EQ(table().numberOfRows(), int(ScreenCatalogue::builtIn().screens().size()));
    t.type("pixel 9");
    EXPECT_EQ(firstRow(), "phone.row.pixel-9");

    t.tapAndSettle("phone.row.pixel-9");
    EXPECT_EQ(device(), "pixel-9");
    EXPECT_FLOAT_EQ(t.app().screenSize().width, 411.43f);
    ASSERT_EQ(t.main().dialogStack().size(), 1u) << "the new screen starts at the main menu";

    // Touching the current phone only goes back.
    MainViewController* before = &t.main();
    search("pixel 9");
    EXPECT_TRUE(marked("phone.row.pixel-9"));
    EXPECT_FALSE(marked("phone.row.pixel-9-pro"));
    t.tapAndSettle("phone.row.pixel-9");
    EXPECT_EQ(&t.main(), before);
    EXPECT_EQ(t.main().dialogStack().size(), 1u);
}

TEST_F(Phone, ACustomSizeIsTheFirstRowAndStaysListedOnceChosen)
{
    search(" 390X844@3");
    EXPECT_EQ(firstRow(), "phone.row.custom");
    t.tapAndSettle("phone.row.custom");
    EXPECT_EQ(device(), "390x844@3");
    EXPECT_FLOAT_EQ(t.app().screenSize().width, 390);

    t.tapAndSettle("main.phone");
    EXPECT_EQ(firstRow(), "phone.row.custom");
    EXPECT_TRUE(marked("phone.row.custom"));
}

TEST_F(Phone, TheLockScreenToggleHidesTheGuideAndTheCaptureDoesNotBringItBack)
{
    EXPECT_TRUE(guideToggled());
    t.tapAndSettle({"main.lockscreen", "dialog.save", "capture.cancel"});
    EXPECT_TRUE(t.view("overlay").isHidden());
    EXPECT_FALSE(guideToggled());
    t.tapAndSettle("main.lockscreen");
    EXPECT_FALSE(t.view("overlay").isHidden());
    EXPECT_TRUE(guideToggled());
}

TEST_F(Phone, SampleNotificationsShowTheGuideAndBothStayAsLeftOnAnotherPhone)
{
    search("pixel 9");
    EXPECT_TRUE(t.findAll("phone.notifications").empty()) << "the classic lock screen lists none";
    t.tapAndSettle("phone.row.pixel-9");
    t.tapAndSettle({"main.lockscreen", "main.phone", "phone.notifications", "dialog.back"});
    EXPECT_TRUE(t.main().isLockScreenShown());
    EXPECT_TRUE(t.main().areNotificationsShown());

    search("iphone 15");
    t.tapAndSettle("phone.row.iphone-15");
    EXPECT_TRUE(t.main().isLockScreenShown());
    EXPECT_TRUE(t.main().areNotificationsShown());
    t.tapAndSettle({"main.lockscreen", "main.phone"});
    EXPECT_FALSE(t.find<platform::Button>("phone.notifications").isSelected()) << "not seen without the guide";
}
