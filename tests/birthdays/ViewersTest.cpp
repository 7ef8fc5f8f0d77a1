#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include "birthdays/Win_ViewImages.h"
#include "birthdays/Win_ViewNotes.h"
#include "data/BirthdayFile.h"
#include "data/Globals.h"
#include "platform/qt/DialogUnits.h"
#include "support/FrameFixture.h"

namespace ntx {
namespace {

using test::FrameFixture;
using ::testing::Contains;

// A frame with a child window standing for the list that calls the viewers.
struct ViewerFixture : FrameFixture {
    ViewerFixture() {
        Main& main = openFrame();
        list = new QWidget;
        main.addChildWindow(list)->show();
        QApplication::processEvents();
    }
    ~ViewerFixture() {
        globals().shownPhotoPath.clear();
        globals().shownPhotoName.clear();
        globals().photoViewerThread = 0;
    }

    QDialog* viewer(const char* name) const { return list->findChild<QDialog*>(name); }

    // Closes `dialog` with its close box and lets the event loop finish it.
    static void closeBox(QDialog* dialog) {
        QPointer<QDialog> alive(dialog);
        dialog->close();
        QApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(alive.isNull());
    }

    QWidget* list = nullptr;
    int done = 0;
};

std::string photo(const ViewerFixture& f, int width, int height) {
    const std::string path = (f.folder / "photo.bmp").string();
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::darkGreen);
    EXPECT_TRUE(image.save(QString::fromStdString(path), "BMP"));
    return path;
}

TEST(Win_ViewImages, FitsThePictureOnOpeningAndEveryResize) {
    ViewerFixture f;
    globals().shownPhotoPath = photo(f, 400, 200);
    globals().shownPhotoName = "Ann Smith   ";
    Win_ViewImages::run(f.app, f.first, f.list, [&f] { ++f.done; });
    QDialog* viewer = f.viewer("Win_ViewImages");
    ASSERT_NE(viewer, nullptr);
    EXPECT_EQ(viewer->windowTitle(), "Ann Smith");
    EXPECT_EQ(viewer->windowModality(), Qt::WindowModal);
    EXPECT_EQ(globals().photoViewerThread, f.first.number());
    EXPECT_EQ(f.first.errors().procedure(), "Win_ViewImages");
    QTest::keyClick(viewer, Qt::Key_F1);
    EXPECT_THAT(f.ui.help.asked, Contains("topic:Win_Photo1"));

    auto* region = viewer->findChild<QWidget*>("REGION1");
    auto* image = viewer->findChild<QLabel*>("IMAGE1");
    ASSERT_TRUE(region && image);
    ASSERT_FALSE(image->pixmap().isNull());
    // At the designed size the area is 187 x 213 units: the picture as wide as the area and
    // half as high on the screen.
    const DialogUnits du(viewer->font());
    EXPECT_NEAR(du.fromPixelsX(region->width()), 187, 1);
    EXPECT_NEAR(du.fromPixelsY(region->height()), 213, 1);
    EXPECT_EQ(image->width(), region->width());
    EXPECT_NEAR(image->height(), region->width() / 2.0, 1);

    for (const QSize factor : {QSize(1, 3), QSize(4, 1), QSize(3, 3)}) {
        SCOPED_TRACE(factor.width() * 10 + factor.height());
        viewer->resize(viewer->width() * factor.width() / 2,
                       viewer->height() * factor.height() / 2);
        QApplication::processEvents();
        const QSize area = region->size();
        const QSize shown = image->size();
        // Filling the area along one side, keeping 2:1, inside the area.
        EXPECT_TRUE(shown.width() == area.width() || shown.height() == area.height());
        EXPECT_NEAR(shown.width(), 2 * shown.height(), 2);
        EXPECT_LE(shown.width(), area.width());
        EXPECT_LE(shown.height(), area.height());
        EXPECT_EQ(image->pixmap().deviceIndependentSize().toSize(), shown);
    }

    ViewerFixture::closeBox(viewer);
    EXPECT_EQ(f.done, 1);
    EXPECT_EQ(globals().shownPhotoPath, "");
    EXPECT_EQ(globals().shownPhotoName, "");
    EXPECT_EQ(globals().photoViewerThread, 0);
    EXPECT_EQ(f.first.responseCode, RequestCancelled);
    EXPECT_NE(f.first.errors().procedure(), "Win_ViewImages");
    EXPECT_TRUE(f.settings.fetchValue("Win_ViewImages", "Width").has_value());
}

TEST(Win_ViewImages, OneViewerAtATime) {
    ViewerFixture f;
    const std::string path = photo(f, 100, 300);
    globals().shownPhotoPath = path;
    globals().shownPhotoName = "Ann";
    Win_ViewImages::run(f.app, f.first, f.list, [&f] { ++f.done; });
    QDialog* first = f.viewer("Win_ViewImages");
    ASSERT_NE(first, nullptr);

    // A second request, from another thread, only brings the open viewer forward.
    ThreadContext& other = f.threads.start();
    QWidget otherList;
    int otherDone = 0;
    globals().shownPhotoPath = (f.folder / "someone-else.bmp").string();
    globals().shownPhotoName = "Bob";
    Win_ViewImages::run(f.app, other, &otherList, [&otherDone] { ++otherDone; });
    EXPECT_EQ(otherList.findChild<QDialog*>("Win_ViewImages"), nullptr);
    EXPECT_EQ(otherDone, 0);  // not from inside the call
    QApplication::processEvents();
    EXPECT_EQ(otherDone, 1);
    EXPECT_EQ(globals().photoViewerThread, f.first.number());
    // The open viewer keeps its own person and picture.
    EXPECT_EQ(first->windowTitle(), "Ann");
    first->resize(first->width() + 40, first->height());
    QApplication::processEvents();
    EXPECT_FALSE(first->findChild<QLabel*>("IMAGE1")->pixmap().isNull());

    // The hidden Close button ends it; then a new viewer may open.
    auto* close = first->findChild<QPushButton*>("CLOSE");
    ASSERT_NE(close, nullptr);
    EXPECT_TRUE(close->isHidden());
    close->click();
    QApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(f.done, 1);
    EXPECT_EQ(globals().photoViewerThread, 0);
    EXPECT_EQ(globals().shownPhotoPath, "");

    globals().shownPhotoPath = path;
    Win_ViewImages::run(f.app, other, &otherList, [&otherDone] { ++otherDone; });
    QDialog* again = otherList.findChild<QDialog*>("Win_ViewImages");
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(globals().photoViewerThread, other.number());
    ViewerFixture::closeBox(again);
    EXPECT_EQ(otherDone, 2);
}

TEST(Win_ViewImages, AMissingPictureShowsNothingAndSaysNothing) {
    ViewerFixture f;
    globals().shownPhotoPath = (f.folder / "gone.jpg").string();
    globals().shownPhotoName = "Ann";
    Win_ViewImages::run(f.app, f.first, f.list, [&f] { ++f.done; });
    QDialog* viewer = f.viewer("Win_ViewImages");
    ASSERT_NE(viewer, nullptr);
    auto* image = viewer->findChild<QLabel*>("IMAGE1");
    EXPECT_TRUE(image->pixmap().isNull());
    EXPECT_TRUE(f.ui.messages.shown.empty());
    ViewerFixture::closeBox(viewer);
    EXPECT_EQ(f.done, 1);
}

TEST(Win_ViewImages, GoingWithItsOwnerLeavesNoViewerBehind) {
    ViewerFixture f;
    auto* owner = new QWidget;
    globals().shownPhotoPath = photo(f, 40, 20);
    globals().shownPhotoName = "Ann";
    Win_ViewImages::run(f.app, f.first, owner, [&f] { ++f.done; });
    ASSERT_NE(owner->findChild<QDialog*>("Win_ViewImages"), nullptr);
    delete owner;
    EXPECT_EQ(globals().photoViewerThread, 0);
    EXPECT_EQ(globals().shownPhotoPath, "");
    EXPECT_EQ(f.done, 0);  // its caller is gone
    EXPECT_NE(f.first.errors().procedure(), "Win_ViewImages");

    Win_ViewImages::run(f.app, f.first, f.list, [&f] { ++f.done; });
    EXPECT_NE(f.viewer("Win_ViewImages"), nullptr);
}

struct PrintHook {
    explicit PrintHook(Win_ViewNotes::PrintPersonPage print) {
        Win_ViewNotes::setPrintPersonPage(std::move(print));
    }
    ~PrintHook() { Win_ViewNotes::setPrintPersonPage({}); }
};

TEST(Win_ViewNotes, ShowsTheNotesPrintsThePersonAndChangesNothing) {
    ViewerFixture f;
    RecordBuffer& person = f.first.files().birthdays().buffer();
    person.clear();
    person.setText(bir::CLIPNAME2, "Ann Smith");
    person.setMemo("Likes tulips.\r\nAllergic to cats.");
    person.setText(bir::PHOTOIMAGEPATH, "Images/Ann.jpg");
    Win_ViewNotes::run(f.app, f.first, f.list, [&f] { ++f.done; });
    QDialog* viewer = f.viewer("Win_ViewNotes");
    ASSERT_NE(viewer, nullptr);
    EXPECT_EQ(viewer->windowTitle(), "Ann Smith");
    EXPECT_EQ(viewer->windowModality(), Qt::WindowModal);
    EXPECT_TRUE(f.first.files().birthdays().isOpen());
    auto* notes = viewer->findChild<QPlainTextEdit*>("BIR:NOTESBIG");
    ASSERT_NE(notes, nullptr);
    EXPECT_EQ(notes->toPlainText(), "Likes tulips.\nAllergic to cats.");
    QTest::keyClick(notes, Qt::Key_F1);
    EXPECT_THAT(f.ui.help.asked, Contains("topic:Win_ViewNotes"));

    auto* print = viewer->findChild<QPushButton*>("PRINT");
    auto* close = viewer->findChild<QPushButton*>("CLOSE");
    ASSERT_TRUE(print && close);
    EXPECT_EQ(print->text(), "");
    EXPECT_FALSE(print->icon().isNull());
    EXPECT_EQ(print->toolTip(), "Print all this persons details.");
    EXPECT_EQ(close->text(), "Close");

    // Without the report the button only sets the shown photo path.
    print->click();
    EXPECT_EQ(globals().shownPhotoPath, "Images/Ann.jpg");

    std::vector<std::string> printed;
    const PrintHook hook([&printed](AppContext&, ThreadContext& thread, QWidget*) {
        printed.push_back(thread.files().birthdays().buffer().memo());
    });
    notes->setPlainText("Typed, not saved.");
    print->click();
    EXPECT_EQ(printed, std::vector<std::string>{"Typed, not saved."});

    close->click();
    QApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(f.viewer("Win_ViewNotes"), nullptr);
    EXPECT_EQ(f.done, 1);
    EXPECT_EQ(person.memo(), "Likes tulips.\r\nAllergic to cats.");
    EXPECT_FALSE(f.first.files().birthdays().isOpen());
    EXPECT_EQ(f.first.responseCode, RequestCancelled);
    EXPECT_TRUE(f.settings.fetchValue("Win_ViewNotes", "Height").has_value());
}

}  // namespace
}  // namespace ntx
