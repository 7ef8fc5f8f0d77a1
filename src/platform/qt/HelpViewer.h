#pragma once
// The help window: the table of contents and the keyword index of the help file on the
// left, the page on the right. Pages, pictures and style sheets load from inside the help
// file, and links between pages, anchors, Back and Forward work as in a web browser. Links
// to web pages and mail addresses are handed to the desktop through the Shell; nothing else
// is ever read from outside the help file.
//
// Controls by objectName: "navigation" (the tabs), "contents" (tree), "indexSearch" (the
// box that finds a keyword as it is typed), "index" (list), "indexDisplay" (button), "page"
// (the page), and the actions "back", "forward" and "home".

#include <QHash>
#include <QWidget>
#include <string>

class QAction;
class QLineEdit;
class QListWidget;
class QTabWidget;
class QTextBrowser;
class QTreeWidget;
class QTreeWidgetItem;
class QUrl;

namespace ntx {

class ChmFile;
class Shell;

class HelpViewer : public QWidget {
    Q_OBJECT
  public:
    // `file` and `shell` must outlive the window, which is a window of its own (no parent).
    HelpViewer(const ChmFile& file, Shell& shell);

    // The table of contents, with the file's default page.
    void showContents();
    // A page as ChmFile gives it ("/Page.htm#anchor"), with the contents at its line.
    void showPage(const std::string& page);
    // The index at `keyword`, with its page.
    void showKeyword(const std::string& keyword, const std::string& page);

    // The page shown, "/Page.htm" with its "#anchor" if any; empty before the first.
    [[nodiscard]] std::string currentPage() const;

  private:
    void build();
    void fillContents();
    void fillIndex();
    void open(const QUrl& url);
    void followLink(const QUrl& link);
    void findKeyword(const QString& typed);
    void displayChosenKeyword();
    void markContentsLine(const QUrl& url);
    void bringToFront();

    const ChmFile& file_;
    Shell& shell_;
    QTabWidget* navigation_ = nullptr;
    QTreeWidget* contents_ = nullptr;
    QLineEdit* indexSearch_ = nullptr;
    QListWidget* index_ = nullptr;
    QTextBrowser* page_ = nullptr;
    QAction* back_ = nullptr;
    QAction* forward_ = nullptr;
    QHash<QString, QTreeWidgetItem*> contentsLines_;  // lower-case page path -> first line
};

}  // namespace ntx
