// The help service and its window over the built help file "ntx.chm" (NATALIX_HELP_FILE).
#include "platform/qt/ChmHelpService.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>
#include <QTest>
#include <QTextBrowser>
#include <QTreeWidget>
#include <filesystem>

#include "platform/ScriptedServices.h"
#include "platform/qt/HelpViewer.h"
#include "support/TempFolder.h"

namespace ntx {
namespace {

// A folder holding a copy of the built help file, and the service over it.
struct HelpFixture {
    HelpFixture() { std::filesystem::copy_file(NATALIX_HELP_FILE, folder / "ntx.chm"); }

    template <typename T>
    T* find(const char* name) {
        return help.viewer() == nullptr ? nullptr
                                        : help.viewer()->findChild<T*>(QString::fromLatin1(name));
    }
    QString tab() {
        return find<QTabWidget>("navigation")
            ->tabText(find<QTabWidget>("navigation")->currentIndex());
    }

    test::TempFolder folder;
    RecordedMessages messages;
    RecordingShell shell;
    ChmHelpService help{messages, shell, folder.path()};
};

TEST(ChmHelpService, TopicsAndContentsOpenTheirPageInTheWindow) {
    struct Case {
        const char* topic;  // nullptr asks for the contents
        const char* page;
        const char* contentsLine;
    };
    const Case cases[] = {
        {"Birthdays", "/Birthdays.htm", "The birthday list"},
        {"Win_SelectMonth", "/Win_SelectMonth.htm", "Choosing the month of a report"},
        {nullptr, "/Welcome.htm", "Getting started"},
        {"Win_BackupData", "/Welcome.htm", "Getting started"},  // a window without a page
    };
    HelpFixture f;
    for (const Case& c : cases) {
        c.topic != nullptr ? f.help.showTopic(c.topic) : f.help.showContents();
        ASSERT_NE(f.help.viewer(), nullptr);
        EXPECT_TRUE(f.help.viewer()->isVisible());
        EXPECT_EQ(f.help.viewer()->currentPage(), c.page);
        EXPECT_EQ(f.tab(), "Contents");
        EXPECT_EQ(f.find<QTreeWidget>("contents")->currentItem()->text(0), c.contentsLine);
        EXPECT_TRUE(f.find<QTextBrowser>("page")->toPlainText().size() > 100) << c.page;
    }
    EXPECT_TRUE(f.messages.shown.empty());
}

TEST(ChmHelpService, AKeywordOpensItsPageInTheIndexOrGivesTheCallersNotFoundMessage) {
    HelpFixture f;
    f.help.lookUpKeyword("Backup", "Help Topic", "Not found");
    ASSERT_NE(f.help.viewer(), nullptr);
    EXPECT_EQ(f.help.viewer()->currentPage(), "/Backup.htm");
    EXPECT_EQ(f.tab(), "Index");
    EXPECT_EQ(f.find<QListWidget>("index")->currentItem()->text(), "Backup");

    struct Case {
        const char *title, *text;
    };
    for (const Case& c : {Case{"Help Topic", "Not Found"}, Case{"Help topic", "Not found"}}) {
        HelpFixture g;
        g.help.lookUpKeyword("Browse Birthday Cakes", c.title, c.text);
        ASSERT_EQ(g.messages.shown.size(), 1u);
        EXPECT_EQ(g.messages.shown[0].caption, c.title);
        EXPECT_EQ(g.messages.shown[0].text, c.text);
        EXPECT_EQ(g.help.viewer(), nullptr);  // no falling back to the index
    }
}

TEST(ChmHelpService, AMissingOrDamagedFileIsReportedUntilAGoodOneIsThere) {
    struct Case {
        const char* what;
        std::uintmax_t keep;  // bytes of the help file kept; 0 removes it
        const char* says;
    };
    const auto size = std::filesystem::file_size(NATALIX_HELP_FILE);
    for (const Case& c :
         {Case{"missing", 0, "was not found"}, Case{"cut short", size / 2, "is damaged"},
          Case{"one byte short", size - 1, "is damaged"}}) {
        HelpFixture f;
        if (c.keep == 0) {
            std::filesystem::remove(f.folder / "ntx.chm");
        } else {
            std::filesystem::resize_file(f.folder / "ntx.chm", c.keep);
        }
        f.help.showTopic("Birthdays");
        f.help.lookUpKeyword("Backup", "Help Topic", "Not found");
        ASSERT_EQ(f.messages.shown.size(), 2u) << c.what;
        for (const MessageRequest& m : f.messages.shown) {
            EXPECT_EQ(m.caption, "Help file...") << c.what;
            EXPECT_NE(m.text.find("\"ntx.chm\""), std::string::npos) << m.text;
            EXPECT_NE(m.text.find(f.folder.path().string()), std::string::npos) << m.text;
            EXPECT_NE(m.text.find(c.says), std::string::npos) << m.text;
        }
        EXPECT_EQ(f.help.viewer(), nullptr) << c.what;

        // Once the file is put right, help works without a restart.
        std::filesystem::copy_file(NATALIX_HELP_FILE, f.folder / "ntx.chm",
                                   std::filesystem::copy_options::overwrite_existing);
        f.help.showTopic("Birthdays");
        ASSERT_NE(f.help.viewer(), nullptr) << c.what;
        EXPECT_EQ(f.help.viewer()->currentPage(), "/Birthdays.htm");
        EXPECT_EQ(f.messages.shown.size(), 2u);
    }
}

// Links, anchors, pictures and history all work from inside the file; nothing outside it
// is read, and only web and mail links leave the window, through the shell.
TEST(HelpViewer, LinksPicturesAndHistoryStayInsideTheFile) {
    HelpFixture f;
    f.help.showContents();
    auto* page = f.find<QTextBrowser>("page");
    auto* back = f.find<QAction>("back");
    auto* forward = f.find<QAction>("forward");
    EXPECT_FALSE(back->isEnabled());

    const QImage picture =
        page->loadResource(QTextDocument::ImageResource, QUrl("natalix.png")).value<QImage>();
    QImage fromBytes;
    fromBytes.loadFromData(
        page->loadResource(QTextDocument::ImageResource, QUrl("natalix.png")).toByteArray());
    EXPECT_EQ(picture.isNull() ? fromBytes.size() : picture.size(), QSize(64, 64));
    EXPECT_TRUE(page->loadResource(QTextDocument::StyleSheetResource, QUrl("help.css"))
                    .toString()
                    .contains("h1"));
    EXPECT_FALSE(
        page->loadResource(QTextDocument::HtmlResource, QUrl("file:///etc/hostname")).isValid());
    EXPECT_FALSE(page->loadResource(QTextDocument::HtmlResource, QUrl("NoSuchPage.htm")).isValid());

    emit page->anchorClicked(QUrl("Birthdays.htm"));
    EXPECT_EQ(f.help.viewer()->currentPage(), "/Birthdays.htm");
    EXPECT_EQ(f.find<QTreeWidget>("contents")->currentItem()->text(0), "The birthday list");
    emit page->anchorClicked(QUrl("Keys.htm#lists"));
    EXPECT_EQ(f.help.viewer()->currentPage(), "/Keys.htm#lists");
    EXPECT_TRUE(back->isEnabled());

    back->trigger();
    EXPECT_EQ(f.help.viewer()->currentPage(), "/Birthdays.htm");
    back->trigger();
    EXPECT_EQ(f.help.viewer()->currentPage(), "/Welcome.htm");
    EXPECT_TRUE(forward->isEnabled());
    forward->trigger();
    EXPECT_EQ(f.help.viewer()->currentPage(), "/Birthdays.htm");

    for (const char* outside : {"https://example.org/", "mailto:someone@example.org",
                                "file:///etc/hostname", "javascript:alert(1)"}) {
        emit page->anchorClicked(QUrl(outside));
        EXPECT_EQ(f.help.viewer()->currentPage(), "/Birthdays.htm") << outside;
    }
    EXPECT_EQ(f.shell.opened,
              (std::vector<std::string>{"https://example.org/", "mailto:someone@example.org"}));
}

TEST(HelpViewer, TheIndexFindsAKeywordAsItIsTypedAndShowsItsPage) {
    HelpFixture f;
    f.help.showContents();
    auto* search = f.find<QLineEdit>("indexSearch");
    QTest::keyClicks(search, "zod");
    EXPECT_EQ(f.find<QListWidget>("index")->currentItem()->text(), "Zodiac sign");
    QTest::keyClick(search, Qt::Key_Return);
    EXPECT_EQ(f.help.viewer()->currentPage(), "/UpdateBirthdays.htm#details");
    search->clear();
    QTest::keyClicks(search, "tour b");
    QTest::keyClick(search, Qt::Key_Return);
    EXPECT_EQ(f.help.viewer()->currentPage(), "/TourBrowseBirthdays.htm");
}

}  // namespace
}  // namespace ntx
