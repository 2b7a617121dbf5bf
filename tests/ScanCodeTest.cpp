// The scan code on the wallpaper: what it carries, and that every picture reads back as that.
#include "support/Files.h"
#include "support/TestApp.h"

#include "MainViewController.h"
#include "ScreenCatalogue.h"
#include "WallpaperCode.h"

#include "desktop/AppRuntime.h"
#include "desktop/QrCodeReader.h"
#include "desktop/QtViewRenderer.h"

#include <QImage>

#include <gtest/gtest.h>

#include <cstdlib>
#include <sys/wait.h>

using namespace testing_support;

TEST(ScanCode, TheContactGivesANumberToDialAndOnlyHttpsAddressesAreTaken)
{
    const std::pair<const char*, std::optional<std::string>> contacts[] = {
        {"+1 (555) 010-0199", "+15550100199"}, {"911", "911"},          {"Call 020 7946 0958 any time", "02079460958"},
        {"jo2@example.com, 555 0100", "5550100"}, {"no number", std::nullopt}, {"12", std::nullopt},
    };
    for (const auto& [contact, number] : contacts)
        EXPECT_EQ(WallpaperCode::dialableNumber(contact), number) << contact;

    const std::pair<const char*, bool> urls[] = {
        {"https://example.com/found", true}, {"http://example.com", false},    {"https://", false},
        {"https:///found", false},           {"https://exa mple.com", false}, {"javascript:alert(1)", false},
        {"HTTPS://example.com", false},
    };
    for (const auto& [url, allowed] : urls)
        EXPECT_EQ(WallpaperCode::isAllowedUrl(url), allowed) << url;
}

// Every phone's picture, at its own pixels, over the background colour and over a photograph, and
// the classic screen's at each scale, read back by a decoder of its own as the number to call.
TEST(ScanCode, EveryPhonesPictureReadsBackAsTheNumberToCall)
{
    QImage photo(900, 1200, QImage::Format_RGB32);
    for (int y = 0; y < photo.height(); ++y)
        for (int x = 0; x < photo.width(); ++x)
            photo.setPixel(x, y, qRgb((x * 7) % 256, (y * 3) % 256, (x * y) % 256));
    for (bool photographed : {false, true})
        for (const Screen& screen : ScreenCatalogue::builtIn().screens()) {
            SCOPED_TRACE(screen.id + (photographed ? " over a photograph" : ""));
            auto home = std::make_shared<TempHome>();
            writeFile(home->settingsFile(), nlohmann::json{{"phone_preference", "+1 (555) 010-0199"},
                                                           {"qr_code", "tel"},
                                                           {"device", screen.id}}
                                                .dump());
            if (photographed) {
                std::filesystem::create_directories(home->documentsDir());
                ASSERT_TRUE(photo.save(QString::fromStdString((home->documentsDir() / "wallpaper.jpg").string()), "JPEG"));
            }
            TestApp t(home);
            ASSERT_EQ(t.main().shownCodeText(), "tel:+15550100199");
            t.main().hideTopDialog();
            t.settle();
            std::vector<float> scales{screen.scale()};
            if (screen.id == "classic")
                scales = {1, 2, 3, 4};
            for (float scale : scales) {
                t.main().saveCurrentWallpaperClick();
                t.settle();
                t.main().saveInstructionsContinueButtonClick();
                t.settle();
                const QImage picture = t.runtime().renderer().renderScreen(t.app(), scale);
                EXPECT_EQ(desktop::readQrCode(picture), "tel:+15550100199") << scale;
                EXPECT_EQ(t.runtime().codeMismatchIn(picture), std::nullopt);
                QImage blank(picture.size(), QImage::Format_RGB32);
                blank.fill(Qt::white);
                EXPECT_NE(t.runtime().codeMismatchIn(blank), std::nullopt) << "a picture without the code passed";
                t.tap("capture.done");
                t.settle();
                EXPECT_EQ(t.runtime().codeMismatchIn(blank), std::nullopt) << "a capture of the dialogs is no wallpaper";
            }
        }
}

// Through the command line: set, exported, read back; and what check says when there can be no code.
TEST(ScanCode, TheCommandLineSetsItExportsItReadableAndCheckSaysWhyThereIsNone)
{
    TempHome home;
    auto run = [&](const std::string& args) {
        const auto out = home.path() / "stdout";
        const int status = std::system((std::string(TAVRIN_BINARY) + " " + args + " >" + out.string() + " 2>/dev/null").c_str());
        return std::pair{WIFEXITED(status) ? WEXITSTATUS(status) : -1, readFile(out)};
    };
    ASSERT_EQ(run("set phone_preference '+1 (555) 010-0199'").first, 0);
    ASSERT_EQ(run("set qr_code tel").first, 0);
    for (const char* device : {"classic", "iphone-15"}) {
        const auto file = home.path() / (std::string(device) + ".png");
        ASSERT_EQ(run("export --device " + std::string(device) + " -o " + file.string()).first, 0);
        EXPECT_EQ(desktop::readQrCode(QImage(QString::fromStdString(file.string()))), "tel:+15550100199") << device;
    }
    EXPECT_EQ(run("check").first, 0);
    // The classic layout with an information line leaves room below only with its strip raised.
    ASSERT_EQ(run("set strip_layout classic").first, 0);
    ASSERT_EQ(run("set other_preference 'Reward if found'").first, 0);
    const auto raised = home.path() / "raised.png";
    ASSERT_EQ(run("export --device iphone-15 -o " + raised.string()).first, 0);
    EXPECT_EQ(desktop::readQrCode(QImage(QString::fromStdString(raised.string()))), "tel:+15550100199");
    EXPECT_EQ(run("check --device iphone-15").first, 0);
    ASSERT_EQ(run("set strip_layout split").first, 0);
    ASSERT_EQ(run("set other_preference ''").first, 0);
    const std::string verbose = run("check --verbose --device iphone-15").second;
    EXPECT_NE(verbose.find("iPhone 15: the scan code: 21 modules a side, each 0.94 mm (17 pixels)\n"), std::string::npos)
        << verbose;

    EXPECT_EQ(run("set qr_url http://example.com/found").first, 2) << "only https is taken";
    EXPECT_EQ(run("set qr_code url").first, 0);
    EXPECT_EQ(run("check"), (std::pair{1, std::string("Original 320 × 480: no code: its address must start with https://\n")}));
    EXPECT_EQ(run("set qr_url https://example.com/found").first, 0);
    EXPECT_EQ(run("check").first, 0);
    EXPECT_EQ(run("set qr_url https://example.com/found/a-page-of-the-owners-own-with-a-long-address").first, 0);
    EXPECT_EQ(run("check --device iphone-15").first, 0);
    EXPECT_EQ(run("check").second, "Original 320 × 480: the scan code does not fit below the strips (fewer strips or a shorter address leave room)\n")
        << "so long an address needs a larger code than the classic screen has room for";

    EXPECT_EQ(run("set qr_code tel").first, 0);
    EXPECT_EQ(run("set phone_preference 'ask the front desk'").first, 0);
    EXPECT_EQ(run("check").second, "Original 320 × 480: no code to call: the contact text holds no number to dial\n");
    const auto plain = home.path() / "plain.png";
    EXPECT_EQ(run("export -o " + plain.string()).first, 0) << "the wallpaper is made, without a code";
    EXPECT_EQ(desktop::readQrCode(QImage(QString::fromStdString(plain.string()))), std::nullopt);

    // A kind of code this version does not know is none, and get says what is in effect.
    auto stored = nlohmann::json::parse(readFile(home.settingsFile()));
    stored["qr_code"] = 42;
    writeFile(home.settingsFile(), stored.dump());
    EXPECT_EQ(run("get qr_code"), (std::pair{0, std::string("none\n")}));
    EXPECT_EQ(run("get").second.find("qr_code\tnone\n") != std::string::npos, true);
}
