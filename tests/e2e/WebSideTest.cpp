#include "support/TestApp.h"

#include "RootViewController.h"
#include "SettingsKeys.h"
#include "TavrinPlusAppDelegate.h"

#include "platform/Label.h"
#include "platform/WebView.h"

#include <gtest/gtest.h>

using platform::AnimationTransition;
using testing_support::TestApp;

namespace {

// Loads nothing: keeps each request until the test answers it.
struct FakeWebLoader final : platform::WebLoader {
    using Done = std::function<void(platform::WebPage)>;
    void load(const std::string& url, Done done) override { requests.push_back({url, std::move(done)}); }
    void answer(std::size_t i, const std::string& html) { requests.at(i).second({true, requests[i].first, html, {}}); }
    void fail(std::size_t i, const std::string& why) { requests.at(i).second({false, requests[i].first, {}, why}); }
    std::vector<std::pair<std::string, Done>> requests;
};

struct FakeUrlOpener final : platform::UrlOpener {
    void openURL(const std::string& href, const std::string& pageURL) override { opened.push_back({href, pageURL}); }
    std::vector<std::pair<std::string, std::string>> opened;
};

struct WebSide : ::testing::Test {
    TestApp t;
    FakeWebLoader loader;
    FakeUrlOpener opener;

    void SetUp() override
    {
        t.app().servicesForTesting().webLoader = &loader;
        t.app().servicesForTesting().urlOpener = &opener;
    }
    std::string html() { return t.view<platform::WebView>("flipside.page").html(); }
    // The flip just started: one second, in this direction.
    void expectFlip(AnimationTransition direction)
    {
        ASSERT_FALSE(t.app().animator().transitions().empty());
        EXPECT_EQ(t.app().animator().transitions().back().transition, direction);
        EXPECT_DOUBLE_EQ(t.app().animator().transitions().back().duration, 1.0);
    }
    bool indicatorOn() { return t.app().isNetworkActivityIndicatorVisible(); }
};

const std::string entry = "https://m.tavrinplus.com/entry/";

} // namespace

TEST_F(WebSide, FlipsOverToTheLoadedPageAndBackToARefreshedMainScreen)
{
    t.tap("main.web");
    expectFlip(AnimationTransition::FlipFromRight);
    ASSERT_EQ(loader.requests.size(), 1u);
    EXPECT_EQ(loader.requests[0].first, entry);
    EXPECT_TRUE(indicatorOn());
    loader.answer(0, "<h1>Hello</h1>");
    EXPECT_FALSE(indicatorOn());
    EXPECT_EQ(html(), "<h1>Hello</h1>");
    t.settle();
    EXPECT_FALSE(t.isReachable("main.web"));

    // Changed behind the main screen's back: the flip back shows it.
    t.app().settings().setValue(keys::phonePreference, std::string("555 0100"));
    t.tap("flipside.done");
    expectFlip(AnimationTransition::FlipFromLeft);
    EXPECT_EQ(t.view<platform::Label>("classic.contact").text(), "555 0100");
    t.settle();
    EXPECT_TRUE(t.isReachable("main.web"));
}

TEST_F(WebSide, EveryVisitLoadsAfreshIntoTheSameSideAndALateAnswerToAnEarlierOneIsNotShown)
{
    t.tap("main.web");
    RootViewController& root = t.runtime().delegate().rootViewController();
    FlipsideViewController* side = root.flipsideViewController();
    t.settle();
    t.tapAndSettle("flipside.done");
    EXPECT_EQ(loader.requests.size(), 1u) << "the flip back loads nothing";
    t.tap("main.web");
    EXPECT_EQ(root.flipsideViewController(), side);
    ASSERT_EQ(loader.requests.size(), 2u);
    EXPECT_EQ(loader.requests[1].first, entry);
    loader.answer(1, "<p>new</p>");
    loader.answer(0, "<p>old</p>");
    EXPECT_EQ(html(), "<p>new</p>");
    EXPECT_FALSE(indicatorOn());
}

TEST_F(WebSide, AFailedLoadShowsTheEscapedErrorPage)
{
    t.tap("main.web");
    loader.fail(0, "Host <b>m.example</b> & 'co' not found");
    EXPECT_FALSE(indicatorOn());
    EXPECT_EQ(html(), "<html><center><font size=+5 color='red'>An error occurred:<br>"
                      "Host &lt;b&gt;m.example&lt;/b&gt; &amp; &#39;co&#39; not found</font></center></html>");
}

TEST_F(WebSide, ATappedLinkOpensInTheBrowserTakenRelativeToThePage)
{
    t.tap("main.web");
    loader.answer(0, "<p><a href='/about/'>About us</a></p>");
    t.settle();
    t.screenshot(); // lays the page out
    t.tapAt({40, 20 + 44 + 20}); // the page's first line, just below the bar
    ASSERT_EQ(opener.opened.size(), 1u);
    EXPECT_EQ(opener.opened[0], (std::pair<std::string, std::string>{"/about/", entry}));
}
