#include "support/TestApp.h"

#include "FlipsideViewController.h"
#include "RootViewController.h"
#include "TavrinPlusAppDelegate.h"

#include "desktop/QtUrlOpener.h"
#include "desktop/QtWebLoader.h"

#include "platform/WebView.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTcpServer>
#include <QTcpSocket>

#include <gtest/gtest.h>

#include <map>

namespace {

// A web server on 127.0.0.1 in this process, answering from a table of canned responses.
class LocalServer {
public:
    LocalServer()
    {
        server_.listen(QHostAddress::LocalHost);
        QObject::connect(&server_, &QTcpServer::newConnection, [this] {
            while (QTcpSocket* socket = server_.nextPendingConnection()) {
                QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] { serve(socket); });
                QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            }
        });
    }
    std::string url(const std::string& path) const { return "http://127.0.0.1:" + std::to_string(server_.serverPort()) + path; }

    std::map<std::string, QByteArray> responses;
    std::vector<std::string> requested;

private:
    void serve(QTcpSocket* socket)
    {
        QByteArray& pending = partial_[socket];
        pending += socket->readAll();
        if (!pending.contains("\r\n\r\n"))
            return;
        QList<QByteArray> requestLine = pending.left(pending.indexOf("\r\n")).split(' ');
        partial_.erase(socket);
        std::string path = requestLine.size() > 1 ? requestLine[1].toStdString() : "";
        requested.push_back(path);
        auto it = responses.find(path);
        socket->write(it != responses.end() ? it->second : QByteArray("HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\n\r\n"));
        socket->disconnectFromHost();
    }

    QTcpServer server_;
    std::map<QTcpSocket*, QByteArray> partial_;
};

QByteArray response(const QByteArray& status, const QByteArray& headers, const QByteArray& body)
{
    return "HTTP/1.1 " + status + "\r\n" + headers + "Content-Length: " + QByteArray::number(body.size()) +
           "\r\nConnection: close\r\n\r\n" + body;
}

template <class Done>
void runEventsUntil(Done done, int ms = 10'000)
{
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

// Loads a page and waits for its answers; a few moments more show that there was only one.
std::vector<platform::WebPage> loadAndWait(desktop::QtWebLoader& loader, const std::string& url)
{
    std::vector<platform::WebPage> answers;
    loader.load(url, [&](platform::WebPage page) { answers.push_back(std::move(page)); });
    runEventsUntil([&] { return !answers.empty(); });
    runEventsUntil([] { return false; }, 100);
    return answers;
}

TEST(QtWebLoader, FollowsRedirectsAndDecodesTheNamedCharset)
{
    LocalServer server;
    server.responses["/moved"] = response("302 Found", "Location: /entry/\r\n", "");
    server.responses["/entry/"] = response("200 OK", "Content-Type: text/html; charset=ISO-8859-1\r\n", "<p>Caf\xe9</p>");
    server.responses["/declared"] =
        response("200 OK", "Content-Type: text/html\r\n", "<meta charset=\"iso-8859-1\"><p>Na\xefve</p>");
    server.responses["/plain"] = response("200 OK", "Content-Type: text/html\r\n", "<p>\xc3\xa9t\xc3\xa9</p>");
    desktop::QtWebLoader loader;

    auto answers = loadAndWait(loader, server.url("/moved"));
    ASSERT_EQ(answers.size(), 1u);
    EXPECT_TRUE(answers[0].ok) << answers[0].errorDescription;
    EXPECT_EQ(answers[0].url, server.url("/entry/"));
    EXPECT_EQ(answers[0].body, "<p>Caf\xc3\xa9</p>");

    answers = loadAndWait(loader, server.url("/declared"));
    ASSERT_EQ(answers.size(), 1u);
    EXPECT_NE(answers[0].body.find("Na\xc3\xafve"), std::string::npos);

    answers = loadAndWait(loader, server.url("/plain"));
    ASSERT_EQ(answers.size(), 1u);
    EXPECT_EQ(answers[0].body, "<p>\xc3\xa9t\xc3\xa9</p>");
}

TEST(QtWebLoader, ServerErrorsAndUnreachableHostsFailOnce)
{
    LocalServer server;
    server.responses["/entry/"] = response("500 Internal Server Error", "", "<p>oops</p>");
    desktop::QtWebLoader loader;

    auto answers = loadAndWait(loader, server.url("/entry/"));
    ASSERT_EQ(answers.size(), 1u);
    EXPECT_FALSE(answers[0].ok);
    EXPECT_FALSE(answers[0].errorDescription.empty());

    // A port nobody listens on any more.
    std::string closed;
    {
        LocalServer gone;
        closed = gone.url("/entry/");
    }
    answers = loadAndWait(loader, closed);
    ASSERT_EQ(answers.size(), 1u);
    EXPECT_FALSE(answers[0].ok);
    EXPECT_FALSE(answers[0].errorDescription.empty());

    answers = loadAndWait(loader, "not a url at all");
    ASSERT_EQ(answers.size(), 1u);
    EXPECT_FALSE(answers[0].ok);
}

TEST(QtWebLoader, RefusesABodyBeyondTheLimit)
{
    LocalServer server;
    server.responses["/huge"] =
        response("200 OK", "Content-Type: text/html\r\n", QByteArray(desktop::QtWebLoader::maxBodyBytes + 4096, 'x'));
    desktop::QtWebLoader loader;
    auto answers = loadAndWait(loader, server.url("/huge"));
    ASSERT_EQ(answers.size(), 1u);
    EXPECT_FALSE(answers[0].ok);
    EXPECT_TRUE(answers[0].body.empty());
    EXPECT_NE(answers[0].errorDescription.find("larger"), std::string::npos);
}

// The whole way: the web side against the local server, with the shell's own loader.
struct WebSideOverNetwork : ::testing::Test {
    testing_support::TestApp t;
    LocalServer server;

    FlipsideViewController& flipOver(const std::string& path)
    {
        auto& root = t.runtime().delegate().rootViewController();
        root.loadFlipsideViewController();
        root.flipsideViewController()->entryURL = server.url(path);
        t.tap("main.web");
        EXPECT_TRUE(t.app().isNetworkActivityIndicatorVisible());
        runEventsUntil([&] { return !t.app().isNetworkActivityIndicatorVisible(); });
        EXPECT_FALSE(t.app().isNetworkActivityIndicatorVisible());
        t.settle();
        return *root.flipsideViewController();
    }
};

TEST_F(WebSideOverNetwork, ShowsThePageWithoutFetchingWhatItRefersTo)
{
    server.responses["/entry/"] = response("200 OK", "Content-Type: text/html; charset=utf-8\r\n",
                                           "<h1>Welcome</h1><img src='/pixel.png' width=10 height=10>"
                                           "<link rel='stylesheet' href='/style.css'>");
    auto& side = flipOver("/entry/");
    EXPECT_NE(side.entryPage->html().find("Welcome"), std::string::npos);
    t.screenshot();
    runEventsUntil([] { return false; }, 200);
    EXPECT_EQ(server.requested, std::vector<std::string>{"/entry/"});
}

TEST_F(WebSideOverNetwork, AServerErrorShowsTheErrorPage)
{
    server.responses["/entry/"] = response("500 Internal Server Error", "", "<p>oops</p>");
    auto& side = flipOver("/entry/");
    const std::string& html = side.entryPage->html();
    EXPECT_TRUE(html.starts_with("<html><center><font size=+5 color='red'>An error occurred:<br>")) << html;
    EXPECT_TRUE(html.ends_with("</font></center></html>")) << html;
    EXPECT_EQ(html.find("oops"), std::string::npos);
}

TEST(ResolveLink, RelativeLinksResolveAgainstThePageAndOnlyWebAndMailOpen)
{
    using desktop::resolveLink;
    EXPECT_EQ(resolveLink("/about/", "https://m.example.com/entry/"), "https://m.example.com/about/");
    EXPECT_EQ(resolveLink("news.html", "https://m.example.com/entry/"), "https://m.example.com/entry/news.html");
    EXPECT_EQ(resolveLink("http://other.example.org/x", "https://m.example.com/entry/"), "http://other.example.org/x");
    EXPECT_EQ(resolveLink("mailto:hi@example.com", ""), "mailto:hi@example.com");
    EXPECT_EQ(resolveLink("javascript:alert(1)", "https://m.example.com/"), std::nullopt);
    EXPECT_EQ(resolveLink("file:///etc/passwd", "https://m.example.com/"), std::nullopt);
    EXPECT_EQ(resolveLink("/about/", ""), std::nullopt); // the error page has no address to resolve against
}

} // namespace
