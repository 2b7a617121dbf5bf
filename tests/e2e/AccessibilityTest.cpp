// What assistive technology is told as the screen changes: texts, values, chosen rows and toggles,
// and the views that came and went once the screen stands still; of what is seen alone.
#include "support/TestApp.h"

#include "desktop/ViewAccessibility.h"

#include "platform/Application.h"
#include "platform/Slider.h"
#include "platform/WebView.h"

#include <QAccessible>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <utility>

using platform::Key;
using testing::Contains;
using testing::ElementsAre;
using testing::IsEmpty;
using testing::StartsWith;
using testing_support::TestApp;

namespace {

// An event as a line: what happened, to what a screen reader names, and what it carries.
std::string describe(QAccessibleEvent& event)
{
    static const std::map<QAccessible::Event, std::string> kinds = {
        {QAccessible::ObjectCreated, "came"},  {QAccessible::ObjectDestroyed, "went"},    {QAccessible::Focus, "focus"},
        {QAccessible::NameChanged, "name"},    {QAccessible::ValueChanged, "value"},      {QAccessible::TextUpdated, "text"},
        {QAccessible::SelectionAdd, "chosen"}, {QAccessible::SelectionRemove, "unchosen"}, {QAccessible::StateChanged, "checked"}};
    auto kind = kinds.find(event.type());
    std::string line = (kind == kinds.end() ? "other" : kind->second) + " " + event.accessibleInterface()->text(QAccessible::Name).toStdString();
    if (event.type() == QAccessible::TextUpdated) {
        auto& update = static_cast<QAccessibleTextUpdateEvent&>(event);
        line += " @" + std::to_string(update.changePosition()) + " -" + update.textRemoved().toStdString() + " +" +
                update.textInserted().toStdString();
    }
    if (event.type() == QAccessible::ValueChanged)
        line += " " + std::to_string(std::lround(static_cast<QAccessibleValueChangeEvent&>(event).value().toDouble() * 100));
    return line;
}

// Stands in for assistive technology listening to the application.
struct Listener {
    explicit Listener(platform::Application& app)
    {
        desktop::installViewAccessibility(app);
        desktop::listenForTesting([this](QAccessibleEvent& event) { heard.push_back(describe(event)); });
        // The tree as it first stands is read, not told.
        desktop::announceTreeChanges();
    }
    ~Listener() { desktop::listenForTesting(nullptr); }
    // What was told since the last call, the screen standing still now.
    std::vector<std::string> told()
    {
        desktop::announceTreeChanges();
        return std::exchange(heard, {});
    }
    std::vector<std::string> heard;
};

} // namespace

TEST(Accessibility, WhatChangesIsToldOfWhatIsSeenAloneAndWhatCameAndWentOnceTheScreenStandsStill)
{
    TestApp t;
    Listener listener(t.app());

    t.tapAndSettle({"main.information", "info.other"});
    listener.told();
    t.type("Re");
    t.backspace();
    const auto typed = listener.told();
    EXPECT_THAT(typed, Contains("text Reward, e-mail address, note @0 - +Re"));
    EXPECT_THAT(typed, Contains("text Reward, e-mail address, note @1 -e +"));
    t.pressReturn();
    t.tapAndSettle("dialog.back");
    const auto back = listener.told();
    EXPECT_THAT(back, Contains("went Other information"));
    EXPECT_THAT(back, Contains("came Style"));
    t.tapAndSettle({"main.phone", "dialog.back"});
    EXPECT_THAT(listener.told(), IsEmpty()) << "a dialog that came and went between two tellings";

    t.tapAndSettle("main.style");
    EXPECT_THAT(listener.told(), Contains("came Style Library"));
    t.tapAndSettle("style.library");
    EXPECT_THAT(listener.told(), Contains("went Style Library"));
    t.tap("library.row.2");
    EXPECT_THAT(listener.told(), ElementsAre("chosen Autumn Line", "unchosen Autumn Line"));

    t.tapAndSettle({"dialog.back", "style.new", "newstyle.strip"});
    listener.told();
    t.app().setFocusedView(&t.find("strip.paletteImage"));
    t.press(Key::Right);
    const auto picked = listener.told();
    EXPECT_THAT(picked, Contains(StartsWith("name Colour spectrum, "))) << "the colour marked on the spectrum";
    EXPECT_THAT(picked, Contains(StartsWith("name Lc "))) << "the contrast figure beside the colour";
    t.tapAndSettle("strip.nextPalette");
    listener.told();
    t.app().setFocusedView(&t.find("strip.paletteImage"));
    t.press(Key::Right);
    EXPECT_THAT(listener.told(), Contains(StartsWith("chosen "))) << "a palette's swatch";
    t.tapAndSettle("strip.tab.fade");
    const auto tabs = listener.told();
    EXPECT_THAT(tabs, Contains("checked Colour"));
    EXPECT_THAT(tabs, Contains("checked Opacity"));
    t.app().setFocusedView(&t.find("strip.opacity"));
    t.press(Key::Left);
    EXPECT_THAT(listener.told(), Contains("value Opacity 95")) << "named as the tab that shows it";

    // Minimised, the dialog is not seen: its slider's changes are not told.
    t.tapAndSettle("dialog.hide");
    listener.told();
    t.view<platform::Slider>("strip.opacity").setValue(0.2f);
    EXPECT_THAT(listener.heard, IsEmpty());

    // The web side's page is a document the reader can find and read as plain text.
    t.tapAndSettle({"launcher.show", "dialog.back", "dialog.back", "dialog.back", "main.web"});
    t.view<platform::WebView>("flipside.page").loadHTMLString("<h1>Found it?</h1><p>Call <b>me</b></p>", "https://example.org/");
    QString read;
    desktop::listenForTesting([&](QAccessibleEvent& event) {
        QAccessibleInterface* page = event.accessibleInterface();
        if (event.type() == QAccessible::ObjectCreated && page->role() == QAccessible::Document && page->textInterface())
            read = page->text(QAccessible::Name) + ": " + page->textInterface()->text(0, page->textInterface()->characterCount());
    });
    desktop::announceTreeChanges();
    EXPECT_EQ(read, "Web page: Found it?\nCall me");
}
