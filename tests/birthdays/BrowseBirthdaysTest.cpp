#include "birthdays/BrowseBirthdays.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTabBar>
#include <QTest>

#include "data/Globals.h"
#include "platform/Pictures.h"
#include "support/FrameFixture.h"

namespace ntx {
namespace {

using test::FrameFixture;
using test::ymd;

// People that show every rule of the list; today is 11 December 2026.
void addPeople(FrameFixture& f) {
    FileAccessManager& file = f.first.files().birthdays();
    ASSERT_TRUE(file.open());
    struct P {
        const char* last;
        const char* first;
        Date dob;
        Date asAt;
        int age;
        int updateAge;
        int skip;
    };
    const P people[] = {
        {"Smith", "Ann", ymd(1980, 3, 15), ymd(2011, 3, 15), 31, 0, 0},
        {"Noel", "Holly", ymd(1990, 12, 25), ymd(2026, 1, 1), 35, 0, 0},  // born this month: blue
        {"Grey", "Gus", ymd(1985, 12, 1), ymd(2026, 1, 1), 40, 1, 0},     // excluded: grey
        {"Nodate", "Nina", kNoDate, kNoDate, 0, 0, 0},                    // on the Name tab only
        {"Baby", "Ben", ymd(2026, 5, 2), ymd(2026, 6, 1), 0, 0, 0},       // age 0: not on "Age"
        {"Skip", "Sam", ymd(1970, 7, 7), ymd(2026, 1, 1), 55, 0, 1},  // left out of reports: grey
    };
    for (const P& p : people) {
        RecordBuffer& b = file.buffer();
        b.clear();
        b.setText(bir::LASTNAME, p.last);
        b.setText(bir::FIRSTNAME, p.first);
        b.setDate(bir::DOB, p.dob);
        b.setDate(bir::ASAT, p.asAt);
        b.setNumber(bir::AGE, p.age);
        b.setNumber(bir::MONTHTAG, monthOf(p.dob));
        b.setNumber(bir::DAYBORN, dayOf(p.dob));
        b.setNumber(bir::UPDATEAGE, p.updateAge);
        b.setNumber(bir::SKIPPRINTBIRTH, p.skip);
        b.setText(bir::ADD1, std::string(p.first) + " " + p.last);
        ASSERT_TRUE(file.insert());
    }
    file.close();
}

class BirthdayList : public ::testing::Test {
  protected:
    void SetUp() override {
        addPeople(f);
        f.openFrame();
        list = BrowseBirthdays::start(f.app, *f.frame);
        ASSERT_NE(list, nullptr);
    }
    void TearDown() override {
        if (list) list->parentWidget()->close();
    }
    QStringList names() {
        QStringList out;
        for (int row = 0; row < list->list().model().rowCount(); ++row) {
            out << QString::fromStdString(
                list->list().model().rowAt(row)->values.fields[bir::LASTNAME].text);
        }
        return out;
    }
    void pickTab(const char* useName) {
        auto* tabs = list->findChild<QTabBar*>("CURRENTTAB");
        for (int i = 0; i < tabs->count(); ++i) {
            if (tabs->tabData(i).toString() == useName) tabs->setCurrentIndex(i);
        }
    }
    void highlight(const char* lastName) {
        const int row = static_cast<int>(names().indexOf(lastName));
        ASSERT_GE(row, 0) << lastName;
        list->list().selectRow(row);
    }
    FrameFixture f;
    QPointer<BrowseBirthdays> list;
};

TEST_F(BirthdayList, TabsSelectAndCountTheirPeople) {
    EXPECT_EQ(list->windowTitle(), "Browse Birthdays");
    EXPECT_EQ(names(), (QStringList{"Baby", "Grey", "Nodate", "Noel", "Skip", "Smith"}));
    EXPECT_EQ(list->recordCount(), 6);
    struct Case {
        const char* tab;
        const char* caption;
        QStringList people;
    };
    const Case cases[] = {
        {"TAB2", " Birthdays by Age", {"Smith", "Noel", "Grey", "Skip"}},
        {"FEB", " February only", {}},
        {"DEC", " December only", {"Grey", "Noel"}},
        {"MAY", " May only", {"Baby"}},
        {"TAB1", " All Birthdays by Name", {"Baby", "Grey", "Nodate", "Noel", "Skip", "Smith"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tab);
        pickTab(c.tab);
        EXPECT_EQ(list->windowTitle(), c.caption);
        EXPECT_EQ(names(), c.people);
        EXPECT_EQ(list->recordCount(), c.people.size());
        EXPECT_EQ(list->findChild<QLabel*>("LOC:RECORDCOUNT")->text(),
                  QString::number(c.people.size()));
        EXPECT_EQ(list->findChild<QPushButton*>("STARBUT")->isVisible(),
                  std::string(c.tab) == "TAB1");
    }
}

TEST_F(BirthdayList, GreyForExcludedBlueForThisMonth) {
    const QStringList people = names();
    auto colour = [&](const char* last) {
        return list->list().model().data(
            list->list().model().index(static_cast<int>(people.indexOf(last)), 0),
            Qt::ForegroundRole);
    };
    EXPECT_EQ(colour("Noel").value<QColor>(), QColor(0, 0, 255));
    EXPECT_EQ(colour("Grey").value<QColor>(),
              QColor(128, 128, 128));  // born this month, but excluded
    EXPECT_EQ(colour("Skip").value<QColor>(), QColor(128, 128, 128));
    EXPECT_FALSE(colour("Smith").isValid());
    EXPECT_FALSE(colour("Nodate").isValid());
}

TEST_F(BirthdayList, TheAgeLineFollowsTheBoxAndThePerson) {
    f.ui.clock.set(ymd(2011, 1, 10), composeTime(9, 0));
    highlight("Smith");
    EXPECT_EQ(list->ageLine(), "To show current age tick box >");
    list->findChild<QCheckBox*>("LOC:HIDESHOWAGEYN")->setChecked(true);
    EXPECT_EQ(list->ageLine(), "30 years 9 months");
    highlight("Grey");
    EXPECT_EQ(list->ageLine(), "n/a - Set as excluded.");
    highlight("Nodate");
    EXPECT_EQ(list->ageLine(), "No date(s) entered.");
}

TEST_F(BirthdayList, ShowHideButtonsSwitchTheHiddenColumns) {
    auto& l = list->list();
    EXPECT_TRUE(l.table()->isColumnHidden(4) && l.table()->isColumnHidden(5) &&
                l.table()->isColumnHidden(7));
    list->findChild<QPushButton*>("SHOWAGEBUT")->click();
    EXPECT_NEAR(l.columnWidthUnits(4), 18, 1);
    EXPECT_NEAR(l.columnWidthUnits(5), 41, 1);
    list->findChild<QPushButton*>("STARBUT")->click();
    EXPECT_NEAR(l.columnWidthUnits(7), 38, 1);
    list->findChild<QPushButton*>("SHOWAGEBUT")->click();
    EXPECT_TRUE(l.table()->isColumnHidden(4));
}

TEST_F(BirthdayList, CopyTheAddressAndStartAnEmail) {
    highlight("Smith");
    list->findChild<QPushButton*>("CLIPBOARDBUT")->click();
    const std::string day =
        formatDate(*parsePicture("D18"), f.ui.clock.today(), conventionsOfUserLocale());
    EXPECT_EQ(f.ui.clipboard.contents, day + "\r\n\r\nAnn Smith\r\n\r\n\r\n\r\n\r\n");
    ASSERT_EQ(f.ui.messages.shown.size(), 1u);
    EXPECT_EQ(f.ui.messages.shown[0].caption, "Sent to Clipboard...");
    EXPECT_EQ(f.ui.messages.shown[0].text,
              "          " + day +
                  "||          Ann Smith|          |          |          |"
                  "          |||||The above can now be 'Pasted' to your document.");

    // Nobody here has an e-mail address: No opens nothing, Yes opens an empty message.
    f.ui.messages.answers = {2, 1};
    list->findChild<QPushButton*>("INTERNETLINK")->click();
    EXPECT_TRUE(f.ui.shell.opened.empty());
    list->findChild<QPushButton*>("INTERNETLINK")->click();
    EXPECT_THAT(f.ui.shell.opened, ::testing::ElementsAre("mailto:"));
    EXPECT_EQ(f.ui.messages.shown[1].text,
              "The selected person does not have an e-mail address.||Do you want to continue?");
}

TEST_F(BirthdayList, SecondStartBringsTheListForwardAndClosingKeepsTheLayout) {
    EXPECT_TRUE(globals().birthdayListOpen);
    EXPECT_EQ(BrowseBirthdays::start(f.app, *f.frame), list.data());
    EXPECT_EQ(f.frame->mdiArea()->subWindowList().size(), 1);

    list->list().setColumnWidthUnits(0, 90);
    list->parentWidget()->close();
    QTest::qWait(10);
    EXPECT_FALSE(globals().birthdayListOpen);
    EXPECT_EQ(globals().birthdayListThread, 0);
    const auto saved = f.settings.fetchValue("BrowseBirthdays", "SRCF?Browse:2");
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->substr(0, 3), "90L");
    EXPECT_EQ(f.settings.fetchValue("BrowseBirthdays", "SRCFOriginal?Browse:2"),
              BrowseBirthdays::kDesignedFormat);

    list = BrowseBirthdays::start(f.app, *f.frame);
    EXPECT_NEAR(list->list().columnWidthUnits(0), 90, 1);
    EXPECT_TRUE(list->list().table()->isColumnHidden(4));  // hidden again at every opening
}

TEST_F(BirthdayList, PhotographAndPrintNeedTheirData) {
    highlight("Nodate");
    list->findChild<QPushButton*>("BUTTON9")->click();
    list->findChild<QPushButton*>("PRTBUT")->click();
    ASSERT_EQ(f.ui.messages.shown.size(), 2u);
    EXPECT_EQ(f.ui.messages.shown[0].text,
              "No photograph to display.||To add select [Change] then the [Photograph] tab.");
    EXPECT_EQ(f.ui.messages.shown[1].text,
              "No Date of Birth for the selected person.||This report requires that a 'Date Born:' "
              "be entered.");
}

}  // namespace
}  // namespace ntx
