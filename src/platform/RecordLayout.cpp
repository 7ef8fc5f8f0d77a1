#include "platform/RecordLayout.h"

#include <cctype>

namespace ntx {

bool sameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i]))) {
            return false;
        }
    }
    return true;
}

namespace {

// Strips "PRE:" from a name when it carries this file's prefix.
std::string_view withoutPrefix(std::string_view name, std::string_view prefix) {
    const auto colon = name.find(':');
    if (colon == std::string_view::npos) return name;
    if (!sameName(name.substr(0, colon), prefix)) return {};
    return name.substr(colon + 1);
}

}  // namespace

int FileDef::fieldIndex(std::string_view name) const {
    const auto bare = withoutPrefix(name, prefix);
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (sameName(fields[i].name, bare)) return static_cast<int>(i);
    }
    return -1;
}

bool FileDef::isMemoName(std::string_view name) const {
    return sameName(withoutPrefix(name, prefix), memoName);
}

int FileDef::keyIndex(std::string_view name) const {
    const auto bare = withoutPrefix(name, prefix);
    for (std::size_t i = 0; i < keys.size(); ++i) {
        if (sameName(keys[i].name, bare)) return static_cast<int>(i);
    }
    return -1;
}

std::string FileDef::qualifiedName(int field) const {
    return std::string(prefix) + ":" + std::string(fields[field].name);
}

int storageSize(FieldType type, int declaredSize, int digits) {
    switch (type) {
        case FieldType::String:
        case FieldType::CString:
            return declaredSize;
        case FieldType::Byte:
            return 1;
        case FieldType::Short:
            return 2;
        case FieldType::Long:
        case FieldType::DateValue:
        case FieldType::TimeValue:
            return 4;
        case FieldType::Decimal:
            return digits / 2 + 1;  // packed: two digits a byte plus sign
    }
    return 0;
}

}  // namespace ntx
