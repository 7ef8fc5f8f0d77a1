#include "platform/ListLayout.h"

#include "platform/Text.h"

namespace ntx {

std::string ListLayoutKeys::savedKey() const {
    return "SRCF" + std::string(control);
}

std::string ListLayoutKeys::designedKey() const {
    return "SRCFOriginal" + std::string(control);
}

std::string openListLayout(SettingsStore& settings, const ListLayoutKeys& list,
                           std::string_view designed) {
    const auto savedAgainst = settings.fetchValue(list.section, list.designedKey());
    if (savedAgainst && *savedAgainst == designed && !isBlank(designed) &&
        designed.find('@') != std::string_view::npos) {
        const auto saved = settings.fetchValue(list.section, list.savedKey());
        return saved && !isBlank(*saved) ? *saved : std::string(designed);
    }
    const std::string s(list.section);
    const SettingChange reset[] = {{s, list.designedKey(), std::string(designed)},
                                   {s, list.savedKey(), std::string(designed)}};
    settings.apply(reset);
    return std::string(designed);
}

bool saveListLayout(SettingsStore& settings, const ListLayoutKeys& list, std::string_view current) {
    return settings.updateValue(list.section, list.savedKey(), current);
}

}  // namespace ntx
