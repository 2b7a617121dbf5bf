#include "support/TestApp.h"

#include "RootViewController.h"
#include "SettingsKeys.h"
#include "TavrinPlusAppDelegate.h"

#include "platform/Label.h"
#include "platform/WebView.h"

#include <gtest/gtest.h>

using platform::AnimationTransition;
using testing_support::rgbAt;
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

    // A long page is read with the keyboard alone.
    auto& page = t.view<platform::WebView>("flipside.page");
    std::string longPage;
    for (int i = 0; i < 80; ++i)
        longPage += "<p>Paragraph " + std::to_string(i) + "</p>";
    page.loadHTMLString(longPage, entry);
    t.screenshot(); // lays the page out, as the window's drawing does
    for (int i = 0; i < 10 && t.app().focusedView() != &page; ++i)
        t.press(platform::Key::Tab);
    t.press(platform::Key::PageDown);
    EXPECT_GT(page.contentOffset(), page.frame().height() / 2);
    t.press(platform::Key::End);
    EXPECT_EQ(page.contentOffset(), page.maximumContentOffset());
    EXPECT_GT(page.maximumContentOffset(), 0);
    t.press(platform::Key::Home);
    EXPECT_EQ(page.contentOffset(), 0);

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

TEST_F(WebSide, AFailedLoadShowsTheEscapedErrorAndReloadFetchesTheEntryPageAgain)
{
    t.tap("main.web");
    t.settle();
    loader.fail(0, "Host <b>m.example</b> & 'co' not found");
    EXPECT_FALSE(indicatorOn());
    EXPECT_EQ(html(), "<html><center><font size=+3 color='red'>An error occurred:</font><br><font size=+1 color='red'>"
                      "Host &lt;b&gt;m.example&lt;/b&gt; &amp; &#39;co&#39; not found</font></center></html>");

    // Still offline, then back online.
    t.tap("flipside.reload");
    ASSERT_EQ(loader.requests.size(), 2u);
    EXPECT_EQ(loader.requests[1].first, entry) << "the address that failed, not the error page";
    EXPECT_TRUE(indicatorOn());
    loader.fail(1, "Network unreachable");
    EXPECT_NE(html().find("Network unreachable"), std::string::npos);
    t.tap("flipside.reload");
    ASSERT_EQ(loader.requests.size(), 3u);
    EXPECT_EQ(loader.requests[2].first, entry);
    loader.answer(2, "<h1>Hello</h1>");
    EXPECT_EQ(html(), "<h1>Hello</h1>");
    EXPECT_FALSE(indicatorOn());
    EXPECT_TRUE(t.isReachable("flipside.done"));
}

TEST_F(WebSide, TheErrorWrapsOnlyBetweenWords)
{
    t.tap("main.web");
    t.settle();
    // The runs of pixel rows with ink on them below the bar: the lines of text shown.
    auto linesShown = [&] {
        const QImage shot = t.screenshot(2);
        const unsigned page = rgbAt(shot, 0, shot.height() - 1);
        int lines = 0;
        bool inLine = false;
        for (int y = 2 * (20 + 44); y < shot.height(); ++y) {
            bool ink = false;
            for (int x = 0; x < shot.width() && !ink; ++x)
                ink = rgbAt(shot, x, y) != page;
            lines += ink && !inLine;
            inLine = ink;
        }
        return lines;
    };
    std::size_t request = 0;
    auto failWith = [&](const std::string& why) {
        if (request > 0)
            t.tap("flipside.reload");
        loader.fail(request++, why);
        return linesShown();
    };
    const int oneLine = failWith("x");
    for (const char* host : {"www.example.com", "m.tavrinplus.com", "entry.tavrinplus.com"})
        EXPECT_EQ(failWith(host), oneLine) << host;
    EXPECT_EQ(failWith("Host www.example.com not found"), oneLine + 1) << "words go on to the next line whole";
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
