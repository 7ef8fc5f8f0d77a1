#pragma once
// The rows of a browse list: a table model over a view of a record file that reads only
// the pages of rows the list shows (a list over a hundred thousand people opens and
// scrolls without loading them all). Each row is formatted through its column's picture
// and coloured by the list's row colour rule.

#include <QAbstractTableModel>
#include <QColor>
#include <cstdint>
#include <functional>
#include <list>
#include <map>
#include <optional>
#include <vector>

#include "platform/ListFormat.h"
#include "platform/LocaleConventions.h"
#include "platform/Picture.h"
#include "platform/View.h"

namespace ntx {

struct BrowseColumn {
    int field;                // the record field the column shows
    ListColumnFormat format;  // heading, alignment, picture, width
};

class BrowseModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    BrowseModel(FileAccessManager& file, LocaleConventions locale, QObject* parent = nullptr);

    void setColumns(std::vector<BrowseColumn> columns);
    [[nodiscard]] const std::vector<BrowseColumn>& columns() const { return columns_; }
    // The text colour of a row; an invalid colour keeps the list's default.
    void setRowColour(std::function<QColor(const RecordValues&)> rule) {
        rowColour_ = std::move(rule);
    }

    // Switches to a view (order, filter) and reloads: counts the records and forgets the
    // rows read so far. Returns the count, or -1 when the file could not be read (the
    // previous rows and count then stay).
    std::int64_t reload(const ViewOptions& options);
    [[nodiscard]] std::int64_t count() const { return count_; }

    // The row's record, read with its page when needed; null past the end or on an error.
    [[nodiscard]] const ViewRow* rowAt(int row);
    // The row of the record at `at` (rowid set) or of the first record at or after its key
    // values (rowid 0); -1 on an error.
    [[nodiscard]] int rowOf(const KeyPosition& at);

    [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] int columnCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation,
                                      int role) const override;

    // Rows held in memory at most (a few pages), whatever the size of the file.
    static constexpr int kPageRows = 64;
    static constexpr std::size_t kMaxPages = 12;

  private:
    const std::vector<ViewRow>* page(int index);
    std::optional<std::vector<ViewRow>> fetchPage(int index);

    FileAccessManager& file_;
    LocaleConventions locale_;
    std::vector<BrowseColumn> columns_;
    std::vector<Picture> pictures_;
    std::function<QColor(const RecordValues&)> rowColour_;
    std::unique_ptr<View> view_;
    std::int64_t count_ = 0;
    std::map<int, std::vector<ViewRow>> pages_;
    std::list<int> recent_;  // page numbers, most recently used first
};

}  // namespace ntx
