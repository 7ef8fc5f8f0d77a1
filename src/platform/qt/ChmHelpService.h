#pragma once
// The help service of the desktop: the help file "ntx.chm" shown in the help window.
//
// The file is looked for in the folder given (the program's current folder) when help is
// first asked for, and read once; until it has been read, every request looks again, so a
// file put back while the program runs is found. A missing, unreadable or damaged file gives
// a message box that says so, and no window. A keyword that no index entry has gives the
// caller's not-found message, and no window.

#include <filesystem>
#include <memory>
#include <string>

#include "platform/ChmFile.h"
#include "platform/UiServices.h"

namespace ntx {

class HelpViewer;

class ChmHelpService : public HelpService {
  public:
    ChmHelpService(MessageService& messages, Shell& shell, std::filesystem::path folder);
    ~ChmHelpService() override;
    ChmHelpService(const ChmHelpService&) = delete;
    ChmHelpService& operator=(const ChmHelpService&) = delete;

    void showContents() override;
    // A topic the file has no page for shows the contents.
    void showTopic(const std::string& topic) override;
    void lookUpKeyword(const std::string& keyword, const std::string& notFoundTitle,
                       const std::string& notFoundText) override;

    // The help window, once a request has opened it.
    [[nodiscard]] HelpViewer* viewer() const { return viewer_.get(); }

  private:
    // The help file, read now if need be; nullptr after the user has been told why not.
    const ChmFile* file();
    HelpViewer& window();

    MessageService& messages_;
    Shell& shell_;
    std::filesystem::path folder_;
    std::unique_ptr<ChmFile> file_;
    std::unique_ptr<HelpViewer> viewer_;  // after file_: the window reads the file
};

}  // namespace ntx
