#include "shell/AboutProgram.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <fstream>

#include "platform/qt/FocusColouring.h"
#include "support/FrameFixture.h"

namespace ntx {
namespace {

using test::FrameFixture;

TEST(AboutProgram, ShowsNameVersionAndLinkAndClosesWithClose) {
    FrameFixture f;
    Main& frame = f.openFrame();
    const auto threadsBefore = f.threads.size();
    QPointer<AboutProgram> about = AboutProgram::start(f.app, &frame);
    EXPECT_EQ(about->windowTitle(), "About...");
    EXPECT_EQ(f.threads.size(), threadsBefore + 1);  // a thread of its own
    EXPECT_EQ(about->findChild<QLabel*>("STRING7")->text(), "Version 1.08");
    EXPECT_EQ(about->findChild<QLabel*>("STRING11:2")->text(), "Natalix");
    EXPECT_EQ(about->findChild<QLabel*>("STRING11:3")->text(), "Natalix");
    about->findChild<QPushButton*>("INTERNETLINK")->click();
    ASSERT_EQ(f.ui.shell.opened.size(), 1u);
    EXPECT_EQ(f.ui.shell.opened[0],
              about->findChild<QPushButton*>("INTERNETLINK")->text().toStdString());
    about->findChild<QPushButton*>("CLOSE")->click();
    QTest::qWait(20);
    EXPECT_TRUE(about.isNull());
    EXPECT_EQ(f.threads.size(), threadsBefore);
    EXPECT_TRUE(f.settings.fetchValue("AboutProgram", "Maximize").has_value());
    EXPECT_FALSE(f.settings.fetchValue("AboutProgram", "Width").has_value());  // not resizable
}

TEST(AboutProgram, TheLicenceTextOrAMessageWhenItIsMissing) {
    FrameFixture f;
    Main& frame = f.openFrame();
    QPointer<AboutProgram> about = AboutProgram::start(f.app, &frame);
    about->findChild<QPushButton*>("BUTTON2")->click();
    ASSERT_EQ(f.ui.messages.shown.size(), 1u);
    EXPECT_NE(f.ui.messages.shown[0].text.find("viewlic.txt"), std::string::npos);

    std::ofstream(f.folder / "viewlic.txt") << "You may use this program freely.\n";
    QString shownText;
    QTimer::singleShot(50, [&shownText] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->objectName() == "ViewLicence" && w->isVisible()) {
                shownText = w->findChild<QPlainTextEdit*>()->toPlainText();
                EXPECT_TRUE(w->findChild<QPlainTextEdit*>()->isReadOnly());
                static_cast<QDialog*>(w)->reject();
            }
        }
    });
    about->findChild<QPushButton*>("BUTTON2")->click();
    EXPECT_EQ(shownText, "You may use this program freely.\n");
    if (about) about->close();
}

TEST(FocusColouring, TheFocusedEntryIsYellowAndGetsItsOwnColourBack) {
    FocusColouring colouring;
    QWidget window;
    auto* first = new QLineEdit(&window);
    auto* second = new QLineEdit(&window);
    second->move(0, 40);
    QPalette own = second->palette();
    own.setColor(QPalette::Base, Qt::cyan);
    second->setPalette(own);
    window.show();
    QApplication::setActiveWindow(&window);
    first->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(first->palette().color(QPalette::Base), kFocusFill);
    second->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(second->palette().color(QPalette::Base), kFocusFill);
    EXPECT_NE(first->palette().color(QPalette::Base), kFocusFill);
    first->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(second->palette().color(QPalette::Base), QColor(Qt::cyan));
}

}  // namespace
}  // namespace ntx
