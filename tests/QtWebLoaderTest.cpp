// The shell's web loader and links against a web server of the test's own.
#include "support/Events.h"
#include "support/TestApp.h"

#include "FlipsideViewController.h"
#include "RootViewController.h"
#include "TavrinPlusAppDelegate.h"

#include "desktop/QtUrlOpener.h"
#include "desktop/QtWebLoader.h"

#include "platform/WebView.h"

#include <QTcpServer>
#include <QTcpSocket>

#include <gtest/gtest.h>

#include <array>
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

// Loads a page and waits for its answer; a few moments more show that there was only one.
platform::WebPage loadOnce(desktop::QtWebLoader& loader, const std::string& url)
{
    std::vector<platform::WebPage> answers;
    loader.load(url, [&](platform::WebPage page) { answers.push_back(std::move(page)); });
    testing_support::runEventsUntil([&] { return !answers.empty(); }, 10'000);
    testing_support::runEventsUntil([] { return false; }, 100);
    EXPECT_EQ(answers.size(), 1u) << url;
    return answers.empty() ? platform::WebPage{} : answers[0];
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

    const auto moved = loadOnce(loader, server.url("/moved"));
    EXPECT_TRUE(moved.ok) << moved.errorDescription;
    EXPECT_EQ(moved.url, server.url("/entry/"));
    EXPECT_EQ(moved.body, "<p>Caf\xc3\xa9</p>");
    EXPECT_NE(loadOnce(loader, server.url("/declared")).body.find("Na\xc3\xafve"), std::string::npos);
    EXPECT_EQ(loadOnce(loader, server.url("/plain")).body, "<p>\xc3\xa9t\xc3\xa9</p>");
}

TEST(QtWebLoader, AServerErrorAndAnOversizedBodyFailOnce)
{
    LocalServer server;
    server.responses["/entry/"] = response("500 Internal Server Error", "", "<p>oops</p>");
    server.responses["/huge"] =
        response("200 OK", "Content-Type: text/html\r\n", QByteArray(desktop::QtWebLoader::maxBodyBytes + 4096, 'x'));
    desktop::QtWebLoader loader;
    for (const auto& [path, why] : {std::pair{"/entry/", ""}, std::pair{"/huge", "larger"}}) {
        const auto page = loadOnce(loader, server.url(path));
        EXPECT_FALSE(page.ok) << path;
        EXPECT_TRUE(page.body.empty()) << path;
        EXPECT_TRUE(!page.errorDescription.empty() && page.errorDescription.find(why) != std::string::npos)
            << path << ": " << page.errorDescription;
    }
}

// The whole way: the web side with the shell's own loader. Failed loads are in WebSideTest.
TEST(WebSideOverNetwork, ShowsThePageWithoutFetchingWhatItRefersTo)
{
    testing_support::TestApp t;
    LocalServer server;
    server.responses["/entry/"] = response("200 OK", "Content-Type: text/html; charset=utf-8\r\n",
                                           "<h1>Welcome</h1><img src='/pixel.png' width=10 height=10>"
                                           "<link rel='stylesheet' href='/style.css'>");
    auto& root = t.runtime().delegate().rootViewController();
    root.loadFlipsideViewController();
    root.flipsideViewController()->entryURL = server.url("/entry/");
    t.tap("main.web");
    EXPECT_TRUE(testing_support::runEventsUntil([&] { return !t.app().isNetworkActivityIndicatorVisible(); }, 10'000))
        << "the load never finished";
    t.settle();
    EXPECT_NE(t.view<platform::WebView>("flipside.page").html().find("Welcome"), std::string::npos);
    t.screenshot();
    testing_support::runEventsUntil([] { return false; }, 200);
    EXPECT_EQ(server.requested, std::vector<std::string>{"/entry/"});
}

TEST(ResolveLink, RelativeLinksResolveAgainstThePageAndOnlyWebAndMailOpen)
{
    const std::array<std::string, 3> rows[] = { // link, page, what opens ("" for nothing)
        {"/about/", "https://m.example.com/entry/", "https://m.example.com/about/"},
        {"mailto:hi@example.com", "", "mailto:hi@example.com"},
        {"javascript:alert(1)", "https://m.example.com/", ""},
        {"/about/", "", ""}, // the error page has no address to resolve against
    };
    for (const auto& [link, page, opened] : rows)
        EXPECT_EQ(desktop::resolveLink(link, page).value_or(""), opened) << link;
}

} // namespace
