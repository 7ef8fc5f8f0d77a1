#include "platform/ListFormat.h"

#include <cctype>

namespace ntx {
namespace {

class ColumnReader {
  public:
    explicit ColumnReader(std::string_view s) : s_(s) {}

    bool atEnd() const { return pos_ >= s_.size(); }

    std::optional<ListColumnFormat> read() {
        ListColumnFormat c;
        if (!number(c.width)) return std::nullopt;
        const std::size_t restStart = pos_;
        if (!alignment(c.dataAlignment, c.dataIndent)) return std::nullopt;
        c.headingAlignment = c.dataAlignment;
        c.headingIndent = c.dataIndent;
        for (; pos_ < s_.size() && s_[pos_] != '~' && s_[pos_] != '@'; ++pos_) {
            if (s_[pos_] == '|') c.rightBorder = true;
            if (s_[pos_] == 'M') c.resizable = true;
            if (s_[pos_] == '*') c.rowColours = true;
        }
        if (pos_ < s_.size() && s_[pos_] == '~') {
            const auto end = s_.find('~', pos_ + 1);
            if (end == std::string_view::npos) return std::nullopt;
            c.heading = std::string(s_.substr(pos_ + 1, end - pos_ - 1));
            pos_ = end + 1;
            if (pos_ < s_.size() && s_[pos_] != '@' &&
                !alignment(c.headingAlignment, c.headingIndent)) {
                return std::nullopt;
            }
        }
        if (pos_ >= s_.size() || s_[pos_] != '@') return std::nullopt;
        const auto end = s_.find('@', pos_ + 1);
        if (end == std::string_view::npos) return std::nullopt;
        c.picture = std::string(s_.substr(pos_, end - pos_ + 1));
        pos_ = end + 1;
        c.rest = std::string(s_.substr(restStart, pos_ - restStart));
        return c;
    }

  private:
    bool number(int& value) {
        const std::size_t start = pos_;
        value = 0;
        while (pos_ < s_.size() && std::isdigit(static_cast<unsigned char>(s_[pos_]))) {
            value = value * 10 + (s_[pos_++] - '0');
        }
        return pos_ > start;
    }

    bool alignment(ColumnAlignment& a, int& indent) {
        if (pos_ >= s_.size()) return false;
        switch (s_[pos_]) {
            case 'L':
                a = ColumnAlignment::Left;
                break;
            case 'C':
                a = ColumnAlignment::Centre;
                break;
            case 'R':
                a = ColumnAlignment::Right;
                break;
            default:
                return false;
        }
        ++pos_;
        indent = 0;
        if (pos_ < s_.size() && s_[pos_] == '(') {
            ++pos_;
            const bool negative = pos_ < s_.size() && s_[pos_] == '-';
            if (negative) ++pos_;
            if (!number(indent) || pos_ >= s_.size() || s_[pos_] != ')') return false;
            ++pos_;
            if (negative) indent = -indent;
        }
        return true;
    }

    std::string_view s_;
    std::size_t pos_ = 0;
};

}  // namespace

std::optional<std::vector<ListColumnFormat>> parseListFormat(std::string_view format) {
    std::vector<ListColumnFormat> columns;
    ColumnReader reader(format);
    while (!reader.atEnd()) {
        auto column = reader.read();
        if (!column) return std::nullopt;
        columns.push_back(std::move(*column));
    }
    if (columns.empty()) return std::nullopt;
    return columns;
}

std::string writeListFormat(const std::vector<ListColumnFormat>& columns) {
    std::string out;
    for (const auto& c : columns) out += std::to_string(c.width) + c.rest;
    return out;
}

}  // namespace ntx
