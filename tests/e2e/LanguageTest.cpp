// The interface in the user's language, from the translations the shell loads for it.
#include "support/TestApp.h"

#include "desktop/QtTimeFormatter.h"
#include "desktop/UserLanguage.h"

#include "platform/Button.h"
#include "platform/Label.h"
#include "platform/TableView.h"
#include "platform/Translate.h"

#include <QDateTime>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace platform;
using testing_support::TestApp;

namespace {

std::string titleOf(TestApp& t, const std::string& id) { return t.find<Button>(id).title(); }

} // namespace

TEST(Language, GermanDialogsShowGermanTextsWithValuesInTheTranslationsOrder)
{
    const desktop::UserLanguage german({"de-DE"});
    TestApp t;
    const struct {
        const char* id;
        const char* title;
    } menu[] = {{"main.information", "Informationen"}, {"main.style", "Stil"}, {"main.lockscreen", "Sperrbildschirm"},
                {"main.web", "Webseite"}, {"dialog.save", "Hintergrundbild sichern"}};
    for (const auto& row : menu)
        EXPECT_EQ(titleOf(t, row.id), row.title);
    t.tapAndSettle({"main.style", "style.new", "newstyle.strip"});
    std::vector<std::string> titles;
    for (const View* title : t.findAll("dialog.title"))
        titles.push_back(dynamic_cast<const Label&>(*title).text());
    EXPECT_THAT(titles, testing::UnorderedElementsAre("TavrinPlus", "Stil", "Neuer Stil", "Streifenoptionen"));
    EXPECT_EQ(titleOf(t, "dialog.back"), "‹ Zurück");
    // Black on the dark strip is too faint: the fix offers white, the colour before the verb in German.
    t.tapAndSettle("strip.fontBlack");
    EXPECT_EQ(titleOf(t, "strip.contrast.fix"), "Weiß nehmen");
    EXPECT_EQ(fillIn("%2 vor %1, %1 100%", {"a", "b%1"}), "b%1 vor a, a 100%");

    // A screen too short for the layout: the notice names it and the covered parts in German, and
    // grows to show every line the longer sentences wrap onto.
    t.tapAndSettle({"dialog.back", "dialog.back", "dialog.back", "main.phone", "phone.search"});
    t.type("320x480@2");
    t.tapAndSettle("phone.row.custom");
    const auto& notice = t.view<Label>("main.safeZones");
    EXPECT_THAT(notice.text(), testing::StartsWith("Auf Eigene Größe 320x480@2:\nder obere Streifen liegt unter der Uhr (Punkte"));
    EXPECT_LE(notice.heightShowingWholeText(notice.frame().width(), 1000), notice.frame().height());
}

// Arabic reads right to left: each dialog is laid out mirrored, its back arrow turned round, and the
// opacity row keeps its order, since the slider grows to the right in every language.
TEST(Language, ArabicDialogsAreMirrored)
{
    const desktop::UserLanguage arabic({"ar-EG"});
    TestApp t;
    t.tapAndSettle({"main.style", "style.new", "newstyle.strip"});
    auto centreX = [&](const char* id) { return t.centreOf(id).x; };
    EXPECT_GT(centreX("dialog.back"), centreX("dialog.hide"));
    EXPECT_EQ(titleOf(t, "dialog.back"), "› رجوع");
    EXPECT_EQ(fillIn("%1.", {"/home/ann"}), "\u2068/home/ann\u2069.");
    EXPECT_GT(centreX("strip.tab.color"), centreX("strip.tab.fade"));
    EXPECT_GT(centreX("strip.fontWhite"), centreX("strip.fontBlack"));
    // Tab reads the same way: Back, on the right, comes first.
    t.press(Key::Tab);
    ASSERT_TRUE(t.app().focusedView());
    EXPECT_EQ(t.app().focusedView()->identifier(), "dialog.back");
    t.tap("strip.tab.fade");
    EXPECT_LT(centreX("strip.opacityDown"), centreX("strip.opacityUp"));
    t.tapAndSettle("dialog.save");
    for (const char* step : {"capture.step.1", "capture.step.4"})
        EXPECT_EQ(t.view<Label>(step).textStyle().alignment, TextAlignment::Right) << step;

    // Rows built as the lists fill are mirrored too: a phone's pixel size on the left, a style's mark on
    // the right, and the contacts' Cancel where a line ends.
    t.tapAndSettle({"capture.cancel", "dialog.back", "dialog.back", "dialog.back", "main.phone"});
    // Where a part of a row lies, though a tap there reaches the row.
    auto middleX = [&](const std::string& id) {
        const View& v = t.view(id);
        return v.convertToWindow({v.frame().width() / 2, 0}).x;
    };
    const std::string firstPhone = t.view<TableView>("phone.table").cellForRow(0)->identifier();
    EXPECT_LT(middleX(firstPhone + ".size"), centreX("phone.table"));
    t.tapAndSettle({"dialog.back", "main.style", "style.library"});
    EXPECT_GT(middleX("library.row.0.mark"), middleX("library.row.0.name"));
    t.tapAndSettle({"dialog.back", "dialog.back", "main.information", "info.contacts"});
    EXPECT_LT(centreX("picker.cancel"), centreX("picker.import"));
}

// The lock screen's date names its day and month in the interface's language and orders them its
// way; a file's stamp keeps ASCII digits in every language. English first in the user's list wins
// over a later language we have a translation for.
TEST(Language, DatesFollowTheLanguageAndStampsStayAscii)
{
    const QDateTime tuesday(QDate(2026, 12, 8), QTime(9, 5));
    const auto when = std::chrono::system_clock::time_point(std::chrono::milliseconds(tuesday.toMSecsSinceEpoch()));
    const struct {
        QStringList languages;
        const char* date;
    } rows[] = {{{"de"}, "Dienstag, 8. Dezember"},
                {{"sv-SE", "ja-JP"}, "12月8日 火曜日"},
                {{"en-GB", "de-DE"}, "Tuesday 8 December"}};
    for (const auto& row : rows) {
        const desktop::UserLanguage language{row.languages};
        SCOPED_TRACE(row.date);
        const desktop::QtTimeFormatter formatter;
        EXPECT_EQ(formatter.formatLocalTime(when, translate("LockScreenGuide", "dddd d MMMM")), row.date);
        EXPECT_EQ(formatter.formatLocalTime(when, "yyyy_MM_dd_HHmmss"), "2026_12_08_090500");
    }
    const desktop::UserLanguage arabic{{"ar"}};
    EXPECT_EQ(desktop::QtTimeFormatter().formatLocalTime(when, "H:mm"), "9:05");
}
