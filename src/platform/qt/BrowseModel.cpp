#include "platform/qt/BrowseModel.h"

#include <algorithm>

#include "platform/Pictures.h"

namespace ntx {
namespace {

Qt::Alignment toQt(ColumnAlignment a) {
    switch (a) {
        case ColumnAlignment::Centre:
            return Qt::AlignHCenter | Qt::AlignVCenter;
        case ColumnAlignment::Right:
            return Qt::AlignRight | Qt::AlignVCenter;
        case ColumnAlignment::Left:
            break;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

Picture pictureOf(const std::string& written) {
    std::string_view s = written;
    if (s.size() > 1 && s.back() == '@') s.remove_suffix(1);
    return parsePicture(s).value_or(Picture{});
}

}  // namespace

BrowseModel::BrowseModel(FileAccessManager& file, LocaleConventions locale, QObject* parent)
    : QAbstractTableModel(parent), file_(file), locale_(std::move(locale)) {}

void BrowseModel::setColumns(std::vector<BrowseColumn> columns) {
    beginResetModel();
    columns_ = std::move(columns);
    pictures_.clear();
    for (const auto& c : columns_) pictures_.push_back(pictureOf(c.format.picture));
    endResetModel();
}

std::int64_t BrowseModel::reload(const ViewOptions& options) {
    auto view = std::make_unique<View>(file_, options);
    const std::int64_t n = view->count();
    if (n < 0) return -1;
    beginResetModel();
    view_ = std::move(view);
    count_ = n;
    pages_.clear();
    recent_.clear();
    endResetModel();
    return n;
}

int BrowseModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(std::min<std::int64_t>(count_, INT32_MAX));
}

int BrowseModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

std::optional<std::vector<ViewRow>> BrowseModel::fetchPage(int index) {
    // Next to a page already read, the page is read on from there through the key, which
    // is as fast at the end of the file as at its start; otherwise it is counted off.
    if (auto before = pages_.find(index - 1); before != pages_.end() && !before->second.empty()) {
        const ViewRow& last = before->second.back();
        const KeyPosition from{last.values, last.rowid};
        return view_->readRows(&from, false, kPageRows);
    }
    if (auto after = pages_.find(index + 1); after != pages_.end() && !after->second.empty()) {
        const ViewRow& first = after->second.front();
        const KeyPosition from{first.values, first.rowid};
        auto rows = view_->readRows(&from, true, kPageRows);
        if (rows) std::reverse(rows->begin(), rows->end());
        return rows;
    }
    return view_->readRowsAt(static_cast<std::int64_t>(index) * kPageRows, kPageRows);
}

const std::vector<ViewRow>* BrowseModel::page(int index) {
    if (!view_) return nullptr;
    if (auto it = pages_.find(index); it != pages_.end()) {
        recent_.remove(index);
        recent_.push_front(index);
        return &it->second;
    }
    auto rows = fetchPage(index);
    if (!rows) return nullptr;
    while (pages_.size() >= kMaxPages && !recent_.empty()) {
        pages_.erase(recent_.back());
        recent_.pop_back();
    }
    recent_.push_front(index);
    return &(pages_[index] = std::move(*rows));
}

const ViewRow* BrowseModel::rowAt(int row) {
    if (row < 0 || row >= count_) return nullptr;
    const auto* rows = page(row / kPageRows);
    const auto offset = static_cast<std::size_t>(row % kPageRows);
    return rows != nullptr && offset < rows->size() ? &(*rows)[offset] : nullptr;
}

int BrowseModel::rowOf(const KeyPosition& at) {
    if (!view_) return -1;
    const std::int64_t before = view_->countBefore(at);
    return before < 0 ? -1 : static_cast<int>(std::min<std::int64_t>(before, INT32_MAX));
}

QVariant BrowseModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const auto column = static_cast<std::size_t>(index.column());
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(toQt(columns_[column].format.dataAlignment));
    if (role != Qt::DisplayRole && role != Qt::ForegroundRole) return {};
    // Reading a page is not a change of the model's state as seen from outside.
    const ViewRow* row = const_cast<BrowseModel*>(this)->rowAt(index.row());
    if (row == nullptr) return {};
    if (role == Qt::ForegroundRole) {
        const QColor colour = rowColour_ ? rowColour_(row->values) : QColor();
        return colour.isValid() ? QVariant(colour) : QVariant();
    }
    const FieldValue& value = row->values.fields[static_cast<std::size_t>(columns_[column].field)];
    return QString::fromStdString(formatValue(pictures_[column], value, locale_));
}

QVariant BrowseModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 ||
        section >= static_cast<int>(columns_.size())) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    const auto& f = columns_[static_cast<std::size_t>(section)].format;
    if (role == Qt::DisplayRole) return QString::fromStdString(f.heading);
    if (role == Qt::TextAlignmentRole) return QVariant::fromValue(toQt(f.headingAlignment));
    return {};
}

}  // namespace ntx
