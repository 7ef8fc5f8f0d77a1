#include "shell/Main.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QLabel>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

#include "data/Globals.h"
#include "support/FrameFixture.h"

namespace ntx {
namespace {

using test::FrameFixture;
using test::ymd;
using ::testing::ElementsAreArray;

// "File > &Print Setup ... [PRINTSETUP] Setup printer", one line per menu and item.
void describe(const QList<QAction*>& actions, const QString& path, QStringList& out) {
    for (QAction* a : actions) {
        if (a->isSeparator()) continue;
        out << path + a->text() + " [" + a->objectName() + "] " + a->statusTip();
        if (a->menu()) describe(a->menu()->actions(), path + a->text() + " > ", out);
    }
}

TEST(MainFrame, MenusCaptionsUseNamesAndTips) {
    FrameFixture f;
    Main& frame = f.openFrame();
    EXPECT_EQ(frame.windowTitle(), "Natalix");
    QStringList tree;
    describe(frame.menuBar()->actions(), "", tree);
    const QStringList expected = {
        "&File [FILEMENU] ",
        "&File > &Print Setup ... [PRINTSETUP] Setup printer",
        "&File > Create a Data Backup [FILECREATEADATABACKUP] ",
        "&File > E&xit [EXIT] Exit this application",
        "&Edit [EDITMENU] ",
        "&Edit > Cu&t [CUT] Remove item to Windows Clipboard",
        "&Edit > &Copy [COPY] Copy item to Windows Clipboard",
        "&Edit > &Paste [PASTE] Paste contents of Windows Clipboard",
        "&Browse [BROWSEMENU] ",
        "&Browse > &Birthdays [BROWSEBIRTHDAYS] ",
        "&Browse > &Reminders [BROWSEREMINDERS] ",
        "&Reports [WINDOWREPORTS] ",
        "&Reports > Birthdays [REPORTSBIRTHDAYS] ",
        "&Reports > Birthdays > Birthdays by Month (Notes excluded) [RPTBYMONTH] ",
        "&Reports > Birthdays > Birthdays by Month (Notes included) [REPORTSMONTHINCLUDENOTES] ",
        "&Reports > Birthdays > All Birthdays by Name (Notes excluded) [RPTBYNAME] ",
        "&Reports > Birthdays > All Birthdays by Name (Notes included) [RPTSNOTESINCLU] ",
        "&Reports > Birthdays > Birthdays for a Selected Month Only (Notes excluded) "
        "[RPTSBIRSELECTMONTH] ",
        "&Reports > Birthdays > Birthdays for a Selected Month Only (Notes included) "
        "[REPORTSSELLMONTHDETAIL] ",
        "&Reports > Birthdays > Birthday Book (Notes excluded) [RPTSBIRTHDAYSBOOEXCLU] ",
        "&Reports > Birthdays > Birthday Book (Notes included) [RPTSBIRTHDAYSBOOKINCLU] ",
        "&Reports > Birthdays > Current age - Ages (in Years, Months) as at Today "
        "[REPORTSBIRTHDAYSAGESTODAY] ",
        "&Reports > Birthdays > Data Integrity Birthday Report [REPORTSBIRTHDAYSEXCLU] ",
        "&Reports > Birthdays > Address Labels (Avery letter) [REPORTSLABELSAVERYLETTER] ",
        "&Reports > Reminders [REPORTSREMINDERS] ",
        "&Reports > Reminders > All Reminders (Notes excluded) [REPORTSBRIEFRPT] ",
        "&Reports > Reminders > All Reminders (Notes included) [REPORTSREMINDERSDETAILEDRPT] ",
        "&Reports > Reminders > Reminders for a Selected Month Only (Notes excluded) "
        "[REPORTSBRIEFSELMTH] ",
        "&Reports > Reminders > Reminders for a Selected Month Only (Notes included) "
        "[REPORTSDETAILFORSELMTH] ",
        "&Reports > Phone and E-Mail Reports [REPORTSOTHEERREPORTS] ",
        "&Reports > Phone and E-Mail Reports > Phone Number List "
        "[REPORTSBIRTHDAYSPHONENUMBERLISTING] ",
        "&Reports > Phone and E-Mail Reports > E-Mail Address List [REPORTSOTHERREPORTSEMAILLIST] ",
        "&Maintenance [MAINTENANCE] ",
        "&Maintenance > Auto Update Ages [MAINTENANCEAUTOUPDATEALLAGES] ",
        "&Window [WINDOWMENU] Create and Arrange windows",
        "&Window > T&ile [TILE] Make all open windows visible",
        "&Window > &Cascade [CASCADE] Stack all open windows",
        "&Window > &Arrange Icons [ARRANGE] Align all window icons",
        "&Help [HELPMENU] Windows Help",
        "&Help > F1 Key [HELPINDEX] View the contents of the help file",
        "&Help > Quick Help [HELPQUICKHELP] ",
        "&Help > &About Natalix     [HELPABOUTTHISPROGRAM] ",
        "&Help > Check for updates online [HELPCHECKFORUPDATESONLINE] ",
    };
    EXPECT_THAT(tree, ElementsAreArray(expected));
}

TEST(MainFrame, ToolbarButtonsTextsAndTips) {
    FrameFixture f;
    Main& frame = f.openFrame();
    auto* bar = frame.findChild<QToolBar*>("Toolbar");
    ASSERT_NE(bar, nullptr);
    QStringList items;
    for (QAction* a : bar->actions()) {
        QWidget* w = bar->widgetForAction(a);
        if (auto* label = qobject_cast<QLabel*>(w)) {
            items << "text [" + label->objectName() + "]";
        } else {
            items << a->text() + " [" + w->objectName() + "] " + a->toolTip() +
                         (a->icon().isNull() ? " no icon" : "");
        }
    }
    EXPECT_THAT(items, ElementsAreArray(QStringList{
                           "Birthdays [BROWSEBUT] Browse Birthdays",
                           "Reminders [REMBUT] Browse Reminder's",
                           "text [GLO:ANYREMINDERS]",
                           "Calendar [CALENDAR] View Calendar",
                           "Backup [BUPBUT] Create a data backup copy",
                           "text [GLO:ANYBIRTHDAYS]",
                       }));
}

TEST(MainFrame, OpeningCountsThisMonthAndFixesTodayForTheRun) {
    FrameFixture f;
    ASSERT_TRUE(f.first.files().birthdays().open());
    auto& people = f.first.files().birthdays();
    people.buffer().clear();
    people.buffer().setText(bir::LASTNAME, "Smith");
    people.buffer().setDate(bir::DOB, ymd(1980, 12, 31));
    people.buffer().setNumber(bir::MONTHTAG, 12);
    ASSERT_TRUE(people.insert());
    people.close();

    Main& frame = f.openFrame();
    EXPECT_EQ(frame.findChild<QLabel*>("GLO:ANYBIRTHDAYS")->text(), "1  Birthdays for December");
    EXPECT_EQ(frame.findChild<QLabel*>("GLO:ANYREMINDERS")->text(), "");  // no reminders at all
    EXPECT_EQ(globals().thisDay, ymd(2026, 12, 11));
    EXPECT_EQ(frame.findChild<QLabel*>("StatusZone3")->text(), "Friday, December 11, 2026");
    EXPECT_EQ(frame.findChild<QLabel*>("StatusZone4")->text(), "9:30AM");
    EXPECT_GE(frame.minimumWidth(), 535);

    // Past midnight the status bar moves on; the day of the run stays.
    f.ui.clock.set(ymd(2026, 12, 12), composeTime(0, 0, 1));
    QTest::qWait(1100);
    EXPECT_EQ(frame.findChild<QLabel*>("StatusZone3")->text(), "Saturday, December 12, 2026");
    EXPECT_EQ(frame.findChild<QLabel*>("StatusZone4")->text(), "12:00AM");
    EXPECT_EQ(globals().thisDay, ymd(2026, 12, 11));
    EXPECT_EQ(globals().programStartDate, ymd(2026, 12, 11));
}

TEST(MainFrame, BackupButtonRefusesWhileAListIsOpen) {
    struct Case {
        bool people, reminders;
        const char* text;
    };
    const Case cases[] = {
        {true, false, "Please [Close] the Browse Birthdays window first."},
        {false, true, "Please [Close] the Browse Reminders window first."},
        {true, true, "Please [Close] the Browse windows first."},
        {false, false, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text ? c.text : "no list open");
        FrameFixture f;
        Main& frame = f.openFrame();
        int backups = 0;
        frame.setProcedure("FILECREATEADATABACKUP", [&backups] { ++backups; });
        globals().birthdayListOpen = c.people;
        globals().reminderListOpen = c.reminders;
        f.choose("BUPBUT");
        if (c.text) {
            ASSERT_EQ(f.ui.messages.shown.size(), 1u);
            EXPECT_EQ(f.ui.messages.shown[0].caption, "Important...");
            EXPECT_EQ(f.ui.messages.shown[0].text, c.text);
            EXPECT_EQ(backups, 0);
            f.choose("FILECREATEADATABACKUP");  // the File menu item does not ask
        } else {
            EXPECT_TRUE(f.ui.messages.shown.empty());
        }
        EXPECT_EQ(backups, 1);
        globals().birthdayListOpen = globals().reminderListOpen = false;
    }
}

TEST(MainFrame, MaintenanceOnlyWhileNoChildWindowIsOpen) {
    FrameFixture f;
    Main& frame = f.openFrame();
    QAction* maintenance = frame.action("MAINTENANCE");
    EXPECT_TRUE(maintenance->isEnabled());
    EXPECT_FALSE(frame.action("TILE")->isEnabled());
    auto* child = frame.addChildWindow(new QWidget);
    child->show();
    QApplication::processEvents();
    EXPECT_FALSE(maintenance->isEnabled());
    EXPECT_TRUE(frame.action("TILE")->isEnabled());
    child->close();
    QTest::qWait(50);
    EXPECT_TRUE(maintenance->isEnabled());
}

TEST(MainFrame, AutoUpdateAgesAsksFirstAndAbortChangesNothing) {
    FrameFixture f;
    Main& frame = f.openFrame();
    int updates = 0;
    frame.setProcedure("UpdateAges", [&updates] { ++updates; });
    f.ui.messages.answers = {2};  // "&Abort"
    f.choose("MAINTENANCEAUTOUPDATEALLAGES");
    ASSERT_EQ(f.ui.messages.shown.size(), 2u);
    EXPECT_EQ(f.ui.messages.shown[0].caption, "Auto age update...");
    EXPECT_EQ(f.ui.messages.shown[0].buttons, "&Continue|&Abort");
    EXPECT_EQ(f.ui.messages.shown[0].defaultButton, 1);
    EXPECT_EQ(f.ui.messages.shown[1].caption, "Aborted by user...");
    EXPECT_EQ(f.ui.messages.shown[1].text, "No changes have been made.");
    EXPECT_EQ(updates, 0);
    f.ui.messages.answers = {1};  // "&Continue"
    f.choose("MAINTENANCEAUTOUPDATEALLAGES");
    EXPECT_EQ(updates, 1);
    EXPECT_EQ(f.ui.messages.shown.size(), 3u);
}

TEST(MainFrame, HelpCalendarAndUpdatesGoThroughTheServices) {
    FrameFixture f;
    f.openFrame();
    f.choose("HELPQUICKHELP");
    f.choose("HELPINDEX");
    EXPECT_THAT(f.ui.help.asked, ElementsAreArray({"keyword:Tour Browse Birthdays", "contents"}));
    f.choose("CALENDAR");
    ASSERT_EQ(f.ui.dates.requests.size(), 1u);
    EXPECT_EQ(f.ui.dates.requests[0].title, "View Calendar");
    EXPECT_EQ(f.ui.dates.requests[0].start, kNoDate);
    f.choose("HELPCHECKFORUPDATESONLINE");
    ASSERT_EQ(f.ui.messages.shown.size(), 1u);
    EXPECT_EQ(f.ui.messages.shown[0].caption, "Please note...");
    EXPECT_EQ(f.ui.messages.shown[0].text,
              "You must be connected to the Internet to use this option.");
    ASSERT_EQ(f.ui.shell.opened.size(), 1u);
    EXPECT_THAT(f.ui.shell.opened[0], ::testing::EndsWith("/html/updates.html"));
    f.choose("PRINTSETUP");
    EXPECT_EQ(f.ui.printer.shown, 1);
}

TEST(MainFrame, ClosingSavesItsPlaceAndTheNextFrameOpensThere) {
    FrameFixture f;
    Main& frame = f.openFrame();
    frame.setGeometry(40, 50, 900, 600);
    const QRect left = frame.geometry();
    frame.close();
    EXPECT_EQ(f.settings.fetchValue("Main", "Maximize"), "No");
    EXPECT_TRUE(f.settings.fetchValue("Main", "XPos").has_value());
    EXPECT_TRUE(f.settings.fetchValue("Main", "Width").has_value());

    Main& again = f.openFrame();
    // Places are kept in dialog units, so a pixel or two of rounding may show.
    EXPECT_NEAR(again.geometry().x(), left.x(), 3);
    EXPECT_NEAR(again.geometry().y(), left.y(), 3);
    EXPECT_NEAR(again.geometry().width(), left.width(), 3);
    EXPECT_NEAR(again.geometry().height(), left.height(), 3);

    again.showMaximized();
    again.close();
    EXPECT_EQ(f.settings.fetchValue("Main", "Maximize"), "Yes");
    EXPECT_FALSE(f.settings.fetchValue("Main", "XPos").has_value());
    EXPECT_TRUE(f.openFrame().isMaximized());
}

}  // namespace
}  // namespace ntx
