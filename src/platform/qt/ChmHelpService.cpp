#include "platform/qt/ChmHelpService.h"

#include "platform/qt/HelpViewer.h"

namespace ntx {

ChmHelpService::ChmHelpService(MessageService& messages, Shell& shell, std::filesystem::path folder)
    : messages_(messages), shell_(shell), folder_(std::move(folder)) {}

ChmHelpService::~ChmHelpService() = default;

const ChmFile* ChmHelpService::file() {
    if (file_) return file_.get();
    ChmFile::Opened opened = ChmFile::open(folder_ / kHelpFileName);
    if (opened.file) {
        file_ = std::move(opened.file);
        return file_.get();
    }
    const std::string where = "The help file \"" + std::string(kHelpFileName) +
                              "\" in the folder|" + folder_.string() + "|";
    std::string text;
    switch (opened.problem) {
        case ChmFile::Problem::Missing:
            text = "The help file \"" + std::string(kHelpFileName) +
                   "\" was not found in the folder|" + folder_.string() +
                   "||Help can be shown again once the file is put back there.";
            break;
        case ChmFile::Problem::Unreadable:
            text = where + "cannot be read (" + opened.detail + ").";
            break;
        case ChmFile::Problem::Damaged:
        case ChmFile::Problem::None:
            text = where + "is damaged and cannot be shown (" + opened.detail +
                   ").||Replace it with a good copy of the file.";
            break;
    }
    messages_.show({"Help file...", text, MessageIcon::Exclamation});
    return nullptr;
}

HelpViewer& ChmHelpService::window() {
    if (!viewer_) viewer_ = std::make_unique<HelpViewer>(*file_, shell_);
    return *viewer_;
}

void ChmHelpService::showContents() {
    if (file() == nullptr) return;
    window().showContents();
}

void ChmHelpService::showTopic(const std::string& topic) {
    const ChmFile* help = file();
    if (help == nullptr) return;
    if (const auto page = help->topicPage(topic)) {
        window().showPage(*page);
    } else {
        window().showContents();
    }
}

void ChmHelpService::lookUpKeyword(const std::string& keyword, const std::string& notFoundTitle,
                                   const std::string& notFoundText) {
    const ChmFile* help = file();
    if (help == nullptr) return;
    if (const auto page = help->keywordPage(keyword)) {
        window().showKeyword(keyword, *page);
    } else {
        messages_.show({notFoundTitle, notFoundText, MessageIcon::Information});
    }
}

}  // namespace ntx
