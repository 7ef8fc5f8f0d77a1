#include <gtest/gtest.h>

#include <QApplication>
#include <QDate>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>

#include "platform/qt/QtMessageBox.h"
#include "platform/qt/QtServices.h"
#include "platform/qt/SingleInstance.h"

namespace ntx {
namespace {

TEST(QtMessageBox, ShowsCaptionLinesButtonsAndDefault) {
    MessageRequest r{"Save Record", "Do you want to save the changes to this record?|Second line",
                     MessageIcon::Question, "&Yes|&No|&Cancel", 3};
    auto box = QtMessageBox::build(r, nullptr);
    EXPECT_EQ(box->windowTitle(), "Save Record");
    EXPECT_EQ(box->text(), "Do you want to save the changes to this record?\nSecond line");
    EXPECT_EQ(box->icon(), QMessageBox::Question);
    ASSERT_EQ(box->buttons().size(), 3);
    QStringList captions;
    for (auto* b : box->buttons()) captions << b->text();
    EXPECT_EQ(captions, (QStringList{"&Yes", "&No", "&Cancel"}));
    EXPECT_EQ(box->defaultButton()->text(), "&Cancel");
    EXPECT_EQ(box->windowModality(), Qt::ApplicationModal);
}

// The answer is the number of the button pressed, counted from 1.
TEST(QtMessageBox, AnswersWithTheNumberOfTheButtonPressed) {
    QtMessageBox messages;
    for (int pressed : {1, 2}) {
        QTimer::singleShot(0, [pressed] {
            for (QWidget* w : QApplication::topLevelWidgets()) {
                if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible()) {
                    box->findChild<QPushButton*>(QStringLiteral("button%1").arg(pressed))->click();
                }
            }
        });
        EXPECT_EQ(messages.show(
                      {"Confirm Delete", "Are you sure?", MessageIcon::Question, "&Yes|&No", 2}),
                  pressed);
    }
}

TEST(QtShell, OnlyWebPagesAndMailLinksAreHandedOn) {
    QtShell shell;
    for (const char* address :
         {"file:///etc/passwd", "javascript:alert(1)", "/usr/bin/xterm", "sh -c ls"}) {
        EXPECT_FALSE(shell.open(address)) << address;
    }
}

TEST(QtServices, DatesConvertBothWaysAtTheLimits) {
    for (Date d : {kFirstDate, composeDate(2, 29, 2000), kLastDate})
        EXPECT_EQ(fromQDate(toQDate(d)), d);
    EXPECT_FALSE(toQDate(kNoDate).isValid());
    EXPECT_EQ(fromQDate(QDate()), kNoDate);
    EXPECT_EQ(toQDate(composeDate(10, 31, 1959)), QDate(1959, 10, 31));
}

TEST(SingleInstance, ASecondCopyFindsTheFirstAndAsksItToShowItsFrame) {
    QTemporaryDir folder;
    SingleInstance first(QStringLiteral("MyApp"), folder.path());
    ASSERT_EQ(first.acquire(), SingleInstance::Result::Obtained);
    QSignalSpy shown(&first, &SingleInstance::showRequested);

    SingleInstance second(QStringLiteral("MyApp"), folder.path());
    EXPECT_EQ(second.acquire(), SingleInstance::Result::OtherCopyRuns);
    EXPECT_TRUE(second.askRunningCopyToShow());
    EXPECT_TRUE(shown.wait(2000));

    // Once the first copy has given the lock back, the next copy is the only one.
    first.release();
    SingleInstance third(QStringLiteral("MyApp"), folder.path());
    EXPECT_EQ(third.acquire(), SingleInstance::Result::Obtained);
    EXPECT_FALSE(second.askRunningCopyToShow() && shown.wait(200) && shown.size() > 1);
}

TEST(SingleInstance, ALockThatCannotBeCreatedFails) {
    SingleInstance nowhere(QStringLiteral("MyApp"), QStringLiteral("/proc/no-such-folder"));
    EXPECT_FALSE(nowhere.create());
    EXPECT_EQ(nowhere.acquire(), SingleInstance::Result::Failed);
}

}  // namespace
}  // namespace ntx
