#pragma once
// A browse list: the table of rows of a view with its record navigation buttons, the
// sort orders (key, filter and one-character locator), the column format string with the
// widths the user leaves, and the highlighted row loaded into the file's record buffer.

#include <QHBoxLayout>
#include <QTableView>
#include <QWidget>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/qt/BrowseModel.h"

namespace ntx {

struct SortOrder {
    int key = -1;           // -1: the file's physical order
    std::string filter;     // empty: every record of the key
    int locatorField = -1;  // typing a character moves to the first row at or after it
};

class BrowseList : public QWidget {
    Q_OBJECT
  public:
    // `tableName` is the list control's name ("Browse:2").
    BrowseList(FileAccessManager& file, const QString& tableName, QWidget* parent = nullptr);

    [[nodiscard]] BrowseModel& model() { return *model_; }
    [[nodiscard]] QTableView* table() const { return table_; }

    // Takes a column format string for columns showing `fields`; false when it cannot be
    // read (the list keeps its columns).
    bool setFormat(const std::string& format, const std::vector<int>& fields);
    // The format string with the widths the columns have now.
    [[nodiscard]] std::string currentFormat() const;
    // Width in dialog units; 0 hides the column.
    void setColumnWidthUnits(int column, int units);
    [[nodiscard]] int columnWidthUnits(int column) const;

    // Switches to a sort order and reloads from the top, with the wait cursor. Returns the
    // record count, or -1 when the file could not be read (the list stays as it was).
    std::int64_t setSortOrder(const SortOrder& order, const FilterBindings& bindings = {});
    // Reloads in the same order and highlights the record at `at` (or the nearest after).
    std::int64_t reload(const KeyPosition* at = nullptr);

    [[nodiscard]] int currentRow() const;
    void selectRow(int row);
    // Loads the highlighted record into the file's record buffer; false when there is none.
    bool loadHighlighted();
    // Moves to the first row at or after the text in the locator field.
    void locate(const QString& typed);

  signals:
    // The highlight moved; the record buffer holds the highlighted record (or was cleared
    // when the list is empty).
    void highlightChanged();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void addNavigationButtons(QHBoxLayout* layout);

    FileAccessManager& file_;
    BrowseModel* model_;
    QTableView* table_;
    SortOrder order_;
    FilterBindings bindings_;
};

}  // namespace ntx
