// Renders every dialog to a PNG at two pixels a point, for the README and for looking at the
// interface: tools/screens runs it. Each picture is reached through the tests' driver, by the taps
// a person would make, on a fresh home with a number and a line of text filled in.
//
//   render-screens OUTPUT_DIRECTORY

#include "support/TestApp.h"

#include "platform/Label.h"
#include "platform/Window.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <chrono>
#include <cstdio>
#include <ctime>
#include <exception>
#include <fstream>
#include <functional>
#include <string>

using testing_support::TempHome;
using testing_support::TestApp;

namespace {

constexpr float scale = 2;
// The same minute on every picture, so that they change only when the interface does: 9:41 on a
// Tuesday, in UTC (set below).
constexpr std::time_t shownTime = 1780998060; // 2026-06-09 09:41 UTC

struct Screen {
    const char* name;
    std::function<void(TestApp&)> reach;
};

// The row of the style library's table showing this style's name.
std::string libraryRow(TestApp& t, const std::string& style)
{
    for (int i = 0; i < 64; ++i) {
        const std::string row = "library.row." + std::to_string(i);
        if (t.findAll(row + ".name").empty())
            break;
        if (t.view<platform::Label>(row + ".name").text() == style)
            return row;
    }
    throw std::runtime_error("no library row for " + style);
}

void importContacts(TestApp& t, const std::filesystem::path& file)
{
    t.tapAndSettle({"main.information", "info.contacts", "picker.import"});
    t.choose(file.string());
}

// With no photograph yet, the Photo button opens the file window at once.
void choosePhotograph(TestApp& t)
{
    t.tapAndSettle("main.photo");
    t.choose((t.home->path() / "photo.png").string());
}

const Screen screens[] = {
    {"main-menu", [](TestApp&) {}},
    {"wallpaper", [](TestApp& t) { t.tapAndSettle("dialog.hide"); }},
    {"style-menu", [](TestApp& t) { t.tapAndSettle("main.style"); }},
    {"style-library", [](TestApp& t) { t.tapAndSettle({"main.style", "style.library"}); }},
    {"delete-style", [](TestApp& t) {
         t.tapAndSettle({"main.style", "style.library"});
         const std::string remove = libraryRow(t, "Mine") + ".delete";
         for (int i = 0; i < 20 && !t.isReachable(remove); ++i)
             t.wheel(t.centreOf("library.table"), -30);
         t.tapAndSettle(remove);
     }},
    {"new-style", [](TestApp& t) { t.tapAndSettle({"main.style", "style.new"}); }},
    {"strip-options", [](TestApp& t) { t.tapAndSettle({"main.style", "style.new", "newstyle.strip"}); }},
    {"strip-options-round", [](TestApp& t) {
         t.tapAndSettle({"main.style", "style.new", "newstyle.strip", "strip.nextPalette"});
     }},
    {"strip-options-layout", [](TestApp& t) {
         t.tapAndSettle({"main.style", "style.new", "newstyle.strip", "strip.tab.layout"});
     }},
    {"strip-options-opacity", [](TestApp& t) {
         t.tapAndSettle({"main.style", "style.new", "newstyle.strip", "strip.tab.fade"});
     }},
    {"background", [](TestApp& t) { t.tapAndSettle({"main.style", "style.new", "newstyle.background"}); }},
    {"background-round", [](TestApp& t) {
         t.tapAndSettle({"main.style", "style.new", "newstyle.background", "bg.nextPalette", "bg.nextPalette"});
     }},
    {"save-style-as", [](TestApp& t) { t.tapAndSettle({"main.style", "style.new", "newstyle.saveas"}); }},
    {"information", [](TestApp& t) { t.tapAndSettle("main.information"); }},
    {"contacts-empty", [](TestApp& t) { t.tapAndSettle({"main.information", "info.contacts"}); }},
    {"contacts", [](TestApp& t) { importContacts(t, t.home->path() / "friends.vcf"); }},
    {"contacts-numbers", [](TestApp& t) {
         importContacts(t, t.home->path() / "friends.vcf");
         t.tapAndSettle("picker.person.0");
     }},
    {"import-failed", [](TestApp& t) { importContacts(t, t.home->path() / "missing.vcf"); }},
    {"photo-chooser", [](TestApp& t) { t.tapAndSettle("main.photo"); }},
    {"photo-framing", [](TestApp& t) { choosePhotograph(t); }},
    {"photo", [](TestApp& t) {
         choosePhotograph(t);
         t.tapAndSettle({"picker.choose", "main.photo"});
     }},
    {"phone", [](TestApp& t) { t.tapAndSettle("main.phone"); }},
    {"capture", [](TestApp& t) { t.tapAndSettle("dialog.save"); }},
};

// A home as a person who has used the application a little would have it.
std::shared_ptr<TempHome> furnishedHome()
{
    auto home = std::make_shared<TempHome>();
    std::filesystem::create_directories(home->configDir());
    std::ofstream(home->settingsFile()) << R"({"phone_preference": "+1 555 0100", "other_preference": "Reward if found",
        "user_saved_themes": [{"theme_name": "Mine", "strip_color": 2857740543, "bg_color": 404232447,
                               "font_face": 4294967295, "font_highlight": 255}]})";
    std::ofstream(home->path() / "friends.vcf")
        << "BEGIN:VCARD\nVERSION:3.0\nFN:Ada Lovelace\nTEL;TYPE=CELL:+44 20 7946 0001\nTEL;TYPE=HOME:+44 20 7946 0002\n"
           "END:VCARD\nBEGIN:VCARD\nVERSION:3.0\nFN:Alan Turing\nTEL;TYPE=WORK:+44 161 496 0003\nEND:VCARD\n"
           "BEGIN:VCARD\nVERSION:3.0\nFN:Grace Hopper\nTEL:+1 202 555 0104\nEND:VCARD\n";
    QImage photo(640, 480, QImage::Format_RGB32);
    QPainter p(&photo);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, 480);
    sky.setColorAt(0, QColor(40, 90, 160));
    sky.setColorAt(1, QColor(240, 170, 90));
    p.fillRect(photo.rect(), sky);
    p.setBrush(QColor(30, 60, 40));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(320, 620), 460, 260);
    p.end();
    photo.save(QString::fromStdString((home->path() / "photo.png").string()), "PNG");
    return home;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_DIRECTORY\n", argv[0]);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    setenv("TZ", "UTC", 1);
    tzset();
    QGuiApplication qt(argc, argv);
    const std::filesystem::path out = argv[1];
    std::error_code ec;
    std::filesystem::create_directories(out, ec);
    if (ec) {
        std::fprintf(stderr, "render-screens: cannot create %s: %s\n", out.c_str(), ec.message().c_str());
        return 1;
    }
    for (const Screen& screen : screens) {
        const std::filesystem::path file = out / (std::string(screen.name) + ".png");
        try {
            auto home = furnishedHome();
            // Where the instructions say captures go, as a person's own folder would read.
            setenv("XDG_PICTURES_DIR", "/home/you/Pictures", 1);
            TestApp t(home);
            t.clock.setWallTime(std::chrono::system_clock::from_time_t(shownTime));
            t.settle();
            screen.reach(t);
            t.settle();
            if (!t.screenshot(scale).save(QString::fromStdString(file.string()), "PNG", /*smallest*/ 0))
                throw std::runtime_error("cannot write " + file.string());
        } catch (const std::exception& e) {
            std::fprintf(stderr, "render-screens: %s: %s\n", screen.name, e.what());
            return 1;
        }
    }
    return 0;
}
